# GoogleTest for the tests, and trimvale_add_gtest(<target>) to register one.
#
# A cross build compiles GoogleTest from Debian's source package for the
# target; its tests run through CMAKE_CROSSCOMPILING_EMULATOR, one CTest test
# per executable, since listing the cases would start the emulator at build time.
include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    # It defines GTest::gtest and GTest::gtest_main itself.
    add_subdirectory(/usr/src/googletest "${PROJECT_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()

function(trimvale_add_gtest target)
    if(EMSCRIPTEN)
        # One file that node runs (node's fetch cannot load a separate .wasm).
        target_link_options(${target} PRIVATE -sSINGLE_FILE=1 -sENVIRONMENT=node -sEXIT_RUNTIME=1)
    endif()
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${target} COMMAND ${target})
    else()
        gtest_discover_tests(${target})
    endif()
endfunction()
