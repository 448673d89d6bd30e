#include "service/settings/SettingsSync.h"

#include <string>

#include "Platform.h"
#include "common/SettingsIpcConstants.h"
#include "service/settings/DebugLog.h"
#include "service/settings/ProcessSettings.h"
#include "service/settings/SendSettingsCommand.h"
#include "service/settings/SettingsReply.h"

namespace {

using C = SettingsIpcConstants;

std::u16string DefaultRootDir() {
  WCHAR folder[MAX_PATH] = {};
  if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILESX86, nullptr, SHGFP_TYPE_CURRENT,
                                 folder))) {
    return std::u16string(reinterpret_cast<const char16_t*>(folder)) + u"\\Hollin\\Lutem Keyboard";
  }
  return u"C:\\Program Files\\Hollin\\Lutem Keyboard";
}

void SendSave(std::u16string_view key, const std::u16string& value) {
  std::u16string request(C::commandSave);
  request += u' ';
  request += key;
  request += u' ';
  request += value;
  SendSettingsCommand(request);  // the reply changes nothing
}

std::u16string Decimal(uint32_t value) {
  std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

const WCHAR* W(const std::u16string& s) { return reinterpret_cast<const WCHAR*>(s.c_str()); }

}  // namespace

void LoadSettings() {
  // The defaults and the server's values are put together first and stored
  // at once: another UI thread typing meanwhile keeps its settings through
  // the round trip instead of seeing the defaults for its length.
  SettingsUpdate loaded;
  loaded.rootDir = DefaultRootDir();
  loaded.themeId = std::u16string(kDefaultThemeID);
  loaded.smartCorrection = kDefaultSmartCorrection;
  loaded.saveCandidates = kDefaultSaveCandidates;
  loaded.candidateWindow = kDefaultCandidateWindow;
  loaded.currentLayout = kDefaultCurrentLayout;
  loaded.currentEncoding = kDefaultCurrentEncoding;

  std::u16string reply = SendSettingsCommand(C::commandLoadAll);
  if (IsErrorReply(reply)) {
    StoreSettings(loaded);
    DebugLogW(TEXT("IPC Error: %s. Using default settings."), W(reply));
    return;
  }
  DebugLogW(TEXT("Received from server: %s"), W(reply));
  ReadSettingsReply(ParseSettingsReply(reply), true, &loaded);
  StoreSettings(loaded);
  DebugLogW(TEXT("Applied Settings: rootDir='%s', themeID='%s', SmartCorrection=%d, ")
                TEXT("showCandidate=%d, currentLayout=%d"),
            W(*loaded.rootDir), W(*loaded.themeId), *loaded.smartCorrection,
            *loaded.candidateWindow, *loaded.currentLayout);
}

void RefreshSettingsFromServer() {
  // An error reply holds no '=' and so changes nothing.
  ApplySettings(ParseSettingsReply(SendSettingsCommand(C::commandLoadAll)), false);
}

void SetSmartCorrection(uint32_t value) {
  SmartCorrection = value;
  SendSave(C::keySmartCorrection, Decimal(value));
}

void SetCandidateWindow(uint32_t value) {
  CandidateWindow = value;
  SendSave(C::keyCandidateWindow, value != 0 ? u"1" : u"0");
}

void SetCurrentLayout(int32_t value) {
  CurrentLayout = value;
  SendSave(C::keyCurrentLayout, Decimal(static_cast<uint32_t>(value)));
}

void SetCurrentEncoding(int32_t value) {
  CurrentEncoding = value;
  SendSave(C::keyCurrentEncoding, Decimal(static_cast<uint32_t>(value)));
}
