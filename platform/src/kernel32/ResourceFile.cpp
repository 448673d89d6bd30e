#include "kernel32/ResourceFile.h"

#include <cstring>

#include "common/HostText.h"

namespace platform {

namespace {

class Reader {
 public:
  Reader(const BYTE* bytes, size_t size) : bytes_(bytes), size_(size) {}

  size_t offset() const { return offset_; }
  void Seek(size_t offset) { offset_ = offset; }
  bool Has(size_t count) const { return offset_ <= size_ && size_ - offset_ >= count; }

  bool Dword(DWORD& value) { return Read(&value, sizeof(value)); }
  bool Word(WORD& value) { return Read(&value, sizeof(value)); }

  // 0xFFFF and a number, or UTF-16 text up to a NUL.
  bool Id(ResourceId& id) {
    WORD first = 0;
    if (!Word(first)) return false;
    if (first == 0xFFFF) {
      id.isNumber = true;
      return Word(id.number);
    }
    id.isNumber = false;
    std::u16string text;
    for (WORD unit = first; unit != 0;) {
      text.push_back(static_cast<char16_t>(unit));
      if (!Word(unit)) return false;
    }
    id.text = FoldCase(text);
    return true;
  }

  bool AlignTo4() {
    size_t aligned = (offset_ + 3) & ~size_t{3};
    if (aligned > size_) return false;
    offset_ = aligned;
    return true;
  }

 private:
  bool Read(void* out, size_t count) {
    if (!Has(count)) return false;
    std::memcpy(out, bytes_ + offset_, count);
    offset_ += count;
    return true;
  }

  const BYTE* bytes_;
  size_t size_;
  size_t offset_ = 0;
};

}  // namespace

ResourceId ResourceId::FromArgument(LPCWSTR id) {
  ResourceId result;
  if (IS_INTRESOURCE(id)) {
    result.number = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(id));
    return result;
  }
  size_t length = WideLength(id);
  if (length > 1 && id[0] == u'#') {
    unsigned value = 0;
    bool digits = true;
    for (size_t i = 1; i < length && digits; ++i) {
      digits = id[i] >= u'0' && id[i] <= u'9';
      value = value * 10 + (id[i] - u'0');
      if (value > 0xFFFF) digits = false;
    }
    if (digits) {
      result.number = static_cast<WORD>(value);
      return result;
    }
  }
  result.isNumber = false;
  result.text = FoldCase(std::u16string_view(id, length));
  return result;
}

bool ResourceId::operator==(const ResourceId& other) const {
  if (isNumber != other.isNumber) return false;
  return isNumber ? number == other.number : text == other.text;
}

std::vector<ResourceEntry> ReadResourceFile(const BYTE* bytes, size_t size) {
  std::vector<ResourceEntry> entries;
  if (bytes == nullptr) return entries;
  Reader reader(bytes, size);
  while (reader.Has(8)) {
    size_t start = reader.offset();
    DWORD dataSize = 0, headerSize = 0;
    reader.Dword(dataSize);
    reader.Dword(headerSize);
    ResourceEntry entry;
    WORD memoryFlags = 0;
    DWORD skipped = 0;
    if (!reader.Id(entry.type) || !reader.Id(entry.name) || !reader.AlignTo4() ||
        !reader.Dword(skipped) || !reader.Word(memoryFlags) || !reader.Word(entry.language))
      break;
    if (headerSize < reader.offset() - start) break;
    reader.Seek(start);
    if (!reader.Has(size_t{headerSize} + dataSize)) break;
    entry.data = bytes + start + headerSize;
    entry.size = dataSize;
    // The empty record that opens every file (type and name 0) is no resource.
    bool marker = entry.type.isNumber && entry.type.number == 0 && dataSize == 0;
    if (!marker) entries.push_back(entry);
    reader.Seek(start + headerSize + dataSize);
    if (!reader.AlignTo4()) break;
  }
  return entries;
}

}  // namespace platform
