#pragma once

#include <mutex>
#include <string>
#include <thread>

#include "kernel32/KernelObject.h"

namespace platform {

// A mutex object. A named one holds a shared lock on a file under
// <root>/.objects for as long as its handle is open, so any process can tell
// whether the name exists (someone holds the file) as Windows tells the
// second creator. Ownership is tracked within the process.
class NamedMutex : public KernelObject {
 public:
  // fd is the locked file of a named mutex, -1 for an unnamed one.
  NamedMutex(int fd, bool owned);
  ~NamedMutex() override;

  // Opens or creates the named mutex's file; existed tells whether another
  // handle already held the name. -1 and a Win32 error on failure.
  static int OpenName(const std::u16string& name, bool& existed, DWORD& error);

  bool Release();

 private:
  int fd_;
  std::mutex lock_;
  std::thread::id owner_;
  unsigned count_ = 0;
};

}  // namespace platform
