#include "service/langbar/CLangBarItemButton.h"

#include <new>

#include "service/langbar/CCompartmentEventSink.h"
#include "service/langbar/CCompartmentValue.h"
#include "service/langbar/NewWideCopy.h"
#include "service/module/DllMain.h"
#include "service/module/DllObjectCount.h"
#include "service/module/TextServiceGuids.h"
#include "service/settings/ProcessSettings.h"
#include "service/settings/SendSettingsCommand.h"
#include "service/settings/SettingsSync.h"
#include "common/SettingsIpcConstants.h"

namespace {

const WCHAR kDescription[] = TEXT("Conversion mode");
const WCHAR kTooltip[] = TEXT("Click to Open Menu");

// The layout each layout item stands for, in the order the marks are set.
struct LayoutItem {
  UINT command;
  int32_t layout;
};
constexpr LayoutItem kLayoutItems[] = {
    {CLangBarItemButton::kMenuLutemPhonetic, 1},  {CLangBarItemButton::kMenuLutemLowercase, 8},
    {CLangBarItemButton::kMenuKhipro, 2},         {CLangBarItemButton::kMenuAvroPhonetic, 3},
    {CLangBarItemButton::kMenuLutemFixed, 4},     {CLangBarItemButton::kMenuProbhat, 6},
    {CLangBarItemButton::kMenuJatiyoModified, 5}, {CLangBarItemButton::kMenuJatiyo, 7},
};

void Mark(HMENU menu, UINT command, bool checked) {
  CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void SendIgnoringReply(std::u16string_view request) {
  try {
    SendSettingsCommand(request);
  } catch (...) {
  }
}

void Refresh() {
  try {
    RefreshSettingsFromServer();
  } catch (...) {
    // No memory for the reply: the settings stay as they were.
  }
}

}  // namespace

CLangBarItemButton::CLangBarItemButton(REFGUID item, BOOL largeIcons)
    : sink(nullptr),
      info{},
      tooltip(NewWideCopy(kTooltip)),
      iconOn(kIconOpen),
      iconOff(kIconClosed),
      added(FALSE),
      largeIcons(largeIcons),
      status(0),
      compartment(nullptr),
      compartmentSink(nullptr),
      threadMgr(nullptr),
      refCount(1) {
  DllAddRef();
  info.clsidService = CLSID_TextService;
  info.guidItem = item;
  // A plain button: its click shows the menu (OnClick), so the bar must not
  // ask for a menu of its own (InitMenu adds nothing).
  info.dwStyle = TF_LBI_STYLE_BTN_BUTTON | TF_LBI_STYLE_SHOWNINTRAY;
  info.ulSort = 0;
  for (size_t i = 0; i < TF_LBI_DESC_MAXLEN - 1 && kDescription[i] != 0; ++i)
    info.szDescription[i] = kDescription[i];
}

CLangBarItemButton::~CLangBarItemButton() {
  // The tooltip lives as long as the object, not only until Detach: the bar
  // may still hold the button and ask for it.
  delete[] tooltip;
  if (sink != nullptr) sink->Release();
}

STDMETHODIMP CLangBarItemButton::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_INVALIDARG;
  *ppvObject = nullptr;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_ITfLangBarItem) ||
      IsEqualIID(riid, IID_ITfLangBarItemButton)) {
    *ppvObject = static_cast<ITfLangBarItemButton*>(this);
  } else if (IsEqualIID(riid, IID_ITfSource)) {
    *ppvObject = static_cast<ITfSource*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) CLangBarItemButton::AddRef() { return ++refCount; }

STDMETHODIMP_(ULONG) CLangBarItemButton::Release() {
  ULONG left = --refCount;
  if (left == 0) {
    ++refCount;  // Detach may hand the button to the bar and take it back
    Detach();
    refCount = 0;
    ReleaseModule();
    delete this;
  }
  return left;
}

STDMETHODIMP CLangBarItemButton::GetInfo(TF_LANGBARITEMINFO* pInfo) {
  if (pInfo == nullptr) return E_INVALIDARG;
  *pInfo = info;
  return S_OK;
}

STDMETHODIMP CLangBarItemButton::GetStatus(DWORD* pdwStatus) {
  if (pdwStatus == nullptr) return E_INVALIDARG;
  *pdwStatus = status;
  return S_OK;
}

