#include <cstdio>

#include "Commands.h"
#include "Platform.h"
#include "conversion/WideToUtf8.h"

std::string BesideThisProgram(const std::string& fileName) {
  WCHAR program[4096];
  DWORD length = GetModuleFileNameW(nullptr, program, 4096);
  std::string path = WideToUtf8(std::u16string_view(AsChar16(program), length));
  size_t slash = path.rfind('/');
  return (slash == std::string::npos ? std::string(".") : path.substr(0, slash)) + "/" + fileName;
}

int CallServerExport(const std::vector<std::string>& args, const char* exportName) {
  std::string modulePath = BesideThisProgram("LutemIME.so");
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--module" && i + 1 < args.size()) {
      modulePath = args[++i];
    } else {
      std::fprintf(stderr, "lutem-host: unexpected argument %s\n", args[i].c_str());
      return 2;
    }
  }
  std::u16string widePath = Utf8ToWide(modulePath);
  HMODULE module = LoadLibraryW(AsWchar(widePath.c_str()));
  if (module == nullptr) {
    std::fprintf(stderr, "lutem-host: cannot load %s (error %u)\n", modulePath.c_str(),
                 static_cast<unsigned>(GetLastError()));
    return 2;
  }
  typedef HRESULT(STDMETHODCALLTYPE * ServerExport)();
  auto call = reinterpret_cast<ServerExport>(
      reinterpret_cast<void (*)()>(GetProcAddress(module, exportName)));
  if (call == nullptr) {
    std::fprintf(stderr, "lutem-host: %s has no %s\n", modulePath.c_str(), exportName);
    FreeLibrary(module);
    return 2;
  }
  HRESULT result = call();
  std::printf("%s: 0x%08X\n", exportName, static_cast<unsigned>(result));
  FreeLibrary(module);
  return result == S_OK ? 0 : 1;
}
