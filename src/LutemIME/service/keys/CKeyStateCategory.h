#pragma once

#include "Platform.h"
#include "service/keys/KeyHandlerArgs.h"

class LutemIME;

// The handlers of one key category: a key session makes the object for the
// key's category and calls the handler for its function. Every handler a
// category does not take answers E_NOTIMPL and changes nothing. The object
// is deleted through this base, hence the virtual destructor.
class CKeyStateCategory {
 public:
  explicit CKeyStateCategory(LutemIME* textService) : textService(textService) {}
  virtual ~CKeyStateCategory() = default;
  CKeyStateCategory(const CKeyStateCategory&) = delete;
  CKeyStateCategory& operator=(const CKeyStateCategory&) = delete;

  virtual HRESULT Input(const KeyHandlerArgs& args);
  virtual HRESULT Finalize(const KeyHandlerArgs& args);
  virtual HRESULT FinalizeCandidateThenInput(const KeyHandlerArgs& args);
  virtual HRESULT FinalizeCandidate(const KeyHandlerArgs& args);
  virtual HRESULT Convert(const KeyHandlerArgs& args);
  virtual HRESULT Cancel(const KeyHandlerArgs& args);
  virtual HRESULT Backspace(const KeyHandlerArgs& args);
  virtual HRESULT MoveSelection(const KeyHandlerArgs& args);
  virtual HRESULT SelectByNumber(const KeyHandlerArgs& args);

  // The handler for args.function; E_INVALIDARG for a function no handler
  // serves (0 among them: the layout-8 Shift repeated).
  HRESULT Dispatch(const KeyHandlerArgs& args);

 protected:
  LutemIME* textService;  // not owned
};
