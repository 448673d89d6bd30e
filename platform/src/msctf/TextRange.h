// A range of the stand-in's TSF (ITfRange), as the ITfRange reference
// describes it: a span of one context's text whose anchors follow edits
// (TextSpan states the gravity rule and the default gravity). It holds a
// reference on its context, as TSF's ranges do.
//
// Cookies: every method that takes one wants a cookie of a lock held on the
// range's own document; the writers (SetText, AdjustForInsert) want a
// read/write one. Anything else answers TF_E_NOLOCK. A range of another
// context, where one is compared or shifted to, gives E_INVALIDARG.
// SetText leaves the range over exactly the new text. ShiftStart and
// ShiftEnd count UTF-16 units, stop at the document's ends and at a halt
// anchor, and move the other anchor along when they cross it. There are no
// regions or embedded objects: ShiftStartRegion and ShiftEndRegion report
// no region, GetFormattedText, GetEmbedded and InsertEmbedded are
// E_NOTIMPL.
//
// Failure switches: "ITfRange::GetText", "ITfRange::SetText",
// "ITfRange::ShiftStartToRange", "ITfRange::ShiftEndToRange",
// "ITfRange::Collapse", "ITfRange::CompareStart", "ITfRange::CompareEnd",
// "ITfRange::IsEqualStart", "ITfRange::IsEqualEnd",
// "ITfRange::Clone" (E_FAIL).
#pragma once


#include "Platform.h"
#include "msctf/ComObject.h"
#include "msctf/ComPtr.h"
#include "msctf/TextSpan.h"

namespace platform {

class TextRange final : public ComObject<ITfRange> {
 public:
  // A range over span with span's gravity, on the context that owns its
  // document.
  explicit TextRange(const TextSpan& span);
  // A new range as an out-parameter: ranges are handed out this way.
  static void HandOutNew(const TextSpan& span, ITfRange** out);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  // ITfRange
  HRESULT STDMETHODCALLTYPE GetText(TfEditCookie ec, DWORD dwFlags, WCHAR* pchText, ULONG cchMax,
                                    ULONG* pcch) override;
  HRESULT STDMETHODCALLTYPE SetText(TfEditCookie ec, DWORD dwFlags, const WCHAR* pchText,
                                    LONG cch) override;
  HRESULT STDMETHODCALLTYPE GetFormattedText(TfEditCookie ec, IDataObject** ppDataObject) override;
  HRESULT STDMETHODCALLTYPE GetEmbedded(TfEditCookie ec, REFGUID rguidService, REFIID riid,
                                        IUnknown** ppunk) override;
  HRESULT STDMETHODCALLTYPE InsertEmbedded(TfEditCookie ec, DWORD dwFlags,
                                           IDataObject* pDataObject) override;
  HRESULT STDMETHODCALLTYPE ShiftStart(TfEditCookie ec, LONG cchReq, LONG* pcch,
                                       const TF_HALTCOND* pHalt) override;
  HRESULT STDMETHODCALLTYPE ShiftEnd(TfEditCookie ec, LONG cchReq, LONG* pcch,
                                     const TF_HALTCOND* pHalt) override;
  HRESULT STDMETHODCALLTYPE ShiftStartToRange(TfEditCookie ec, ITfRange* pRange,
                                              TfAnchor aPos) override;
  HRESULT STDMETHODCALLTYPE ShiftEndToRange(TfEditCookie ec, ITfRange* pRange,
                                            TfAnchor aPos) override;
  HRESULT STDMETHODCALLTYPE ShiftStartRegion(TfEditCookie ec, TfShiftDir dir,
                                             BOOL* pfNoRegion) override;
  HRESULT STDMETHODCALLTYPE ShiftEndRegion(TfEditCookie ec, TfShiftDir dir,
                                           BOOL* pfNoRegion) override;
  HRESULT STDMETHODCALLTYPE IsEmpty(TfEditCookie ec, BOOL* pfEmpty) override;
  HRESULT STDMETHODCALLTYPE Collapse(TfEditCookie ec, TfAnchor aPos) override;
  HRESULT STDMETHODCALLTYPE IsEqualStart(TfEditCookie ec, ITfRange* pWith, TfAnchor aPos,
                                         BOOL* pfEqual) override;
  HRESULT STDMETHODCALLTYPE IsEqualEnd(TfEditCookie ec, ITfRange* pWith, TfAnchor aPos,
                                       BOOL* pfEqual) override;
  HRESULT STDMETHODCALLTYPE CompareStart(TfEditCookie ec, ITfRange* pWith, TfAnchor aPos,
                                         LONG* plResult) override;
  HRESULT STDMETHODCALLTYPE CompareEnd(TfEditCookie ec, ITfRange* pWith, TfAnchor aPos,
                                       LONG* plResult) override;
  HRESULT STDMETHODCALLTYPE AdjustForInsert(TfEditCookie ec, ULONG cchInsert,
                                            BOOL* pfInsertOk) override;
  HRESULT STDMETHODCALLTYPE GetGravity(TfGravity* pgStart, TfGravity* pgEnd) override;
  HRESULT STDMETHODCALLTYPE SetGravity(TfEditCookie ec, TfGravity gStart, TfGravity gEnd) override;
  HRESULT STDMETHODCALLTYPE Clone(ITfRange** ppClone) override;
  HRESULT STDMETHODCALLTYPE GetContext(ITfContext** ppContext) override;

  // The stand-in's own range behind an ITfRange, or null.
  static TextRange* From(ITfRange* range);
  // The span of range when it is one of document's ranges, else null.
  static const TextSpan* SpanIn(ITfRange* range, const TextDocument& document);
  const TextSpan& span() const { return span_; }

 private:
  ~TextRange() override = default;
  bool CanRead(TfEditCookie ec) const;
  bool CanWrite(TfEditCookie ec) const;
  // The anchor aPos of with, when with is a range of this document.
  bool AnchorOf(ITfRange* with, TfAnchor aPos, LONG* anchor) const;
  HRESULT Compare(TfEditCookie ec, LONG mine, ITfRange* with, TfAnchor aPos, LONG* result,
                  const char* name) const;
  // Moves one anchor by cchReq units, stopping at the document's ends and
  // at the halt anchor.
  HRESULT Shift(TfEditCookie ec, TfAnchor which, LONG cchReq, LONG* pcch,
                const TF_HALTCOND* halt);
  HRESULT ShiftToRange(TfEditCookie ec, TfAnchor which, ITfRange* range, TfAnchor aPos,
                       const char* name);

  ComPtr<ITfContext> context_;
  TextSpan span_;
};

}  // namespace platform
