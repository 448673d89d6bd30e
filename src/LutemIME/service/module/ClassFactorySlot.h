#pragma once

#include "Platform.h"

// The module's one class factory, made on first demand and deleted once the
// module's object count shows that nothing holds it. Every look at the slot
// that may hand the factory out or delete it holds DllLock: handing it out
// raises the count under the lock, and the deletion looks at the count again
// under the lock, so a factory handed out by one thread is never deleted by
// another that saw the count fall a moment before.

// DllGetClassObject: the factory (made if need be) as riid, with a reference,
// when it serves rclsid; CLASS_E_CLASSNOTAVAILABLE and *ppv = NULL otherwise.
HRESULT GetClassFactory(REFCLSID rclsid, REFIID riid, void** ppv);
// Deletes the factory when the object count is below zero.
void DeleteClassFactoryIfUnused();
// At unload: deletes whatever factory is left (one made for a request that
// was then refused is never handed out, so no count frees it).
void DeleteClassFactory();
