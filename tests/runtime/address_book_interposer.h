// A class object for the address book's application class, registered in
// this process's multithreaded apartment for one scope. COM hands it out
// before the registered pimstore.dll, so a loader running in that apartment
// gets pimstore.dll's own objects through it, wrapped where a test needs the
// address book to fail in ways the stand-in cannot: creation refused, or
// the item collection's Item failing for one index. It also counts what the
// loader asked for and what it has not released.
#pragma once

#include <windows.h>

namespace vostarel::testing {

class AddressBookInterposer {
 public:
  struct Behaviour {
    bool FailCreation = false;  // CreateInstance refuses with E_OUTOFMEMORY
    int FailingItem = 0;        // Item(FailingItem) fails with E_FAIL; 0: none
  };

  explicit AddressBookInterposer(Behaviour behaviour);
  AddressBookInterposer(const AddressBookInterposer&) = delete;
  AddressBookInterposer& operator=(const AddressBookInterposer&) = delete;
  ~AddressBookInterposer();

  bool Registered() const { return cookie_ != 0; }
  // Application objects asked for through the class object.
  LONG Creations() const;
  // Item calls, failed ones included.
  LONG ItemCalls() const;
  // Wrapper objects handed out and not yet released.
  LONG LiveWrappers() const;

 private:
  HRESULT com_ = E_FAIL;
  DWORD cookie_ = 0;
};

}  // namespace vostarel::testing
