// Chinese surnames whose reading as a surname is not the one reading that
// IdeographIndex gives their ideographs: 单 is read "shan" as a surname but
// "dan" by the table, 长孙 "zhangsun" but "changsun". The table is generated
// by tools/gen_surname_readings.py from published surname dictionaries; see
// that script for the sources and what is kept.
#pragma once

#include <cstdint>
#include <span>

namespace vostarel {

// One ideograph and the syllable-table row of its reading as a surname.
struct SingleSurname {
  char16_t ideograph;
  uint16_t row;
};

// Two ideographs and the rows of their readings as a surname. Besides the
// compounds read differently from the table, this holds every compound whose
// first ideograph is also a single surname here, so that the single reading
// is never applied inside the compound.
struct CompoundSurname {
  char16_t first;
  char16_t second;
  uint16_t rows[2];
};

// Sorted by ideograph; compounds by first, then second ideograph.
extern const std::span<const SingleSurname> SingleSurnames;
extern const std::span<const CompoundSurname> CompoundSurnames;

// When `name` starts with a Chinese surname (one or two ideographs
// U+4E00..U+9FA5) whose reading as a surname differs from the reading
// IdeographIndex gives, returns the units it spans (1 or 2) and each unit's
// surname reading as a row of the syllable tables (so every spelling table
// applies: row of "shan" for 单; for 长孙 the rows of "zhang" and "sun");
// otherwise 0. A compound surname wins over a single one at the same start.
// Rows past the returned count are set to 0. Reads `name` no further than
// its terminator (a null name counts as empty).
int SurnameReadingRows(const char16_t* name, uint16_t (&rows)[2]);

}  // namespace vostarel
