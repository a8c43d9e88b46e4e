#include "contact_index.h"

#include "name_alternates.h"
#include "text.h"

namespace vostarel {

namespace {

// Label of each number kind, in slot order.
constexpr IndexText kLabelOfKind[] = {
    IndexText::Mobile,   IndexText::Home, IndexText::Home,  IndexText::Business,
    IndexText::Business, IndexText::Car,  IndexText::Radio, IndexText::Assistant,
};
static_assert(std::size(kLabelOfKind) == std::tuple_size_v<ContactNumbers>);

bool IsEmptyText(const char16_t* text) { return text == nullptr || text[0] == 0; }

// Fills the fields that every new entry starts with.
void StartEntry(ContactEntry& entry, int32_t entryId, const char16_t* displayName) {
  entry.EntryId = entryId;
  entry.SelectedNumber = kNoSelectedNumber;
  entry.NumberCount = 0;
  entry.CallCount = 0;
  entry.LogRecords = 0;
  CopyText(entry.DisplayName, displayName);
}

void AddNumber(ContactEntry& entry, const char16_t* label, const char16_t* number) {
  NumberSlot& slot = entry.Numbers[entry.NumberCount++];
  CopyText(slot.Label, label);
  CopyText(slot.Number, number);
  slot.National = NationalFormOf(slot.Number);
}

// Spells the entry's display name (its spelled forms and its alternate
// spellings), or nothing when `spellName` is false. A call-log entry's spelled
// forms end with "#".
void SpellEntry(const NameSpeller& speller, ContactEntry& entry, bool spellName,
                bool callLog = false) {
  const char16_t* name = spellName ? entry.DisplayName : u"";
  // Spell one unit short of the field so a call-log entry's "#" always fits.
  speller.SpellName(name, entry.SpelledName, kSpelledNameCapacity - (callLog ? 1 : 0),
                    entry.NameInitials, kNameInitialsCapacity);
  if (callLog) TextAppender::AtEnd(entry.SpelledName, kSpelledNameCapacity).Append(u'#');
  SpellAlternates(speller, name, callLog, entry.NameAlternates, kNameAlternatesCapacity);
}

// The display name of a SIM or call-log entry. The no-name text is only
// shown, never spelled: with a dictionary that spells Hangul it would make
// every unnamed entry match keys that have nothing to do with it.
const char16_t* NameOrNoName(const ContactIndex& index, const char16_t* name) {
  return IsEmptyText(name) ? index.Texts[IndexText::NoName] : name;
}

}  // namespace

void IndexTexts::Set(IndexText which, const char16_t* text) {
  CopyText(Text[static_cast<int>(which)], text);
}

void ContactIndex::ReleaseStores() {
  Results.Count = 0;
  AddressBook.Release();
  Sim.Release();
  CallLog.Release();
}

void AddContact(ContactIndex& index, int32_t contactId, const ContactNumbers& numbers,
                const char16_t* name) {
  bool hasNumber = false;
  for (const char16_t* number : numbers) hasNumber = hasNumber || !IsEmptyText(number);
  if (!hasNumber) return;

  ContactEntry* entry = index.AddressBook.Append();
  if (entry == nullptr) return;
  StartEntry(*entry, contactId, name);
  for (size_t kind = 0; kind < numbers.size(); ++kind) {
    if (!IsEmptyText(numbers[kind])) {
      AddNumber(*entry, index.Texts[kLabelOfKind[kind]], numbers[kind]);
    }
  }
  SpellEntry(index.Speller, *entry, true);
  index.AddressBook.Seal(*entry);
}

void AddSimEntry(ContactIndex& index, const char16_t* name, const char16_t* number) {
  ContactEntry* entry = index.Sim.Append();
  if (entry == nullptr) return;
  StartEntry(*entry, kSimEntryId, NameOrNoName(index, name));
  AddNumber(*entry, index.Texts[IndexText::Sim], number);
  SpellEntry(index.Speller, *entry, !IsEmptyText(name));
  index.Sim.Seal(*entry);
}

void AddCallLogEntry(ContactIndex& index, const char16_t* name, const char16_t* number) {
  // Compare the number as it would be stored, so that two records whose
  // numbers differ only past the stored length do not give two rows that
  // look the same.
  char16_t stored[kNumberCapacity];
  CopyText(stored, number);
  for (ContactEntry& existing : index.CallLog) {
    if (TextEquals(existing.Numbers[0].Number, stored)) {
      ++existing.LogRecords;
      index.CallLog.Seal(existing);  // what was counted from the store is stale
      return;
    }
  }

  ContactEntry* entry = index.CallLog.Append();
  if (entry == nullptr) return;
  StartEntry(*entry, kCallLogEntryId, NameOrNoName(index, name));
  entry->LogRecords = 1;
  AddNumber(*entry, index.Texts[IndexText::CallLog], stored);
  SpellEntry(index.Speller, *entry, !IsEmptyText(name), /*callLog=*/true);
  index.CallLog.Seal(*entry);
}

}  // namespace vostarel
