// The SIM phonebook's backing file, UTF-8:
//   first line:     the number of slots (total), a decimal number
//   then per used slot: slot index (from 1) TAB name TAB number
//
// What is read:
// - Line ends CR LF, LF or CR; a UTF-8 byte-order mark is skipped; blank
//   lines are skipped anywhere.
// - The first non-blank line gives the total. When it is not a decimal
//   number (blanks around it allowed) the phonebook is empty and nothing
//   else is read. A total above kMaxSimSlots is cut to kMaxSimSlots.
// - A slot line needs an index, a name field and a number field (two TABs).
//   The index must be a decimal number from 1 to the total (blanks around it
//   allowed); the first line for an index wins and later ones are skipped.
//   The number has blanks around it removed; the name is kept as written.
//   Name or number may be empty: a slot with a name and no number is still a
//   used slot, as on a real SIM. Fields after the number are ignored.
// - Lines that break these rules are skipped; they do not count as used.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vostarel::device {

// Real SIM phonebooks hold a few hundred entries; the cap keeps a garbage
// total from making readers walk or allocate billions of slots.
inline constexpr uint32_t kMaxSimSlots = 1000;

struct SimSlot {
  uint32_t Index = 0;  // from 1
  std::u16string Name;
  std::u16string Number;
};

struct SimPhonebook {
  uint32_t TotalSlots = 0;
  std::vector<SimSlot> Slots;  // the used slots, ascending by Index

  // The used slot with that index, or null.
  const SimSlot* Find(uint32_t index) const;
  uint32_t UsedSlots() const { return static_cast<uint32_t>(Slots.size()); }
};

SimPhonebook ParseSimFile(std::string_view fileBytes);

}  // namespace vostarel::device
