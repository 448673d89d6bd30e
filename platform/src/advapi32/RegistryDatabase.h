#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "Platform.h"

struct sqlite3;

namespace platform {

// The registry's store: one SQLite database under the system root, shared by
// every process of the stand-in. Keys form a tree of rows; each value keeps
// its type and exact bytes. Names are stored as written and matched by their
// case-folded form. Every change is its own committed transaction (WAL,
// synchronous=FULL), so a process that dies keeps what it was told was
// written. Key ids are never reused, so a handle to a deleted key sees
// ERROR_KEY_DELETED rather than a newer key.
class RegistryDatabase {
 public:
  static constexpr int64_t kClassesRoot = 1;
  static constexpr int64_t kCurrentUser = 2;
  static constexpr int64_t kLocalMachine = 3;

  struct Value {
    std::u16string name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
  };

  // The database of the current system root (reopened when the root changes).
  static RegistryDatabase& Instance();

  // Walks (and with create, makes) the path below a key. Parts are the
  // components of the subkey path, already split.
  LONG OpenPath(int64_t base, const std::vector<std::u16string>& parts, bool create, int64_t& id,
                bool& created);
  LONG CheckKey(int64_t id);
  LONG SetValue(int64_t key, const std::u16string& name, DWORD type, const BYTE* data, DWORD size);
  LONG QueryValue(int64_t key, const std::u16string& name, Value& value);
  // The value at index in creation order; after is the row of index - 1 when
  // the caller knows it (0 when not), which keeps enumeration linear.
  LONG EnumValue(int64_t key, DWORD index, int64_t after, Value& value, int64_t& row);
  // The name of the subkey at index in the order of the folded names.
  LONG EnumKey(int64_t key, DWORD index, std::u16string& name);
  LONG DeleteKey(int64_t id);
  LONG DeleteValue(int64_t key, const std::u16string& name);

 private:
  RegistryDatabase() = default;
  LONG EnsureOpen();
  void Close();

  std::mutex lock_;
  std::string path_;
  sqlite3* db_ = nullptr;
};

}  // namespace platform
