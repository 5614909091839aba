# Installing the hack into XScreenSaver's layout with the theme entry MATE's and Xfce's
# screen savers read, and the Debian package (cpack -G DEB).
include(GNUInstallDirs)

set(hack_dir ${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver)
install(TARGETS sinuet RUNTIME DESTINATION ${hack_dir})
install(FILES sinuet.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config)
install(FILES sinuet.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The theme entry MATE's and Xfce's screen savers list names the hack by its full path, so
# it is made when installing, from the prefix of that install: `cmake --install --prefix`'s,
# or /usr for the package (CPack installs there under a DESTDIR).
if(NOT IS_ABSOLUTE ${hack_dir})
    set(hack_dir "\${CMAKE_INSTALL_PREFIX}/${hack_dir}")
endif()
install(CODE "
    set(SINUET_HACK \"${hack_dir}/sinuet\")
    configure_file(${CMAKE_CURRENT_SOURCE_DIR}/sinuet.desktop.in
        ${CMAKE_CURRENT_BINARY_DIR}/sinuet.desktop @ONLY)")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/sinuet.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications/screensavers)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sinuet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Sinuet developers <sinuet@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Sinuet: swinging concentric bands, a screen saver for XScreenSaver, MATE and Xfce")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# CPack asks dpkg for the architecture, which is the build machine's; a cross build names
# its target's.
if(CMAKE_CROSSCOMPILING)
    if(CMAKE_SYSTEM_PROCESSOR STREQUAL aarch64)
        set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
    else()
        message(FATAL_ERROR "No Debian architecture known for ${CMAKE_SYSTEM_PROCESSOR}")
    endif()
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xscreensaver | mate-screensaver | xfce4-screensaver")
set(CPACK_STRIP_FILES ON)
include(CPack)
