# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening Debian asks of its packages: position-independent executables, stack
# protection, fortified libc calls and a read-only relocation table bound at start.

include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
# Position-independent code alone would let every function of the static libraries be
# replaced at load time, which keeps the compiler from inlining them into one another (the
# random generator's draw into its callers, say). Nothing of ours is ever replaced that way.
add_compile_options(-fno-semantic-interposition)

add_compile_options(-fstack-protector-strong)
add_link_options(LINKER:-z,relro LINKER:-z,now)

# Fortification needs the optimiser, and under the sanitizers it would only hide what they
# are there to find.
if(NOT KRUGHEIM_SANITIZE AND NOT KRUGHEIM_FUZZ)
    add_compile_options(
        "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()
