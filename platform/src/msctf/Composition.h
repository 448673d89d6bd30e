// A composition of the stand-in's TSF (ITfComposition), as its reference
// describes it: a span of a context's text that a text service owns while
// the user composes. Its span takes in text inserted at either end or into
// it while it is empty (TextSpan's default gravity), and GUID_PROP_COMPOSING
// is VT_I4 1 over its text while it is open.
//
// It ends when its owner calls EndComposition, when the application
// terminates it (the context calls the owner's
// ITfCompositionSink::OnCompositionTerminated with a write cookie first,
// during which it is still open and whole), or when its context is popped
// off its document (no sink is called then). An ended composition gives
// E_UNEXPECTED from every method: GetRange has no range to give, since
// the text is no longer composed. The composition keeps its sink (one
// reference) until it ends.
//
// Cookies: ShiftStart, ShiftEnd and EndComposition want a read/write cookie
// of the composition's document (TF_E_NOLOCK).
//
// Failure switches: "ITfComposition::GetRange",
// "ITfComposition::EndComposition" (E_FAIL).
#pragma once


#include "Platform.h"
#include "msctf/ComObject.h"
#include "msctf/ComPtr.h"
#include "msctf/TextSpan.h"

namespace platform {

class ContextText;

class Composition final : public ComObject<ITfComposition> {
 public:
  Composition(ContextText& owner, const TextSpan& span, ITfCompositionSink* sink,
              TfClientId client);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  // ITfComposition
  HRESULT STDMETHODCALLTYPE GetRange(ITfRange** ppRange) override;
  HRESULT STDMETHODCALLTYPE ShiftStart(TfEditCookie ecWrite, ITfRange* pNewStart) override;
  HRESULT STDMETHODCALLTYPE ShiftEnd(TfEditCookie ecWrite, ITfRange* pNewEnd) override;
  HRESULT STDMETHODCALLTYPE EndComposition(TfEditCookie ecWrite) override;

  static Composition* From(ITfComposition* composition);

  // The application ends the composition: its sink is told under a write
  // lock of the client's, then the composition ends if the sink did not
  // end it.
  void Terminate();
  // Ends it without telling anyone.
  void End();

  bool open() const { return owner_ != nullptr; }
  const TextSpan& span() const { return span_; }
  TfClientId client() const { return client_; }

 private:
  ~Composition() override;
  HRESULT CheckWrite(TfEditCookie ec) const;
  // ShiftStart and ShiftEnd: one end moves to the same end of to.
  HRESULT MoveAnchor(TfEditCookie ec, TfAnchor which, ITfRange* to);

  ContextText* owner_;
  TextSpan span_;
  ComPtr<ITfCompositionSink> sink_;
  TfClientId client_;
};

}  // namespace platform
