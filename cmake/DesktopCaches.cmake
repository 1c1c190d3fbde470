# SPDX-License-Identifier: GPL-3.0-or-later
# Brings the desktop's caches of file types and application entries up to date after the game
# was installed into or removed from KRUGHEIM_INSTALLED_PREFIX. Runs at install time.

function(RefreshDesktopCaches)
    # A staged install (DESTDIR, or the package being put together) is not the live system.
    if(NOT "$ENV{DESTDIR}" STREQUAL "" OR NOT CMAKE_INSTALL_PREFIX STREQUAL KRUGHEIM_INSTALLED_PREFIX)
        return()
    endif()
    set(share ${KRUGHEIM_INSTALLED_PREFIX}/share)
    find_program(UPDATE_MIME update-mime-database)
    if(UPDATE_MIME AND EXISTS ${share}/mime/packages)
        execute_process(COMMAND ${UPDATE_MIME} ${share}/mime OUTPUT_QUIET ERROR_QUIET)
    endif()
    find_program(UPDATE_DESKTOP update-desktop-database)
    if(UPDATE_DESKTOP AND EXISTS ${share}/applications)
        execute_process(COMMAND ${UPDATE_DESKTOP} -q ${share}/applications)
    endif()
endfunction()
