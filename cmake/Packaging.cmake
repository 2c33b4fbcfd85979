# The Debian package: `cpack -G DEB` in a build folder makes polymetra_<version>_amd64.deb
# with everything `cmake --install` installs. Library dependencies are computed from the
# binaries (dpkg-shlibdeps), not listed by hand.
include(GNUInstallDirs)
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "polymetra")
set(CPACK_PACKAGE_VENDOR "The Polymetra developers")
set(CPACK_PACKAGE_CONTACT "The Polymetra developers <developers@polymetra.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "geometry calculator for plane figures and solids")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "math")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://polymetra.org")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Qt image and icon plugins that draw the SVG pictures are loaded at run time, so no
# library dependency names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-svg-plugins | libqt6svg6, qt6-qpa-plugins | libqt6gui6")
# Polymetra's own translations are built into the program; Qt's (the standard buttons) come
# from the system when it has them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Polymetra solves eight plane figures and seven solids from whatever quantities\n are typed, refuses values that make no shape, logs every calculation on a tape\n per shape and draws the shape to scale. polymetra-cli offers the same solvers\n on the command line.")
include(CPack)

# Manual pages are installed compressed, as man reads them and Debian's policy asks.
foreach(page "${PROJECT_SOURCE_DIR}/resources/polymetra.1" "${PROJECT_SOURCE_DIR}/cli/polymetra-cli.1")
    get_filename_component(name "${page}" NAME)
    set(compressed "${PROJECT_BINARY_DIR}/man/${name}.gz")
    add_custom_command(OUTPUT "${compressed}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${PROJECT_BINARY_DIR}/man"
        COMMAND ${CMAKE_COMMAND} -E copy "${page}" "${PROJECT_BINARY_DIR}/man/${name}"
        COMMAND gzip -n -9 -f "${PROJECT_BINARY_DIR}/man/${name}"
        DEPENDS "${page}" VERBATIM)
    list(APPEND POLYMETRA_MAN_PAGES "${compressed}")
endforeach()
add_custom_target(polymetra_man_pages ALL DEPENDS ${POLYMETRA_MAN_PAGES})
install(FILES ${POLYMETRA_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Debian's policy files: the copyright (the licence) and a compressed changelog.
set(POLYMETRA_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/polymetra")
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION "${POLYMETRA_DOC_DIR}" RENAME copyright)
set(changelog "${PROJECT_BINARY_DIR}/changelog")
file(WRITE "${changelog}"
    "polymetra (${PROJECT_VERSION}) stable; urgency=low\n\n"
    "  * Release ${PROJECT_VERSION}.\n\n"
    " -- The Polymetra developers <developers@polymetra.org>  Mon, 07 Dec 2026 00:00:00 +0000\n")
add_custom_command(OUTPUT "${changelog}.gz"
    COMMAND gzip -n -9 -f -k "${changelog}"
    DEPENDS "${changelog}" VERBATIM)
add_custom_target(polymetra_changelog ALL DEPENDS "${changelog}.gz")
install(FILES "${changelog}.gz" DESTINATION "${POLYMETRA_DOC_DIR}")
