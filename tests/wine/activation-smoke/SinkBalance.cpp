#include "SinkBalance.h"

namespace {

using Kind = TsfCallRecorder::Kind;
using Call = TsfCallRecorder::Call;

bool IsAdvise(Kind kind) {
  return kind == Kind::AdviseSink || kind == Kind::AdviseSingleSink ||
         kind == Kind::AdviseKeyEventSink;
}

// Whether later undoes the successful advise.
bool Undoes(const Call& later, const Call& advise) {
  if (later.result != S_OK) return false;
  switch (advise.kind) {
    case Kind::AdviseSink:
      return later.kind == Kind::UnadviseSink && later.cookie == advise.cookie;
    case Kind::AdviseSingleSink:
      return later.kind == Kind::UnadviseSingleSink && later.tid == advise.tid &&
             IsEqualIID(later.riid, advise.riid);
    case Kind::AdviseKeyEventSink:
      return later.kind == Kind::UnadviseKeyEventSink && later.tid == advise.tid;
    default:
      return false;
  }
}

}  // namespace

const Call* FirstRefusedAdvise(const std::vector<Call>& calls) {
  for (const Call& call : calls)
    if (IsAdvise(call.kind) && call.result != S_OK) return &call;
  return nullptr;
}

std::vector<std::string> SinksLeftAdvised(const std::vector<Call>& calls) {
  std::vector<std::string> left;
  for (size_t i = 0; i < calls.size(); ++i) {
    if (!IsAdvise(calls[i].kind) || calls[i].result != S_OK) continue;
    bool undone = false;
    for (size_t j = i + 1; j < calls.size() && !undone; ++j) undone = Undoes(calls[j], calls[i]);
    if (!undone) left.push_back(TsfCallRecorder::InterfaceName(calls[i].riid));
  }
  return left;
}

std::vector<std::string> SinksAdvised(const std::vector<Call>& calls) {
  std::vector<std::string> advised;
  for (const Call& call : calls)
    if (IsAdvise(call.kind) && call.result == S_OK)
      advised.push_back(TsfCallRecorder::InterfaceName(call.riid));
  return advised;
}
