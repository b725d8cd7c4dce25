// Preloaded into a program under measurement: notes the moment the program
// first sends window contents to the X server - its first painted frame - and
// writes it, in nanoseconds of CLOCK_MONOTONIC, to the file descriptor named
// by FIRST_FRAME_FD. Qt's X11 backing store sends its frames with one of the
// three calls below; each is passed on unchanged.
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <unistd.h>

// The few XCB types the three calls use, declared here so that no XCB
// development headers are needed; the layout is XCB's.
struct xcb_connection_t;
struct xcb_void_cookie_t
{
    unsigned int sequence;
};
using xcb_drawable_t = std::uint32_t;
using xcb_gcontext_t = std::uint32_t;
using xcb_shm_seg_t = std::uint32_t;

namespace {

std::atomic<bool> gReported{false};

void reportFirstFrame()
{
    if (gReported.exchange(true))
        return;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const char *fd = std::getenv("FIRST_FRAME_FD");
    if (!fd)
        return;
    char line[32];
    const int length =
        std::snprintf(line, sizeof line, "%lld\n",
                      static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    [[maybe_unused]] const ssize_t written =
        write(std::atoi(fd), line, static_cast<size_t>(length));
}

template<typename Function> Function next(const char *name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" {

// NOLINTBEGIN: the names and parameters are XCB's.

xcb_void_cookie_t xcb_put_image(xcb_connection_t *c, uint8_t format, xcb_drawable_t drawable,
                                xcb_gcontext_t gc, uint16_t width, uint16_t height, int16_t x,
                                int16_t y, uint8_t leftPad, uint8_t depth, uint32_t length,
                                const uint8_t *data)
{
    using Real = xcb_void_cookie_t (*)(xcb_connection_t *, uint8_t, xcb_drawable_t, xcb_gcontext_t,
                                       uint16_t, uint16_t, int16_t, int16_t, uint8_t, uint8_t,
                                       uint32_t, const uint8_t *);
    static const auto real = next<Real>("xcb_put_image");
    reportFirstFrame();
    return real(c, format, drawable, gc, width, height, x, y, leftPad, depth, length, data);
}

xcb_void_cookie_t xcb_shm_put_image(xcb_connection_t *c, xcb_drawable_t drawable, xcb_gcontext_t gc,
                                    uint16_t totalWidth, uint16_t totalHeight, uint16_t srcX,
                                    uint16_t srcY, uint16_t srcWidth, uint16_t srcHeight,
                                    int16_t dstX, int16_t dstY, uint8_t depth, uint8_t format,
                                    uint8_t sendEvent, xcb_shm_seg_t shmseg, uint32_t offset)
{
    using Real = xcb_void_cookie_t (*)(xcb_connection_t *, xcb_drawable_t, xcb_gcontext_t, uint16_t,
                                       uint16_t, uint16_t, uint16_t, uint16_t, uint16_t, int16_t,
                                       int16_t, uint8_t, uint8_t, uint8_t, xcb_shm_seg_t, uint32_t);
    static const auto real = next<Real>("xcb_shm_put_image");
    reportFirstFrame();
    return real(c, drawable, gc, totalWidth, totalHeight, srcX, srcY, srcWidth, srcHeight, dstX,
                dstY, depth, format, sendEvent, shmseg, offset);
}

xcb_void_cookie_t xcb_copy_area(xcb_connection_t *c, xcb_drawable_t src, xcb_drawable_t dst,
                                xcb_gcontext_t gc, int16_t srcX, int16_t srcY, int16_t dstX,
                                int16_t dstY, uint16_t width, uint16_t height)
{
    using Real =
        xcb_void_cookie_t (*)(xcb_connection_t *, xcb_drawable_t, xcb_drawable_t, xcb_gcontext_t,
                              int16_t, int16_t, int16_t, int16_t, uint16_t, uint16_t);
    static const auto real = next<Real>("xcb_copy_area");
    reportFirstFrame();
    return real(c, src, dst, gc, srcX, srcY, dstX, dstY, width, height);
}

// NOLINTEND

} // extern "C"
