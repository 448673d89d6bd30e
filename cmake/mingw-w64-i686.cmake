# Cross-compiles for 32-bit Windows with Debian's mingw-w64, posix-thread
# flavour, for the settings program, which ships as a 32-bit program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(_triple i686-w64-mingw32)
set(CMAKE_C_COMPILER ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_triple}-windres)
set(CMAKE_AR ${_triple}-ar)
set(CMAKE_RANLIB ${_triple}-ranlib)

set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No compiler runtime DLLs to ship or to find under Wine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# 32-bit programs run under Debian's wine32, whose loader is wine.
find_program(LUTEM_WINE32 NAMES wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
if(LUTEM_WINE32)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LUTEM_WINE32})
endif()
