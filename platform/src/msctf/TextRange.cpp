#include "msctf/TextRange.h"

#include <algorithm>

#include "common/FailureSwitch.h"
#include "msctf/TextDocument.h"

namespace platform {
namespace {

LONG Sign(LONG difference) { return difference < 0 ? -1 : difference > 0 ? 1 : 0; }

bool ValidAnchor(TfAnchor a) { return a == TF_ANCHOR_START || a == TF_ANCHOR_END; }

bool ValidGravity(TfGravity g) { return g == TF_GRAVITY_BACKWARD || g == TF_GRAVITY_FORWARD; }

}  // namespace

TextRange::TextRange(const TextSpan& span) : context_(span.document().owner()), span_(span) {}

void TextRange::HandOutNew(const TextSpan& span, ITfRange** out) { *out = new TextRange(span); }

TextRange* TextRange::From(ITfRange* range) { return dynamic_cast<TextRange*>(range); }

const TextSpan* TextRange::SpanIn(ITfRange* range, const TextDocument& document) {
  TextRange* own = From(range);
  if (own == nullptr || &own->span_.document() != &document) return nullptr;
  return &own->span_;
}

HRESULT TextRange::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  bool known = IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ITfRange);
  return Answer(known ? static_cast<ITfRange*>(this) : nullptr, object);
}

bool TextRange::CanRead(TfEditCookie ec) const { return span_.document().locks().CanRead(ec); }

bool TextRange::CanWrite(TfEditCookie ec) const { return span_.document().locks().CanWrite(ec); }

bool TextRange::AnchorOf(ITfRange* with, TfAnchor aPos, LONG* anchor) const {
  const TextSpan* other = SpanIn(with, span_.document());
  if (other == nullptr || !ValidAnchor(aPos)) return false;
  *anchor = other->anchor(aPos);
  return true;
}

HRESULT TextRange::GetText(TfEditCookie ec, DWORD dwFlags, WCHAR* pchText, ULONG cchMax,
                           ULONG* pcch) {
  if (pcch == nullptr) return E_INVALIDARG;
  *pcch = 0;
  if (pchText == nullptr && cchMax > 0) return E_INVALIDARG;
  if (ShouldFail("ITfRange::GetText")) return E_FAIL;
  if (!CanRead(ec)) return TF_E_NOLOCK;
  const std::u16string& text = span_.document().text();
  LONG stop = (dwFlags & TF_TF_IGNOREEND) ? span_.document().length() : span_.end();
  ULONG available = static_cast<ULONG>(stop - span_.start());
  ULONG copied = std::min(available, cchMax);
  std::copy_n(text.begin() + span_.start(), copied, pchText);
  *pcch = copied;
  if (dwFlags & TF_TF_MOVESTART) span_.SetStart(span_.start() + static_cast<LONG>(copied));
  return S_OK;
}

HRESULT TextRange::SetText(TfEditCookie ec, DWORD dwFlags, const WCHAR* pchText, LONG cch) {
  if (cch < -1 || (pchText == nullptr && cch != 0)) return E_INVALIDARG;
  if (ShouldFail("ITfRange::SetText")) return E_FAIL;
  if (!CanWrite(ec)) return TF_E_NOLOCK;
  TextDocument& document = span_.document();
  if (document.readOnly()) return TF_E_READONLY;
  std::u16string_view text = TextDocument::Units(pchText, cch);
  LONG start = span_.start();
  document.Replace(start, span_.end(), text);
  span_.Set(start, start + static_cast<LONG>(text.size()));
  return S_OK;
}

HRESULT TextRange::GetFormattedText(TfEditCookie ec, IDataObject** ppDataObject) {
  if (ppDataObject) *ppDataObject = nullptr;
  return E_NOTIMPL;
}

HRESULT TextRange::GetEmbedded(TfEditCookie ec, REFGUID rguidService, REFIID riid,
                               IUnknown** ppunk) {
  if (ppunk) *ppunk = nullptr;
  return E_NOTIMPL;
}

HRESULT TextRange::InsertEmbedded(TfEditCookie ec, DWORD dwFlags, IDataObject* pDataObject) {
  return E_NOTIMPL;
}

HRESULT TextRange::Shift(TfEditCookie ec, TfAnchor which, LONG cchReq, LONG* pcch,
                         const TF_HALTCOND* halt) {
  if (pcch == nullptr) return E_INVALIDARG;
  *pcch = 0;
  if (!CanRead(ec)) return TF_E_NOLOCK;
  LONG from = span_.anchor(which);
  LONG target = std::clamp<LONG>(from + cchReq, 0, span_.document().length());
  LONG stop;
  if (halt && halt->pHaltRange && AnchorOf(halt->pHaltRange, halt->aHaltPos, &stop)) {
    if (from < stop && stop < target) target = stop;
    if (target < stop && stop < from) target = stop;
  }
  *pcch = target - from;
  span_.SetAnchor(which, target);
  return S_OK;
}

HRESULT TextRange::ShiftStart(TfEditCookie ec, LONG cchReq, LONG* pcch, const TF_HALTCOND* pHalt) {
  return Shift(ec, TF_ANCHOR_START, cchReq, pcch, pHalt);
}

HRESULT TextRange::ShiftEnd(TfEditCookie ec, LONG cchReq, LONG* pcch, const TF_HALTCOND* pHalt) {
  return Shift(ec, TF_ANCHOR_END, cchReq, pcch, pHalt);
}

HRESULT TextRange::ShiftToRange(TfEditCookie ec, TfAnchor which, ITfRange* range, TfAnchor aPos,
                                const char* name) {
  if (ShouldFail(name)) return E_FAIL;
  if (!CanRead(ec)) return TF_E_NOLOCK;
  LONG anchor;
  if (!AnchorOf(range, aPos, &anchor)) return E_INVALIDARG;
  span_.SetAnchor(which, anchor);
  return S_OK;
}

