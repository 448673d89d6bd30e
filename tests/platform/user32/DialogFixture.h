// A dialog of the test program's own templates (fixtures/dialogs), run by
// DialogBoxParamW in a program of its own on the desktop, so the test can
// work it from outside as a user: the dialog procedure logs what it is
// given and answers as the test scripts it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <vector>

#include "Platform.h"
#include "host/FailureSwitch.h"
#include "host/kernel32/Programs.h"
#include "host/user32/Desktop.h"
#include "host/user32/Dialogs.h"
#include "host/user32/MessageBoxes.h"

namespace testdialogs {

struct Logged {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Shared by the test and the dialog's thread.
struct DialogScript {
  std::mutex lock;
  std::vector<Logged> log;
  // Answers first; unanswered messages (nullopt) take the default below.
  std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)> handler;
  DRAWITEMSTRUCT lastDrawItem{};

  static DialogScript& Current() {
    static DialogScript script;
    return script;
  }
  std::vector<Logged> Log() {
    std::lock_guard<std::mutex> hold(lock);
    return log;
  }
  std::vector<WPARAM> Commands() {
    std::vector<WPARAM> commands;
    for (const Logged& entry : Log())
      if (entry.message == WM_COMMAND) commands.push_back(entry.wParam);
    return commands;
  }
};

// Logs the dialog messages a dialog procedure is given; IDOK and IDCANCEL
// end the dialog with their id; WM_CLOSE is left to DefDlgProcW.
inline INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogScript& script = DialogScript::Current();
  if (message == WM_INITDIALOG || message == WM_COMMAND || message == WM_SIZE ||
      message == WM_CLOSE || message == WM_DRAWITEM) {
    std::lock_guard<std::mutex> hold(script.lock);
    script.log.push_back(Logged{message, wParam, lParam});
    if (message == WM_DRAWITEM) script.lastDrawItem = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
  }
  if (script.handler) {
    if (INT_PTR answer = script.handler(dialog, message, wParam, lParam)) return answer;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

struct DialogTest : ::testing::Test {
  void SetUp() override {
    host::ResetDesktop();
    host::ClearMessageBoxes();
    DialogScript& script = DialogScript::Current();
    std::lock_guard<std::mutex> hold(script.lock);
    script.log.clear();
    script.handler = nullptr;
  }
  void TearDown() override {
    if (process_ != 0 && !host::ProgramEnded(process_)) {
      while (HWND dialog = Active()) {
        host::ClickCloseBox(dialog);
        if (host::WaitForInputIdle(process_, 5000) != host::ProgramWait::Idle) break;
      }
      host::WaitForProgramExit(process_);
    }
    DialogScript::Current().handler = nullptr;
    host::ClearFailures();
    host::ResetDesktop();
  }

  // Runs DialogBoxParamW(template, owner) in a program of its own and
  // waits until the dialog waits for its user (or the program ended).
  void Start(int templateId, HWND owner = nullptr) {
    host::ProgramStart start;
    start.entry = [templateId, owner, this](HINSTANCE instance, LPWSTR) {
      result_ = DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), owner, TestDialogProc, 42);
      lastError_ = GetLastError();
      return 0;
    };
    process_ = host::StartProgram(start);
    ASSERT_NE(process_, 0u);
    Idle();
  }
  void Script(std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)> handler) {
    DialogScript::Current().handler = std::move(handler);
  }
  bool Idle() { return host::WaitForInputIdle(process_, 10000) == host::ProgramWait::Idle; }
  HWND Active() { return host::ActiveDialog(host::ProgramMainThread(process_)); }
  // DialogBoxParamW's result once the program has ended.
  INT_PTR Result() {
    host::WaitForProgramExit(process_);
    return result_;
  }
  host::ControlInfo Control(int id) {
    std::optional<host::DialogInfo> dialog = host::DescribeDialog(Active());
    if (dialog)
      for (const host::ControlInfo& control : dialog->controls)
        if (control.id == id) return control;
    ADD_FAILURE() << "no control " << id;
    return {};
  }

  DWORD process_ = 0;
  INT_PTR result_ = 0;
  DWORD lastError_ = 0;
};

}  // namespace testdialogs
