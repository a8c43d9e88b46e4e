// Module-wide state of pimstore.dll: its instance handle and the counts that
// decide whether it may be unloaded and that the test exports report.
#pragma once

#include <windows.h>

namespace vostarel::pimstore {

HINSTANCE ModuleInstance();

// Every address-book object counts itself in and out (dispatch_object.h).
void ObjectCreated();
void ObjectDestroyed();

// The class factory's references and IClassFactory::LockServer.
void LockModule();
void UnlockModule();

}  // namespace vostarel::pimstore
