// A user's dictionary file of any bytes, as vostarel-dict --prepend reads
// it: either refused, or lines that each end in CR LF and hold no zero unit;
// put before the generated Hangul lines, they can change the spelling only
// of characters they name themselves.
#include <cstdlib>
#include <string>

#include "contact_entry.h"
#include "dictionary_file.h"
#include "hangul_spelling.h"
#include "name_speller.h"

namespace {

const std::u16string& GeneratedLines() {
  static const std::u16string lines = vostarel::dict::DictionaryLines(vostarel::dict::Scheme::Rr);
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vostarel;
  std::u16string lines;
  std::string error;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (!dict::DecodeUserLines(bytes, lines, error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  if (lines.find(u'\0') != std::u16string::npos) std::abort();
  for (size_t i = 0; i < lines.size(); ++i) {
    // Every CR is followed by LF and every LF preceded by CR.
    if (lines[i] == u'\r' && (i + 1 == lines.size() || lines[i + 1] != u'\n')) std::abort();
    if (lines[i] == u'\n' && (i == 0 || lines[i - 1] != u'\r')) std::abort();
  }
  if (!lines.empty() && lines.compare(lines.size() - 2, 2, u"\r\n") != 0) std::abort();

  const std::string file = dict::EncodeDictionaryFile(lines + GeneratedLines());
  NameSpeller speller;
  speller.LoadUserDictionaryBytes(file.data(), file.size());
  // A syllable the user's lines do not hold keeps its generated spelling:
  // nothing the user wrote runs on into the generated lines. The leading
  // units above "z" become line feeds when the library loads the text, so
  // the check skips syllables that the user's text names anywhere.
  for (char16_t syllable : {u'가', u'김', u'힣', u'이'}) {
    if (lines.find(syllable) != std::u16string::npos) continue;
    const char16_t name[] = {syllable, 0};
    char16_t full[kSpelledNameCapacity];
    char16_t initials[kNameInitialsCapacity];
    speller.SpellName(name, full, kSpelledNameCapacity, initials, kNameInitialsCapacity);
    const std::string want = dict::SpellSyllable(dict::Scheme::Rr, syllable);
    if (std::u16string(full) != std::u16string(want.begin(), want.end())) std::abort();
  }
  return 0;
}
