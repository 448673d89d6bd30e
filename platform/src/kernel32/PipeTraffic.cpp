#include "kernel32/PipeTraffic.h"

#include <deque>
#include <mutex>

#include "host/kernel32/PipeTraffic.h"

namespace {

constexpr size_t kKept = 4096;

// The last kKept entries of one kind, numbered from the first ever added.
template <typename Entry>
struct Kept {
  std::deque<Entry> entries;
  uint64_t dropped = 0;  // entries no longer kept, oldest first

  void Add(Entry entry) {
    entries.push_back(std::move(entry));
    if (entries.size() > kKept) {
      entries.pop_front();
      ++dropped;
    }
  }
  uint64_t Mark() const { return dropped + entries.size(); }
  std::vector<Entry> Since(uint64_t mark) const {
    std::vector<Entry> since;
    uint64_t index = dropped;
    for (const Entry& entry : entries) {
      if (index++ >= mark) since.push_back(entry);
    }
    return since;
  }
};

struct Record {
  std::mutex lock;
  Kept<host::PipeClientWrite> writes;
  Kept<host::PipeClientOpen> opens;
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
    record.writes.Add(std::move(write));
  } catch (...) {
    // A record that cannot be kept never fails the write itself.
  }
}

void RecordPipeClientOpen(const std::u16string& pipe, DWORD access, DWORD flags, DWORD error) {
  try {
    host::PipeClientOpen open{pipe, GetCurrentThreadId(), access, flags, error};
    Record& record = TheRecord();
    std::lock_guard<std::mutex> hold(record.lock);
    record.opens.Add(std::move(open));
  } catch (...) {
  }
}

}  // namespace platform

namespace host {

uint64_t PipeTrafficMark() {
  Record& record = TheRecord();
  std::lock_guard<std::mutex> hold(record.lock);
  return record.writes.Mark();
}

std::vector<PipeClientWrite> PipeClientWritesSince(uint64_t mark) {
  Record& record = TheRecord();
  std::lock_guard<std::mutex> hold(record.lock);
  return record.writes.Since(mark);
}

uint64_t PipeOpenMark() {
  Record& record = TheRecord();
  std::lock_guard<std::mutex> hold(record.lock);
  return record.opens.Mark();
}

std::vector<PipeClientOpen> PipeClientOpensSince(uint64_t mark) {
  Record& record = TheRecord();
  std::lock_guard<std::mutex> hold(record.lock);
  return record.opens.Since(mark);
}

}  // namespace host
