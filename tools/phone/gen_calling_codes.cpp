// Prints, for every region the phone-number metadata knows, one line
//   REGION<TAB>CALLING_CODE<TAB>NATIONAL_PREFIX<TAB>MAIN
// where NATIONAL_PREFIX holds digits only (possibly none) and MAIN is 1 when
// the region is the one the metadata names first for its calling code. The
// lines are sorted by calling code, then region. tools/gen_calling_codes.py
// turns them into index/calling_codes.cpp; the library itself never links the
// metadata library.
#include <phonenumbers/phonenumberutil.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <tuple>
#include <vector>

int main() {
  using i18n::phonenumbers::PhoneNumberUtil;
  const PhoneNumberUtil* util = PhoneNumberUtil::GetInstance();

  std::set<std::string> regions;
  util->GetSupportedRegions(&regions);

  std::vector<std::tuple<int, std::string, std::string, bool>> rows;
  for (const std::string& region : regions) {
    const int code = util->GetCountryCodeForRegion(region);
    if (code <= 0) {
      std::fprintf(stderr, "gen_calling_codes: region %s has no calling code\n", region.c_str());
      return 1;
    }
    std::string prefix;
    util->GetNddPrefixForRegion(region, /*strip_non_digits=*/true, &prefix);
    std::string mainRegion;
    util->GetRegionCodeForCountryCode(code, &mainRegion);
    rows.emplace_back(code, region, prefix, mainRegion == region);
  }
  std::sort(rows.begin(), rows.end());
  for (const auto& [code, region, prefix, isMain] : rows) {
    std::printf("%s\t%d\t%s\t%d\n", region.c_str(), code, prefix.c_str(), isMain ? 1 : 0);
  }
  return 0;
}
