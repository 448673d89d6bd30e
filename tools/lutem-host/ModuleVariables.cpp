#include "ModuleVariables.h"

#include <dlfcn.h>
#include <elf.h>
#include <link.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

// Where the dynamic loader put the module; 0 when it is not loaded.
uintptr_t LoadBase(const std::string& path) {
  void* handle = dlopen(path.c_str(), RTLD_NOLOAD | RTLD_LAZY);
  if (handle == nullptr) return 0;
  link_map* map = nullptr;
  uintptr_t base = dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map != nullptr ? map->l_addr : 0;
  dlclose(handle);
  return base;
}

template <typename Record>
bool At(const std::vector<char>& file, uint64_t offset, Record* record) {
  if (offset > file.size() || file.size() - offset < sizeof(Record)) return false;
  std::memcpy(record, file.data() + offset, sizeof(Record));
  return true;
}

}  // namespace

bool ModuleVariables::Open(const std::string& path, const std::vector<std::string>& names) {
  addresses_.clear();
  const uintptr_t base = LoadBase(path);
  if (base == 0) return false;
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

  Elf64_Ehdr header;
  if (!At(file, 0, &header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
      header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_shentsize != sizeof(Elf64_Shdr))
    return false;
  for (uint16_t i = 0; i < header.e_shnum; ++i) {
    Elf64_Shdr symbols;
    if (!At(file, header.e_shoff + uint64_t{i} * sizeof(Elf64_Shdr), &symbols)) return false;
    if (symbols.sh_type != SHT_SYMTAB || symbols.sh_entsize != sizeof(Elf64_Sym)) continue;
    Elf64_Shdr strings;
    if (!At(file, header.e_shoff + uint64_t{symbols.sh_link} * sizeof(Elf64_Shdr), &strings))
      return false;
    for (uint64_t at = 0; at + sizeof(Elf64_Sym) <= symbols.sh_size; at += sizeof(Elf64_Sym)) {
      Elf64_Sym symbol;
      if (!At(file, symbols.sh_offset + at, &symbol)) break;
      if (ELF64_ST_TYPE(symbol.st_info) != STT_OBJECT || symbol.st_shndx == SHN_UNDEF ||
          symbol.st_name >= strings.sh_size)
        continue;
      const char* first = file.data() + strings.sh_offset + symbol.st_name;
      const char* end = file.data() + std::min<uint64_t>(file.size(), strings.sh_offset + strings.sh_size);
      std::string name(first, std::find(first, end, '\0'));
      for (const std::string& wanted : names) {
        if (name == wanted) addresses_[name] = base + symbol.st_value;
      }
    }
  }
  return !addresses_.empty();
}
