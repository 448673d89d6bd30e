// The calling thread's UI-element manager as the host sees it: the answer
// BeginUIElement gives (TRUE: the text service draws its own window; FALSE:
// the application draws the list, "UI-less"), and the log of Begin, Update
// and End calls with what the UI-less reader saw after each update.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Platform.h"

namespace host {

// What the UI-less reader read from the element's
// ITfCandidateListUIElement, each value with the result of its call.
struct CandidateListReading {
  HRESULT flagsResult = E_FAIL;
  DWORD flags = 0;
  HRESULT countResult = E_FAIL;
  UINT count = 0;
  HRESULT selectionResult = E_FAIL;
  UINT selection = 0;
  // GetString of every index below the count: the first result that was
  // not S_OK (S_OK when all were), and the texts (a null string as empty).
  HRESULT stringsResult = E_FAIL;
  std::vector<std::u16string> strings;
  HRESULT pagesResult = E_FAIL;
  std::vector<UINT> pageStarts;
  HRESULT currentPageResult = E_FAIL;
  UINT currentPage = 0;
};

struct UIElementCall {
  enum Kind { kBegin, kUpdate, kEnd };
  Kind kind;
  DWORD id;
  BOOL show;  // the answer the element was begun with
  bool read;  // reading holds what the UI-less reader saw
  CandidateListReading reading;
};

// The answer of every later BeginUIElement on the calling thread (TRUE at
// the start).
void SetUIElementShow(bool show);
std::vector<UIElementCall> UIElementCalls();
void ClearUIElementCalls();
// Elements begun and not yet ended.
size_t LiveUIElementCount();
// What the newest element begun and not yet ended shows, read as the
// UI-less reader reads it (whatever its show answer), and whether it says
// it is shown (ITfUIElement::IsShown); nothing when no element is live.
struct LiveCandidateList {
  DWORD id = 0;
  BOOL show = TRUE;     // the answer it was begun with
  BOOL shown = FALSE;   // IsShown
  CandidateListReading reading;
};
std::optional<LiveCandidateList> ReadLiveCandidateList();

}  // namespace host
