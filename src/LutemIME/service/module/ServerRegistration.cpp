#include "service/module/ServerRegistration.h"

#include "service/module/DeleteRegistryTree.h"
#include "service/module/DllMain.h"
#include "service/module/GuidToRegistryText.h"
#include "service/module/TextServiceGuids.h"
#include "service/module/TipCategoryList.h"

namespace {

const LANGID kBengaliBangladesh = 0x0845;
const WCHAR kDescription[] = TEXT("Lutem Keyboard");
const WCHAR kThreadingModel[] = TEXT("Apartment");
const DWORD kModulePathSize = 260;

// "CLSID\{...}" below HKEY_CLASSES_ROOT.
struct ClassKeyText {
  WCHAR text[6 + 39];
  ClassKeyText() {
    const WCHAR prefix[] = TEXT("CLSID\\");
    for (int i = 0; i < 6; ++i) text[i] = prefix[i];
    GuidToRegistryText(text + 6);
  }
};

// The module's full path. A path that does not fit the buffer would be
// written cut off, naming a file that does not exist: that fails instead.
bool ReadModulePath(WCHAR (&path)[kModulePathSize], DWORD& length) {
  length = GetModuleFileNameW(DllInstance, path, kModulePathSize);
  return length > 0 && length < kModulePathSize;
}

bool SetText(HKEY key, LPCWSTR name, const WCHAR* text, DWORD units) {
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                        units * sizeof(WCHAR)) == ERROR_SUCCESS;
}

bool RegisterClassKey(const ClassKeyText& classKey, const WCHAR* modulePath, DWORD pathLength) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, classKey.text, 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  HKEY server = nullptr;
  bool done = SetText(key, nullptr, kDescription, ARRAYSIZE(kDescription)) &&
              RegCreateKeyExW(key, TEXT("InProcServer32"), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_WRITE, nullptr, &server, nullptr) == ERROR_SUCCESS &&
              SetText(server, nullptr, modulePath, pathLength + 1) &&
              SetText(server, TEXT("ThreadingModel"), kThreadingModel, ARRAYSIZE(kThreadingModel));
  if (server != nullptr) RegCloseKey(server);
  RegCloseKey(key);
  return done;
}

// The same profile through the interface that TSF had before
// RegisterProfile existed.
HRESULT RegisterProfileTheOlderWay(ITfInputProcessorProfileMgr* manager, const WCHAR* modulePath,
                                   DWORD pathLength) {
  ITfInputProcessorProfiles* profiles = nullptr;
  if (FAILED(manager->QueryInterface(IID_ITfInputProcessorProfiles,
                                     reinterpret_cast<void**>(&profiles))) ||
      profiles == nullptr)
    return E_FAIL;
  HRESULT hr = profiles->Register(CLSID_TextService);
  if (hr == S_OK)
    hr = profiles->AddLanguageProfile(CLSID_TextService, kBengaliBangladesh, GUID_KeyboardProfile,
                                      kDescription, ARRAYSIZE(kDescription) - 1, modulePath,
                                      pathLength, 0);
  if (hr == S_OK)
    hr = profiles->EnableLanguageProfileByDefault(CLSID_TextService, kBengaliBangladesh,
                                                  GUID_KeyboardProfile, TRUE);
  profiles->Release();
  return hr;
}

bool RegisterProfile(const WCHAR* modulePath, DWORD pathLength) {
  ITfInputProcessorProfileMgr* manager = nullptr;
  if (FAILED(CoCreateInstance(CLSID_TF_InputProcessorProfiles, nullptr, CLSCTX_INPROC_SERVER,
                              IID_ITfInputProcessorProfileMgr,
                              reinterpret_cast<void**>(&manager))) ||
      manager == nullptr)
    return false;
  HRESULT hr = manager->RegisterProfile(CLSID_TextService, kBengaliBangladesh, GUID_KeyboardProfile,
                                        kDescription, ARRAYSIZE(kDescription) - 1, modulePath,
                                        pathLength, 0, nullptr, 0, TRUE, 0);
  // A TSF without it (Wine's) still registers profiles the older way.
  if (hr == E_NOTIMPL) hr = RegisterProfileTheOlderWay(manager, modulePath, pathLength);
  manager->Release();
  return hr == S_OK;
}

void UnregisterProfile() {
  ITfInputProcessorProfileMgr* manager = nullptr;
  if (FAILED(CoCreateInstance(CLSID_TF_InputProcessorProfiles, nullptr, CLSCTX_INPROC_SERVER,
                              IID_ITfInputProcessorProfileMgr,
                              reinterpret_cast<void**>(&manager))) ||
      manager == nullptr)
    return;
  if (manager->UnregisterProfile(CLSID_TextService, kBengaliBangladesh, GUID_KeyboardProfile, 0) ==
      E_NOTIMPL) {
    ITfInputProcessorProfiles* profiles = nullptr;
    if (SUCCEEDED(manager->QueryInterface(IID_ITfInputProcessorProfiles,
                                          reinterpret_cast<void**>(&profiles))) &&
        profiles != nullptr) {
      profiles->RemoveLanguageProfile(CLSID_TextService, kBengaliBangladesh, GUID_KeyboardProfile);
      profiles->Unregister(CLSID_TextService);
      profiles->Release();
    }
  }
  manager->Release();
}

// Every category must be registered: TSF treats a text service without the
// keyboard or display-attribute category as another kind of service.
bool RegisterCategories() {
  ITfCategoryMgr* categories = nullptr;
  if (FAILED(CoCreateInstance(CLSID_TF_CategoryMgr, nullptr, CLSCTX_INPROC_SERVER,
                              IID_ITfCategoryMgr, reinterpret_cast<void**>(&categories))) ||
      categories == nullptr)
    return false;
  bool done = true;
  for (int i = 0; i < kTipCategoryCount && done; ++i)
    done = categories->RegisterCategory(CLSID_TextService, TipCategoryList[i], CLSID_TextService) ==
           S_OK;
  categories->Release();
  return done;
}

}  // namespace

HRESULT RegisterServer() {
  ClassKeyText classKey;
  WCHAR modulePath[kModulePathSize];
  DWORD pathLength = 0;
  bool done = ReadModulePath(modulePath, pathLength) &&
              RegisterClassKey(classKey, modulePath, pathLength) &&
              RegisterProfile(modulePath, pathLength) && RegisterCategories();
  if (done) return S_OK;
  UnregisterServer();
  return E_FAIL;
}

HRESULT UnregisterServer() {
  UnregisterProfile();
  ITfCategoryMgr* categories = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_TF_CategoryMgr, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_ITfCategoryMgr, reinterpret_cast<void**>(&categories))) &&
      categories != nullptr) {
    for (int i = 0; i < kTipCategoryCount; ++i)
      categories->UnregisterCategory(CLSID_TextService, TipCategoryList[i], CLSID_TextService);
    categories->Release();
  }
  ClassKeyText classKey;
  DeleteRegistryTree(HKEY_CLASSES_ROOT, classKey.text);
  return S_OK;
}
