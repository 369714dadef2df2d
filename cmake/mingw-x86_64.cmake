# 64-bit Windows, for running the Windows tests on machines that cannot execute 32-bit x86 code.
set(TROVEL_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
