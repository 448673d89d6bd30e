// Text Services Framework basics (msctf.h's share of the SDK): the scalar
// types, flag values and result codes that every TSF interface uses, and
// forward declarations of the interfaces, which the other msctf headers
// declare by area. Values follow the Text Services Framework reference.
#pragma once

#include "platform/base/WinDef.h"
#include "platform/base/WinError.h"
#include "platform/base/WinGuid.h"
#include "platform/base/WinTypes.h"
#include "platform/ole32/Com.h"
#include "platform/oleaut32/Automation.h"

typedef DWORD TfClientId;
typedef DWORD TfEditCookie;
typedef DWORD TfGuidAtom;
#define TF_CLIENTID_NULL ((TfClientId)0)
#define TF_INVALID_COOKIE (0xffffffff)
#define TF_INVALID_EDIT_COOKIE ((TfEditCookie)0)
#define TF_INVALID_GUIDATOM ((TfGuidAtom)0)

struct TF_PRESERVEDKEY {
  UINT uVKey;
  UINT uModifiers;
};

#define TF_MOD_ALT 0x0001
#define TF_MOD_CONTROL 0x0002
#define TF_MOD_SHIFT 0x0004
#define TF_MOD_RALT 0x0008
#define TF_MOD_RCONTROL 0x0010
#define TF_MOD_RSHIFT 0x0020
#define TF_MOD_LALT 0x0040
#define TF_MOD_LCONTROL 0x0080
#define TF_MOD_LSHIFT 0x0100
#define TF_MOD_ON_KEYUP 0x0200
#define TF_MOD_IGNORE_ALL_MODIFIER 0x0400

// ITfThreadMgrEx::ActivateEx and ITfTextInputProcessorEx::ActivateEx flags.
#define TF_TMAE_NOACTIVATETIP 0x00000001
#define TF_TMAE_SECUREMODE 0x00000002
#define TF_TMAE_UIELEMENTENABLEDONLY 0x00000004
#define TF_TMAE_COMLESS 0x00000008
#define TF_TMAE_WOW16 0x00000010
#define TF_TMAE_NOACTIVATEKEYBOARDLAYOUT 0x00000020
#define TF_TMAE_CONSOLE 0x00000040

// Bits of the GUID_COMPARTMENT_KEYBOARD_INPUTMODE_CONVERSION compartment.
#define TF_CONVERSIONMODE_ALPHANUMERIC 0x0000
#define TF_CONVERSIONMODE_NATIVE 0x0001
#define TF_CONVERSIONMODE_KATAKANA 0x0002
#define TF_CONVERSIONMODE_FULLSHAPE 0x0008
#define TF_CONVERSIONMODE_ROMAN 0x0010
#define TF_CONVERSIONMODE_CHARCODE 0x0020
#define TF_CONVERSIONMODE_SOFTKEYBOARD 0x0080
#define TF_CONVERSIONMODE_NOCONVERSION 0x0100
#define TF_CONVERSIONMODE_EUDC 0x0200
#define TF_CONVERSIONMODE_SYMBOL 0x0400
#define TF_CONVERSIONMODE_FIXED 0x0800

// ITfContext::RequestEditSession flags.
#define TF_ES_ASYNCDONTCARE 0x0
#define TF_ES_SYNC 0x1
#define TF_ES_READ 0x2
#define TF_ES_READWRITE 0x6
#define TF_ES_ASYNC 0x8

// ITfInsertAtSelection::InsertTextAtSelection flags.
#define TF_IAS_NOQUERY 0x1
#define TF_IAS_QUERYONLY 0x2
#define TF_IAS_NO_DEFAULT_COMPOSITION 0x80000000

// ITfDocumentMgr::Pop flag.
#define TF_POPF_ALL 0x1

// TF_STATUS flags (the text store's TS_SD_* and TS_SS_* values).
#define TS_SD_READONLY 0x001
#define TS_SD_LOADING 0x002
#define TF_SD_READONLY TS_SD_READONLY
#define TF_SD_LOADING TS_SD_LOADING
#define TS_SS_DISJOINTSEL 0x001
#define TS_SS_REGIONS 0x002
#define TS_SS_TRANSITORY 0x004
#define TS_SS_NOHIDDENTEXT 0x008
#define TF_SS_DISJOINTSEL TS_SS_DISJOINTSEL
#define TF_SS_REGIONS TS_SS_REGIONS
#define TF_SS_TRANSITORY TS_SS_TRANSITORY

// ITfContext::GetSelection: the index of the default selection.
#define TF_DEFAULT_SELECTION ((ULONG)-1)

// ITfRange::GetText flags.
#define TF_TF_MOVESTART 0x1
#define TF_TF_IGNOREEND 0x2
// TF_HALTCOND flags.
#define TF_HF_OBJECT 1

