# SPDX-License-Identifier: GPL-3.0-or-later
# Installing the game (`make install`, `make uninstall`) and the Debian package (`make package`).

include(GNUInstallDirs)

# `make install` and `make package` build just what is installed, not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(KRUGHEIM_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/krugheim)

# The manual pages and the changelog go into the package compressed, without name or time
# stamp, so that the same sources give the same package.
set(KRUGHEIM_COMPRESSED_DOCS)
foreach(doc krugheim.6 de/krugheim.6 debian/changelog)
    set(copy ${CMAKE_BINARY_DIR}/docs/${doc})
    get_filename_component(folder ${copy} DIRECTORY)
    add_custom_command(
        OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/resources/${doc} ${copy}
        COMMAND gzip -9nf ${copy}
        DEPENDS ${CMAKE_SOURCE_DIR}/resources/${doc}
        VERBATIM)
    list(APPEND KRUGHEIM_COMPRESSED_DOCS ${copy}.gz)
endforeach()
add_custom_target(krugheim_docs ALL DEPENDS ${KRUGHEIM_COMPRESSED_DOCS})

if(TARGET krugheim)
    # Debian keeps games apart from other programs.
    install(TARGETS krugheim RUNTIME DESTINATION games)
    # Stripped as Debian strips: the compilers' version notes go as well.
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/krugheim\")
        endif()")
    # The desktop entry starts the game by its full path, as /usr/games is not on every PATH.
    # The prefix is the one installed into (/usr for the package), known only at install time.
    set(desktop_entry ${CMAKE_BINARY_DIR}/installed/${KRUGHEIM_APP_ID}.desktop)
    install(CODE "
        set(KRUGHEIM_PROGRAM_PATH \"\${CMAKE_INSTALL_PREFIX}/games/krugheim\")
        configure_file(\"${CMAKE_SOURCE_DIR}/resources/${KRUGHEIM_APP_ID}.desktop.in\"
                       \"${desktop_entry}\" @ONLY)")
    install(FILES ${desktop_entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES resources/${KRUGHEIM_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES resources/${KRUGHEIM_APP_ID}.mime.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
            RENAME ${KRUGHEIM_APP_ID}.xml)
    install(FILES resources/krugheim.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${KRUGHEIM_APP_ID}.svg)
    foreach(size 48 128 256)
        install(FILES resources/krugheim-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${KRUGHEIM_APP_ID}.png)
    endforeach()
    install(FILES ${CMAKE_BINARY_DIR}/docs/krugheim.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    # The game speaks German, and so does `man -L de 6 krugheim`.
    install(FILES ${CMAKE_BINARY_DIR}/docs/de/krugheim.6.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man6)
    install(FILES resources/debian/copyright ${CMAKE_BINARY_DIR}/docs/debian/changelog.gz
            DESTINATION ${KRUGHEIM_DOC_DIR})

    # A plain `make install` tells the desktop about the new file type and entry at once (the
    # package's triggers do this for `dpkg -i`); a staged install leaves that to its owner.
    install(CODE "
        set(KRUGHEIM_INSTALLED_PREFIX \"${CMAKE_INSTALL_PREFIX}\")
        include(\"${CMAKE_SOURCE_DIR}/cmake/DesktopCaches.cmake\")
        RefreshDesktopCaches()")
    add_custom_target(
        uninstall
        COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
                -DKRUGHEIM_INSTALLED_PREFIX=${CMAKE_INSTALL_PREFIX}
                -DDOC_DIR=${CMAKE_INSTALL_PREFIX}/${KRUGHEIM_DOC_DIR}
                -P ${CMAKE_SOURCE_DIR}/cmake/Uninstall.cmake
        VERBATIM)
endif()

set(CPACK_PACKAGE_NAME "krugheim")
set(CPACK_PACKAGE_VENDOR "Das Krugheim")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pub business simulation game in German")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Das Krugheim is a single-player business simulation: lease a pub, hire staff,\n"
       "fill the drinks, dishes and wines cards, set prices, reorder stock and answer\n"
       "random events while the clock runs the pub minute by minute. Win by putting\n"
       "all 110 articles on the cards and earning 100,000 euros without debt.\n"
       ".\n"
       "The game speaks German and counts in euros.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Das Krugheim maintainers <maintainers@krugheim.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from dpkg-shlibdeps; the window system plug-in, the fonts the windows
# are laid out for and Qt's German texts are not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, qt6-translations-l10n")
# Qt's Wayland plugin is recommended, not required: every X11 session, and every Wayland
# session with XWayland, runs the game through the X11 plugin. Where neither is there, the game
# names the package it lacks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
