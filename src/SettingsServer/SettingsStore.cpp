#include "SettingsStore.h"

#include <chrono>
#include <vector>

#include "RequestText.h"
#include "common/SettingsIpcConstants.h"

using Keys = SettingsIpcConstants;

namespace {

constexpr std::u16string_view kRegistryPath{u"Software\\Hollin\\Lutem Keyboard"};
// The settings program reads "ThemeID" into 255 units and a NUL.
constexpr size_t kMaxThemeIdUnits = 255;
constexpr size_t kMaxRootDirUnits = MAX_PATH - 1;

LPCWSTR W(std::u16string_view text) { return reinterpret_cast<LPCWSTR>(text.data()); }

bool IsFlag(std::u16string_view key) {
  return key == Keys::keySmartCorrection || key == Keys::keySaveCandidates ||
         key == Keys::keyCandidateWindow;
}

bool IsText(std::u16string_view key) { return key == Keys::keyRootDir || key == Keys::keyThemeId; }

// The numbers the input method can use: a value beyond them would leave its
// menu, icon and conversion disagreeing (an encoding of 2 marks ANSI in the
// menu while Unicode is written).
bool IsInRange(std::u16string_view key, uint32_t number) {
  if (key == Keys::keyCurrentLayout) return number >= 1 && number <= 8;
  return number <= 1;  // CurrentEncoding and the flags
}

uint32_t DefaultNumber(std::u16string_view key) {
  if (key == Keys::keyCurrentLayout) return 2;
  if (key == Keys::keyCurrentEncoding) return 0;
  return 1;
}

std::u16string DefaultRootFolder() {
  WCHAR folder[MAX_PATH];
  std::u16string root;
  if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILESX86, nullptr, SHGFP_TYPE_CURRENT,
                                 folder)))
    root = reinterpret_cast<const char16_t*>(folder);
  else
    root = u"C:\\Program Files";
  return root + u"\\Hollin\\Lutem Keyboard";
}

}  // namespace

SettingsStore::~SettingsStore() {
  if (key_ != nullptr) RegCloseKey(key_);
}

bool SettingsStore::Open() {
  std::u16string path(kRegistryPath);
  return RegCreateKeyExW(HKEY_CURRENT_USER, W(path), 0, nullptr, REG_OPTION_NON_VOLATILE,
                         KEY_READ | KEY_WRITE, nullptr, &key_, nullptr) == ERROR_SUCCESS;
}

bool SettingsStore::IsKnownKey(std::u16string_view key) {
  return IsText(key) || IsFlag(key) || key == Keys::keyCurrentLayout ||
         key == Keys::keyCurrentEncoding;
}

std::u16string SettingsStore::ReadText(std::u16string_view key, std::u16string_view fallback) {
  std::u16string name(key);
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key_, W(name), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return std::u16string(fallback);
  std::vector<BYTE> data(size + 2, 0);
  if (RegQueryValueExW(key_, W(name), nullptr, &type, data.data(), &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return std::u16string(fallback);
  // The text is what was stored up to its first NUL, never past the bytes read.
  std::u16string text;
  for (DWORD i = 0; i + 1 < size; i += 2) {
    char16_t unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (unit == 0) break;
    text += unit;
  }
  return text.empty() ? std::u16string(fallback) : text;
}

uint32_t SettingsStore::ReadNumber(std::u16string_view key, uint32_t fallback) {
  std::u16string name(key);
  DWORD type = 0, value = 0, size = sizeof(value);
  if (RegQueryValueExW(key_, W(name), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof(value))
    return fallback;
  return value;
}

std::u16string SettingsStore::RootFolder() {
  std::lock_guard<std::mutex> hold(lock_);
  return ReadText(Keys::keyRootDir, DefaultRootFolder());
}

bool SettingsStore::SavesCandidates() {
  // The registry is read again only now and then, by one request at a time:
  // while the dictionary's writer thread stores a burst of pairs, a read
  // waits for its writes, and reading at every learning held the pipe
  // instances that the writer thread is there to keep free.
  const int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now().time_since_epoch())
                          .count();
  if (now - savesCandidatesReadAt_.load() >= kSavesCandidatesRereadMs && rereading_.try_lock()) {
    {
      std::lock_guard<std::mutex> hold(lock_);
      savesCandidates_ = ReadNumber(Keys::keySaveCandidates, 1) != 0;
    }
    savesCandidatesReadAt_ = now;
    rereading_.unlock();
  }
  return savesCandidates_.load();
}

std::u16string SettingsStore::Load(std::u16string_view key) {
  if (key == Keys::keyRootDir) return RootFolder();
  std::lock_guard<std::mutex> hold(lock_);
  if (key == Keys::keyThemeId) return ReadText(key, u"lutem_light");
  uint32_t number = ReadNumber(key, DefaultNumber(key));
  if (IsFlag(key)) number = number != 0 ? 1 : 0;
  return RequestText::FormatUnsigned(number);
}

std::u16string SettingsStore::LoadAll() {
  std::u16string numbers;
  for (std::u16string_view key : {Keys::keySmartCorrection, Keys::keySaveCandidates,
                                  Keys::keyCandidateWindow, Keys::keyCurrentLayout,
                                  Keys::keyCurrentEncoding}) {
    numbers += u';';
    numbers += key;
    numbers += u'=';
    numbers += Load(key);
  }
  std::u16string texts;
  for (std::u16string_view key : {Keys::keyRootDir, Keys::keyThemeId}) {
    std::u16string value = Load(key);
    std::u16string pair = std::u16string(key) + u"=" + value + u";";
    bool fits = texts.size() + pair.size() + numbers.size() - 1 <= RequestText::kMaxReplyUnits;
    if (value.find(u';') == std::u16string::npos && fits) texts += pair;
  }
  return texts + numbers.substr(1);
}

std::u16string SettingsStore::Save(std::u16string_view key, std::u16string_view value) {
  if (!IsKnownKey(key)) return ErrorReply(u"Unknown setting.");
  std::u16string name(key);
  LONG result;
  if (IsText(key)) {
    size_t limit = key == Keys::keyThemeId ? kMaxThemeIdUnits : kMaxRootDirUnits;
    // A ";" could not come back in a LOAD_ALL reply.
    if (value.empty() || value.size() > limit || value.find(u';') != std::u16string_view::npos)
      return ErrorReply(u"Invalid value.");
    std::u16string text(value);
    std::lock_guard<std::mutex> hold(lock_);
    result = RegSetValueExW(key_, W(name), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(char16_t)));
  } else {
    uint32_t number = 0;
    if (!RequestText::ParseUnsigned(value, number) || !IsInRange(key, number))
      return ErrorReply(u"Invalid value.");
    DWORD stored = number;
    std::lock_guard<std::mutex> hold(lock_);
    result = RegSetValueExW(key_, W(name), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored),
                            sizeof(stored));
    // Under the lock, so a re-read of the registry cannot put back the old value.
    if (result == ERROR_SUCCESS && key == Keys::keySaveCandidates) savesCandidates_ = stored != 0;
  }
  if (result != ERROR_SUCCESS) return ErrorReply(u"Could not store the setting.");
  return std::u16string(Keys::replyOk);
}
