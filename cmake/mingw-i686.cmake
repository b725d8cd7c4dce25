# Cross-builds for 32-bit Windows: the Trimvale.exe that ships.
set(TRIMVALE_MINGW_ARCH i686)
include("${CMAKE_CURRENT_LIST_DIR}/mingw.cmake")
