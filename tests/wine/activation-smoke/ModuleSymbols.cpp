#include "ModuleSymbols.h"

#include <cstring>
#include <memory>

namespace {

// IMAGE_SYMBOL as the file stores it: 18 bytes, unaligned.
constexpr size_t kSymbolSize = 18;

struct HandleCloser {
  void operator()(HANDLE file) const { CloseHandle(file); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

bool ReadAt(HANDLE file, uint64_t offset, void* data, size_t size) {
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(offset);
  DWORD read = 0;
  return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) &&
         ReadFile(file, data, static_cast<DWORD>(size), &read, nullptr) && read == size;
}

}  // namespace

bool ModuleSymbols::Fail(const std::string& error) {
  error_ = error;
  addresses_.clear();
  return false;
}

bool ModuleSymbols::Read(HMODULE module, const std::vector<std::string>& wanted) {
  addresses_.clear();
  WCHAR path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return Fail("the module's file name is not known");
  HANDLE opened = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr);
  if (opened == INVALID_HANDLE_VALUE) return Fail("the module's file cannot be opened");
  FileHandle file(opened);

  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* loaded = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  IMAGE_NT_HEADERS headers;
  if (!ReadAt(file.get(), static_cast<uint64_t>(dos->e_lfanew), &headers, sizeof headers))
    return Fail("the module's file has no headers");
  const IMAGE_FILE_HEADER& coff = headers.FileHeader;
  if (coff.TimeDateStamp != loaded->FileHeader.TimeDateStamp ||
      coff.NumberOfSections != loaded->FileHeader.NumberOfSections)
    return Fail("the module's file is not the loaded image");
  if (coff.PointerToSymbolTable == 0 || coff.NumberOfSymbols == 0)
    return Fail("the module's file has no symbol table");

  std::vector<IMAGE_SECTION_HEADER> sections(coff.NumberOfSections);
  uint64_t sectionsAt = static_cast<uint64_t>(dos->e_lfanew) +
                        offsetof(IMAGE_NT_HEADERS, OptionalHeader) + coff.SizeOfOptionalHeader;
  if (!ReadAt(file.get(), sectionsAt, sections.data(), sections.size() * sizeof(IMAGE_SECTION_HEADER)))
    return Fail("the module's file has no section table");
  const IMAGE_SECTION_HEADER* loadedSections = IMAGE_FIRST_SECTION(loaded);
  for (size_t i = 0; i < sections.size(); ++i)
    if (sections[i].VirtualAddress != loadedSections[i].VirtualAddress)
      return Fail("the module's file is not the loaded image");

  std::vector<BYTE> symbols(size_t{coff.NumberOfSymbols} * kSymbolSize);
  uint32_t stringsSize = 0;
  uint64_t stringsAt = uint64_t{coff.PointerToSymbolTable} + symbols.size();
  if (!ReadAt(file.get(), coff.PointerToSymbolTable, symbols.data(), symbols.size()) ||
      !ReadAt(file.get(), stringsAt, &stringsSize, sizeof stringsSize) || stringsSize < 4)
    return Fail("the module's symbol table cannot be read");
  std::vector<char> strings(stringsSize + 1, '\0');
  if (!ReadAt(file.get(), stringsAt, strings.data(), stringsSize))
    return Fail("the module's string table cannot be read");

  for (size_t i = 0; i < coff.NumberOfSymbols; ++i) {
    const BYTE* symbol = symbols.data() + i * kSymbolSize;
    std::string name;
    uint32_t zeroes = 0;
    std::memcpy(&zeroes, symbol, 4);
    if (zeroes != 0) {
      name.assign(reinterpret_cast<const char*>(symbol), strnlen(reinterpret_cast<const char*>(symbol), 8));
    } else {
      uint32_t offset = 0;
      std::memcpy(&offset, symbol + 4, 4);
      if (offset >= stringsSize) continue;
      name = strings.data() + offset;
    }
    uint32_t value = 0;
    int16_t section = 0;
    std::memcpy(&value, symbol + 8, 4);
    std::memcpy(&section, symbol + 12, 2);
    BYTE storageClass = symbol[16];
    i += symbol[17];  // auxiliary records follow their symbol
    if (storageClass != IMAGE_SYM_CLASS_EXTERNAL || section <= 0 ||
        static_cast<size_t>(section) > sections.size())
      continue;
    for (const std::string& one : wanted)
      if (name == one)
        addresses_[name] = base + sections[static_cast<size_t>(section) - 1].VirtualAddress + value;
  }
  for (const std::string& one : wanted)
    if (addresses_.count(one) == 0) return Fail("the module has no symbol " + one);
  return true;
}

const void* ModuleSymbols::Address(const std::string& name) const {
  auto found = addresses_.find(name);
  return found == addresses_.end() ? nullptr : found->second;
}
