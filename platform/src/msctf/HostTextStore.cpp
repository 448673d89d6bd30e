// The host's side of contexts' documents, views and edit sessions
// (host/msctf/Documents.h, Views.h, EditSessions.h).
#include "host/msctf/Documents.h"
#include "host/msctf/EditSessions.h"
#include "host/msctf/Views.h"
#include "msctf/Composition.h"
#include "msctf/Context.h"
#include "msctf/ContextView.h"
#include "msctf/EditSessionQueue.h"
#include "msctf/TextRange.h"

namespace host {

using platform::ComPtr;
using platform::ContextText;

namespace {

ContextText* TextOf(ITfContext* context) {
  platform::Context* own = platform::Context::From(context);
  return own ? &own->text() : nullptr;
}

}  // namespace

std::u16string DocumentText(ITfContext* context) {
  ContextText* text = TextOf(context);
  return text ? text->document().text() : std::u16string();
}

DocumentSelection SelectionOf(ITfContext* context) {
  ContextText* text = TextOf(context);
  if (text == nullptr) return DocumentSelection{};
  const platform::TextSelection& s = text->document().selection();
  return DocumentSelection{s.start, s.end, s.activeEnd, s.interim != FALSE};
}

void LoadDocument(ITfContext* context, const std::u16string& characters, LONG caret) {
  if (ContextText* text = TextOf(context)) text->Load(characters, caret);
}

void MoveCaret(ITfContext* context, LONG offset) {
  if (ContextText* text = TextOf(context)) text->Select(offset, offset, TF_AE_NONE);
}

void SelectText(ITfContext* context, LONG start, LONG end, TfActiveSelEnd activeEnd) {
  if (ContextText* text = TextOf(context)) text->Select(start, end, activeEnd);
}

void ApplicationTypes(ITfContext* context, const std::u16string& characters) {
  ComPtr<ITfContext> keep(context);
  if (ContextText* text = TextOf(context)) {
    for (char16_t c : characters) text->ApplicationTyped(c);
  }
}

void SetDocumentReadOnly(ITfContext* context, bool readOnly) {
  if (ContextText* text = TextOf(context)) text->document().SetReadOnly(readOnly);
}

std::vector<CompositionInfo> Compositions(ITfContext* context) {
  std::vector<CompositionInfo> open;
  ContextText* text = TextOf(context);
  if (text == nullptr) return open;
  for (const ComPtr<platform::Composition>& c : text->compositions()) {
    open.push_back(CompositionInfo{c->span().start(), c->span().end(), c->client()});
  }
  return open;
}

HRESULT TerminateCompositions(ITfContext* context) {
  ComPtr<ITfContext> keep(context);
  ContextText* text = TextOf(context);
  return text ? text->TerminateCompositions() : E_INVALIDARG;
}

std::vector<PropertyRun> PropertyRuns(ITfContext* context, REFGUID property) {
  std::vector<PropertyRun> runs;
  ContextText* text = TextOf(context);
  if (text == nullptr) return runs;
  platform::TextDocument& document = text->document();
  for (const platform::PropertyRun& r : document.Runs(property, 0, document.length())) {
    runs.push_back(PropertyRun{r.start, r.end, r.value.type, r.value.value});
  }
  return runs;
}

std::vector<GUID> PropertiesWithValues(ITfContext* context) {
  ContextText* text = TextOf(context);
  return text ? text->document().properties().Guids() : std::vector<GUID>{};
}

std::optional<std::pair<LONG, LONG>> RangeOffsets(ITfRange* range) {
  platform::TextRange* own = platform::TextRange::From(range);
  if (own == nullptr) return std::nullopt;
  return std::make_pair(own->span().start(), own->span().end());
}

ViewLayout ViewLayoutOf(ITfContext* context) {
  ContextText* text = TextOf(context);
  return text ? text->view().layout() : ViewLayout{};
}

void SetViewLayout(ITfContext* context, const ViewLayout& layout) {
  ComPtr<ITfContext> keep(context);
  if (ContextText* text = TextOf(context)) text->SetViewLayout(layout);
}

void DestroyView(ITfContext* context) {
  ComPtr<ITfContext> keep(context);
  if (ContextText* text = TextOf(context)) text->DestroyView();
}

HWND ViewWindow(ITfContext* context) {
  ContextText* text = TextOf(context);
  return text ? text->view().window() : nullptr;
}

void SetEditSessionGrant(EditSessionGrant grant) { platform::EditSessionQueue::SetGrant(grant); }

EditSessionGrant CurrentEditSessionGrant() { return platform::EditSessionQueue::grant(); }

size_t PendingEditSessionCount() { return platform::EditSessionQueue::ForThread().size(); }

int RunPendingEditSessions() { return platform::EditSessionQueue::ForThread().RunAll(); }

}  // namespace host
