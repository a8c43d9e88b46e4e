// Numbers written in international form ("+82 10-2345-6789") as they are
// dialled at home: the national significant number after the country calling
// code ("10 2345 6789"), and, where the country has one, the national prefix
// before it ("010 2345 6789"). Contacts synced from a computer very often
// carry the international form, while people type the national one.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vostarel {

struct NumberSlot;

// Where a slot's national forms come from, worked out once when the number is
// stored: the unit of the number where its national significant number
// starts (0: the number is not in international form) and the national prefix
// digits, zero padded.
inline constexpr int kNationalPrefixCapacity = 3;
// Plain data, so that entries stay trivially copyable.
struct NationalForm {
  uint8_t Start;
  char Prefix[kNationalPrefixCapacity];
};

// The national form of a stored number text: a "+" (after nothing but
// spaces), then a known calling code (digits, other units skipped), then the
// national significant number. A national prefix the number already writes
// in brackets right after the code ("+44 (0)20 ...") is skipped as well.
NationalForm NationalFormOf(const char16_t* number);

// Longest national text: the prefix and the number after its code.
inline constexpr size_t kNationalTextCapacity = 40;

// Writes the slot's national number with its prefix ("010 2345 6789") into
// `text`; returns the unit where the national significant number starts
// in it, or -1 (and an empty text) when the slot has no national form.
int NationalText(const NumberSlot& slot, char16_t (&text)[kNationalTextCapacity]);

// The typed digits fit the slot's number in its national form: from the
// start, with or without the national prefix; anywhere, at any run of its
// digits, the prefix's included.
bool MatchNationalForm(const NumberSlot& slot, const char16_t* typed, bool anywhere);

}  // namespace vostarel