// Result codes of the text framework and of text stores.
#define TS_E_INVALIDPOS ((HRESULT)0x80040200L)
#define TS_E_NOLOCK ((HRESULT)0x80040201L)
#define TS_E_NOOBJECT ((HRESULT)0x80040202L)
#define TS_E_NOSERVICE ((HRESULT)0x80040203L)
#define TS_E_NOINTERFACE ((HRESULT)0x80040204L)
#define TS_E_NOSELECTION ((HRESULT)0x80040205L)
#define TS_E_NOLAYOUT ((HRESULT)0x80040206L)
#define TS_E_INVALIDPOINT ((HRESULT)0x80040207L)
#define TS_E_SYNCHRONOUS ((HRESULT)0x80040208L)
#define TS_E_READONLY ((HRESULT)0x80040209L)
#define TS_E_FORMAT ((HRESULT)0x8004020aL)
#define TS_S_ASYNC ((HRESULT)0x00040300L)
#define TF_E_INVALIDPOS TS_E_INVALIDPOS
#define TF_E_NOLOCK TS_E_NOLOCK
#define TF_E_NOOBJECT TS_E_NOOBJECT
#define TF_E_NOSERVICE TS_E_NOSERVICE
#define TF_E_NOINTERFACE TS_E_NOINTERFACE
#define TF_E_NOSELECTION TS_E_NOSELECTION
#define TF_E_NOLAYOUT TS_E_NOLAYOUT
#define TF_E_INVALIDPOINT TS_E_INVALIDPOINT
#define TF_E_SYNCHRONOUS TS_E_SYNCHRONOUS
#define TF_E_READONLY TS_E_READONLY
#define TF_E_FORMAT TS_E_FORMAT
#define TF_S_ASYNC TS_S_ASYNC
#define TF_E_LOCKED ((HRESULT)0x80040500L)
#define TF_E_STACKFULL ((HRESULT)0x80040501L)
#define TF_E_NOTOWNEDRANGE ((HRESULT)0x80040502L)
#define TF_E_NOPROVIDER ((HRESULT)0x80040503L)
#define TF_E_DISCONNECTED ((HRESULT)0x80040504L)
#define TF_E_INVALIDVIEW ((HRESULT)0x80040505L)
#define TF_E_ALREADY_EXISTS ((HRESULT)0x80040506L)
#define TF_E_RANGE_NOT_COVERED ((HRESULT)0x80040507L)
#define TF_E_COMPOSITION_REJECTED ((HRESULT)0x80040508L)
#define TF_E_EMPTYCONTEXT ((HRESULT)0x80040509L)

enum TfAnchor { TF_ANCHOR_START = 0, TF_ANCHOR_END = 1 };
enum TfActiveSelEnd { TF_AE_NONE = 0, TF_AE_START = 1, TF_AE_END = 2 };
enum TfGravity { TF_GRAVITY_BACKWARD = 0, TF_GRAVITY_FORWARD = 1 };
enum TfShiftDir { TF_SD_BACKWARD = 0, TF_SD_FORWARD = 1 };
enum TfLayoutCode { TF_LC_CREATE = 0, TF_LC_CHANGE = 1, TF_LC_DESTROY = 2 };

struct TF_STATUS {
  DWORD dwDynamicFlags;
  DWORD dwStaticFlags;
};

// Interfaces of the framework, declared in the msctf/ headers by area.
struct ITfThreadMgr;
struct ITfSource;
struct ITfSourceSingle;
struct ITfKeystrokeMgr;
struct ITfKeyEventSink;
struct ITfDocumentMgr;
struct IEnumTfDocumentMgrs;
struct IEnumTfContexts;
struct ITfContext;
struct ITfEditSession;
struct ITfEditRecord;
struct ITfRange;
struct ITfInsertAtSelection;
struct ITfContextComposition;
struct ITfComposition;
struct ITfCompositionSink;
struct ITfProperty;
struct ITfReadOnlyProperty;
struct IEnumTfRanges;
struct ITfContextView;
struct ITfTextLayoutSink;
struct ITfTextEditSink;
struct ITfThreadMgrEventSink;
struct ITfThreadFocusSink;
struct ITfCompartmentMgr;
struct ITfCompartment;
struct ITfCompartmentEventSink;
struct ITfLangBarItemMgr;
struct ITfLangBarItem;
struct ITfLangBarItemButton;
struct ITfLangBarItemSink;
struct ITfMenu;
struct ITfUIElementMgr;
struct ITfUIElement;
struct ITfCandidateListUIElement;
struct ITfCandidateListUIElementBehavior;
struct ITfIntegratableCandidateListUIElement;
struct ITfTextInputProcessor;
struct ITfTextInputProcessorEx;
struct ITfActiveLanguageProfileNotifySink;
struct ITfFunctionProvider;
struct ITfFunction;
struct ITfFnSearchCandidateProvider;
struct ITfCandidateList;
struct ITfCandidateString;
struct IEnumTfCandidates;
struct ITfDisplayAttributeProvider;
struct ITfDisplayAttributeInfo;
struct IEnumTfDisplayAttributeInfo;
// Named in signatures only; nothing here implements or calls them.
struct IDataObject;
struct IEnumGUID;
struct IEnumTfFunctionProviders;
struct IEnumTfContextViews;
struct IEnumTfProperties;
struct IEnumTfLangBarItems;
struct IEnumTfUIElements;
struct IEnumITfCompositionView;
struct ITfCompositionView;
struct ITfPropertyStore;
struct ITfRangeBackup;

struct TF_SELECTIONSTYLE {
  TfActiveSelEnd ase;
  BOOL fInterimChar;
};

struct TF_SELECTION {
  ITfRange* range;
  TF_SELECTIONSTYLE style;
};

struct TF_HALTCOND {
  ITfRange* pHaltRange;
  TfAnchor aHaltPos;
  DWORD dwFlags;
};
