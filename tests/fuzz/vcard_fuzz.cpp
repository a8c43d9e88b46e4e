// Any bytes as contacts.vcf. Every contact must come out with a positive,
// unique Oid and texts within the platform's length limit.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <unordered_set>

#include "vcard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vostarel::device;
  const std::vector<VCardContact> contacts =
      ParseVCards(std::string_view(reinterpret_cast<const char*>(data), size));
  std::unordered_set<int32_t> oids;
  for (const VCardContact& contact : contacts) {
    if (contact.Oid <= 0 || !oids.insert(contact.Oid).second) std::abort();
    if (contact.FileAs.size() > kMaxVCardValueUnits) std::abort();
    for (const std::u16string& number : contact.Numbers) {
      if (number.size() > kMaxVCardValueUnits) std::abort();
      if (number.find(u'\0') != std::u16string::npos) std::abort();
    }
  }
  return 0;
}
