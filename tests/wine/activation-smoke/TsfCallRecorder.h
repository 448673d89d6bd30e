#pragma once

#include <string>
#include <vector>

#include "Platform.h"

// Records the sink calls that reach the thread manager: AdviseSink and
// UnadviseSink of its ITfSource, AdviseSingleSink and UnadviseSingleSink of
// its ITfSourceSingle, AdviseKeyEventSink and UnadviseKeyEventSink of its
// ITfKeystrokeMgr, each with what TSF answered. TSF lets a host see none of
// this (it names no advised sink), so the recorder puts itself into the
// interfaces' function tables, which every caller of the thread manager
// goes through, the text service included, and passes each call on.
class TsfCallRecorder {
 public:
  enum class Kind { AdviseSink, UnadviseSink, AdviseSingleSink, UnadviseSingleSink,
                    AdviseKeyEventSink, UnadviseKeyEventSink };

  struct Call {
    Kind kind;
    IID riid;          // the sink's interface (nothing for UnadviseSink)
    DWORD cookie;      // AdviseSink's cookie, UnadviseSink's argument
    TfClientId tid;    // the client id of the single and key sinks
    HRESULT result;
  };

  // Puts the recorder into the tables of the thread manager's interfaces;
  // false when one of them cannot be had or changed. Once per process.
  static bool Install(ITfThreadMgr* threadMgr);
  // Every call recorded so far, in order.
  static const std::vector<Call>& Calls();

  // "AdviseSink(ITfThreadMgrEventSink) = S_OK, cookie 3" and the like.
  static std::string Describe(const Call& call);
  static std::string InterfaceName(REFIID riid);
};
