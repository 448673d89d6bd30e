#pragma once

#include <cstddef>
#include <vector>

// Whatever an array of T keeps alive besides its elements. Nothing, unless a
// specialisation says otherwise (the candidate list keeps the texts it owns).
template <typename T>
class LutemIMEArrayOwned {
 protected:
  void ReleaseOwned() {}
};

// The growable array of the input method. Out-of-range indexes give null or
// do nothing, so a stale index from a UI callback cannot corrupt memory.
template <typename T>
class LutemIMEArray : public LutemIMEArrayOwned<T> {
 public:
  LutemIMEArray() = default;
  LutemIMEArray(const LutemIMEArray&) = delete;
  LutemIMEArray& operator=(const LutemIMEArray&) = delete;
  virtual ~LutemIMEArray() = default;

  // Appends a value-initialised element and returns it.
  T* Append() {
    items_.emplace_back();
    return &items_.back();
  }

  // Inserts a value-initialised element before index (at the end when index
  // is Count()); null for an index past the end.
  T* InsertAt(size_t index) {
    if (index > items_.size()) return nullptr;
    return &*items_.emplace(items_.begin() + static_cast<std::ptrdiff_t>(index));
  }

  void RemoveAt(size_t index) {
    if (index < items_.size()) items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
  }

  T* GetAt(size_t index) { return index < items_.size() ? &items_[index] : nullptr; }
  const T* GetAt(size_t index) const { return index < items_.size() ? &items_[index] : nullptr; }
  size_t Count() const { return items_.size(); }

  // Empties the array, keeping its storage, and frees what it owns.
  void Clear() {
    items_.clear();
    this->ReleaseOwned();
  }

  // Drops the storage too.
  void Free() {
    std::vector<T>().swap(items_);
    this->ReleaseOwned();
  }

 private:
  std::vector<T> items_;
};
