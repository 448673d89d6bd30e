// The input method as TSF meets it in an application: the built module,
// registered on a fresh drive C:, created through its class by
// CoCreateInstance and activated on this thread's thread manager. Each test
// chooses its settings server (none, FakeSettingsServer) before it
// activates. At the end the application goes (deactivating the service) and
// nothing may be left advised.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "LoadedModule.h"
#include "Platform.h"
#include "host/FailureSwitch.h"
#include "host/kernel32/PipeTraffic.h"
#include "host/msctf/Compartments.h"
#include "host/msctf/LanguageBar.h"
#include "host/msctf/LiveSinks.h"
#include "host/msctf/PreservedKeys.h"
#include "host/msctf/Profiles.h"
#include "host/msctf/TsfApplication.h"
#include "host/msctf/Views.h"
#include "host/user32/Desktop.h"
#include "host/user32/Icons.h"
#include "host/user32/Keyboard.h"
#include "host/user32/Menus.h"
#include "host/user32/MessagePump.h"
#include "service/module/TextServiceGuids.h"
#include "support/TempSystemRoot.h"

// Writes a compartment of a thread manager or a context as another component
// (the application, the language bar) would: under that component's client id.
inline void WriteCompartment(IUnknown* owner, TfClientId client, REFGUID guid, LONG value) {
  ITfCompartmentMgr* manager = nullptr;
  ASSERT_EQ(owner->QueryInterface(IID_ITfCompartmentMgr, reinterpret_cast<void**>(&manager)), S_OK);
  ITfCompartment* compartment = nullptr;
  ASSERT_EQ(manager->GetCompartment(guid, &compartment), S_OK);
  VARIANT variant;
  VariantInit(&variant);
  variant.vt = VT_I4;
  variant.lVal = value;
  EXPECT_EQ(compartment->SetValue(client, &variant), S_OK);
  compartment->Release();
  manager->Release();
  host::PumpMessages();
}

class TextServiceFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    host::ResetDesktop();
    host::ResetKeyboard();
    host::ClearMenuChoices();
    host::ClearPopupMenusShown();
    host::ClearDefaultProfiles();
    ASSERT_TRUE(module_.loaded());
    ASSERT_EQ(module_.RegisterServer(), S_OK);
    app_ = std::make_unique<host::TsfApplication>();
    pipeMark_ = host::PipeTrafficMark();
  }

  void TearDown() override {
    app_.reset();
    host::PumpMessages();
    EXPECT_TRUE(host::LiveSinks().empty()) << host::LiveSinks().front().source;
    host::ClearFailures();
    host::ResetKeyboard();
    host::ClearMenuChoices();
    host::ClearPopupMenusShown();
    host::ClearDefaultProfiles();
    host::ResetDesktop();
    // The loader threads the first dictionary engine started hold the
    // module until they end; COM lets it go once they have.
    EXPECT_TRUE(Eventually([&] { return module_.CanUnloadNow() == S_OK; }));
    CoFreeUnusedLibraries();
  }

  host::TsfApplication& App() { return *app_; }

  HRESULT Activate(DWORD flags = 0) {
    HRESULT hr = App().ActivateTextService(CLSID_TextService, flags);
    host::PumpMessages();
    return hr;
  }
  HRESULT Deactivate() {
    HRESULT hr = App().DeactivateTextService(CLSID_TextService);
    host::PumpMessages();
    return hr;
  }

  // A new document with a context that takes the focus.
  ITfDocumentMgr* FocusNewDocument() {
    ITfDocumentMgr* document = App().CreateDocument();
    App().Focus(document);
    host::PumpMessages();
    return document;
  }

  // The active service's interface, through the function provider TSF
  // keeps for it (null when it is not active).
  template <typename Interface>
  Interface* Service(REFIID riid) {
    ITfFunctionProvider* provider = nullptr;
    if (FAILED(App().threadMgr()->GetFunctionProvider(CLSID_TextService, &provider)) ||
        provider == nullptr)
      return nullptr;
    Interface* found = nullptr;
    provider->QueryInterface(riid, reinterpret_cast<void**>(&found));
    provider->Release();
    return found;
  }

  // The open/close compartment as the application reads it: -1 when unset.
  static LONG OpenClose() { return Compartment(GUID_COMPARTMENT_KEYBOARD_OPENCLOSE); }
  static LONG Compartment(REFGUID guid) {
    host::CompartmentValue value = host::ThreadCompartment(guid);
    return value.type == VT_I4 ? value.value : -1;
  }

  // The requests written to the settings pipe since the last call (or the
  // test's start) by this thread, and by any other.
  std::vector<std::u16string> PipeRequests(bool thisThreadOnly = true) {
    std::vector<std::u16string> texts;
    for (const host::PipeClientWrite& write : host::PipeClientWritesSince(pipeMark_)) {
      if (!thisThreadOnly || write.threadId == GetCurrentThreadId()) texts.push_back(write.Text());
    }
    pipeMark_ = host::PipeTrafficMark();
    return texts;
  }

  // The button's status bits as the bar reads them.
  static DWORD ButtonStatus() {
    DWORD status = 0;
    EXPECT_EQ(host::LangBarItemStatus(GUID_LBI_INPUTMODE, &status), S_OK);
    return status;
  }
  // The icon group the button gives the bar, and its width; {0, 0} when it
  // gives none.
  static std::pair<WORD, int> ButtonIcon() {
    HICON icon = nullptr;
    if (host::LangBarItemIcon(GUID_LBI_INPUTMODE, &icon) != S_OK || icon == nullptr) return {0, 0};
    auto info = host::DescribeIcon(icon);
    DestroyIcon(icon);
    return info ? std::make_pair(info->groupId, info->width) : std::make_pair(WORD{0}, 0);
  }

  // Polls until done() holds (threads of the module finishing); false after
  // a generous wait.
  static bool Eventually(const std::function<bool()>& done) {
    for (int i = 0; i < 500 && !done(); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return done();
  }

  TempSystemRoot root_;
  LoadedModule module_;
  std::unique_ptr<host::TsfApplication> app_;
  uint64_t pipeMark_ = 0;
};
