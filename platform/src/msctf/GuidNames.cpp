#include "msctf/GuidNames.h"

#include <cstdio>

namespace platform {
namespace {

struct NamedGuid {
  const GUID* guid;
  const char* name;
};

#define LUTEM_NAMED(g) {&g, #g}

const NamedGuid kNames[] = {
    LUTEM_NAMED(IID_IUnknown),
    LUTEM_NAMED(IID_ITfThreadMgr),
    LUTEM_NAMED(IID_ITfSource),
    LUTEM_NAMED(IID_ITfSourceSingle),
    LUTEM_NAMED(IID_ITfKeystrokeMgr),
    LUTEM_NAMED(IID_ITfKeyEventSink),
    LUTEM_NAMED(IID_ITfDocumentMgr),
    LUTEM_NAMED(IID_IEnumTfContexts),
    LUTEM_NAMED(IID_ITfContext),
    LUTEM_NAMED(IID_ITfEditSession),
    LUTEM_NAMED(IID_ITfEditRecord),
    LUTEM_NAMED(IID_ITfRange),
    LUTEM_NAMED(IID_ITfInsertAtSelection),
    LUTEM_NAMED(IID_ITfContextComposition),
    LUTEM_NAMED(IID_ITfComposition),
    LUTEM_NAMED(IID_ITfCompositionSink),
    LUTEM_NAMED(IID_ITfProperty),
    LUTEM_NAMED(IID_ITfReadOnlyProperty),
    LUTEM_NAMED(IID_IEnumTfRanges),
    LUTEM_NAMED(IID_ITfContextView),
    LUTEM_NAMED(IID_ITfTextLayoutSink),
    LUTEM_NAMED(IID_ITfTextEditSink),
    LUTEM_NAMED(IID_ITfThreadMgrEventSink),
    LUTEM_NAMED(IID_ITfThreadFocusSink),
    LUTEM_NAMED(IID_ITfCompartmentMgr),
    LUTEM_NAMED(IID_ITfCompartment),
    LUTEM_NAMED(IID_ITfCompartmentEventSink),
    LUTEM_NAMED(IID_ITfLangBarItemMgr),
    LUTEM_NAMED(IID_ITfLangBarItem),
    LUTEM_NAMED(IID_ITfLangBarItemButton),
    LUTEM_NAMED(IID_ITfLangBarItemSink),
    LUTEM_NAMED(IID_ITfMenu),
    LUTEM_NAMED(IID_ITfUIElementMgr),
    LUTEM_NAMED(IID_ITfUIElement),
    LUTEM_NAMED(IID_ITfCandidateListUIElement),
    LUTEM_NAMED(IID_ITfCandidateListUIElementBehavior),
    LUTEM_NAMED(IID_ITfIntegratableCandidateListUIElement),
    LUTEM_NAMED(IID_ITfTextInputProcessor),
    LUTEM_NAMED(IID_ITfTextInputProcessorEx),
    LUTEM_NAMED(IID_ITfActiveLanguageProfileNotifySink),
    LUTEM_NAMED(IID_ITfFunctionProvider),
    LUTEM_NAMED(IID_ITfFunction),
    LUTEM_NAMED(IID_ITfFnSearchCandidateProvider),
    LUTEM_NAMED(IID_ITfCandidateList),
    LUTEM_NAMED(IID_ITfCandidateString),
    LUTEM_NAMED(IID_IEnumTfCandidates),
    LUTEM_NAMED(IID_ITfDisplayAttributeProvider),
    LUTEM_NAMED(IID_ITfDisplayAttributeInfo),
    LUTEM_NAMED(IID_IEnumTfDisplayAttributeInfo),
    LUTEM_NAMED(CLSID_TF_ThreadMgr),
    LUTEM_NAMED(CLSID_TF_InputProcessorProfiles),
    LUTEM_NAMED(CLSID_TF_CategoryMgr),
    LUTEM_NAMED(GUID_COMPARTMENT_KEYBOARD_OPENCLOSE),
    LUTEM_NAMED(GUID_COMPARTMENT_KEYBOARD_DISABLED),
    LUTEM_NAMED(GUID_COMPARTMENT_EMPTYCONTEXT),
    LUTEM_NAMED(GUID_COMPARTMENT_KEYBOARD_INPUTMODE_CONVERSION),
    LUTEM_NAMED(GUID_COMPARTMENT_KEYBOARD_INPUTMODE_SENTENCE),
    LUTEM_NAMED(GUID_PROP_COMPOSING),
    LUTEM_NAMED(GUID_PROP_LANGID),
    LUTEM_NAMED(GUID_PROP_ATTRIBUTE),
    LUTEM_NAMED(GUID_LBI_INPUTMODE),
};

}  // namespace

std::string GuidName(REFGUID guid) {
  for (const NamedGuid& named : kNames) {
    if (IsEqualGUID(*named.guid, guid)) return named.name;
  }
  char text[40];
  std::snprintf(text, sizeof text, "{%08x-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x}",
                static_cast<unsigned>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                guid.Data4[6], guid.Data4[7]);
  return text;
}

}  // namespace platform
