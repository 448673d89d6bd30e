#include "msctf/SinkList.h"

#include <algorithm>
#include <atomic>
#include <mutex>

#include "common/FailureSwitch.h"
#include "msctf/GuidNames.h"

namespace platform {
namespace {

// Guards every list's entries and the set of lists; never held while a
// sink is called (QueryInterface, Release).
std::mutex& RegistryLock() {
  static std::mutex* lock = new std::mutex;  // used until the process ends
  return *lock;
}
std::vector<SinkList*>& Lists() {
  static std::vector<SinkList*>* lists = new std::vector<SinkList*>;
  return *lists;
}

DWORD NextCookie() {
  static std::atomic<DWORD> next{1};
  DWORD cookie;
  do {
    cookie = next++;
  } while (cookie == 0 || cookie == TF_INVALID_COOKIE);
  return cookie;
}

}  // namespace

SinkList::SinkList(std::string source, std::vector<IID> accepted)
    : source_(std::move(source)), accepted_(std::move(accepted)) {
  std::lock_guard<std::mutex> guard(RegistryLock());
  Lists().push_back(this);
}

SinkList::~SinkList() {
  Clear();
  std::lock_guard<std::mutex> guard(RegistryLock());
  Lists().erase(std::find(Lists().begin(), Lists().end(), this));
}

bool SinkList::Accepts(REFIID riid) const {
  return std::any_of(accepted_.begin(), accepted_.end(),
                     [&](const IID& iid) { return IsEqualGUID(iid, riid); });
}

HRESULT SinkList::Advise(REFIID riid, IUnknown* sink, DWORD* cookie) {
  if (cookie) *cookie = TF_INVALID_COOKIE;
  if (ShouldFail("ITfSource::AdviseSink", GuidName(riid))) return E_FAIL;
  if (sink == nullptr || cookie == nullptr) return E_INVALIDARG;
  if (!Accepts(riid)) return CONNECT_E_CANNOTCONNECT;
  IUnknown* queried = nullptr;
  if (FAILED(sink->QueryInterface(riid, reinterpret_cast<void**>(&queried))) || !queried) {
    return E_NOINTERFACE;
  }
  DWORD fresh = NextCookie();
  {
    std::lock_guard<std::mutex> guard(RegistryLock());
    entries_.push_back(Entry{fresh, riid, queried});
  }
  *cookie = fresh;
  return S_OK;
}

HRESULT SinkList::Unadvise(DWORD cookie) {
  IUnknown* released = nullptr;
  {
    std::lock_guard<std::mutex> guard(RegistryLock());
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [&](const Entry& e) { return e.cookie == cookie; });
    if (found == entries_.end()) return CONNECT_E_NOCONNECTION;
    if (ShouldFail("ITfSource::UnadviseSink", GuidName(found->iid))) return E_FAIL;
    released = found->sink;
    entries_.erase(found);
  }
  released->Release();
  return S_OK;
}

HRESULT SinkList::AdviseKeyed(DWORD key, REFIID riid, IUnknown* sink, const char* failureName) {
  if (ShouldFail(failureName, GuidName(riid))) return E_FAIL;
  if (sink == nullptr) return E_INVALIDARG;
  if (!Accepts(riid)) return CONNECT_E_CANNOTCONNECT;
  if (Keyed(key, riid)) return CONNECT_E_ADVISELIMIT;
  IUnknown* queried = nullptr;
  if (FAILED(sink->QueryInterface(riid, reinterpret_cast<void**>(&queried))) || !queried) {
    return E_NOINTERFACE;
  }
  std::lock_guard<std::mutex> guard(RegistryLock());
  entries_.push_back(Entry{key, riid, queried});
  return S_OK;
}

HRESULT SinkList::UnadviseKeyed(DWORD key, REFIID riid) {
  IUnknown* released = nullptr;
  {
    std::lock_guard<std::mutex> guard(RegistryLock());
    auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
      return e.cookie == key && IsEqualGUID(e.iid, riid);
    });
    if (found == entries_.end()) return CONNECT_E_NOCONNECTION;
    released = found->sink;
    entries_.erase(found);
  }
  released->Release();
  return S_OK;
}

ComPtr<IUnknown> SinkList::Keyed(DWORD key, REFIID riid) const {
  std::lock_guard<std::mutex> guard(RegistryLock());
  for (const Entry& e : entries_) {
    if (e.cookie == key && IsEqualGUID(e.iid, riid)) return ComPtr<IUnknown>(e.sink);
  }
  return ComPtr<IUnknown>();
}

std::vector<SinkList::Entry> SinkList::Snapshot(REFIID riid) const {
  std::lock_guard<std::mutex> guard(RegistryLock());
  std::vector<Entry> sinks;
  for (const Entry& e : entries_) {
    if (IsEqualGUID(e.iid, riid)) {
      e.sink->AddRef();
      sinks.push_back(e);
    }
  }
  return sinks;
}

bool SinkList::Holds(DWORD cookie) const {
  std::lock_guard<std::mutex> guard(RegistryLock());
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const Entry& e) { return e.cookie == cookie; });
}

std::vector<SinkList::Entry> SinkList::Entries() const {
  std::lock_guard<std::mutex> guard(RegistryLock());
  return entries_;
}

void SinkList::Clear() {
  std::vector<Entry> dropped;
  {
    std::lock_guard<std::mutex> guard(RegistryLock());
    dropped.swap(entries_);
  }
  for (const Entry& e : dropped) e.sink->Release();
}

std::vector<LiveSinkRecord> AllLiveSinks() {
  std::lock_guard<std::mutex> guard(RegistryLock());
  std::vector<LiveSinkRecord> records;
  for (const SinkList* list : Lists()) {
    for (const SinkList::Entry& e : list->entries_) {
      records.push_back(LiveSinkRecord{list->source_, e.iid, e.cookie, e.sink});
    }
  }
  return records;
}

}  // namespace platform
