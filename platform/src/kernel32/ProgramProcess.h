// A program running on the stand-in's desktop as a process of its own
// (host/kernel32/Programs.h): its image, its path and command line, its
// main thread and the threads that thread makes, and how it ended. The
// process a thread belongs to answers GetModuleHandleW(NULL),
// GetModuleFileNameW(NULL) and FindResourceW(NULL, ...) on that thread;
// the host's own threads belong to none and get the host program's.
#pragma once

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>

#include "Platform.h"

namespace platform {

class ProgramProcess {
 public:
  ProgramProcess(HMODULE image, std::u16string path, std::u16string commandLine);

  // The calling thread's process; null for a thread of the host itself.
  static std::shared_ptr<ProgramProcess> Current();
  // Makes the calling thread one of the process's (null: of none).
  static void SetCurrent(const std::shared_ptr<ProgramProcess>& process);
  static std::shared_ptr<ProgramProcess> Find(DWORD processId);
  // The id of the process a thread belongs to; the host's own for others.
  static DWORD IdOfThread(DWORD threadId);

  const DWORD id;
  std::atomic<HMODULE> image;
  const std::u16string path;  // empty: the image's own
  const std::u16string commandLine;
  std::atomic<DWORD> mainThread{0};

  void Finish(int exitCode);
  bool Ended();
  int ExitCode();
  // Waits at most milliseconds (INFINITE: until it ends); true when ended.
  bool WaitForEnd(DWORD milliseconds);

 private:
  std::mutex lock_;
  std::condition_variable ended_;
  bool finished_ = false;
  int exitCode_ = 0;
};

}  // namespace platform
