// A context's ITfInsertAtSelection, as its reference describes it. With
// TF_IAS_QUERYONLY it gives a range over the selection and changes nothing
// (a cookie of any held lock will do); otherwise it replaces the selection
// by the text (a read/write cookie, TF_E_NOLOCK otherwise), leaves the
// caret after it, and gives a range over exactly the new text unless
// TF_IAS_NOQUERY says no range is wanted. TF_IAS_QUERYONLY with
// TF_IAS_NOQUERY, a null range pointer where one is wanted, or text with a
// null pointer give E_INVALIDARG. InsertEmbeddedAtSelection is E_NOTIMPL.
//
// Failure switch: "ITfInsertAtSelection::InsertTextAtSelection" (E_FAIL).
#pragma once

#include "Platform.h"
#include "msctf/AggregatedInterface.h"

namespace platform {

class ContextText;

class InsertAtSelection final : public AggregatedInterface<ITfInsertAtSelection> {
 public:
  InsertAtSelection(IUnknown& owner, ContextText& text);

  HRESULT STDMETHODCALLTYPE InsertTextAtSelection(TfEditCookie ec, DWORD dwFlags,
                                                  const WCHAR* pchText, LONG cch,
                                                  ITfRange** ppRange) override;
  HRESULT STDMETHODCALLTYPE InsertEmbeddedAtSelection(TfEditCookie ec, DWORD dwFlags,
                                                      IDataObject* pDataObject,
                                                      ITfRange** ppRange) override;

 private:
  ContextText& text_;
};

}  // namespace platform
