#include "UserDictionaryStore.h"

#include <algorithm>
#include <vector>

#include "RequestText.h"

namespace {

constexpr std::u16string_view kRegistryPath{
    u"Software\\Hollin\\Lutem Settings Server\\User Dictionary"};
constexpr size_t kNameDigits = 12;

LPCWSTR W(const std::u16string& text) { return reinterpret_cast<LPCWSTR>(text.c_str()); }

std::u16string ValueName(uint64_t number) {
  std::u16string digits = RequestText::FormatUnsigned(number);
  return std::u16string(kNameDigits - std::min(kNameDigits, digits.size()), u'0') + digits;
}

bool ParseName(const std::u16string& name, uint64_t& number) {
  if (name.size() != kNameDigits) return false;
  number = 0;
  for (char16_t unit : name) {
    if (unit < u'0' || unit > u'9') return false;
    number = number * 10 + static_cast<uint64_t>(unit - u'0');
  }
  return number != 0;
}

}  // namespace

UserDictionaryStore::~UserDictionaryStore() {
  {
    std::lock_guard<std::mutex> hold(lock_);
    stopping_ = true;
  }
  queued_.notify_all();
  if (writer_.joinable()) writer_.join();
  if (key_ != nullptr) RegCloseKey(key_);
}

bool UserDictionaryStore::Open() {
  std::lock_guard<std::mutex> hold(lock_);
  std::u16string path(kRegistryPath);
  if (RegCreateKeyExW(HKEY_CURRENT_USER, W(path), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_READ | KEY_WRITE, nullptr, &key_, nullptr) != ERROR_SUCCESS)
    return false;
  std::vector<std::u16string> stale;
  std::vector<BYTE> data(4096);
  for (DWORD index = 0;; ++index) {
    WCHAR name[64];
    DWORD nameLength = 64, type = 0, size = static_cast<DWORD>(data.size());
    LONG result = RegEnumValueW(key_, index, name, &nameLength, nullptr, &type, data.data(), &size);
    if (result == ERROR_MORE_DATA && size > data.size()) {
      data.resize(size);
      --index;
      continue;
    }
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result != ERROR_SUCCESS) continue;
    std::u16string valueName(reinterpret_cast<const char16_t*>(name), nameLength);
    uint64_t number = 0;
    std::u16string line;
    for (DWORD i = 0; i + 1 < size; i += 2) {
      char16_t unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
      if (unit == 0) break;
      line += unit;
    }
    size_t colon = line.find(u':');
    if (type != REG_SZ || !ParseName(valueName, number) || colon == 0 ||
        colon == std::u16string::npos)
      continue;
    std::u16string keys = line.substr(0, colon);
    auto found = byKeys_.find(keys);
    if (found != byKeys_.end()) {
      // Two numbers for one key: a crash came between writing the newer
      // and removing the older.
      if (found->second.number > number) {
        stale.push_back(valueName);
        continue;
      }
      stale.push_back(ValueName(found->second.number));
      byNumber_.erase(found->second.number);
    }
    byKeys_[keys] = {number, line.substr(colon + 1)};
    byNumber_[number] = keys;
    if (number >= next_) next_ = number + 1;
  }
  for (const std::u16string& name : stale) RegDeleteValueW(key_, W(name));
  writer_ = std::thread(&UserDictionaryStore::WriteLoop, this);
  return true;
}

bool UserDictionaryStore::Learn(const std::u16string& keys, const std::u16string& text) {
  std::lock_guard<std::mutex> hold(lock_);
  if (key_ == nullptr) return false;
  uint64_t number = next_++;
  uint64_t replaces = 0;
  auto found = byKeys_.find(keys);
  if (found != byKeys_.end()) {
    replaces = found->second.number;
    byNumber_.erase(replaces);
    found->second = {number, text};
  } else {
    byKeys_.emplace(keys, Entry{number, text});
  }
  byNumber_[number] = keys;
  writes_.push_back({number, keys + u":" + text, replaces});
  queued_.notify_one();
  return true;
}

void UserDictionaryStore::WriteLoop() {
  std::unique_lock<std::mutex> hold(lock_);
  for (;;) {
    queued_.wait(hold, [this] { return stopping_ || !writes_.empty(); });
    if (writes_.empty()) return;
    Write write = std::move(writes_.front());
    writes_.pop_front();
    writing_ = true;
    hold.unlock();
    // New value first: a crash between the two leaves both, and the next
    // start keeps the newer. A failed write is not retried; the pair stays
    // in memory for this run.
    std::u16string name = ValueName(write.number);
    RegSetValueExW(key_, W(name), 0, REG_SZ, reinterpret_cast<const BYTE*>(write.line.c_str()),
                   static_cast<DWORD>((write.line.size() + 1) * sizeof(char16_t)));
    if (write.replaces != 0) RegDeleteValueW(key_, W(ValueName(write.replaces)));
    hold.lock();
    writing_ = false;
    written_.notify_all();
  }
}

void UserDictionaryStore::Flush() {
  std::unique_lock<std::mutex> hold(lock_);
  written_.wait(hold, [this] { return writes_.empty() && !writing_; });
}

std::u16string UserDictionaryStore::Recent(size_t maxUnits) {
  std::lock_guard<std::mutex> hold(lock_);
  std::vector<const std::u16string*> picked;
  size_t used = 0;
  for (auto it = byNumber_.rbegin(); it != byNumber_.rend() && used < maxUnits; ++it) {
    const std::u16string& keys = it->second;
    size_t length = keys.size() + 1 + byKeys_[keys].text.size() + (picked.empty() ? 0 : 1);
    if (used + length > maxUnits) continue;
    used += length;
    picked.push_back(&keys);
  }
  std::u16string reply;
  for (auto it = picked.rbegin(); it != picked.rend(); ++it) {
    if (!reply.empty()) reply += u'\n';
    reply += **it + u":" + byKeys_[**it].text;
  }
  return reply;
}

size_t UserDictionaryStore::size() {
  std::lock_guard<std::mutex> hold(lock_);
  return byKeys_.size();
}
