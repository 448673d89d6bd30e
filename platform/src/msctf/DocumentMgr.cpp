#include "msctf/DocumentMgr.h"

#include <algorithm>

#include "common/FailureSwitch.h"
#include "msctf/Context.h"
#include "msctf/ContextEnum.h"
#include "msctf/ThreadMgr.h"

namespace platform {
namespace {

enum ThreadMgrEvent { kInit, kUninit, kPush, kPop };
const size_t kMaxStack = 2;

}  // namespace

DocumentMgr::DocumentMgr(ThreadMgr* threadMgr) : threadMgr_(threadMgr) {
  if (threadMgr_) threadMgr_->AddDocumentMgr(this);
}

DocumentMgr::~DocumentMgr() {
  stack_.clear();
  for (Context* context : made_) context->ForgetDocumentMgr();
  if (threadMgr_) threadMgr_->ForgetDocumentMgr(this);
}

DocumentMgr* DocumentMgr::From(ITfDocumentMgr* documentMgr) {
  return dynamic_cast<DocumentMgr*>(documentMgr);
}

HRESULT DocumentMgr::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  bool known = IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ITfDocumentMgr);
  return Answer(known ? static_cast<ITfDocumentMgr*>(this) : nullptr, object);
}

HRESULT DocumentMgr::CreateContext(TfClientId tidOwner, DWORD dwFlags, IUnknown* punk,
                                   ITfContext** ppic, TfEditCookie* pecTextStore) {
  if (ppic == nullptr || pecTextStore == nullptr) return E_INVALIDARG;
  *ppic = nullptr;
  *pecTextStore = TF_INVALID_EDIT_COOKIE;
  if (ShouldFail("ITfDocumentMgr::CreateContext")) return E_FAIL;
  Context* context = new Context(this, tidOwner, punk);
  made_.push_back(context);
  *ppic = context;
  return S_OK;
}

HRESULT DocumentMgr::Push(ITfContext* pic) {
  Context* context = Context::From(pic);
  if (context == nullptr || context->documentMgr() != this) return E_INVALIDARG;
  if (ShouldFail("ITfDocumentMgr::Push")) return E_FAIL;
  if (stack_.size() >= kMaxStack) return TF_E_STACKFULL;
  if (std::any_of(stack_.begin(), stack_.end(),
                  [&](const ComPtr<Context>& c) { return c.get() == context; })) {
    return E_INVALIDARG;
  }
  // The sinks may release this manager; it stays until the notices are out.
  ComPtr<ITfDocumentMgr> keep(this);
  stack_.push_back(ComPtr<Context>(context));
  if (stack_.size() == 1) NotifyThreadMgr(kInit, nullptr);
  NotifyThreadMgr(kPush, pic);
  return S_OK;
}

HRESULT DocumentMgr::Pop(DWORD dwFlags) {
  if (stack_.empty()) return E_FAIL;
  ComPtr<ITfDocumentMgr> keep(this);
  do {
    ComPtr<Context> popped = stack_.back();
    stack_.pop_back();
    NotifyThreadMgr(kPop, popped.get());
    popped->text().Popped();
  } while ((dwFlags & TF_POPF_ALL) && !stack_.empty());
  if (stack_.empty()) NotifyThreadMgr(kUninit, nullptr);
  return S_OK;
}

HRESULT DocumentMgr::GetTop(ITfContext** ppic) {
  if (ppic == nullptr) return E_INVALIDARG;
  *ppic = nullptr;
  if (ShouldFail("ITfDocumentMgr::GetTop")) return E_FAIL;
  HandOut(static_cast<ITfContext*>(Top()), ppic);
  return S_OK;
}

HRESULT DocumentMgr::GetBase(ITfContext** ppic) {
  if (ppic == nullptr) return E_INVALIDARG;
  HandOut(static_cast<ITfContext*>(stack_.empty() ? nullptr : stack_.front().get()), ppic);
  return S_OK;
}

HRESULT DocumentMgr::EnumContexts(IEnumTfContexts** ppEnum) {
  if (ppEnum == nullptr) return E_INVALIDARG;
  *ppEnum = nullptr;
  if (ShouldFail("ITfDocumentMgr::EnumContexts")) return E_FAIL;
  std::vector<ComPtr<ITfContext>> contexts;
  for (const ComPtr<Context>& c : stack_) contexts.push_back(ComPtr<ITfContext>(c.get()));
  *ppEnum = new ContextEnum(std::move(contexts));
  return S_OK;
}

Context* DocumentMgr::Top() const { return stack_.empty() ? nullptr : stack_.back().get(); }

void DocumentMgr::ForgetContext(Context* context) {
  made_.erase(std::remove(made_.begin(), made_.end(), context), made_.end());
}

void DocumentMgr::NotifyThreadMgr(int event, ITfContext* context) {
  if (threadMgr_ == nullptr) return;
  ITfDocumentMgr* self = this;
  threadMgr_->sinks().Notify<ITfThreadMgrEventSink>(
      IID_ITfThreadMgrEventSink, [&](ITfThreadMgrEventSink* sink) {
        switch (event) {
          case kInit: sink->OnInitDocumentMgr(self); break;
          case kUninit: sink->OnUninitDocumentMgr(self); break;
          case kPush: sink->OnPushContext(context); break;
          case kPop: sink->OnPopContext(context); break;
        }
      });
}

}  // namespace platform
