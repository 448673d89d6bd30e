// The TSF declarations the text service is written against, checked on both
// builds: here against our own headers, on Windows against mingw-w64's
// headers and libuuid (plus SdkAdditions.h). A method in the wrong slot, a
// wrong IID or a wrong constant would make the text service call one method
// while TSF meant another, and nothing else would notice.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Platform.h"

namespace {

// Itanium C++ ABI (GCC and Clang, on Linux and with mingw-w64): a pointer to
// a virtual member function holds 1 + the method's byte offset in the
// virtual table.
template <typename Method>
size_t SlotOf(Method method) {
  struct Representation {
    uintptr_t ptr;
    ptrdiff_t adj;
  };
  static_assert(sizeof(Method) == sizeof(Representation), "unexpected member pointer");
  Representation r;
  std::memcpy(&r, &method, sizeof r);
  return (r.ptr - 1) / sizeof(void*);
}

template <typename... Methods>
std::vector<size_t> Slots(Methods... methods) {
  return {SlotOf(methods)...};
}

std::vector<size_t> Consecutive(size_t first, size_t count) {
  std::vector<size_t> slots;
  for (size_t i = 0; i < count; ++i) slots.push_back(first + i);
  return slots;
}

std::string GuidText(const GUID& g) {
  char text[40];
  std::snprintf(text, sizeof text, "%08x-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x",
                static_cast<unsigned>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1],
                g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
  return text;
}

struct InterfaceCase {
  const char* name;
  const GUID* iid;
  const char* iidText;
  size_t firstSlot;  // slots before the interface's own: 3 for IUnknown's
  std::vector<size_t> slots;
};

#define M(I, name) &I::name

const std::vector<InterfaceCase>& Interfaces() {
  static const std::vector<InterfaceCase> cases = {
      {"ITfThreadMgr", &IID_ITfThreadMgr, "aa80e801-2021-11d2-93e0-0060b067b86e", 3,
       Slots(M(ITfThreadMgr, Activate), M(ITfThreadMgr, Deactivate),
             M(ITfThreadMgr, CreateDocumentMgr), M(ITfThreadMgr, EnumDocumentMgrs),
             M(ITfThreadMgr, GetFocus), M(ITfThreadMgr, SetFocus), M(ITfThreadMgr, AssociateFocus),
             M(ITfThreadMgr, IsThreadFocus), M(ITfThreadMgr, GetFunctionProvider),
             M(ITfThreadMgr, EnumFunctionProviders), M(ITfThreadMgr, GetGlobalCompartment))},
      {"ITfSource", &IID_ITfSource, "4ea48a35-60ae-446f-8fd6-e6a8d82459f7", 3,
       Slots(M(ITfSource, AdviseSink), M(ITfSource, UnadviseSink))},
      {"ITfSourceSingle", &IID_ITfSourceSingle, "73131f9c-56a9-49dd-b0ee-d046633f7528", 3,
       Slots(M(ITfSourceSingle, AdviseSingleSink), M(ITfSourceSingle, UnadviseSingleSink))},
      {"ITfKeystrokeMgr", &IID_ITfKeystrokeMgr, "aa80e7f0-2021-11d2-93e0-0060b067b86e", 3,
       Slots(M(ITfKeystrokeMgr, AdviseKeyEventSink), M(ITfKeystrokeMgr, UnadviseKeyEventSink),
             M(ITfKeystrokeMgr, GetForeground), M(ITfKeystrokeMgr, TestKeyDown),
             M(ITfKeystrokeMgr, TestKeyUp), M(ITfKeystrokeMgr, KeyDown), M(ITfKeystrokeMgr, KeyUp),
             M(ITfKeystrokeMgr, GetPreservedKey), M(ITfKeystrokeMgr, IsPreservedKey),
             M(ITfKeystrokeMgr, PreserveKey), M(ITfKeystrokeMgr, UnpreserveKey),
             M(ITfKeystrokeMgr, SetPreservedKeyDescription),
             M(ITfKeystrokeMgr, GetPreservedKeyDescription),
             M(ITfKeystrokeMgr, SimulatePreservedKey))},
      {"ITfKeyEventSink", &IID_ITfKeyEventSink, "aa80e7f5-2021-11d2-93e0-0060b067b86e", 3,
       Slots(M(ITfKeyEventSink, OnSetFocus), M(ITfKeyEventSink, OnTestKeyDown),
             M(ITfKeyEventSink, OnTestKeyUp), M(ITfKeyEventSink, OnKeyDown),
             M(ITfKeyEventSink, OnKeyUp), M(ITfKeyEventSink, OnPreservedKey))},
      {"ITfDocumentMgr", &IID_ITfDocumentMgr, "aa80e7f4-2021-11d2-93e0-0060b067b86e", 3,
       Slots(M(ITfDocumentMgr, CreateContext), M(ITfDocumentMgr, Push), M(ITfDocumentMgr, Pop),
             M(ITfDocumentMgr, GetTop), M(ITfDocumentMgr, GetBase),
             M(ITfDocumentMgr, EnumContexts))},
      {"IEnumTfContexts", &IID_IEnumTfContexts, "8f1a7ea6-1654-4502-a86e-b2902344d507", 3,
       Slots(M(IEnumTfContexts, Clone), M(IEnumTfContexts, Next), M(IEnumTfContexts, Reset),
             M(IEnumTfContexts, Skip))},
      {"ITfContext", &IID_ITfContext, "aa80e7fd-2021-11d2-93e0-0060b067b86e", 3,
       Slots(M(ITfContext, RequestEditSession), M(ITfContext, InWriteSession),
             M(ITfContext, GetSelection), M(ITfContext, SetSelection), M(ITfContext, GetStart),
             M(ITfContext, GetEnd), M(ITfContext, GetActiveView), M(ITfContext, EnumViews),
             M(ITfContext, GetStatus), M(ITfContext, GetProperty), M(ITfContext, GetAppProperty),
             M(ITfContext, TrackProperties), M(ITfContext, EnumProperties),
             M(ITfContext, GetDocumentMgr), M(ITfContext, CreateRangeBackup))},
      {"ITfEditSession", &IID_ITfEditSession, "aa80e803-2021-11d2-93e0-0060b067b86e", 3,
       Slots(M(ITfEditSession, DoEditSession))},
      {"ITfEditRecord", &IID_ITfEditRecord, "42d4d099-7c1a-4a89-b836-6c6f22160df0", 3,
       Slots(M(ITfEditRecord, GetSelectionStatus), M(ITfEditRecord, GetTextAndPropertyUpdates))},
      {"ITfRange", &IID_ITfRange, "aa80e7ff-2021-11d2-93e0-0060b067b86e", 3,
       Slots(M(ITfRange, GetText), M(ITfRange, SetText), M(ITfRange, GetFormattedText),
             M(ITfRange, GetEmbedded), M(ITfRange, InsertEmbedded), M(ITfRange, ShiftStart),
             M(ITfRange, ShiftEnd), M(ITfRange, ShiftStartToRange), M(ITfRange, ShiftEndToRange),
             M(ITfRange, ShiftStartRegion), M(ITfRange, ShiftEndRegion), M(ITfRange, IsEmpty),
             M(ITfRange, Collapse), M(ITfRange, IsEqualStart), M(ITfRange, IsEqualEnd),
             M(ITfRange, CompareStart), M(ITfRange, CompareEnd), M(ITfRange, AdjustForInsert),
             M(ITfRange, GetGravity), M(ITfRange, SetGravity), M(ITfRange, Clone),
             M(ITfRange, GetContext))},
      {"ITfInsertAtSelection", &IID_ITfInsertAtSelection, "55ce16ba-3014-41c1-9ceb-fade1446ac6c",
       3,
       Slots(M(ITfInsertAtSelection, InsertTextAtSelection),
             M(ITfInsertAtSelection, InsertEmbeddedAtSelection))},
      {"ITfContextComposition", &IID_ITfContextComposition,
       "d40c8aae-ac92-4fc7-9a11-0ee0e23aa39b", 3,
       Slots(M(ITfContextComposition, StartComposition),
             M(ITfContextComposition, EnumCompositions),
             M(ITfContextComposition, FindComposition), M(ITfContextComposition, TakeOwnership))},
      {"ITfComposition", &IID_ITfComposition, "20168d64-5a8f-4a5a-b7bd-cfa29f4d0fd9", 3,
       Slots(M(ITfComposition, GetRange), M(ITfComposition, ShiftStart),
             M(ITfComposition, ShiftEnd), M(ITfComposition, EndComposition))},
      {"ITfCompositionSink", &IID_ITfCompositionSink, "a781718c-579a-4b15-a280-32b8577acc5e", 3,
       Slots(M(ITfCompositionSink, OnCompositionTerminated))},
      {"ITfReadOnlyProperty", &IID_ITfReadOnlyProperty, "17d49a3d-f8b8-4b2f-b254-52319dd64c53",
       3,
       Slots(M(ITfReadOnlyProperty, GetType), M(ITfReadOnlyProperty, EnumRanges),
             M(ITfReadOnlyProperty, GetValue), M(ITfReadOnlyProperty, GetContext))},
      {"ITfProperty", &IID_ITfProperty, "e2449660-9542-11d2-bf46-00105a2799b5", 7,
       Slots(M(ITfProperty, FindRange), M(ITfProperty, SetValueStore), M(ITfProperty, SetValue),
             M(ITfProperty, Clear))},
      {"IEnumTfRanges", &IID_IEnumTfRanges, "f99d3f40-8e32-11d2-bf46-00105a2799b5", 3,
       Slots(M(IEnumTfRanges, Clone), M(IEnumTfRanges, Next), M(IEnumTfRanges, Reset),
             M(IEnumTfRanges, Skip))},
      {"ITfContextView", &IID_ITfContextView, "2433bf8e-0f9b-435c-ba2c-180611978c30", 3,
       Slots(M(ITfContextView, GetRangeFromPoint), M(ITfContextView, GetTextExt),
             M(ITfContextView, GetScreenExt), M(ITfContextView, GetWnd))},
      {"ITfTextLayoutSink", &IID_ITfTextLayoutSink, "2af2d06a-dd5b-4927-a0b4-54f19c91fade", 3,
       Slots(M(ITfTextLayoutSink, OnLayoutChange))},
      {"ITfTextEditSink", &IID_ITfTextEditSink, "8127d409-ccd3-4683-967a-b43d5b482bf7", 3,
       Slots(M(ITfTextEditSink, OnEndEdit))},
      {"ITfThreadMgrEventSink", &IID_ITfThreadMgrEventSink,
       "aa80e80e-2021-11d2-93e0-0060b067b86e", 3,
       Slots(M(ITfThreadMgrEventSink, OnInitDocumentMgr),
             M(ITfThreadMgrEventSink, OnUninitDocumentMgr), M(ITfThreadMgrEventSink, OnSetFocus),
             M(ITfThreadMgrEventSink, OnPushContext), M(ITfThreadMgrEventSink, OnPopContext))},
      {"ITfCompartmentMgr", &IID_ITfCompartmentMgr, "7dcf57ac-18ad-438b-824d-979bffb74b7c", 3,
       Slots(M(ITfCompartmentMgr, GetCompartment), M(ITfCompartmentMgr, ClearCompartment),
             M(ITfCompartmentMgr, EnumCompartments))},
      {"ITfCompartment", &IID_ITfCompartment, "bb08f7a9-607a-4384-8623-056892b64371", 3,
       Slots(M(ITfCompartment, SetValue), M(ITfCompartment, GetValue))},
      {"ITfCompartmentEventSink", &IID_ITfCompartmentEventSink,
       "743abd5f-f26d-48df-8cc5-238492419b64", 3, Slots(M(ITfCompartmentEventSink, OnChange))},
      {"ITfLangBarItemMgr", &IID_ITfLangBarItemMgr, "ba468c55-9956-4fb1-a59d-52a7dd7cc6aa", 3,
       Slots(M(ITfLangBarItemMgr, EnumItems), M(ITfLangBarItemMgr, GetItem),
             M(ITfLangBarItemMgr, AddItem), M(ITfLangBarItemMgr, RemoveItem),
             M(ITfLangBarItemMgr, AdviseItemSink), M(ITfLangBarItemMgr, UnadviseItemSink),
             M(ITfLangBarItemMgr, GetItemFloatingRect), M(ITfLangBarItemMgr, GetItemsStatus),
             M(ITfLangBarItemMgr, GetItemNum), M(ITfLangBarItemMgr, GetItems),
             M(ITfLangBarItemMgr, AdviseItemsSink), M(ITfLangBarItemMgr, UnadviseItemsSink))},
      {"ITfLangBarItem", &IID_ITfLangBarItem, "73540d69-edeb-4ee9-96c9-23aa30b25916", 3,
       Slots(M(ITfLangBarItem, GetInfo), M(ITfLangBarItem, GetStatus), M(ITfLangBarItem, Show),
             M(ITfLangBarItem, GetTooltipString))},
      {"ITfLangBarItemButton", &IID_ITfLangBarItemButton, "28c7f1d0-de25-11d2-afdd-00105a2799b5",
       7,
       Slots(M(ITfLangBarItemButton, OnClick), M(ITfLangBarItemButton, InitMenu),
             M(ITfLangBarItemButton, OnMenuSelect), M(ITfLangBarItemButton, GetIcon),
             M(ITfLangBarItemButton, GetText))},
      {"ITfLangBarItemSink", &IID_ITfLangBarItemSink, "57dbe1a0-de25-11d2-afdd-00105a2799b5", 3,
       Slots(M(ITfLangBarItemSink, OnUpdate))},
      {"ITfMenu", &IID_ITfMenu, "6f8a98e4-aaa0-4f15-8c5b-07e0df0a3dd8", 3,
       Slots(M(ITfMenu, AddMenuItem))},
      {"ITfUIElementMgr", &IID_ITfUIElementMgr, "ea1ea135-19df-11d7-a6d2-00065b84435c", 3,
       Slots(M(ITfUIElementMgr, BeginUIElement), M(ITfUIElementMgr, UpdateUIElement),
             M(ITfUIElementMgr, EndUIElement), M(ITfUIElementMgr, GetUIElement),
             M(ITfUIElementMgr, EnumUIElements))},
      {"ITfUIElement", &IID_ITfUIElement, "ea1ea137-19df-11d7-a6d2-00065b84435c", 3,
       Slots(M(ITfUIElement, GetDescription), M(ITfUIElement, GetGUID), M(ITfUIElement, Show),
             M(ITfUIElement, IsShown))},
      {"ITfCandidateListUIElement", &IID_ITfCandidateListUIElement,
       "ea1ea138-19df-11d7-a6d2-00065b84435c", 7,
       Slots(M(ITfCandidateListUIElement, GetUpdatedFlags),
             M(ITfCandidateListUIElement, GetDocumentMgr), M(ITfCandidateListUIElement, GetCount),
             M(ITfCandidateListUIElement, GetSelection), M(ITfCandidateListUIElement, GetString),
             M(ITfCandidateListUIElement, GetPageIndex),
             M(ITfCandidateListUIElement, SetPageIndex),
             M(ITfCandidateListUIElement, GetCurrentPage))},
      {"ITfCandidateListUIElementBehavior", &IID_ITfCandidateListUIElementBehavior,
       "85fad185-58ce-497a-9460-355366b64b9a", 15,
       Slots(M(ITfCandidateListUIElementBehavior, SetSelection),
             M(ITfCandidateListUIElementBehavior, Finalize),
             M(ITfCandidateListUIElementBehavior, Abort))},
      {"ITfIntegratableCandidateListUIElement", &IID_ITfIntegratableCandidateListUIElement,
       "c7a6f54f-b180-416f-b2bf-7bf2e4683d7b", 3,
       Slots(M(ITfIntegratableCandidateListUIElement, SetIntegrationStyle),
             M(ITfIntegratableCandidateListUIElement, GetSelectionStyle),
             M(ITfIntegratableCandidateListUIElement, OnKeyDown),
             M(ITfIntegratableCandidateListUIElement, ShowCandidateNumbers),
             M(ITfIntegratableCandidateListUIElement, FinalizeExactCompositionString))},
      {"ITfTextInputProcessor", &IID_ITfTextInputProcessor,
       "aa80e7f7-2021-11d2-93e0-0060b067b86e", 3,
       Slots(M(ITfTextInputProcessor, Activate), M(ITfTextInputProcessor, Deactivate))},
      {"ITfTextInputProcessorEx", &IID_ITfTextInputProcessorEx,
       "6e4e2102-f9cd-433d-b496-303ce03a6507", 5, Slots(M(ITfTextInputProcessorEx, ActivateEx))},
      {"ITfActiveLanguageProfileNotifySink", &IID_ITfActiveLanguageProfileNotifySink,
       "b246cb75-a93e-4652-bf8c-b3fe0cfd7e57", 3,
       Slots(M(ITfActiveLanguageProfileNotifySink, OnActivated))},
      {"ITfThreadFocusSink", &IID_ITfThreadFocusSink, "c0f1db0c-3a20-405c-a303-96b6010a885f", 3,
       Slots(M(ITfThreadFocusSink, OnSetThreadFocus), M(ITfThreadFocusSink, OnKillThreadFocus))},
      {"ITfFunctionProvider", &IID_ITfFunctionProvider, "101d6610-0990-11d3-8df0-00105a2799b5", 3,
       Slots(M(ITfFunctionProvider, GetType), M(ITfFunctionProvider, GetDescription),
             M(ITfFunctionProvider, GetFunction))},
      {"ITfFunction", &IID_ITfFunction, "db593490-098f-11d3-8df0-00105a2799b5", 3,
       Slots(M(ITfFunction, GetDisplayName))},
      {"ITfFnSearchCandidateProvider", &IID_ITfFnSearchCandidateProvider,
       "87a2ad8f-f27b-4920-8501-67602280175d", 4,
       Slots(M(ITfFnSearchCandidateProvider, GetSearchCandidates),
             M(ITfFnSearchCandidateProvider, SetResult))},
      {"ITfCandidateList", &IID_ITfCandidateList, "a3ad50fb-9bdb-49e3-a843-6c76520fbf5d", 3,
       Slots(M(ITfCandidateList, EnumCandidates), M(ITfCandidateList, GetCandidate),
             M(ITfCandidateList, GetCandidateNum), M(ITfCandidateList, SetResult))},
      {"ITfCandidateString", &IID_ITfCandidateString, "581f317e-fd9d-443f-b972-ed00467c5d40", 3,
       Slots(M(ITfCandidateString, GetString), M(ITfCandidateString, GetIndex))},
      {"IEnumTfCandidates", &IID_IEnumTfCandidates, "defb1926-6c80-4ce8-87d4-d6b72b812bde", 3,
       Slots(M(IEnumTfCandidates, Clone), M(IEnumTfCandidates, Next), M(IEnumTfCandidates, Reset),
             M(IEnumTfCandidates, Skip))},
      {"ITfDisplayAttributeProvider", &IID_ITfDisplayAttributeProvider,
       "fee47777-163c-4769-996a-6e9c50ad8f54", 3,
       Slots(M(ITfDisplayAttributeProvider, EnumDisplayAttributeInfo),
             M(ITfDisplayAttributeProvider, GetDisplayAttributeInfo))},
      {"ITfDisplayAttributeInfo", &IID_ITfDisplayAttributeInfo,
       "70528852-2f26-4aea-8c96-215150578932", 3,
       Slots(M(ITfDisplayAttributeInfo, GetGUID), M(ITfDisplayAttributeInfo, GetDescription),
             M(ITfDisplayAttributeInfo, GetAttributeInfo),
             M(ITfDisplayAttributeInfo, SetAttributeInfo), M(ITfDisplayAttributeInfo, Reset))},
      {"IEnumTfDisplayAttributeInfo", &IID_IEnumTfDisplayAttributeInfo,
       "7cef04d7-cb75-4e80-a7ab-5f5bc7d332de", 3,
       Slots(M(IEnumTfDisplayAttributeInfo, Clone), M(IEnumTfDisplayAttributeInfo, Next),
             M(IEnumTfDisplayAttributeInfo, Reset), M(IEnumTfDisplayAttributeInfo, Skip))},
      {"ITfInputProcessorProfiles", &IID_ITfInputProcessorProfiles,
       "1f02b6c5-7842-4ee6-8a0b-9a24183a95ca", 3,
       Slots(M(ITfInputProcessorProfiles, Register), M(ITfInputProcessorProfiles, Unregister),
             M(ITfInputProcessorProfiles, AddLanguageProfile),
             M(ITfInputProcessorProfiles, RemoveLanguageProfile),
             M(ITfInputProcessorProfiles, EnumInputProcessorInfo),
             M(ITfInputProcessorProfiles, GetDefaultLanguageProfile),
             M(ITfInputProcessorProfiles, SetDefaultLanguageProfile),
             M(ITfInputProcessorProfiles, ActivateLanguageProfile),
             M(ITfInputProcessorProfiles, GetActiveLanguageProfile),
             M(ITfInputProcessorProfiles, GetLanguageProfileDescription),
             M(ITfInputProcessorProfiles, GetCurrentLanguage),
             M(ITfInputProcessorProfiles, ChangeCurrentLanguage),
             M(ITfInputProcessorProfiles, GetLanguageList),
             M(ITfInputProcessorProfiles, EnumLanguageProfiles),
             M(ITfInputProcessorProfiles, EnableLanguageProfile),
             M(ITfInputProcessorProfiles, IsEnabledLanguageProfile),
             M(ITfInputProcessorProfiles, EnableLanguageProfileByDefault),
             M(ITfInputProcessorProfiles, SubstituteKeyboardLayout))},
      {"ITfInputProcessorProfileMgr", &IID_ITfInputProcessorProfileMgr,
       "71c6e74c-0f28-11d8-a82a-00065b84435c", 3,
       Slots(M(ITfInputProcessorProfileMgr, ActivateProfile),
             M(ITfInputProcessorProfileMgr, DeactivateProfile),
             M(ITfInputProcessorProfileMgr, GetProfile),
             M(ITfInputProcessorProfileMgr, EnumProfiles),
             M(ITfInputProcessorProfileMgr, ReleaseInputProcessor),
             M(ITfInputProcessorProfileMgr, RegisterProfile),
             M(ITfInputProcessorProfileMgr, UnregisterProfile),
             M(ITfInputProcessorProfileMgr, GetActiveProfile))},
      {"ITfCategoryMgr", &IID_ITfCategoryMgr, "c3acefb5-f69d-4905-938f-fcadcf4be830", 3,
       Slots(M(ITfCategoryMgr, RegisterCategory), M(ITfCategoryMgr, UnregisterCategory),
             M(ITfCategoryMgr, EnumCategoriesInItem), M(ITfCategoryMgr, EnumItemsInCategory),
             M(ITfCategoryMgr, FindClosestCategory), M(ITfCategoryMgr, RegisterGUIDDescription),
             M(ITfCategoryMgr, UnregisterGUIDDescription), M(ITfCategoryMgr, GetGUIDDescription),
             M(ITfCategoryMgr, RegisterGUIDDWORD), M(ITfCategoryMgr, UnregisterGUIDDWORD),
             M(ITfCategoryMgr, GetGUIDDWORD), M(ITfCategoryMgr, RegisterGUID),
             M(ITfCategoryMgr, GetGUID), M(ITfCategoryMgr, IsEqualTfGuidAtom))},
  };
  return cases;
}

TEST(TsfDeclarationsTest, EveryInterfaceHasItsIidAndSlotOrder) {
  for (const InterfaceCase& c : Interfaces()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(GuidText(*c.iid), c.iidText);
    EXPECT_EQ(c.slots, Consecutive(c.firstSlot, c.slots.size()));
  }
}

TEST(TsfDeclarationsTest, WellKnownGuids) {
  struct GuidCase {
    const char* name;
    const GUID* guid;
    const char* text;
  };
  const GuidCase cases[] = {
      {"CLSID_TF_ThreadMgr", &CLSID_TF_ThreadMgr, "529a9e6b-6587-4f23-ab9e-9c7d683e3c50"},
      {"CLSID_TF_InputProcessorProfiles", &CLSID_TF_InputProcessorProfiles,
       "33c53a50-f456-4884-b049-85fd643ecfed"},
      {"CLSID_TF_CategoryMgr", &CLSID_TF_CategoryMgr, "a4b544a1-438d-4b41-9325-869523e2d6c7"},
      {"GUID_COMPARTMENT_KEYBOARD_OPENCLOSE", &GUID_COMPARTMENT_KEYBOARD_OPENCLOSE,
       "58273aad-01bb-4164-95c6-755ba0b5162d"},
      {"GUID_COMPARTMENT_KEYBOARD_DISABLED", &GUID_COMPARTMENT_KEYBOARD_DISABLED,
       "71a5b253-1951-466b-9fbc-9c8808fa84f2"},
      {"GUID_COMPARTMENT_EMPTYCONTEXT", &GUID_COMPARTMENT_EMPTYCONTEXT,
       "d7487dbf-804e-41c5-894d-ad96fd4eea13"},
      {"GUID_COMPARTMENT_KEYBOARD_INPUTMODE_CONVERSION",
       &GUID_COMPARTMENT_KEYBOARD_INPUTMODE_CONVERSION, "ccf05dd8-4a87-11d7-a6e2-00065b84435c"},
      {"GUID_PROP_COMPOSING", &GUID_PROP_COMPOSING, "e12ac060-af15-11d2-afc5-00105a2799b5"},
      {"GUID_PROP_LANGID", &GUID_PROP_LANGID, "3280ce20-8032-11d2-b603-00105a2799b5"},
      {"GUID_PROP_ATTRIBUTE", &GUID_PROP_ATTRIBUTE, "34b45670-7526-11d2-a147-00105a2799b5"},
      {"GUID_TFCAT_TIP_KEYBOARD", &GUID_TFCAT_TIP_KEYBOARD,
       "34745c63-b2f0-4784-8b67-5e12c8701a31"},
      {"GUID_TFCAT_DISPLAYATTRIBUTEPROVIDER", &GUID_TFCAT_DISPLAYATTRIBUTEPROVIDER,
       "046b8c80-1647-40f7-9b21-b93b81aabc1b"},
      {"GUID_TFCAT_TIPCAP_UIELEMENTENABLED", &GUID_TFCAT_TIPCAP_UIELEMENTENABLED,
       "49d2f9cf-1f5e-11d7-a6d3-00065b84435c"},
      {"GUID_TFCAT_TIPCAP_SECUREMODE", &GUID_TFCAT_TIPCAP_SECUREMODE,
       "49d2f9ce-1f5e-11d7-a6d3-00065b84435c"},
      {"GUID_TFCAT_TIPCAP_COMLESS", &GUID_TFCAT_TIPCAP_COMLESS,
       "364215d9-75bc-11d7-a6ef-00065b84435c"},
      {"GUID_TFCAT_TIPCAP_INPUTMODECOMPARTMENT", &GUID_TFCAT_TIPCAP_INPUTMODECOMPARTMENT,
       "ccf05dd7-4a87-11d7-a6e2-00065b84435c"},
      {"GUID_TFCAT_TIPCAP_IMMERSIVESUPPORT", &GUID_TFCAT_TIPCAP_IMMERSIVESUPPORT,
       "13a016df-560b-46cd-947a-4c3af1e0e35d"},
      {"GUID_TFCAT_TIPCAP_SYSTRAYSUPPORT", &GUID_TFCAT_TIPCAP_SYSTRAYSUPPORT,
       "25504fb4-7bab-4bc1-9c69-cf81890f0ef5"},
      {"GUID_LBI_INPUTMODE", &GUID_LBI_INPUTMODE, "2c77a81e-41cc-4178-a3a7-5f8a987568e6"},
      {"GUID_INTEGRATIONSTYLE_SEARCHBOX", &GUID_INTEGRATIONSTYLE_SEARCHBOX,
       "e6d1bd11-82f7-4903-ae21-1a6397cde2eb"},
  };
  for (const GuidCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(GuidText(*c.guid), c.text);
  }
}

TEST(TsfDeclarationsTest, ConstantsAndRecordLayouts) {
  EXPECT_EQ(TF_E_SYNCHRONOUS, static_cast<HRESULT>(0x80040208));
  EXPECT_EQ(TS_E_READONLY, static_cast<HRESULT>(0x80040209));
  EXPECT_EQ(TF_S_ASYNC, static_cast<HRESULT>(0x00040300));
  EXPECT_EQ(TF_E_NOLOCK, static_cast<HRESULT>(0x80040201));
  EXPECT_EQ(TF_INVALID_COOKIE, 0xffffffffu);
  EXPECT_EQ(TF_DEFAULT_SELECTION, 0xffffffffu);
  EXPECT_EQ(TF_ES_ASYNCDONTCARE | TF_ES_READWRITE, 6);
  EXPECT_EQ(TF_ES_SYNC | TF_ES_READWRITE, 7);
  EXPECT_EQ(TF_ES_ASYNC, 8);
  EXPECT_EQ(TF_IAS_QUERYONLY, 2);
  EXPECT_EQ(TF_MOD_IGNORE_ALL_MODIFIER, 0x400);
  EXPECT_EQ(TF_TMAE_SECUREMODE, 2);
  EXPECT_EQ(TF_CONVERSIONMODE_NATIVE, 1);
  EXPECT_EQ(TF_LBI_STYLE_BTN_MENU, 0x20000);
  EXPECT_EQ(TF_LBI_STYLE_BTN_BUTTON | TF_LBI_STYLE_SHOWNINTRAY, 0x10002);
  EXPECT_EQ(TF_LBI_STYLE_SHOWNINTRAY, 2);
  EXPECT_EQ(TF_LBI_ICON | TF_LBI_STATUS, 0x10001);
  EXPECT_EQ(TF_LBI_STATUS_HIDDEN, 1);
  EXPECT_EQ(TF_LBI_STATUS_DISABLED, 2);
  EXPECT_EQ(CONNECT_E_NOCONNECTION, static_cast<HRESULT>(0x80040200));
  EXPECT_EQ(CONNECT_E_ADVISELIMIT, static_cast<HRESULT>(0x80040201));
  EXPECT_EQ(CONNECT_E_CANNOTCONNECT, static_cast<HRESULT>(0x80040202));
  EXPECT_EQ(TF_CLUIE_COUNT | TF_CLUIE_SELECTION | TF_CLUIE_STRING | TF_CLUIE_PAGEINDEX |
                TF_CLUIE_CURRENTPAGE,
            0x3E);
  EXPECT_EQ(TF_LC_CHANGE, 1);
  EXPECT_EQ(TF_LC_DESTROY, 2);
  EXPECT_EQ(TF_ANCHOR_END, 1);
  EXPECT_EQ(TF_AE_NONE, 0);
  EXPECT_EQ(TF_LS_SQUIGGLE, 4);
  EXPECT_EQ(TF_CT_COLORREF, 2);
  EXPECT_EQ(TF_ATTR_INPUT, 0);
  EXPECT_EQ(STYLE_ACTIVE_SELECTION, 0);
  EXPECT_EQ(CAND_CANCELED, 2);

  EXPECT_EQ(sizeof(TF_PRESERVEDKEY), 8u);
  EXPECT_EQ(sizeof(TF_LANGBARITEMINFO), 104u);
  EXPECT_EQ(offsetof(TF_LANGBARITEMINFO, szDescription), 40u);
  EXPECT_EQ(sizeof(TF_SELECTION), 16u);
  EXPECT_EQ(sizeof(TF_DISPLAYATTRIBUTE), 36u);
  EXPECT_EQ(TF_PROFILETYPE_INPUTPROCESSOR, 1);
  EXPECT_EQ(sizeof(TF_LANGUAGEPROFILE), 56u);
  EXPECT_EQ(sizeof(TF_INPUTPROCESSORPROFILE), 88u);
}

}  // namespace
