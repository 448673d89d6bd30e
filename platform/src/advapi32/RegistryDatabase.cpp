#include "advapi32/RegistryDatabase.h"

#include <sqlite3.h>

#include <cstring>

#include "common/HostText.h"
#include "host/SystemRoot.h"

namespace platform {

namespace {

const char kSchema[] =
    "PRAGMA journal_mode=WAL;"
    "CREATE TABLE IF NOT EXISTS keys(id INTEGER PRIMARY KEY AUTOINCREMENT, parent INTEGER NOT "
    "NULL, name BLOB NOT NULL, folded BLOB NOT NULL, UNIQUE(parent, folded));"
    "CREATE TABLE IF NOT EXISTS vals(key INTEGER NOT NULL, name BLOB NOT NULL, folded BLOB NOT "
    "NULL, type INTEGER NOT NULL, data BLOB NOT NULL, PRIMARY KEY(key, folded));"
    "INSERT OR IGNORE INTO keys(id, parent, name, folded) VALUES"
    "(1, 0, x'', x'01'), (2, 0, x'', x'02'), (3, 0, x'', x'03');";

// A prepared statement that finalises itself.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
  ~Statement() { sqlite3_finalize(stmt_); }
  bool ok() const { return stmt_ != nullptr; }
  Statement& Bind(int i, int64_t v) {
    sqlite3_bind_int64(stmt_, i, v);
    return *this;
  }
  Statement& Bind(int i, const std::u16string& text) {
    sqlite3_bind_blob(stmt_, i, text.data(), static_cast<int>(text.size() * 2), SQLITE_TRANSIENT);
    return *this;
  }
  Statement& BindBytes(int i, const BYTE* data, DWORD size) {
    static const BYTE kNone = 0;
    sqlite3_bind_blob(stmt_, i, size ? data : &kNone, static_cast<int>(size), SQLITE_TRANSIENT);
    return *this;
  }
  int Step() { return sqlite3_step(stmt_); }
  int64_t Int(int column) { return sqlite3_column_int64(stmt_, column); }
  std::vector<BYTE> Bytes(int column) {
    auto* data = static_cast<const BYTE*>(sqlite3_column_blob(stmt_, column));
    int size = sqlite3_column_bytes(stmt_, column);
    return data ? std::vector<BYTE>(data, data + size) : std::vector<BYTE>();
  }
  std::u16string Text(int column) {
    std::vector<BYTE> bytes = Bytes(column);
    std::u16string text(bytes.size() / 2, u'\0');
    if (!text.empty()) std::memcpy(text.data(), bytes.data(), text.size() * 2);
    return text;
  }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

// Holds a write transaction; rolls it back unless committed.
class Transaction {
 public:
  explicit Transaction(sqlite3* db) : db_(db) {
    started_ = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
  }
  ~Transaction() {
    if (started_) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  }
  bool started() const { return started_; }
  bool Commit() {
    started_ = false;
    return sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
  }

