#include "msctf/InsertAtSelection.h"

#include "common/FailureSwitch.h"
#include "msctf/ContextText.h"
#include "msctf/TextDocument.h"
#include "msctf/TextRange.h"

namespace platform {

InsertAtSelection::InsertAtSelection(IUnknown& owner, ContextText& text)
    : AggregatedInterface(owner), text_(text) {}

HRESULT InsertAtSelection::InsertTextAtSelection(TfEditCookie ec, DWORD dwFlags,
                                                 const WCHAR* pchText, LONG cch,
                                                 ITfRange** ppRange) {
  if (ppRange) *ppRange = nullptr;
  bool queryOnly = (dwFlags & TF_IAS_QUERYONLY) != 0;
  bool wantsRange = (dwFlags & TF_IAS_NOQUERY) == 0;
  if ((queryOnly && !wantsRange) || (wantsRange && ppRange == nullptr) || cch < -1 ||
      (!queryOnly && pchText == nullptr && cch != 0)) {
    return E_INVALIDARG;
  }
  if (ShouldFail("ITfInsertAtSelection::InsertTextAtSelection")) return E_FAIL;
  TextDocument& document = text_.document();
  if (!(queryOnly ? document.locks().CanRead(ec) : document.locks().CanWrite(ec))) {
    return TF_E_NOLOCK;
  }
  LONG start = document.selection().start;
  LONG end = document.selection().end;
  if (!queryOnly) {
    if (document.readOnly()) return TF_E_READONLY;
    std::u16string_view text = TextDocument::Units(pchText, cch);
    document.Replace(start, end, text);
    end = start + static_cast<LONG>(text.size());
    document.Select(end, end, TF_AE_NONE, FALSE);
  }
  if (wantsRange) TextRange::HandOutNew(TextSpan(text_.sharedDocument(), start, end), ppRange);
  return S_OK;
}

HRESULT InsertAtSelection::InsertEmbeddedAtSelection(TfEditCookie ec, DWORD dwFlags,
                                                     IDataObject* pDataObject,
                                                     ITfRange** ppRange) {
  if (ppRange) *ppRange = nullptr;
  return E_NOTIMPL;
}

}  // namespace platform
