#include "vcard.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <unordered_set>

#include "text_lines.h"
#include "utf8.h"
#include "vcard_line.h"

namespace vostarel::device {
namespace {

constexpr uint32_t kMaxOid = 2147483647u;

// How a TEL property's types place its number.
enum class TelClass { NotRead, Mobile, Car, Radio, Assistant, Business, Home, Untyped };

struct TelNumber {
  std::u16string Text;
  TelClass Class;
};

// What one card has gathered until its END.
struct CardInProgress {
  std::u16string FileAs;
  std::vector<TelNumber> Numbers;
  std::optional<uint32_t> Uid;
};

std::vector<std::u16string> UnfoldLines(std::u16string_view text) {
  std::vector<std::u16string> logical;
  for (const std::u16string_view line : SplitLines(text)) {
    const bool continues = !line.empty() && (line[0] == u' ' || line[0] == u'\t');
    if (continues && !logical.empty()) {
      logical.back().append(line.substr(1));
    } else {
      logical.emplace_back(line);
    }
  }
  return logical;
}

// At most kMaxVCardValueUnits units, without a high surrogate left dangling
// at the cut.
std::u16string Limit(std::u16string_view text) {
  if (text.size() <= kMaxVCardValueUnits) return std::u16string(text);
  size_t keep = kMaxVCardValueUnits;
  if (text[keep - 1] >= 0xD800 && text[keep - 1] <= 0xDBFF) --keep;
  return std::u16string(text.substr(0, keep));
}

std::u16string TextValue(std::u16string_view value) {
  return Limit(TrimBlanks(UnescapeVCardText(value)));
}

// The number a TEL property carries; empty when it carries none.
std::u16string TelValue(const VCardProperty& property) {
  std::u16string_view value = TrimBlanks(property.Value);
  if (StartsWithAsciiNoCase(value, "tel:")) {
    value.remove_prefix(4);
    value = value.substr(0, value.find(u';'));
    return Limit(TrimBlanks(value));
  }
  if (property.UriValue) return std::u16string();  // a URI of another scheme
  return TextValue(value);
}

TelClass ClassifyTel(const std::vector<std::u16string>& types) {
  bool fax = false, cell = false, car = false, pager = false, assistant = false, work = false,
       home = false;
  for (const std::u16string& type : types) {
    fax |= EqualsAsciiNoCase(type, "FAX");
    cell |= EqualsAsciiNoCase(type, "CELL");
    car |= EqualsAsciiNoCase(type, "CAR");
    pager |= EqualsAsciiNoCase(type, "PAGER");
    assistant |= EqualsAsciiNoCase(type, "X-ASSISTANT");
    work |= EqualsAsciiNoCase(type, "WORK");
    home |= EqualsAsciiNoCase(type, "HOME");
  }
  if (fax) return TelClass::NotRead;
  if (cell) return TelClass::Mobile;
  if (car) return TelClass::Car;
  if (pager) return TelClass::Radio;
  if (assistant) return TelClass::Assistant;
  if (work) return TelClass::Business;
  if (home) return TelClass::Home;
  return TelClass::Untyped;
}

void Place(std::array<std::u16string, kNumberKindCount>& numbers,
           std::initializer_list<NumberKind> kinds, const std::u16string& text) {
  for (const NumberKind kind : kinds) {
    std::u16string& slot = numbers[static_cast<size_t>(kind)];
    if (slot.empty()) {
      slot = text;
      return;
    }
  }
}

std::array<std::u16string, kNumberKindCount> PlaceNumbers(const std::vector<TelNumber>& tels) {
  using K = NumberKind;
  std::array<std::u16string, kNumberKindCount> numbers;
  for (const TelNumber& tel : tels) {
    switch (tel.Class) {
      case TelClass::Mobile: Place(numbers, {K::Mobile}, tel.Text); break;
      case TelClass::Home: Place(numbers, {K::Home, K::Home2}, tel.Text); break;
      case TelClass::Business: Place(numbers, {K::Business, K::Business2}, tel.Text); break;
      case TelClass::Car: Place(numbers, {K::Car}, tel.Text); break;
      case TelClass::Radio: Place(numbers, {K::Radio}, tel.Text); break;
      case TelClass::Assistant: Place(numbers, {K::Assistant}, tel.Text); break;
      case TelClass::Untyped:
      case TelClass::NotRead: break;
    }
  }
  for (const TelNumber& tel : tels) {
    if (tel.Class != TelClass::Untyped) continue;
    Place(numbers,
          {K::Mobile, K::Home, K::Home2, K::Business, K::Business2, K::Car, K::Radio,
           K::Assistant},
          tel.Text);
  }
  return numbers;
}

void ReadProperty(const VCardProperty& property, CardInProgress* card) {
  if (EqualsAsciiNoCase(property.Name, "FN")) {
    if (card->FileAs.empty()) card->FileAs = TextValue(property.Value);
  } else if (EqualsAsciiNoCase(property.Name, "TEL")) {
    TelNumber tel{TelValue(property), ClassifyTel(property.Types)};
    if (!tel.Text.empty() && tel.Class != TelClass::NotRead) card->Numbers.push_back(std::move(tel));
  } else if (EqualsAsciiNoCase(property.Name, "UID")) {
    if (!card->Uid) {
      const std::optional<uint32_t> uid = ParseDecimal(TrimBlanks(property.Value), kMaxOid);
      if (uid && *uid > 0) card->Uid = uid;
    }
  }
}

// Gives every card its Oid: its own UID when usable and not yet taken,
// else its position, else the lowest free number above the card count.
void AssignOids(const std::vector<std::optional<uint32_t>>& uids,
                std::vector<VCardContact>* contacts) {
  std::unordered_set<uint32_t> taken;
  std::vector<bool> hasOwn(contacts->size(), false);
  for (size_t at = 0; at < contacts->size(); ++at) {
    if (uids[at] && taken.insert(*uids[at]).second) {
      (*contacts)[at].Oid = static_cast<int32_t>(*uids[at]);
      hasOwn[at] = true;
    }
  }
  uint64_t next = static_cast<uint64_t>(contacts->size()) + 1;
  for (size_t at = 0; at < contacts->size(); ++at) {
    if (hasOwn[at]) continue;
    uint64_t oid = at + 1;
    if (taken.count(static_cast<uint32_t>(oid)) != 0) {
      while (next <= kMaxOid && taken.count(static_cast<uint32_t>(next)) != 0) ++next;
      // More cards than positive 32-bit numbers cannot be held in memory;
      // the clamp only keeps the arithmetic defined.
      oid = next <= kMaxOid ? next++ : kMaxOid;
    }
    taken.insert(static_cast<uint32_t>(oid));
    (*contacts)[at].Oid = static_cast<int32_t>(oid);
  }
}

}  // namespace

std::vector<VCardContact> ParseVCards(std::string_view fileBytes) {
  const std::u16string text = DecodeUtf8(SkipUtf8Bom(fileBytes));
  std::vector<VCardContact> contacts;
  std::vector<std::optional<uint32_t>> uids;
  std::optional<CardInProgress> card;

  auto finishCard = [&]() {
    if (!card) return;
    VCardContact contact;
    contact.FileAs = std::move(card->FileAs);
    contact.Numbers = PlaceNumbers(card->Numbers);
    contacts.push_back(std::move(contact));
    uids.push_back(card->Uid);
    card.reset();
  };

  for (const std::u16string& line : UnfoldLines(text)) {
    VCardProperty property;
    if (!ParseVCardLine(line, &property)) continue;
    const bool isVCardValue = EqualsAsciiNoCase(TrimBlanks(property.Value), "VCARD");
    if (EqualsAsciiNoCase(property.Name, "BEGIN") && isVCardValue) {
      finishCard();  // a card without END ends where the next begins
      card.emplace();
    } else if (EqualsAsciiNoCase(property.Name, "END") && isVCardValue) {
      finishCard();
    } else if (card) {
      ReadProperty(property, &*card);
    }
  }
  finishCard();
  AssignOids(uids, &contacts);
  return contacts;
}

}  // namespace vostarel::device
