// The sinks advised on one event source of the stand-in's TSF (a thread
// manager, a context, a compartment, the keystroke manager...), as
// ITfSource::AdviseSink and ITfSourceSingle::AdviseSingleSink keep them:
// each advise queries the sink for the interface it is advised for and holds
// that pointer (one reference) until the unadvise. Cookies come from one
// process-wide counter, so they are distinct across every source and a
// cookie of one source is unknown to another. Every live list is readable by
// the host (host::LiveSinks), which is how tests see that nothing is left
// advised.
//
// Failure switches: "ITfSource::AdviseSink" and "ITfSource::UnadviseSink",
// qualified by the interface's name ("IID_ITfThreadMgrEventSink"). Keyed
// advises (AdviseKeyed) check the name their owner gives.
#pragma once

#include <string>
#include <vector>

#include "Platform.h"
#include "msctf/ComPtr.h"

namespace platform {

// Every sink advised anywhere in the process, list by list in the order the
// lists were made.
struct LiveSinkRecord {
  std::string source;
  IID iid;
  DWORD cookie;
  IUnknown* sink;
};
std::vector<LiveSinkRecord> AllLiveSinks();

class SinkList {
 public:
  struct Entry {
    DWORD cookie;
    IID iid;
    IUnknown* sink;  // the pointer queried for iid, with its reference
  };

  // source: what the host calls the event source ("ITfThreadMgr"); accepted:
  // the interfaces this source sends events to.
  SinkList(std::string source, std::vector<IID> accepted);
  ~SinkList();
  SinkList(const SinkList&) = delete;
  SinkList& operator=(const SinkList&) = delete;

  // ITfSource::AdviseSink: E_INVALIDARG for a null sink or cookie pointer,
  // CONNECT_E_CANNOTCONNECT for an interface this source does not send,
  // E_NOINTERFACE when the sink lacks it. *cookie is TF_INVALID_COOKIE on
  // every failure.
  HRESULT Advise(REFIID riid, IUnknown* sink, DWORD* cookie);
  // ITfSource::UnadviseSink: CONNECT_E_NOCONNECTION for a cookie this list
  // does not hold.
  HRESULT Unadvise(DWORD cookie);

  // An advise under a key the owner chooses (a client id), one sink per key
  // and interface: CONNECT_E_ADVISELIMIT for a second. failureName is the
  // owner's failure switch, qualified by the interface's name.
  HRESULT AdviseKeyed(DWORD key, REFIID riid, IUnknown* sink, const char* failureName);
  HRESULT UnadviseKeyed(DWORD key, REFIID riid);
  // The sink under key for riid, or null; with a reference.
  ComPtr<IUnknown> Keyed(DWORD key, REFIID riid) const;

  // Calls event(I*) on every sink advised for riid, in advise order. The
  // sinks are taken first, each with a reference, so an event may advise or
  // unadvise (itself or another) or raise a nested event; a sink unadvised
  // meanwhile is not called.
  template <class I, class Event>
  void Notify(REFIID riid, Event event) const {
    for (const Entry& e : Snapshot(riid)) {
      if (Holds(e.cookie)) event(static_cast<I*>(e.sink));
      e.sink->Release();
    }
  }
  bool Holds(DWORD cookie) const;
  std::vector<Entry> Entries() const;
  const std::string& source() const { return source_; }

  // Releases every sink.
  void Clear();

 private:
  friend std::vector<LiveSinkRecord> AllLiveSinks();
  std::vector<Entry> Snapshot(REFIID riid) const;  // each sink AddRef'd
  bool Accepts(REFIID riid) const;

  std::string source_;
  std::vector<IID> accepted_;
  std::vector<Entry> entries_;
};

}  // namespace platform
