# The dependencies of the Windows build, made by scripts/build-windows.sh
# under LUTEM_WIN_DEPS from Debian's packages, as the targets and variables
# that the native build gets from find_package.
set(LUTEM_WIN_DEPS "${PROJECT_SOURCE_DIR}/build-win-deps/prefix" CACHE PATH
    "Prefix holding the Windows build's dependencies")
if(NOT EXISTS "${LUTEM_WIN_DEPS}/include/boost/regex.hpp")
  message(FATAL_ERROR
          "No Windows dependencies under ${LUTEM_WIN_DEPS}: run scripts/build-windows.sh")
endif()

# The prefix stands where /usr/include stands for the native build: the
# header-only libraries are found there by everyone. utfcpp is included both
# as <utf8.h> and as <utf8cpp/utf8.h>.
include_directories(SYSTEM "${LUTEM_WIN_DEPS}/include" "${LUTEM_WIN_DEPS}/include/utf8cpp")
list(APPEND CMAKE_FIND_ROOT_PATH "${LUTEM_WIN_DEPS}")

# Boost.Regex is header-only since 1.76.
add_library(Boost::regex INTERFACE IMPORTED)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)

# OpenFst's FST types register through static initialisers in an object that
# nothing refers to. Linked whole, the archive registers them as the native
# shared library does; as a plain archive the linker drops that object and a
# read through the generic Fst::Read or Convert would not find the vector type.
add_library(lutem_openfst INTERFACE)
target_compile_definitions(lutem_openfst INTERFACE FST_NO_DYNAMIC_LINKING _USE_MATH_DEFINES)
target_link_libraries(lutem_openfst INTERFACE "-Wl,--whole-archive"
                      "${LUTEM_WIN_DEPS}/lib/libfst.a" "-Wl,--no-whole-archive")
set(FST_LIB lutem_openfst)

# Debian's mingw-w64 zlib has an import library too; the programs must not
# need a zlib1.dll beside them.
set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)
find_package(Threads REQUIRED)
