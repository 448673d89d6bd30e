#include "kernel32/SystemLibraries.h"

#include <map>
#include <memory>
#include <mutex>

#include "common/HostText.h"

namespace platform {
namespace {

struct Registry {
  std::mutex lock;
  // By folded file name with ".dll".
  std::map<std::u16string, SystemLibrary> libraries;
};

Registry& Libraries() {
  static Registry* registry = new Registry;
  return *registry;
}

std::u16string Key(const std::u16string& name) {
  size_t slash = name.find_last_of(u"\\/");
  std::u16string file = FoldCase(slash == std::u16string::npos ? name : name.substr(slash + 1));
  if (file.size() < 4 || file.compare(file.size() - 4, 4, u".DLL") != 0) file += u".DLL";
  return file;
}

}  // namespace

void RegisterSystemLibrary(const std::u16string& fileName, DllEntryPoint entry) {
  Registry& registry = Libraries();
  std::lock_guard<std::mutex> hold(registry.lock);
  SystemLibrary library;
  // An address of its own, in no image, stands for the library's image.
  static std::map<std::u16string, std::unique_ptr<char[]>> images;
  auto& image = images[Key(fileName)];
  if (!image) image.reset(new char[16]);
  library.handle = reinterpret_cast<HMODULE>(image.get());
  library.path = u"C:\\Windows\\System32\\" + fileName;
  library.entry = entry;
  registry.libraries[Key(fileName)] = library;
}

bool FindSystemLibrary(const std::u16string& name, SystemLibrary* library) {
  size_t slash = name.find_last_of(u"\\/");
  if (slash != std::u16string::npos && FoldCase(name.substr(0, slash)) != u"C:\\WINDOWS\\SYSTEM32")
    return false;
  Registry& registry = Libraries();
  std::lock_guard<std::mutex> hold(registry.lock);
  auto found = registry.libraries.find(Key(name));
  if (found == registry.libraries.end()) return false;
  *library = found->second;
  return true;
}

}  // namespace platform
