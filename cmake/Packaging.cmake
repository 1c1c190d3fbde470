# Installing the game (`make install`) and the Debian package (`make package`).

include(GNUInstallDirs)

if(TARGET krugheim)
    install(TARGETS krugheim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES resources/krugheim.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES resources/krugheim.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    foreach(size 48 128 256)
        install(FILES resources/krugheim-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME krugheim.png)
    endforeach()
endif()

set(CPACK_PACKAGE_NAME "krugheim")
set(CPACK_PACKAGE_VENDOR "Das Krugheim")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Das Krugheim - pub business simulation game")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Lease a pub, hire staff, fill the drinks, dishes and wines cards, set prices, reorder\n"
       "stock and answer random events while the clock runs the pub minute by minute.\n"
       "The game speaks German and counts in euros.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Das Krugheim maintainers <maintainers@krugheim.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The libraries come from dpkg-shlibdeps; the window system plug-in, the fonts the windows
# are laid out for and Qt's German texts are not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, qt6-translations-l10n")

include(CPack)
