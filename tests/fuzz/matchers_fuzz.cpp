// A typed string and a text into every matcher and the text search. The
// "anywhere" matchers skip start positions that cannot fit; they must agree
// with trying every start literally.
#include <cstdlib>

#include "fuzz_input.h"
#include "matchers.h"

namespace {

using Matcher = bool (*)(const char16_t*, const char16_t*);

bool LiteralAnywhere(Matcher prefix, const char16_t* text, const char16_t* typed) {
  for (const char16_t* start = text; *start != 0; ++start) {
    if (prefix(start, typed)) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vostarel;
  fuzz::FuzzInput input(data, size);
  const std::u16string typed = input.Text(input.Byte() % 130);
  const std::u16string text = input.Text(input.Remaining());

  const bool numberAnywhere = MatchNumberAnywhere(text.c_str(), typed.c_str());
  const bool keypadAnywhere = MatchKeypadAnywhere(text.c_str(), typed.c_str());
  if (numberAnywhere != LiteralAnywhere(MatchNumberPrefix, text.c_str(), typed.c_str())) {
    std::abort();
  }
  if (keypadAnywhere != LiteralAnywhere(MatchKeypadPrefix, text.c_str(), typed.c_str())) {
    std::abort();
  }
  // A prefix match is a match anywhere, for a non-empty text.
  if (!text.empty() && MatchNumberPrefix(text.c_str(), typed.c_str()) && !numberAnywhere) {
    std::abort();
  }
  if (MatchKeypadPrefix(text.c_str(), typed.c_str()) && !text.empty() && !keypadAnywhere) {
    std::abort();
  }
  const ptrdiff_t at = FindTextIgnoringAsciiCase(text.c_str(), typed.c_str());
  if (at < -1 || (at >= 0 && static_cast<size_t>(at) + typed.size() > text.size())) std::abort();
  return 0;
}
