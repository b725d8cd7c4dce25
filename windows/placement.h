// Where a window opens: centred on the screen's available area. A window
// larger than that area keeps its top-left corner, with the title bar and the
// close box, on the screen.
#pragma once

#include <algorithm>

namespace windows {

struct Area
{
    int x;
    int y;
    int width;
    int height;
};

struct Position
{
    int x;
    int y;
};

// `width` and `height` are the window's outer size, frame included.
constexpr Position centredIn(const Area &available, int width, int height)
{
    return {available.x + std::max(0, (available.width - width) / 2),
            available.y + std::max(0, (available.height - height) / 2)};
}

} // namespace windows
