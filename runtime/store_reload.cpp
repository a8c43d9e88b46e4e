#include "dial_helper.h"
#include "store_loaders.h"

namespace vostarel {

void ReloadStores(DialHelper& helper) {
  helper.Index.Results.Count = 0;
  LoadAddressBook(helper);
  LoadSimPhonebook(helper);
  LoadCallLog(helper, false);
  CountCallsIfOrdered(helper);
}

void CountCallsIfOrdered(DialHelper& helper) {
  if (helper.Options.Order == ListOrder::CalledMostFirst) UpdateCallCounts(helper.Index);
}

}  // namespace vostarel
