// What vostarel-search lists: the entries a filter pass matches, each with
// the store it lives in and its place there, and the row commands' lasting
// change to an entry (a used number moved to the front) replayed beforehand.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "contact_index.h"
#include "filter.h"

namespace vostarel::cli {

enum class StoreName { Book, Sim, Log };

// "book", "sim", "log".
const char* StoreWord(StoreName store);

// A number moved to the front of an entry: STORE:INDEX:SLOT, INDEX from 0
// in the store, SLOT the slot exchanged with slot 0.
struct FrontMove {
  StoreName Store = StoreName::Book;
  uint32_t Index = 0;
  uint32_t Slot = 0;
};

// Reads STORE:INDEX:SLOT; nothing when it is not that.
std::optional<FrontMove> ParseFrontMove(const std::string& text);

// Moves the number as the row commands do. False when the store has no such
// entry or the entry no such slot.
bool ApplyFrontMove(ContactIndex& index, const FrontMove& move);

struct MatchedEntry {
  StoreName Store;
  uint32_t Index;      // in its store, from 0
  ContactEntry Entry;  // as the pass left it, SelectedNumber set
};

// The entries that the typed keys (already cleaned) match under `flags`, in
// list order (`order`, as the General page's option chooses): the library's
// list, at most 999, or with `all` every entry that matches, as a list
// without that cap would hold them.
std::vector<MatchedEntry> MatchEntries(ContactIndex& index, const char16_t* typed, uint32_t flags,
                                       bool all, ListOrder order = ListOrder::Stores);

}  // namespace vostarel::cli