HRESULT TextRange::ShiftStartToRange(TfEditCookie ec, ITfRange* pRange, TfAnchor aPos) {
  return ShiftToRange(ec, TF_ANCHOR_START, pRange, aPos, "ITfRange::ShiftStartToRange");
}

HRESULT TextRange::ShiftEndToRange(TfEditCookie ec, ITfRange* pRange, TfAnchor aPos) {
  return ShiftToRange(ec, TF_ANCHOR_END, pRange, aPos, "ITfRange::ShiftEndToRange");
}

HRESULT TextRange::ShiftStartRegion(TfEditCookie ec, TfShiftDir dir, BOOL* pfNoRegion) {
  if (pfNoRegion == nullptr) return E_INVALIDARG;
  *pfNoRegion = TRUE;
  return CanRead(ec) ? S_OK : TF_E_NOLOCK;
}

HRESULT TextRange::ShiftEndRegion(TfEditCookie ec, TfShiftDir dir, BOOL* pfNoRegion) {
  return ShiftStartRegion(ec, dir, pfNoRegion);
}

HRESULT TextRange::IsEmpty(TfEditCookie ec, BOOL* pfEmpty) {
  if (pfEmpty == nullptr) return E_INVALIDARG;
  *pfEmpty = FALSE;
  if (!CanRead(ec)) return TF_E_NOLOCK;
  *pfEmpty = span_.empty() ? TRUE : FALSE;
  return S_OK;
}

HRESULT TextRange::Collapse(TfEditCookie ec, TfAnchor aPos) {
  if (!ValidAnchor(aPos)) return E_INVALIDARG;
  if (ShouldFail("ITfRange::Collapse")) return E_FAIL;
  if (!CanRead(ec)) return TF_E_NOLOCK;
  span_.Collapse(aPos);
  return S_OK;
}

HRESULT TextRange::Compare(TfEditCookie ec, LONG mine, ITfRange* with, TfAnchor aPos,
                           LONG* result, const char* name) const {
  if (result == nullptr) return E_INVALIDARG;
  *result = 0;
  if (ShouldFail(name)) return E_FAIL;
  if (!CanRead(ec)) return TF_E_NOLOCK;
  LONG theirs;
  if (!AnchorOf(with, aPos, &theirs)) return E_INVALIDARG;
  *result = Sign(mine - theirs);
  return S_OK;
}

HRESULT TextRange::IsEqualStart(TfEditCookie ec, ITfRange* pWith, TfAnchor aPos, BOOL* pfEqual) {
  if (pfEqual == nullptr) return E_INVALIDARG;
  LONG result;
  HRESULT hr = Compare(ec, span_.start(), pWith, aPos, &result, "ITfRange::IsEqualStart");
  *pfEqual = SUCCEEDED(hr) && result == 0 ? TRUE : FALSE;
  return hr;
}

HRESULT TextRange::IsEqualEnd(TfEditCookie ec, ITfRange* pWith, TfAnchor aPos, BOOL* pfEqual) {
  if (pfEqual == nullptr) return E_INVALIDARG;
  LONG result;
  HRESULT hr = Compare(ec, span_.end(), pWith, aPos, &result, "ITfRange::IsEqualEnd");
  *pfEqual = SUCCEEDED(hr) && result == 0 ? TRUE : FALSE;
  return hr;
}

HRESULT TextRange::CompareStart(TfEditCookie ec, ITfRange* pWith, TfAnchor aPos,
                                LONG* plResult) {
  return Compare(ec, span_.start(), pWith, aPos, plResult, "ITfRange::CompareStart");
}

HRESULT TextRange::CompareEnd(TfEditCookie ec, ITfRange* pWith, TfAnchor aPos, LONG* plResult) {
  return Compare(ec, span_.end(), pWith, aPos, plResult, "ITfRange::CompareEnd");
}

HRESULT TextRange::AdjustForInsert(TfEditCookie ec, ULONG cchInsert, BOOL* pfInsertOk) {
  if (pfInsertOk == nullptr) return E_INVALIDARG;
  *pfInsertOk = FALSE;
  if (!CanWrite(ec)) return TF_E_NOLOCK;
  // The document takes any text anywhere, so the range stays as it is.
  *pfInsertOk = span_.document().readOnly() ? FALSE : TRUE;
  return S_OK;
}

HRESULT TextRange::GetGravity(TfGravity* pgStart, TfGravity* pgEnd) {
  if (pgStart == nullptr || pgEnd == nullptr) return E_INVALIDARG;
  *pgStart = span_.startGravity();
  *pgEnd = span_.endGravity();
  return S_OK;
}

HRESULT TextRange::SetGravity(TfEditCookie ec, TfGravity gStart, TfGravity gEnd) {
  if (!ValidGravity(gStart) || !ValidGravity(gEnd)) return E_INVALIDARG;
  if (!CanRead(ec)) return TF_E_NOLOCK;
  span_.SetGravity(gStart, gEnd);
  return S_OK;
}

HRESULT TextRange::Clone(ITfRange** ppClone) {
  if (ppClone == nullptr) return E_INVALIDARG;
  *ppClone = nullptr;
  if (ShouldFail("ITfRange::Clone")) return E_FAIL;
  HandOutNew(span_, ppClone);
  return S_OK;
}

HRESULT TextRange::GetContext(ITfContext** ppContext) {
  if (ppContext == nullptr) return E_INVALIDARG;
  HandOut(context_.get(), ppContext);
  return S_OK;
}

}  // namespace platform
