# SPDX-License-Identifier: GPL-3.0-or-later
# `make uninstall`: removes every file the last `make install` from this build folder put in
# place (install_manifest.txt lists them), then the game's own folder of documents.
# Run as: cmake -DMANIFEST=... -DKRUGHEIM_INSTALLED_PREFIX=... -DDOC_DIR=... -P Uninstall.cmake

if(NOT EXISTS "${MANIFEST}")
    message(FATAL_ERROR "Nothing to remove: ${MANIFEST} is missing (no `make install` from here)")
endif()
file(STRINGS "${MANIFEST}" installed)
foreach(file IN LISTS installed)
    if(EXISTS "${file}" OR IS_SYMLINK "${file}")
        message(STATUS "Removing ${file}")
        file(REMOVE "${file}")
    endif()
endforeach()
file(REMOVE "${MANIFEST}")

file(GLOB left "${DOC_DIR}/*")
if(IS_DIRECTORY "${DOC_DIR}" AND NOT left)
    file(REMOVE_RECURSE "${DOC_DIR}")
endif()

set(CMAKE_INSTALL_PREFIX "${KRUGHEIM_INSTALLED_PREFIX}")
include("${CMAKE_CURRENT_LIST_DIR}/DesktopCaches.cmake")
RefreshDesktopCaches()
