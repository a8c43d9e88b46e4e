#include "dial_helper.h"
#include "store_loaders.h"

namespace vostarel {

void ReloadStores(DialHelper& helper) {
  helper.Index.Results.Count = 0;
  LoadAddressBook(helper);
  LoadSimPhonebook(helper);
  LoadCallLog(helper, false);
}

}  // namespace vostarel
