# Writes a C++ source that holds the bytes of a compiled resource file and
# registers them with the stand-in's module loader when the module loads, so
# FindResourceW finds in the Linux module what the Windows linker puts into
# the DLL. cmake -DINPUT=file.res -DOUTPUT=file.cpp -P EmbedResources.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
set(body "")
set(line "")
set(count 0)
math(EXPR last "${digits} - 2")
if(digits GREATER 0)
  foreach(at RANGE 0 ${last} 2)
    string(SUBSTRING "${hex}" ${at} 2 byte)
    string(APPEND line "0x${byte},")
    math(EXPR count "${count} + 1")
    if(count EQUAL 16)
      string(APPEND body "    ${line}\n")
      set(line "")
      set(count 0)
    endif()
  endforeach()
endif()
if(NOT line STREQUAL "")
  string(APPEND body "    ${line}\n")
endif()
file(WRITE "${OUTPUT}.tmp"
"// Made by cmake/EmbedResources.cmake from the module's compiled resources.
#include \"Platform.h\"

namespace {

alignas(4) const unsigned char kResources[] = {
${body}};

[[maybe_unused]] const bool resourcesRegistered = [] {
  ::platform::RegisterModuleResources(kResources, kResources, sizeof(kResources));
  return true;
}();

}  // namespace
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
