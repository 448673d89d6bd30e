// Windows programs started on the stand-in's desktop beside the host, each
// as a process of its own: the way a dialog program runs next to the input
// method here, sharing one desktop (its windows, FindWindowW,
// PostMessageW), one registry and one set of named objects with it.
//
// A process is a program image, loaded afresh for each start, and a thread
// of its own that runs the image's wWinMain (platform/kernel32/WinMain.h):
// the image's static initialisers run on that thread before wWinMain, and
// its static destructors after wWinMain returned and the process's windows
// are gone. On that thread, and on the threads it makes, GetModuleHandleW
// (NULL) is the image, GetModuleFileNameW(NULL) the program's path and
// FindResourceW(NULL, ...) finds the image's resources.
//
// A program image is a shared object built from the program's sources that
// exports wWinMain; each start loads a copy of the file of its own, so two
// starts are two processes with their own globals.
#pragma once

#include <functional>
#include <string>

#include "Platform.h"

namespace host {

struct ProgramStart {
  // The program image's file (a host path).
  std::string imageFile;
  // Or, without an image, a function of the host program that stands for
  // wWinMain; its module is then the host program's own.
  std::function<int(HINSTANCE instance, LPWSTR commandLine)> entry;
  // What GetModuleFileNameW(NULL) reports, a Windows path such as
  // "C:\Program Files (x86)\Maker\Program.exe"; empty: the image file's
  // own path.
  std::u16string path;
  // wWinMain's command line: the text after the program's name.
  std::u16string commandLine;
};

// The new process's id, once its static initialisers have run and its
// wWinMain has been called; 0, with the reason in *error, when the image
// cannot be loaded or exports no wWinMain.
DWORD StartProgram(const ProgramStart& start, std::string* error = nullptr);

enum class ProgramWait { Idle, Ended, TimedOut };

// Waits until the process's main thread waits for its user with nothing
// to do (a message loop, a modal dialog's loop included, with no message
// left, as Windows' WaitForInputIdle), or the process has ended, at most
// milliseconds (INFINITE: no limit). Meanwhile, and once more at the end,
// the calling thread's own messages are pumped (host::PumpMessages), so
// what the program sends or posts to the host's windows is delivered.
ProgramWait WaitForInputIdle(DWORD processId, DWORD milliseconds = INFINITE);
// Waits, pumping the same way, until the process has ended; its exit code
// (wWinMain's result). -1 for an id that names no process.
int WaitForProgramExit(DWORD processId);
bool ProgramEnded(DWORD processId);
DWORD ProgramMainThread(DWORD processId);

}  // namespace host
