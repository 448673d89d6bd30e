#include "user32/ClassTable.h"

#include <algorithm>

#include "common/HostText.h"
#include "user32/AtomTable.h"
#include "user32/SystemClasses.h"

namespace platform {
namespace {

// The atom a class is known by; 0 when no class was ever registered under
// the name.
ATOM AtomOf(LPCWSTR nameOrAtom) {
  if (nameOrAtom == nullptr) return 0;
  if (IS_INTRESOURCE(nameOrAtom)) return static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(nameOrAtom));
  return AtomTable::Instance().Find(std::u16string_view(nameOrAtom, WideLength(nameOrAtom)));
}

}  // namespace

ClassTable& ClassTable::Instance() {
  static ClassTable* table = [] {
    auto* made = new ClassTable;  // classes outlive every module
    RegisterSystemClasses(*made);
    return made;
  }();
  return *table;
}

ATOM ClassTable::Register(const WNDCLASSW& registration) {
  if (registration.lpszClassName == nullptr || IS_INTRESOURCE(registration.lpszClassName) ||
      registration.lpszClassName[0] == 0 || registration.lpfnWndProc == nullptr ||
      registration.cbClsExtra < 0 || registration.cbWndExtra < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  ATOM atom = AtomTable::Instance().Add(
      std::u16string_view(registration.lpszClassName, WideLength(registration.lpszClassName)));
  if (atom == 0) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  std::lock_guard<std::mutex> hold(lock_);
  bool global = (registration.style & CS_GLOBALCLASS) != 0;
  for (const auto& existing : classes_) {
    if (existing->atom == atom &&
        (existing->instance == registration.hInstance || existing->IsGlobal() || global)) {
      SetLastError(ERROR_CLASS_ALREADY_EXISTS);
      return 0;
    }
  }
  classes_.push_back(std::make_shared<WindowClass>(registration, atom));
  return atom;
}

std::shared_ptr<WindowClass> ClassTable::FindLocked(ATOM atom, HINSTANCE instance) {
  if (atom == 0) return nullptr;
  for (const auto& c : classes_)
    if (c->atom == atom && c->instance == instance) return c;
  for (const auto& c : classes_)
    if (c->atom == atom && c->IsGlobal()) return c;
  return nullptr;
}

std::shared_ptr<WindowClass> ClassTable::Find(LPCWSTR nameOrAtom, HINSTANCE instance) {
  ATOM atom = AtomOf(nameOrAtom);
  std::lock_guard<std::mutex> hold(lock_);
  return FindLocked(atom, instance);
}

BOOL ClassTable::Unregister(LPCWSTR nameOrAtom, HINSTANCE instance) {
  ATOM atom = AtomOf(nameOrAtom);
  std::lock_guard<std::mutex> hold(lock_);
  std::shared_ptr<WindowClass> found = FindLocked(atom, instance);
  if (!found) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  if (found->windowCount > 0) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return FALSE;
  }
  classes_.erase(std::find(classes_.begin(), classes_.end(), found));
  return TRUE;
}

}  // namespace platform
