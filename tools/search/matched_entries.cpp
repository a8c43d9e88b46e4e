#include "matched_entries.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "filter.h"
#include "number_selection.h"

namespace vostarel::cli {
namespace {

struct NamedStore {
  StoreName Name;
  ContactStore* Store;
};

std::vector<NamedStore> Stores(ContactIndex& index) {
  return {{StoreName::Book, &index.AddressBook},
          {StoreName::Sim, &index.Sim},
          {StoreName::Log, &index.CallLog}};
}

std::optional<uint32_t> Decimal(const std::string& text) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  return static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 10));
}

// Where `entry` lives: its store and index there.
std::optional<MatchedEntry> Locate(ContactIndex& index, const ContactEntry* entry) {
  for (const NamedStore& named : Stores(index)) {
    ContactStore& store = *named.Store;
    if (store.Count() > 0 && entry >= store.begin() && entry < store.end()) {
      return MatchedEntry{named.Name, static_cast<uint32_t>(entry - store.begin()), *entry};
    }
  }
  return std::nullopt;
}

// Every matching entry of one store: the store is filtered in pieces small
// enough that the 999 cap of a pass never cuts one short.
void MatchAll(const NamedStore& named, const char16_t* typed, uint32_t flags,
              std::vector<MatchedEntry>& matched) {
  const ContactStore& store = *named.Store;
  auto results = std::make_unique<ResultList>();
  for (uint32_t start = 0; start < store.Count(); start += kMaxResults) {
    const uint32_t size = std::min(kMaxResults, store.Count() - start);
    ContactStore piece;
    if (!piece.Reset(size)) std::abort();  // a command-line tool: out of memory ends it
    for (uint32_t i = 0; i < size; ++i) {
      ContactEntry* copy = piece.Append();
      *copy = store[start + i];
      piece.Seal(*copy);
    }
    results->Count = 0;
    FilterStore(piece, typed, flags, *results);
    for (uint32_t i = 0; i < results->Count; ++i) {
      const ContactEntry* entry = results->Items[i];
      matched.push_back({named.Name, start + static_cast<uint32_t>(entry - piece.begin()), *entry});
    }
  }
}

}  // namespace

const char* StoreWord(StoreName store) {
  switch (store) {
    case StoreName::Book: return "book";
    case StoreName::Sim: return "sim";
    case StoreName::Log: return "log";
  }
  return "";
}

std::optional<FrontMove> ParseFrontMove(const std::string& text) {
  const size_t first = text.find(':');
  const size_t second = first == std::string::npos ? first : text.find(':', first + 1);
  if (second == std::string::npos) return std::nullopt;
  FrontMove move;
  const std::string word = text.substr(0, first);
  if (word == "book") {
    move.Store = StoreName::Book;
  } else if (word == "sim") {
    move.Store = StoreName::Sim;
  } else if (word == "log") {
    move.Store = StoreName::Log;
  } else {
    return std::nullopt;
  }
  const auto entryIndex = Decimal(text.substr(first + 1, second - first - 1));
  const auto slot = Decimal(text.substr(second + 1));
  if (!entryIndex || !slot) return std::nullopt;
  move.Index = *entryIndex;
  move.Slot = *slot;
  return move;
}

bool ApplyFrontMove(ContactIndex& index, const FrontMove& move) {
  for (const NamedStore& named : Stores(index)) {
    if (named.Name != move.Store) continue;
    ContactStore& store = *named.Store;
    if (move.Index >= store.Count()) return false;
    ContactEntry& entry = store[move.Index];
    if (move.Slot >= UsableNumberCount(entry)) return false;
    MoveNumberToFront(entry, move.Slot);
    store.Seal(entry);  // the digest as a fresh load would make it
    return true;
  }
  return false;
}

std::vector<MatchedEntry> MatchEntries(ContactIndex& index, const char16_t* typed, uint32_t flags,
                                       bool all, ListOrder order) {
  std::vector<MatchedEntry> matched;
  if (!all) {
    FilterStores(index, typed, flags, order);
    for (uint32_t i = 0; i < index.Results.Count; ++i) {
      if (auto located = Locate(index, index.Results.Items[i])) matched.push_back(*located);
    }
    return matched;
  }
  if (typed == nullptr || typed[0] == 0) return matched;
  if (order == ListOrder::CalledMostFirst) UpdateCallCounts(index);
  for (const NamedStore& named : Stores(index)) MatchAll(named, typed, flags, matched);
  if (order == ListOrder::CalledMostFirst) {
    std::stable_sort(matched.begin(), matched.end(), [](const MatchedEntry& a, const MatchedEntry& b) {
      return a.Entry.CallCount > b.Entry.CallCount;
    });
  }
  return matched;
}

}  // namespace vostarel::cli
