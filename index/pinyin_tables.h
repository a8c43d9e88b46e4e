// Built-in spelling data for Chinese ideographs: one toneless reading per
// ideograph from U+4E00 to U+9FA5, in three spellings. The tables are
// generated from the Unicode Han database by tools/gen_pinyin_tables.py; see
// that script for how each reading is chosen and how tables 1 and 2 respell
// it.
#pragma once

#include <cstdint>

namespace vostarel {

// A syllable row: up to six units, zero padded to seven.
inline constexpr int kSyllableRowUnits = 7;
// Every syllable table has this many rows and the same row meaning, so one
// ideograph index serves all of them.
inline constexpr int kSyllableRowsPerTable = 410;
inline constexpr int kSyllableTableCount = 3;

inline constexpr char16_t kFirstIdeograph = u'\u4E00';
inline constexpr char16_t kLastIdeograph = u'\u9FA5';
inline constexpr int kIdeographCount = kLastIdeograph - kFirstIdeograph + 1;  // 20,902

// Three tables one after another, so row r of table t is row t * 410 + r
// from the start. Table 0 is toneless Hanyu Pinyin: row 0 is "*" (an
// ideograph without a known reading), rows 1..407 are the syllables in
// ascending order from "a" to "zuo" (u-umlaut written as "v"), row 408 is "#"
// and row 409 is empty. Table 1 spells the same rows in Wade-Giles without
// apostrophes ("zhang" -> "chang"), table 2 in pinyin with u-umlaut as "yu"
// ("lv" -> "lyu"). No row has more than six letters.
extern const char16_t SyllableTables[kSyllableTableCount][kSyllableRowsPerTable]
                                    [kSyllableRowUnits];
inline constexpr const auto& SyllableTable0 = SyllableTables[0];

// Row number in the syllable tables for each ideograph, in code-point order.
// Values run from 0 to 407.
extern const uint16_t IdeographIndex[kIdeographCount];

}  // namespace vostarel
