// The host's read-back of the stand-in's TSF (host/msctf/*.h): every call
// reports on the calling thread's thread manager.
#include "host/msctf/Compartments.h"
#include "host/msctf/LanguageBar.h"
#include "host/msctf/LiveSinks.h"
#include "host/msctf/PreservedKeys.h"
#include "host/msctf/UIElements.h"
#include "msctf/Compartment.h"
#include "msctf/ComPtr.h"
#include "msctf/Context.h"
#include "msctf/GuidNames.h"
#include "msctf/LangBarMenu.h"
#include "msctf/ThreadMgr.h"

namespace host {

using platform::ComPtr;
using platform::ThreadMgr;

namespace {

CompartmentValue ValueOf(const platform::CompartmentMgr& compartments, REFGUID guid) {
  const platform::Compartment* compartment = compartments.Find(guid);
  if (compartment == nullptr) return CompartmentValue{VT_EMPTY, 0};
  return CompartmentValue{compartment->type(), compartment->intValue()};
}

std::u16string TextOf(BSTR text) {
  return text ? std::u16string(AsChar16(text), SysStringLen(text)) : std::u16string();
}

// The button of the item with guid on the calling thread's bar, or null.
ComPtr<ITfLangBarItemButton> Button(REFGUID item) {
  ComPtr<ITfLangBarItemButton> button;
  ThreadMgr* threadMgr = ThreadMgr::Current();
  if (threadMgr == nullptr) return button;
  for (const platform::LangBarItemMgr::Item& i : threadMgr->languageBar().items()) {
    if (IsEqualGUID(i.info.guidItem, item)) {
      i.item->QueryInterface(IID_ITfLangBarItemButton, reinterpret_cast<void**>(button.Receive()));
      break;
    }
  }
  return button;
}

// One of an item's texts, read as the bar reads it (a BSTR it frees).
HRESULT ReadText(REFGUID item, HRESULT (STDMETHODCALLTYPE ITfLangBarItemButton::*get)(BSTR*),
                 std::u16string* text) {
  ComPtr<ITfLangBarItemButton> button = Button(item);
  if (!button) return E_INVALIDARG;
  BSTR read = nullptr;
  HRESULT hr = (button.get()->*get)(&read);
  if (text) *text = TextOf(read);
  SysFreeString(read);
  return hr;
}

}  // namespace

std::vector<LiveSink> LiveSinks() {
  std::vector<LiveSink> sinks;
  for (const platform::LiveSinkRecord& r : platform::AllLiveSinks()) {
    sinks.push_back(LiveSink{r.source, platform::GuidName(r.iid), r.cookie, r.sink});
  }
  return sinks;
}

CompartmentValue ThreadCompartment(REFGUID guid) {
  ThreadMgr* threadMgr = ThreadMgr::Current();
  if (threadMgr == nullptr) return CompartmentValue{VT_EMPTY, 0};
  return ValueOf(threadMgr->compartments(), guid);
}

CompartmentValue ContextCompartment(ITfContext* context, REFGUID guid) {
  platform::Context* own = platform::Context::From(context);
  if (own == nullptr) return CompartmentValue{VT_EMPTY, 0};
  return ValueOf(own->compartments(), guid);
}

void SetCompartmentNotifiesUnchangedWrites(bool notify) {
  platform::Compartment::SetNotifiesUnchangedWrites(notify);
}

std::vector<PreservedKey> PreservedKeys() {
  ThreadMgr* threadMgr = ThreadMgr::Current();
  if (threadMgr == nullptr) return {};
  return threadMgr->keystrokes().preservedKeys().entries();
}

std::vector<LangBarItem> LangBarItems() {
  std::vector<LangBarItem> items;
  ThreadMgr* threadMgr = ThreadMgr::Current();
  if (threadMgr == nullptr) return items;
  for (const platform::LangBarItemMgr::Item& i : threadMgr->languageBar().items()) {
    items.push_back(LangBarItem{i.item.get(), i.info});
  }
  return items;
}

std::vector<LangBarUpdate> LangBarUpdates() {
  ThreadMgr* threadMgr = ThreadMgr::Current();
  if (threadMgr == nullptr) return {};
  return threadMgr->languageBar().updates();
}

void ClearLangBarUpdates() {
  if (ThreadMgr* threadMgr = ThreadMgr::Current()) threadMgr->languageBar().ClearUpdates();
}

HRESULT LangBarItemStatus(REFGUID item, DWORD* status) {
  ComPtr<ITfLangBarItemButton> button = Button(item);
  return button ? button->GetStatus(status) : E_INVALIDARG;
}

HRESULT LangBarItemTooltip(REFGUID item, std::u16string* tooltip) {
  return ReadText(item, &ITfLangBarItemButton::GetTooltipString, tooltip);
}

HRESULT LangBarItemText(REFGUID item, std::u16string* text) {
  return ReadText(item, &ITfLangBarItemButton::GetText, text);
}

HRESULT LangBarItemIcon(REFGUID item, HICON* icon) {
  ComPtr<ITfLangBarItemButton> button = Button(item);
  return button ? button->GetIcon(icon) : E_INVALIDARG;
}

HRESULT LangBarItemClick(REFGUID item, TfLBIClick click, POINT point) {
  ComPtr<ITfLangBarItemButton> button = Button(item);
  if (!button) return E_INVALIDARG;
  RECT area = {point.x, point.y, point.x + 16, point.y + 16};
  return button->OnClick(click, point, &area);
}

HRESULT LangBarItemInitMenu(REFGUID item, std::vector<LangBarMenuItem>* added) {
  ComPtr<ITfLangBarItemButton> button = Button(item);
  if (!button) return E_INVALIDARG;
  auto items = std::make_shared<std::vector<LangBarMenuItem>>();
  ComPtr<ITfMenu> menu = ComPtr<ITfMenu>::Adopt(new platform::LangBarMenu(items, 0));
  HRESULT hr = button->InitMenu(menu.get());
  if (added) *added = *items;
  return hr;
}

HRESULT LangBarItemMenuSelect(REFGUID item, UINT id) {
  ComPtr<ITfLangBarItemButton> button = Button(item);
  return button ? button->OnMenuSelect(id) : E_INVALIDARG;
}

void SetUIElementShow(bool show) {
  if (ThreadMgr* threadMgr = ThreadMgr::Current()) threadMgr->uiElements().SetShow(show);
}

std::vector<UIElementCall> UIElementCalls() {
  ThreadMgr* threadMgr = ThreadMgr::Current();
  if (threadMgr == nullptr) return {};
  return threadMgr->uiElements().calls();
}

void ClearUIElementCalls() {
  if (ThreadMgr* threadMgr = ThreadMgr::Current()) threadMgr->uiElements().ClearCalls();
}

size_t LiveUIElementCount() {
  ThreadMgr* threadMgr = ThreadMgr::Current();
  return threadMgr ? threadMgr->uiElements().liveCount() : 0;
}

std::optional<LiveCandidateList> ReadLiveCandidateList() {
  ThreadMgr* threadMgr = ThreadMgr::Current();
  if (threadMgr == nullptr) return std::nullopt;
  ComPtr<ITfThreadMgr> keep(threadMgr);
  return threadMgr->uiElements().ReadNewest();
}

}  // namespace host
