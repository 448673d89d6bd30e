#include "SettingsRequestHandler.h"

#include "RequestText.h"
#include "SettingsProgramLauncher.h"
#include "SettingsStore.h"
#include "UserDictionaryStore.h"
#include "common/SettingsIpcConstants.h"

using Words = SettingsIpcConstants;

namespace {

// The rest of the request after its first word and one blank, when it
// starts with that word and blank.
bool TakeWord(std::u16string_view request, std::u16string_view word, std::u16string_view& rest) {
  if (request.size() <= word.size() || request.substr(0, word.size()) != word ||
      request[word.size()] != u' ')
    return false;
  rest = request.substr(word.size() + 1);
  return true;
}

}  // namespace

SettingsRequestHandler::SettingsRequestHandler(SettingsStore& settings,
                                               UserDictionaryStore& dictionary,
                                               SettingsProgramLauncher& launcher)
    : settings_(settings), dictionary_(dictionary), launcher_(launcher) {}

std::u16string SettingsRequestHandler::Handle(const BYTE* message, size_t size) {
  if (size == 0) return ErrorReply(u"Empty request.");
  // A request is UTF-16 text and its terminating NUL: whole units only.
  if (size % 2 != 0) return ErrorReply(u"Malformed request.");
  std::u16string text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(message[2 * i] | (message[2 * i + 1] << 8));
  size_t end = text.find(u'\0');
  if (end == std::u16string::npos) return ErrorReply(u"Malformed request.");
  text.resize(end);
  std::u16string reply = HandleText(text);
  if (reply.size() > RequestText::kMaxReplyUnits) return ErrorReply(u"Reply too long.");
  return reply;
}

std::u16string SettingsRequestHandler::HandleText(std::u16string_view request) {
  if (!RequestText::IsWellFormedUtf16(request))
    return ErrorReply(u"Request is not valid UTF-16 text.");
  std::u16string_view rest;
  if (request == Words::commandLoadAll) return settings_.LoadAll();
  if (request == Words::commandLoadUserDict) return dictionary_.Recent(RequestText::kMaxReplyUnits);
  if (request == Words::commandFlushUserDict) {
    dictionary_.Flush();
    return std::u16string(Words::replyOk);
  }
  if (request == Words::commandSettings) return launcher_.Start(false);
  if (request == Words::commandAbout) return launcher_.Start(true);
  if (TakeWord(request, Words::commandLoad, rest)) {
    if (!SettingsStore::IsKnownKey(rest)) return ErrorReply(u"Unknown setting.");
    return settings_.Load(rest);
  }
  if (TakeWord(request, Words::commandSave, rest)) return Save(rest);
  if (TakeWord(request, Words::commandSaveUserDict, rest)) return Learn(rest);
  return ErrorReply(u"Unknown request.");
}

std::u16string SettingsRequestHandler::Save(std::u16string_view arguments) {
  size_t blank = arguments.find(u' ');
  if (blank == std::u16string_view::npos) return ErrorReply(u"Missing value.");
  // The value is all that follows the key: a folder may hold blanks.
  return settings_.Save(arguments.substr(0, blank), arguments.substr(blank + 1));
}

std::u16string SettingsRequestHandler::Learn(std::u16string_view entry) {
  // The client splits lines at their first colon and drops empty parts, so
  // a pair is stored under the keys it will come back with.
  size_t colon = entry.find(u':');
  if (colon == 0 || colon == std::u16string_view::npos || colon + 1 == entry.size() ||
      entry.find(u'\n') != std::u16string_view::npos)
    return ErrorReply(u"Malformed dictionary entry.");
  // With "Remember Candidate Selection" off nothing is learned, but the
  // client is answered as if it were: its side does not know the setting.
  if (!settings_.SavesCandidates()) return std::u16string(Words::replyOk);
  if (!dictionary_.Learn(std::u16string(entry.substr(0, colon)),
                         std::u16string(entry.substr(colon + 1))))
    return ErrorReply(u"The user dictionary is not open.");
  return std::u16string(Words::replyOk);
}
