// fuzz: stand-in-only
// fuzz: link lutem_settings_server_core
//
// The settings server's requests, served in process on a private stand-in
// drive C: (registry and all): any message gets a reply a client can read
// whole, and a text setting that a SAVE accepted reads back as sent.
//
// Input: the request message's bytes, as they come from the pipe.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "FuzzScratch.h"
#include "RequestText.h"
#include "SettingsProgramLauncher.h"
#include "SettingsRequestHandler.h"
#include "SettingsStore.h"
#include "UserDictionaryStore.h"

namespace {

struct Server {
  Server() : launcher(u"C:\\no such folder\\LutemSettings.exe", settings),
             handler(settings, dictionary, launcher) {
    FUZZ_CHECK(settings.Open() && dictionary.Open());
  }
  SettingsStore settings;
  UserDictionaryStore dictionary;
  SettingsProgramLauncher launcher;
  SettingsRequestHandler handler;
};

Server& TheServer() {
  // The stand-in's drive C: must be set before its first use.
  static const bool rooted = setenv("LUTEM_SYSTEM_ROOT", FuzzScratch::Folder().c_str(), 1) == 0;
  FUZZ_CHECK(rooted);
  static Server server;
  return server;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Server& server = TheServer();
  const std::u16string reply = server.handler.Handle(data, size);
  FUZZ_CHECK(reply.size() <= RequestText::kMaxReplyUnits);

  // A text setting that a SAVE accepted reads back as sent.
  if (size % 2 != 0 || reply != u"OK") return 0;
  std::u16string text = FuzzInput(data, size).RestAsUnits();
  text.resize(std::min(text.size(), text.find(u'\0')));
  for (const std::u16string key : {u"ThemeID", u"rootDir"}) {
    const std::u16string save = u"SAVE " + key + u" ";
    if (text.compare(0, save.size(), save) == 0)
      FUZZ_CHECK(server.handler.HandleText(u"LOAD " + key) == text.substr(save.size()));
  }
  return 0;
}
