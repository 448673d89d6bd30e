// The Component Object Model's core: IUnknown, the class-factory protocol and
// CoCreateInstance. Interfaces are C++ classes of pure virtual functions in
// the SDK's slot order, so an object written against these declarations has
// the same virtual tables as one built with the real SDK.
#pragma once

#include "platform/base/WinError.h"
#include "platform/base/WinGuid.h"
#include "platform/base/WinTypes.h"

#define STDMETHODIMP HRESULT STDMETHODCALLTYPE
#define STDMETHODIMP_(type) type STDMETHODCALLTYPE
#define STDMETHOD(method) virtual HRESULT STDMETHODCALLTYPE method
#define STDMETHOD_(type, method) virtual type STDMETHODCALLTYPE method

struct IUnknown {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;

 protected:
  ~IUnknown() = default;
};
typedef IUnknown* LPUNKNOWN;

struct IClassFactory : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pUnkOuter, REFIID riid,
                                                   void** ppvObject) = 0;
  virtual HRESULT STDMETHODCALLTYPE LockServer(BOOL fLock) = 0;
};

inline constexpr IID IID_IUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID IID_IClassFactory = {
    0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

#define CLSCTX_INPROC_SERVER 0x1
#define CLSCTX_INPROC_HANDLER 0x2
#define CLSCTX_LOCAL_SERVER 0x4
#define CLSCTX_ALL (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER)

#define REGDB_E_CLASSNOTREG ((HRESULT)0x80040154L)
#define CO_E_DLLNOTFOUND ((HRESULT)0x800401F8L)
#define CO_E_ERRORINDLL ((HRESULT)0x800401F9L)
#define CONNECT_E_NOCONNECTION ((HRESULT)0x80040200L)
#define CONNECT_E_ADVISELIMIT ((HRESULT)0x80040201L)
#define CONNECT_E_CANNOTCONNECT ((HRESULT)0x80040202L)

// Creates an object of a class: one of the system's own (the TSF managers),
// or one of an in-process server registered under
// HKEY_CLASSES_ROOT\CLSID\{clsid}\InProcServer32, whose module is loaded
// with LoadLibraryW once and kept loaded until CoFreeUnusedLibraries finds
// that DllCanUnloadNow allows the unload. Apartments and threading models
// are not modelled. Errors as documented for CoCreateInstance:
// REGDB_E_CLASSNOTREG (no such class, or no in-process server for the
// context), CO_E_DLLNOTFOUND (the module does not load), CO_E_ERRORINDLL (it
// has no DllGetClassObject), otherwise what the class factory answers.
// Failure switch: "CoCreateInstance", qualified by the class's name
// (CLSID_TF_CategoryMgr ...) for the system's classes and by its registry
// text ({...}) for registered servers; E_OUTOFMEMORY.
HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext, REFIID riid,
                         LPVOID* ppv);
// Unloads every in-process server loaded by CoCreateInstance whose
// DllCanUnloadNow answers S_OK.
void CoFreeUnusedLibraries();

// What an in-process server exports.
typedef HRESULT(STDMETHODCALLTYPE* LPFNGETCLASSOBJECT)(REFCLSID, REFIID, LPVOID*);
typedef HRESULT(STDMETHODCALLTYPE* LPFNCANUNLOADNOW)();
STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv);
STDAPI DllCanUnloadNow();
STDAPI DllRegisterServer();
STDAPI DllUnregisterServer();
