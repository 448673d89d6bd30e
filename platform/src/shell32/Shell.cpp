#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include "common/CallLog.h"
#include "common/FailureSwitch.h"
#include "common/HostText.h"
#include "host/SystemRoot.h"
#include "host/shell32/ShellExecutions.h"

extern char** environ;

namespace {

// Splits a parameter string the way a program's C runtime would: blanks
// separate arguments, double quotes group them.
std::vector<std::string> SplitParameters(const std::string& text) {
  std::vector<std::string> out;
  std::string current;
  bool quoted = false, any = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (any) out.push_back(current);
      current.clear();
      any = false;
    } else {
      current += c;
      any = true;
    }
  }
  if (any) out.push_back(current);
  return out;
}

platform::CallLog<host::ShellExecution>& Executions() {
  static auto* log = new platform::CallLog<host::ShellExecution>;  // until the process ends
  return *log;
}

std::u16string TextOf(LPCWSTR text) {
  return text == nullptr ? std::u16string() : std::u16string(text, platform::WideLength(text));
}

// "https://...", "mailto:...": a scheme of two or more letters, digits, '+',
// '-' or '.', beginning with a letter, then a colon ("C:" is a drive).
bool IsUrl(const std::u16string& file) {
  size_t colon = file.find(u':');
  if (colon == std::u16string::npos || colon < 2) return false;
  for (size_t i = 0; i < colon; ++i) {
    char16_t c = file[i];
    bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    bool other = (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
    if (!letter && !(i > 0 && other)) return false;
  }
  return true;
}

HINSTANCE Execute(LPCWSTR operation, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory);

}  // namespace

HRESULT SHGetFolderPathW(HWND owner, int folder, HANDLE token, DWORD flags, LPWSTR path) {
  if (path == nullptr) return E_INVALIDARG;
  const char16_t* windowsPath = nullptr;
  switch (folder & ~CSIDL_FLAG_CREATE) {
    case CSIDL_PROGRAM_FILESX86:
      windowsPath = u"C:\\Program Files (x86)";
      break;
    case CSIDL_PROGRAM_FILES:
      windowsPath = u"C:\\Program Files";
      break;
    default:
      path[0] = 0;
      return E_INVALIDARG;
  }
  // The folder exists on every Windows machine; here it is made on demand.
  platform::EnsureFolder(platform::HostPathFromWindowsPath(windowsPath));
  size_t length = platform::WideLength(windowsPath);
  std::memcpy(path, windowsPath, (length + 1) * sizeof(WCHAR));
  return S_OK;
}

HINSTANCE ShellExecuteW(HWND owner, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters,
                        LPCWSTR directory, INT showCommand) {
  HINSTANCE result = platform::ShouldFail("ShellExecuteW")
                         ? reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(SE_ERR_OOM))
                         : Execute(operation, file, parameters, directory);
  Executions().Add(host::ShellExecution{owner, TextOf(operation), TextOf(file),
                                        TextOf(parameters), TextOf(directory), showCommand,
                                        reinterpret_cast<INT_PTR>(result)});
  return result;
}

namespace {

HINSTANCE Execute(LPCWSTR operation, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory) {
  auto fail = [](DWORD error) {
    SetLastError(error);
    return reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(error));
  };
  std::u16string verb(operation ? operation : u"", platform::WideLength(operation));
  if (file == nullptr || !(verb.empty() || platform::FoldCase(verb) == u"OPEN"))
    return fail(ERROR_INVALID_PARAMETER);
  if (IsUrl(TextOf(file))) return reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(42));
  std::string program =
      platform::HostPathFromWindowsPath(std::u16string_view(file, platform::WideLength(file)));
  if (program.empty() || access(program.c_str(), F_OK) != 0) return fail(SE_ERR_FNF);
  if (access(program.c_str(), X_OK) != 0) return fail(SE_ERR_ACCESSDENIED);
  std::vector<std::string> args{program};
  if (parameters != nullptr) {
    for (std::string& arg : SplitParameters(platform::Utf8FromWide(
             std::u16string_view(parameters, platform::WideLength(parameters)))))
      args.push_back(std::move(arg));
  }
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  std::string folder;
  if (directory != nullptr && *directory != 0) {
    folder = platform::HostPathFromWindowsPath(
        std::u16string_view(directory, platform::WideLength(directory)));
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  }
  pid_t child = 0;
  int result = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (result != 0) return fail(SE_ERR_FNF);
  // The started program runs on its own; someone must still collect its exit.
  std::thread([child] {
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(42));
}

}  // namespace

namespace host {

std::vector<ShellExecution> ShellExecutions() { return Executions().All(); }

void ClearShellExecutions() { Executions().Clear(); }

}  // namespace host
