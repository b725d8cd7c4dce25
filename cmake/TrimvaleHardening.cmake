# Release builds take Debian's hardening flags (dpkg-buildflags with
# hardening=+all: stack protector, _FORTIFY_SOURCE, full RELRO with immediate
# binding; the compiler builds PIE by default), stack clash and control-flow
# protection, and the C++ library's cheap precondition checks. Where dpkg-buildflags is missing, the same flags are
# named directly.
if(MSVC OR WIN32 OR EMSCRIPTEN) # Windows and page builds set their own link flags (app/)
    return()
endif()

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND "${CMAKE_COMMAND}" -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    "${DPKG_BUILDFLAGS}" --get ${kind}
            OUTPUT_VARIABLE _flags
            OUTPUT_STRIP_TRAILING_WHITESPACE
            COMMAND_ERROR_IS_FATAL ANY
        )
        separate_arguments(_hardening_${kind} UNIX_COMMAND "${_flags}")
    endforeach()
    # The optimisation and debug levels are the build type's to choose.
    list(FILTER _hardening_CXXFLAGS EXCLUDE REGEX "^-(O[0-9s]?|g)$")
else()
    set(_hardening_CPPFLAGS -D_FORTIFY_SOURCE=2)
    set(_hardening_CXXFLAGS -fstack-protector-strong -Wformat -Werror=format-security)
    set(_hardening_LDFLAGS -Wl,-z,relro -Wl,-z,now)
endif()

# Debian 12's dpkg leaves these two out on amd64; hardening-check looks for them.
include(CheckCXXCompilerFlag)
foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "HAS${flag}" _supported)
    check_cxx_compiler_flag(${flag} ${_supported})
    if(${_supported} AND NOT flag IN_LIST _hardening_CXXFLAGS)
        list(APPEND _hardening_CXXFLAGS ${flag})
    endif()
endforeach()

set(_release "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
foreach(flag IN LISTS _hardening_CPPFLAGS _hardening_CXXFLAGS)
    add_compile_options("$<${_release}:${flag}>")
endforeach()
add_compile_options("$<${_release}:-D_GLIBCXX_ASSERTIONS>")
foreach(flag IN LISTS _hardening_LDFLAGS)
    add_link_options("$<${_release}:${flag}>")
endforeach()