 private:
  sqlite3* db_;
  bool started_;
};

bool KeyExists(sqlite3* db, int64_t id) {
  Statement find(db, "SELECT 1 FROM keys WHERE id = ?");
  return find.Bind(1, id).Step() == SQLITE_ROW;
}

}  // namespace

RegistryDatabase& RegistryDatabase::Instance() {
  static RegistryDatabase* database = new RegistryDatabase;
  return *database;
}

void RegistryDatabase::Close() {
  if (db_ != nullptr) sqlite3_close_v2(db_);
  db_ = nullptr;
  path_.clear();
}

LONG RegistryDatabase::EnsureOpen() {
  std::string folder = SystemRootFolder() + "/Windows";
  std::string path = folder + "/registry.sqlite3";
  if (db_ != nullptr && path == path_) return ERROR_SUCCESS;
  Close();
  if (!EnsureFolder(folder)) return ERROR_BADDB;
  int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
  if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    Close();
    return ERROR_BADDB;
  }
  sqlite3_busy_timeout(db_, 10000);
  sqlite3_exec(db_, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
  if (sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) {
    Close();
    return ERROR_BADDB;
  }
  path_ = path;
  return ERROR_SUCCESS;
}

LONG RegistryDatabase::OpenPath(int64_t base, const std::vector<std::u16string>& parts,
                                bool create, int64_t& id, bool& created) {
  std::lock_guard<std::mutex> hold(lock_);
  created = false;
  if (LONG error = EnsureOpen()) return error;
  Transaction transaction(db_);
  if (create && !transaction.started()) return ERROR_CANTWRITE;
  if (!KeyExists(db_, base)) return ERROR_KEY_DELETED;
  id = base;
  for (const std::u16string& part : parts) {
    Statement find(db_, "SELECT id FROM keys WHERE parent = ? AND folded = ?");
    if (find.Bind(1, id).Bind(2, FoldCase(part)).Step() == SQLITE_ROW) {
      id = find.Int(0);
      continue;
    }
    if (!create) return ERROR_FILE_NOT_FOUND;
    Statement insert(db_, "INSERT INTO keys(parent, name, folded) VALUES(?, ?, ?)");
    if (insert.Bind(1, id).Bind(2, part).Bind(3, FoldCase(part)).Step() != SQLITE_DONE)
      return ERROR_CANTWRITE;
    id = sqlite3_last_insert_rowid(db_);
    created = true;
  }
  if (create && !transaction.Commit()) return ERROR_CANTWRITE;
  return ERROR_SUCCESS;
}

LONG RegistryDatabase::CheckKey(int64_t id) {
  std::lock_guard<std::mutex> hold(lock_);
  if (LONG error = EnsureOpen()) return error;
  return KeyExists(db_, id) ? ERROR_SUCCESS : ERROR_KEY_DELETED;
}

LONG RegistryDatabase::SetValue(int64_t key, const std::u16string& name, DWORD type,
                                const BYTE* data, DWORD size) {
  std::lock_guard<std::mutex> hold(lock_);
  if (LONG error = EnsureOpen()) return error;
  Transaction transaction(db_);
  if (!transaction.started()) return ERROR_CANTWRITE;
  if (!KeyExists(db_, key)) return ERROR_KEY_DELETED;
  // An update keeps the value's place in the enumeration, as Windows does.
  Statement upsert(db_,
                   "INSERT INTO vals(key, name, folded, type, data) VALUES(?, ?, ?, ?, ?) "
                   "ON CONFLICT(key, folded) DO UPDATE SET type = excluded.type, "
                   "data = excluded.data");
  upsert.Bind(1, key).Bind(2, name).Bind(3, FoldCase(name)).Bind(4, type).BindBytes(5, data, size);
  if (upsert.Step() != SQLITE_DONE) return ERROR_CANTWRITE;
  return transaction.Commit() ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

LONG RegistryDatabase::QueryValue(int64_t key, const std::u16string& name, Value& value) {
  std::lock_guard<std::mutex> hold(lock_);
  if (LONG error = EnsureOpen()) return error;
  if (!KeyExists(db_, key)) return ERROR_KEY_DELETED;
  Statement find(db_, "SELECT name, type, data FROM vals WHERE key = ? AND folded = ?");
  if (find.Bind(1, key).Bind(2, FoldCase(name)).Step() != SQLITE_ROW) return ERROR_FILE_NOT_FOUND;
  value.name = find.Text(0);
  value.type = static_cast<DWORD>(find.Int(1));
  value.data = find.Bytes(2);
  return ERROR_SUCCESS;
}

LONG RegistryDatabase::EnumValue(int64_t key, DWORD index, int64_t after, Value& value,
                                 int64_t& row) {
  std::lock_guard<std::mutex> hold(lock_);
  if (LONG error = EnsureOpen()) return error;
  if (!KeyExists(db_, key)) return ERROR_KEY_DELETED;
  const char* sql = after > 0
                        ? "SELECT name, type, data, rowid FROM vals WHERE key = ? AND rowid > ? "
                          "ORDER BY rowid LIMIT 1"
                        : "SELECT name, type, data, rowid FROM vals WHERE key = ? "
                          "ORDER BY rowid LIMIT 1 OFFSET ?";
  Statement find(db_, sql);
  find.Bind(1, key).Bind(2, after > 0 ? after : static_cast<int64_t>(index));
  if (find.Step() != SQLITE_ROW) return ERROR_NO_MORE_ITEMS;
  value.name = find.Text(0);
  value.type = static_cast<DWORD>(find.Int(1));
  value.data = find.Bytes(2);
  row = find.Int(3);
  return ERROR_SUCCESS;
}

LONG RegistryDatabase::EnumKey(int64_t key, DWORD index, std::u16string& name) {
  std::lock_guard<std::mutex> hold(lock_);
  if (LONG error = EnsureOpen()) return error;
  if (!KeyExists(db_, key)) return ERROR_KEY_DELETED;
  Statement find(db_, "SELECT name FROM keys WHERE parent = ? ORDER BY folded LIMIT 1 OFFSET ?");
  if (find.Bind(1, key).Bind(2, static_cast<int64_t>(index)).Step() != SQLITE_ROW)
    return ERROR_NO_MORE_ITEMS;
  name = find.Text(0);
  return ERROR_SUCCESS;
}

LONG RegistryDatabase::DeleteKey(int64_t id) {
  std::lock_guard<std::mutex> hold(lock_);
  if (LONG error = EnsureOpen()) return error;
  if (id == kClassesRoot || id == kCurrentUser || id == kLocalMachine) return ERROR_ACCESS_DENIED;
  Transaction transaction(db_);
  if (!transaction.started()) return ERROR_CANTWRITE;
  if (!KeyExists(db_, id)) return ERROR_KEY_DELETED;
  Statement children(db_, "SELECT 1 FROM keys WHERE parent = ? LIMIT 1");
  if (children.Bind(1, id).Step() == SQLITE_ROW) return ERROR_ACCESS_DENIED;
  Statement values(db_, "DELETE FROM vals WHERE key = ?");
  Statement row(db_, "DELETE FROM keys WHERE id = ?");
  if (values.Bind(1, id).Step() != SQLITE_DONE || row.Bind(1, id).Step() != SQLITE_DONE)
    return ERROR_CANTWRITE;
  return transaction.Commit() ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

LONG RegistryDatabase::DeleteValue(int64_t key, const std::u16string& name) {
  std::lock_guard<std::mutex> hold(lock_);
  if (LONG error = EnsureOpen()) return error;
  Transaction transaction(db_);
  if (!transaction.started()) return ERROR_CANTWRITE;
  if (!KeyExists(db_, key)) return ERROR_KEY_DELETED;
  Statement remove(db_, "DELETE FROM vals WHERE key = ? AND folded = ?");
  if (remove.Bind(1, key).Bind(2, FoldCase(name)).Step() != SQLITE_DONE) return ERROR_CANTWRITE;
  if (sqlite3_changes(db_) == 0) return ERROR_FILE_NOT_FOUND;
  return transaction.Commit() ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

}  // namespace platform
