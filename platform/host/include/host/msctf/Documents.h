// A context's document as the application sees and drives it: its text,
// its selection, the compositions open on it and every property's values,
// and the application's own changes (loading text, moving the caret,
// typing, ending compositions, refusing writes). Each change the
// application makes tells the context's ITfTextEditSinks OnEndEdit, as TSF
// does when a text store reports a change, with a record that says whether
// the selection moved. Every call takes a context of the stand-in's TSF
// (TsfApplication makes them) and does nothing, or reads nothing, for any
// other.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Platform.h"

namespace host {

struct DocumentSelection {
  LONG start = 0;
  LONG end = 0;
  TfActiveSelEnd activeEnd = TF_AE_NONE;
  bool interim = false;
};

std::u16string DocumentText(ITfContext* context);
DocumentSelection SelectionOf(ITfContext* context);

// The application replaces the whole text and puts the caret at caret
// (UTF-16 units, clamped).
void LoadDocument(ITfContext* context, const std::u16string& text, LONG caret);
// The application moves the caret, or selects [start, end); clamped. No
// notice when nothing moved.
void MoveCaret(ITfContext* context, LONG offset);
void SelectText(ITfContext* context, LONG start, LONG end, TfActiveSelEnd activeEnd = TF_AE_END);
// The application handles WM_CHAR for each unit, as typing it would
// (without keys: nothing reaches a text service's key sink).
void ApplicationTypes(ITfContext* context, const std::u16string& characters);
// A read-only document refuses read/write sessions (TS_E_READONLY) and
// typing.
void SetDocumentReadOnly(ITfContext* context, bool readOnly);

struct CompositionInfo {
  LONG start;
  LONG end;
  TfClientId owner;
};
// The open compositions, oldest first.
std::vector<CompositionInfo> Compositions(ITfContext* context);
// The application ends every open composition: each owner's
// ITfCompositionSink::OnCompositionTerminated runs with a write cookie
// inside a lock of its own, then OnEndEdit. S_FALSE when none was open.
HRESULT TerminateCompositions(ITfContext* context);

struct PropertyRun {
  LONG start;
  LONG end;
  VARTYPE type;  // VT_EMPTY (no value) or VT_I4
  LONG value;
};
// The runs of uniform value of one property (GUID_PROP_COMPOSING included)
// over the whole text, those without a value included.
std::vector<PropertyRun> PropertyRuns(ITfContext* context, REFGUID property);
// The properties that were ever given a value in the document.
std::vector<GUID> PropertiesWithValues(ITfContext* context);

// [start, end) of a range of the stand-in's TSF.
std::optional<std::pair<LONG, LONG>> RangeOffsets(ITfRange* range);

}  // namespace host
