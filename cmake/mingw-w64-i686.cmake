# Cross-compiles for 32-bit Windows with Debian's mingw-w64, for the settings
# program, which ships as a 32-bit program.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(_triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# 32-bit programs run under Debian's wine32, whose loader is wine.
find_program(LUTEM_WINE32 NAMES wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
if(LUTEM_WINE32)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LUTEM_WINE32})
endif()
