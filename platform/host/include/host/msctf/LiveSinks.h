// Every sink advised on the stand-in's TSF anywhere in the process: on
// thread managers, contexts and compartments (ITfSource), single sinks
// (ITfSourceSingle, the cookie is the client id) and key event sinks (the
// cookie is the client id). Tests read it to see that nothing was left
// advised.
#pragma once

#include <string>
#include <vector>

#include "Platform.h"

namespace host {

struct LiveSink {
  // "ITfThreadMgr", "ITfContext", "ITfThreadMgr compartment
  // GUID_COMPARTMENT_KEYBOARD_OPENCLOSE", "ITfSourceSingle", "ITfKeystrokeMgr"
  std::string source;
  // The interface's name ("IID_ITfThreadMgrEventSink").
  std::string iid;
  DWORD cookie;
  IUnknown* sink;
};

std::vector<LiveSink> LiveSinks();

}  // namespace host
