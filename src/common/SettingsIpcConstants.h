#pragma once

#include <string>
#include <string_view>

// The vocabulary that the input method, the settings program and the settings
// server share: the server's names, the request words, the setting keys (five
// of them are also the settings program's registry value names) and the reply
// words. A request is its words joined by single blanks; a reply beginning
// with errorPrefix reports a failure.
struct SettingsIpcConstants {
  static constexpr std::u16string_view serverMutexName{u"Global\\LutemNativeSettingsServerMutex"};
  static constexpr std::u16string_view pipeName{u"\\\\.\\pipe\\LutemNativeSettingsPipe"};
  static constexpr std::u16string_view commandSave{u"SAVE"};
  static constexpr std::u16string_view commandLoad{u"LOAD"};
  static constexpr std::u16string_view commandLoadAll{u"LOAD_ALL"};
  static constexpr std::u16string_view commandSettings{u"SETTINGS"};
  static constexpr std::u16string_view commandAbout{u"ABOUT"};
  static constexpr std::u16string_view keyRootDir{u"rootDir"};
  static constexpr std::u16string_view keyThemeId{u"ThemeID"};
  static constexpr std::u16string_view keySmartCorrection{u"SmartCorrection"};
  static constexpr std::u16string_view keySaveCandidates{u"SaveCandidates"};
  static constexpr std::u16string_view keyCandidateWindow{u"CandidateWindow"};
  static constexpr std::u16string_view keyCurrentLayout{u"CurrentLayout"};
  static constexpr std::u16string_view keyCurrentEncoding{u"CurrentEncoding"};
  static constexpr std::u16string_view replyOk{u"OK"};
  static constexpr std::u16string_view errorPrefix{u"Error: "};
  static constexpr std::u16string_view commandSaveUserDict{u"SAVE_USER_DICT"};
  static constexpr std::u16string_view commandLoadUserDict{u"LOAD_USER_DICT"};
  static constexpr std::u16string_view commandFlushUserDict{u"FLUSH_USER_DICT"};
};

// A failure reply: the prefix, then what failed.
inline std::u16string ErrorReply(std::u16string_view text) {
  std::u16string reply(SettingsIpcConstants::errorPrefix);
  reply += text;
  return reply;
}

inline bool IsErrorReply(std::u16string_view reply) {
  return reply.substr(0, SettingsIpcConstants::errorPrefix.size()) ==
         SettingsIpcConstants::errorPrefix;
}
