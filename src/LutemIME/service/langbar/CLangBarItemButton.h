#pragma once

#include "Platform.h"

class CCompartmentValue;
class CCompartmentEventSink;

// The keyboard's button on the language bar and in the taskbar's input
// indicator: an icon that shows whether the keyboard is open (12 closed or
// disabled, 21 open) and the menu of layouts, encodings, quick settings,
// the settings program and the About box. Every click, menu choice and icon
// request first or last asks the settings server for its values, so what
// the server stores is what the menu shows. Lives on the host's UI thread;
// its count is not interlocked. Holds the module (DllObjectCount) while it
// lives.
class CLangBarItemButton final : public ITfLangBarItemButton, public ITfSource {
 public:
  // Menu commands of the resource menu 109.
  enum : UINT {
    kMenuSettings = 40001,
    kMenuAbout = 40002,
    kMenuLutemPhonetic = 40004,
    kMenuKhipro = 40005,
    kMenuUnicode = 40007,
    kMenuAnsi = 40009,
    kMenuAvroPhonetic = 40010,
    kMenuLutemFixed = 40011,
    kMenuProbhat = 40012,
    kMenuJatiyoModified = 40013,
    kMenuSuggestionBar = 40015,
    kMenuAutoCorrection = 40016,
    kMenuJatiyo = 40017,
    kMenuLutemLowercase = 40018,
  };
  static constexpr WORD kMenuResource = 109;
  static constexpr WORD kIconClosed = 12;
  static constexpr WORD kIconOpen = 21;

  // item is the button's GUID (GUID_LBI_INPUTMODE); largeIcons asks for
  // 24-pixel icons in place of 16-pixel ones (secure mode). The count starts
  // at 1.
  CLangBarItemButton(REFGUID item, BOOL largeIcons);
  CLangBarItemButton(const CLangBarItemButton&) = delete;
  CLangBarItemButton& operator=(const CLangBarItemButton&) = delete;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  // ITfLangBarItem
  STDMETHODIMP GetInfo(TF_LANGBARITEMINFO* pInfo) override;
  STDMETHODIMP GetStatus(DWORD* pdwStatus) override;
  STDMETHODIMP Show(BOOL fShow) override;
  STDMETHODIMP GetTooltipString(BSTR* pbstrToolTip) override;
  // ITfLangBarItemButton
  STDMETHODIMP OnClick(TfLBIClick click, POINT pt, const RECT* prcArea) override;
  STDMETHODIMP InitMenu(ITfMenu* pMenu) override;
  STDMETHODIMP OnMenuSelect(UINT wID) override;
  STDMETHODIMP GetIcon(HICON* phIcon) override;
  STDMETHODIMP GetText(BSTR* pbstrText) override;
  // ITfSource: the one ITfLangBarItemSink the bar advises (cookie 0).
  STDMETHODIMP AdviseSink(REFIID riid, IUnknown* punk, DWORD* pdwCookie) override;
  STDMETHODIMP UnadviseSink(DWORD dwCookie) override;

  // Whether the bar holds the button (AddItem succeeded, RemoveItem not yet).
  BOOL IsAdded() const { return added; }
  void MarkAdded() { added = TRUE; }
  // Watches the thread manager's open/close compartment for the icon. The
  // thread manager is kept without a reference: the engine that owns the
  // button lives inside the text service's activation, which holds one.
  void WatchOpenClose(ITfThreadMgr* threadMgr, TfClientId clientId);
  // Sets (on) or clears one TF_LBI_STATUS_* bit; a change tells the bar
  // (OnUpdate(TF_LBI_ICON | TF_LBI_STATUS)).
  void SetStatusBit(DWORD bit, bool on);
  // Undoes what the engine attached: the watch, the place on the bar. A
  // second call finds nothing to do. The button still answers its bar
  // calls afterwards, for whoever holds it.
  void Detach();

  // The watch's callback (context: the button).
  static HRESULT OnCompartmentChanged(void* context, REFGUID guid);

 private:
  ~CLangBarItemButton();
  HWND MenuOwner();
  void NotifyUpdate(DWORD flags);

  ITfLangBarItemSink* sink;
  TF_LANGBARITEMINFO info;
  WCHAR* tooltip;
  UINT iconOn;
  UINT iconOff;
  BOOL added;
  BOOL largeIcons;
  DWORD status;
  CCompartmentValue* compartment;
  CCompartmentEventSink* compartmentSink;
  ITfThreadMgr* threadMgr;
  ULONG refCount;
};
