#pragma once

#include <atomic>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Reads variables of a module loaded in this process the way a debugger
// does: their places from the symbol table of the module's file, their
// values from memory. lutem-host shows with it the settings the input
// method holds, which no Windows call reveals. A module without a symbol
// table (stripped) shows none.
class ModuleVariables {
 public:
  // Finds names in the module file at path, which must be loaded. False
  // when it is not, or when its file has no symbol table.
  bool Open(const std::string& path, const std::vector<std::string>& names);

  template <typename Value>
  std::optional<Value> Read(const std::string& name) const {
    auto found = addresses_.find(name);
    if (found == addresses_.end()) return std::nullopt;
    // The module's own threads change some of them meanwhile (its object
    // count, the settings), so they are read atomically, as the module reads
    // them.
    Value value;
    __atomic_load(reinterpret_cast<const Value*>(found->second), &value, __ATOMIC_ACQUIRE);
    return value;
  }

  // A 32-bit variable that threads of the module write atomically, read
  // the same way.
  std::optional<int32_t> ReadAtomic(const std::string& name) const {
    auto found = addresses_.find(name);
    if (found == addresses_.end()) return std::nullopt;
    return reinterpret_cast<const std::atomic<int32_t>*>(found->second)->load(std::memory_order_acquire);
  }

 private:
  std::map<std::string, uintptr_t> addresses_;
};
