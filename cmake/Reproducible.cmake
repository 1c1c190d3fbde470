# SPDX-License-Identifier: GPL-3.0-or-later
# Two builds of one commit give the same program byte for byte, whatever folder they are made
# in and whenever the sources were checked out.

# The folders' paths go into the debug information, and through it into the build id that the
# stripped program keeps.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)
# moc's output names each header by its way from the build folder, which differs from folder
# to folder; by its path under an include folder it reads the same from every build folder.
set(CMAKE_AUTOMOC_PATH_PREFIX ON)
# The resources without the files' dates: the first format of Qt's resource compiler has none.
set(CMAKE_AUTORCC_OPTIONS --format-version 1)
