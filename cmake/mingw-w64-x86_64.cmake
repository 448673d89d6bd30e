# Cross-compiles for 64-bit Windows with Debian's mingw-w64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(_triple x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# Tests run under Wine (Debian's wine64 keeps its loader out of PATH).
find_program(LUTEM_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(LUTEM_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LUTEM_WINE})
endif()
