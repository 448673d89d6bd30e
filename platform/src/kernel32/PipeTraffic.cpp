#include "kernel32/PipeTraffic.h"

#include <deque>
#include <mutex>

#include "host/kernel32/PipeTraffic.h"

namespace {

constexpr size_t kKept = 4096;

struct Record {
  std::mutex lock;
  std::deque<host::PipeClientWrite> writes;
  uint64_t dropped = 0;  // writes no longer kept, oldest first
};

Record& TheRecord() {
  static auto* record = new Record;  // used by threads that may outlive static destruction
  return *record;
}

}  // namespace

namespace platform {

void RecordPipeClientWrite(const std::u16string& pipe, const void* bytes, size_t size) {
  try {
    host::PipeClientWrite write;
    write.pipe = pipe;
    write.threadId = GetCurrentThreadId();
    const auto* first = static_cast<const uint8_t*>(bytes);
    if (size > 0) write.bytes.assign(first, first + size);
    Record& record = TheRecord();
    std::lock_guard<std::mutex> hold(record.lock);
    record.writes.push_back(std::move(write));
    if (record.writes.size() > kKept) {
      record.writes.pop_front();
      ++record.dropped;
    }
  } catch (...) {
    // A record that cannot be kept never fails the write itself.
  }
}

}  // namespace platform

namespace host {

uint64_t PipeTrafficMark() {
  Record& record = TheRecord();
  std::lock_guard<std::mutex> hold(record.lock);
  return record.dropped + record.writes.size();
}

std::vector<PipeClientWrite> PipeClientWritesSince(uint64_t mark) {
  Record& record = TheRecord();
  std::lock_guard<std::mutex> hold(record.lock);
  std::vector<PipeClientWrite> since;
  uint64_t index = record.dropped;
  for (const PipeClientWrite& write : record.writes) {
    if (index++ >= mark) since.push_back(write);
  }
  return since;
}

}  // namespace host
