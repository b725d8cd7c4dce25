# The Debian package: `cpack -G DEB` in a build folder.
include(GNUInstallDirs)

set(_doc_dir "${CMAKE_INSTALL_DATADIR}/doc/trimvale")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/copyright" DESTINATION "${_doc_dir}")

set(TRIMVALE_DEBIAN_REVISION 1)

# Debian wants the changelog and the manual page compressed, reproducibly
# (no file name, no time stamp).
configure_file("${PROJECT_SOURCE_DIR}/packaging/changelog.in" changelog.Debian @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/packaging/trimvale.1.in" trimvale.1 @ONLY)
add_custom_command(
    OUTPUT changelog.Debian.gz trimvale.1.gz
    COMMAND gzip -9nkf changelog.Debian trimvale.1
    DEPENDS "${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian" "${CMAKE_CURRENT_BINARY_DIR}/trimvale.1"
    VERBATIM
)
add_custom_target(compressed_docs ALL DEPENDS changelog.Debian.gz trimvale.1.gz)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz" DESTINATION "${_doc_dir}")
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/trimvale.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trimvale)
set(CPACK_PACKAGE_VENDOR "The Trimvale developers")
set(CPACK_PACKAGE_CONTACT "The Trimvale developers <developers@trimvale.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "choose a personal weight-loss program from four answers")
set(CPACK_PACKAGE_DESCRIPTION
    "Trimvale asks for weight, height, age and sex in a small questionnaire,
adds up points for the answers and shows one of four diet-and-exercise
programs, each ending in a monthly weight-loss norm, or tells that the
weight is very good. It reads and writes no files and needs no network.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TRIMVALE_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The faces that stand in for the Windows fonts the windows are designed with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-urw-base35")
# Native windows on Wayland desktops; without it Qt needs an X server there.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://trimvale.org/")
include(CPack)
