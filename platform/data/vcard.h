// The address book's backing file: vCard 3.0 or 4.0 cards in UTF-8.
//
// What is read:
// - Lines end in CR LF, LF or CR; a line starting with a space or TAB
//   continues the previous one (folding). A UTF-8 byte-order mark is skipped.
// - Property names and parameter names and values are case-insensitive;
//   groups ("item1.TEL") are allowed and ignored.
// - A card runs from BEGIN:VCARD to END:VCARD. A card whose END is missing
//   (the file ends, or the next BEGIN:VCARD comes first) is kept as if it had
//   ended there. Lines outside cards and lines that are not content lines are
//   skipped.
// - FN is the contact's FileAs (the first non-empty FN; empty without one).
// - TEL numbers, by their types (parameters TYPE=..., TYPE="a,b" or bare
//   2.1-style types), fill the eight number kinds:
//     CELL -> mobile; HOME -> home, then home 2; WORK -> business, then
//     business 2; CAR -> car; PAGER -> radio; X-ASSISTANT -> assistant.
//   A number with several types takes the first of CELL, CAR, PAGER,
//   X-ASSISTANT, WORK, HOME that it has. A FAX number is not read: fax
//   numbers are none of the eight kinds. A further number of a kind already
//   full is dropped. Numbers without any of these types are placed after all
//   typed numbers of the card, each into the first free kind in the order
//   mobile, home, home 2, business, business 2, car, radio, assistant, and
//   dropped when all are full.
//   A "tel:" URI value (VALUE=uri, or any value starting with "tel:") gives
//   the part after "tel:" up to its first ";" (URI parameters are dropped).
//   Empty numbers are not read.
// - UID gives the Oid when it is a decimal number from 1 to 2147483647.
//   Every other card (no UID, another kind of UID, or a number already taken
//   by an earlier card) gets its position in the file, counted from 1, as its
//   Oid; when that is taken by another card's UID it gets the lowest number
//   above the card count that is free. Oids are thus unique.
// - Text values have their escapes undone ("\,", "\;", "\\", "\n") and
//   leading and trailing blanks removed, and keep at most
//   kMaxVCardValueUnits UTF-16 units (never splitting a surrogate pair).
// Nothing in the input is fatal: the worst a file can do is yield no cards.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vostarel::device {

// The contact's eight numbers in the order the address-book reader reads
// them.
enum class NumberKind : uint8_t {
  Mobile,
  Home,
  Home2,
  Business,
  Business2,
  Car,
  Radio,
  Assistant,
};
inline constexpr size_t kNumberKindCount = 8;

// The platform's documented maximum length of a contact text property.
inline constexpr size_t kMaxVCardValueUnits = 1022;

struct VCardContact {
  int32_t Oid = 0;  // from 1
  std::u16string FileAs;
  // Indexed by NumberKind; an empty text means the contact has no such
  // number.
  std::array<std::u16string, kNumberKindCount> Numbers;

  const std::u16string& Number(NumberKind kind) const {
    return Numbers[static_cast<size_t>(kind)];
  }
};

// Every card of the file, in file order.
std::vector<VCardContact> ParseVCards(std::string_view fileBytes);

}  // namespace vostarel::device
