# The game's own target: 32-bit Windows (PE32).
set(TROVEL_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