STDMETHODIMP CLangBarItemButton::Show(BOOL) {
  NotifyUpdate(TF_LBI_STATUS);
  return S_OK;
}

STDMETHODIMP CLangBarItemButton::GetTooltipString(BSTR* pbstrToolTip) {
  if (pbstrToolTip == nullptr) return E_INVALIDARG;
  *pbstrToolTip = tooltip != nullptr ? SysAllocString(tooltip) : nullptr;
  return *pbstrToolTip != nullptr ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP CLangBarItemButton::GetText(BSTR* pbstrText) {
  if (pbstrText == nullptr) return E_INVALIDARG;
  *pbstrText = SysAllocString(info.szDescription);
  return *pbstrText != nullptr ? S_OK : E_OUTOFMEMORY;
}

HWND CLangBarItemButton::MenuOwner() {
  HWND owner = nullptr;
  ITfDocumentMgr* documentMgr = nullptr;
  if (threadMgr != nullptr && threadMgr->GetFocus(&documentMgr) == S_OK && documentMgr != nullptr) {
    ITfContext* context = nullptr;
    if (documentMgr->GetTop(&context) == S_OK && context != nullptr) {
      ITfContextView* view = nullptr;
      if (context->GetActiveView(&view) == S_OK && view != nullptr) {
        HWND window = nullptr;
        if (view->GetWnd(&window) == S_OK) owner = window;
        view->Release();
      }
      context->Release();
    }
    documentMgr->Release();
  }
  if (owner == nullptr) {
    // A menu needs a window of this thread to belong to.
    HWND foreground = GetForegroundWindow();
    if (foreground != nullptr &&
        GetWindowThreadProcessId(foreground, nullptr) == GetCurrentThreadId())
      owner = foreground;
  }
  return owner;
}

STDMETHODIMP CLangBarItemButton::OnClick(TfLBIClick, POINT pt, const RECT*) {
  Refresh();
  HWND owner = MenuOwner();
  if (owner == nullptr) return E_FAIL;

  HMENU menu = LoadMenuW(DllInstance, MAKEINTRESOURCEW(kMenuResource));
  if (menu == nullptr) return E_FAIL;
  HMENU popup = GetSubMenu(menu, 0);
  if (popup == nullptr) {
    DestroyMenu(menu);
    return E_FAIL;
  }
  Mark(popup, kMenuSuggestionBar, CandidateWindow != 0);
  // The mark shows the stored flag, the one the item turns on and off.
  Mark(popup, kMenuAutoCorrection, SmartCorrection != 0);
  Mark(popup, kMenuUnicode, CurrentEncoding == 0);
  Mark(popup, kMenuAnsi, CurrentEncoding != 0);
  for (const LayoutItem& item : kLayoutItems) Mark(popup, item.command, CurrentLayout == item.layout);

  UINT chosen = static_cast<UINT>(
      TrackPopupMenuEx(popup, TPM_NONOTIFY | TPM_RETURNCMD, pt.x, pt.y, owner, nullptr));
  DestroyMenu(menu);
  if (chosen != 0) static_cast<ITfLangBarItemButton*>(this)->OnMenuSelect(chosen);
  return S_OK;
}

STDMETHODIMP CLangBarItemButton::InitMenu(ITfMenu*) { return S_OK; }

STDMETHODIMP CLangBarItemButton::OnMenuSelect(UINT wID) {
  using C = SettingsIpcConstants;
  try {
    switch (wID) {
      case kMenuSettings:
        SendIgnoringReply(C::commandSettings);
        break;
      case kMenuAbout:
        SendIgnoringReply(C::commandAbout);
        break;
      case kMenuUnicode:
        SetCurrentEncoding(0);
        break;
      case kMenuAnsi:
        SetCurrentEncoding(1);
        break;
      case kMenuSuggestionBar:
        SetCandidateWindow(CandidateWindow == 0 ? 1 : 0);
        break;
      case kMenuAutoCorrection:
        SetSmartCorrection(SmartCorrection == 0 ? 1 : 0);
        break;
      default:
        for (const LayoutItem& item : kLayoutItems) {
          if (item.command == wID) SetCurrentLayout(item.layout);
        }
        break;
    }
  } catch (...) {
    // No memory for the request: the value stays in memory only.
  }
  Refresh();
  return S_OK;
}

STDMETHODIMP CLangBarItemButton::GetIcon(HICON* phIcon) {
  if (compartment == nullptr || phIcon == nullptr) return E_FAIL;
  *phIcon = nullptr;
  DWORD open = 0;
  if (FAILED(compartment->GetBool(&open))) open = 0;
  DWORD shown = 0;
  GetStatus(&shown);
  UINT id = open != 0 && (shown & TF_LBI_STATUS_DISABLED) == 0 ? iconOn : iconOff;
  int size = largeIcons ? 24 : 16;
  *phIcon = static_cast<HICON>(
      LoadImageW(DllInstance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
  Refresh();
  return *phIcon != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP CLangBarItemButton::AdviseSink(REFIID riid, IUnknown* punk, DWORD* pdwCookie) {
  if (!IsEqualIID(riid, IID_ITfLangBarItemSink)) return CONNECT_E_CANNOTCONNECT;
  if (sink != nullptr) return CONNECT_E_ADVISELIMIT;
  if (punk == nullptr || pdwCookie == nullptr) return E_INVALIDARG;
  ITfLangBarItemSink* advised = nullptr;
  if (punk->QueryInterface(IID_ITfLangBarItemSink, reinterpret_cast<void**>(&advised)) != S_OK ||
      advised == nullptr) {
    if (advised != nullptr) advised->Release();
    return E_NOINTERFACE;
  }
  sink = advised;
  *pdwCookie = 0;
  return S_OK;
}

STDMETHODIMP CLangBarItemButton::UnadviseSink(DWORD dwCookie) {
  if (dwCookie != 0 || sink == nullptr) return CONNECT_E_NOCONNECTION;
  sink->Release();
  sink = nullptr;
  return S_OK;
}

void CLangBarItemButton::NotifyUpdate(DWORD flags) {
  if (sink != nullptr) sink->OnUpdate(flags);
}

void CLangBarItemButton::SetStatusBit(DWORD bit, bool on) {
  DWORD next = on ? (status | bit) : (status & ~bit);
  if (next == status) return;
  status = next;
  NotifyUpdate(TF_LBI_ICON | TF_LBI_STATUS);
}

void CLangBarItemButton::WatchOpenClose(ITfThreadMgr* manager, TfClientId clientId) {
  threadMgr = manager;
  compartment = new (std::nothrow)
      CCompartmentValue(GUID_COMPARTMENT_KEYBOARD_OPENCLOSE, manager, clientId);
  if (compartment == nullptr) return;
  compartmentSink = new (std::nothrow) CCompartmentEventSink(&OnCompartmentChanged, this);
  if (compartmentSink == nullptr) {
    delete compartment;
    compartment = nullptr;
    return;
  }
  compartmentSink->StartListening(manager, GUID_COMPARTMENT_KEYBOARD_OPENCLOSE);
}

HRESULT CLangBarItemButton::OnCompartmentChanged(void* context, REFGUID guid) {
  auto* button = static_cast<CLangBarItemButton*>(context);
  if (button != nullptr && button->compartment != nullptr &&
      IsEqualGUID(guid, button->compartment->guid()))
    button->NotifyUpdate(TF_LBI_ICON | TF_LBI_STATUS);
  return S_OK;
}

void CLangBarItemButton::Detach() {
  if (compartmentSink != nullptr) compartmentSink->StopListening();
  if (added) {
    ITfThreadMgr* current = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_TF_ThreadMgr, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_ITfThreadMgr, reinterpret_cast<void**>(&current))) &&
        current != nullptr) {
      ITfLangBarItemMgr* bar = nullptr;
      if (SUCCEEDED(current->QueryInterface(IID_ITfLangBarItemMgr, reinterpret_cast<void**>(&bar))) &&
          bar != nullptr) {
        if (SUCCEEDED(bar->RemoveItem(static_cast<ITfLangBarItemButton*>(this)))) added = FALSE;
        bar->Release();
      }
      current->Release();
    }
  }
  delete compartment;
  compartment = nullptr;
  if (compartmentSink != nullptr) {
    compartmentSink->Release();
    compartmentSink = nullptr;
  }
  threadMgr = nullptr;
}
