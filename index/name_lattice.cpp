#include "name_lattice.h"

#include <bit>

#include "matchers.h"

namespace vostarel {

namespace {

// The positions of one lattice that a match may stand on next: key bytes,
// and the terminator once a spelling has been used up. Lattices are shorter
// than the field that holds them, so three words cover every position.
class PositionSet {
 public:
  void Add(size_t position) {
    if (position < kWords * 64) words_[position / 64] |= uint64_t{1} << (position % 64);
  }
  bool Empty() const { return (words_[0] | words_[1] | words_[2]) == 0; }

  template <typename Visit>
  void ForEach(Visit visit) const {
    for (size_t w = 0; w < kWords; ++w) {
      for (uint64_t bits = words_[w]; bits != 0; bits &= bits - 1) {
        visit(w * 64 + static_cast<size_t>(std::countr_zero(bits)));
      }
    }
  }

 private:
  static constexpr size_t kWords = 3;
  static_assert(kNameAlternatesCapacity <= kWords * 64);
  uint64_t words_[kWords] = {};
};

// The byte after the group that `at` stands in (or the terminator).
size_t AfterGroup(const uint8_t* lattice, size_t at) {
  while (lattice[at] != 0 && lattice[at] != '}') ++at;
  return lattice[at] == 0 ? at : at + 1;
}

// Adds where a spelling goes on once it has reached byte `at`: a key byte
// is itself; "{" offers the first unit of each choice; "|" ends a choice, so
// the spelling goes on after the group; the terminator is the end. Every
// step moves forward, so malformed input cannot loop.
void AddNext(const uint8_t* lattice, size_t at, PositionSet& into) {
  for (;;) {
    const uint8_t byte = lattice[at];
    if (byte == '|') {
      at = AfterGroup(lattice, at);
    } else if (byte == '}') {
      ++at;
    } else if (byte != '{') {
      into.Add(at);
      return;
    } else {
      for (size_t choice = at + 1; lattice[choice] != 0 && lattice[choice] != '}';) {
        if (lattice[choice] != '|') into.Add(choice);
        while (lattice[choice] != 0 && lattice[choice] != '|' && lattice[choice] != '}') ++choice;
        if (lattice[choice] == '|') ++choice;
      }
      return;
    }
  }
}

bool Fits(uint8_t byte, char16_t typed) { return IsLatticeKey(byte) && byte == typed; }

// Follows every spelling from the positions in `active` through the typed
// keys; true when one is still alive once the keys are used up.
bool MatchFrom(const uint8_t* lattice, PositionSet active, const char16_t* typed) {
  for (; *typed != 0; ++typed) {
    PositionSet next;
    active.ForEach([&](size_t at) {
      if (Fits(lattice[at], *typed)) AddNext(lattice, at + 1, next);
    });
    if (next.Empty()) return false;
    active = next;
  }
  return true;
}

// The depth-first search behind FindLatticePath.
class PathSearch {
 public:
  PathSearch(const uint8_t* lattice, const char16_t* typed, uint16_t* path)
      : lattice_(lattice), typed_(typed), path_(path) {}

  // Whether the keys from `key` on fit a spelling that goes on at `at`.
  bool From(size_t at, size_t key) {
    if (typed_[key] == 0) return true;
    const size_t memo = at * (kMaxPathKeys + 1) + key;
    if (failed_[memo / 64] & (uint64_t{1} << (memo % 64))) return false;
    if (Step(at, key)) return true;
    failed_[memo / 64] |= uint64_t{1} << (memo % 64);
    return false;
  }

 private:
  bool Step(size_t at, size_t key) {
    const uint8_t byte = lattice_[at];
    if (byte == '}') return From(at + 1, key);
    if (byte == '|') return From(AfterGroup(lattice_, at), key);
    if (byte == '{') {
      for (size_t choice = at + 1; lattice_[choice] != 0 && lattice_[choice] != '}';) {
        if (lattice_[choice] != '|' && From(choice, key)) return true;
        while (lattice_[choice] != 0 && lattice_[choice] != '|' && lattice_[choice] != '}') ++choice;
        if (lattice_[choice] == '|') ++choice;
      }
      return false;
    }
    if (!Fits(byte, typed_[key])) return false;  // the terminator fits no key
    path_[key] = static_cast<uint16_t>(at);
    return From(at + 1, key + 1);
  }

  static constexpr size_t kPositions = kNameAlternatesCapacity + 1;
  static constexpr size_t kBits = kPositions * (kMaxPathKeys + 1);

  const uint8_t* lattice_;
  const char16_t* typed_;
  uint16_t* path_;
  uint64_t failed_[(kBits + 63) / 64] = {};
};

}  // namespace

bool FindLatticePath(const uint8_t* lattice, const char16_t* typed, bool anywhere,
                     uint16_t* path) {
  size_t length = 0;
  while (lattice[length] != 0) {
    if (++length >= kNameAlternatesCapacity) return false;
  }
  size_t keys = 0;
  while (typed[keys] != 0) {
    if (++keys > kMaxPathKeys) return false;
  }
  PathSearch search(lattice, typed, path);
  if (!anywhere) return search.From(0, 0);
  if (length == 0) return false;
  if (keys == 0) return true;
  for (size_t at = 0; at < length; ++at) {
    if (IsLatticeKey(lattice[at]) && search.From(at, 0)) return true;
  }
  return false;
}

uint8_t LatticeKeyOf(char16_t unit) {
  if ((unit >= u'0' && unit <= u'9') || unit == u'*' || unit == u'#') return static_cast<uint8_t>(unit);
  const char16_t key = KeyOfLetter(unit);
  return key != 0 ? static_cast<uint8_t>(key) : '?';
}

const uint8_t* NextAlternate(const uint8_t* at, AlternateRecord& record) {
  if (at == nullptr || at[0] == 0) return nullptr;
  record.Kind = at[0];
  record.Lattice = at + 1;
  const uint8_t* end = at + 1;
  while (*end != 0) ++end;
  return end + 1;
}

bool MatchLatticePrefix(const uint8_t* lattice, const char16_t* typed) {
  if (*typed == 0) return true;
  PositionSet start;
  AddNext(lattice, 0, start);
  return MatchFrom(lattice, start, typed);
}

bool MatchLatticeAnywhere(const uint8_t* lattice, const char16_t* typed) {
  if (lattice[0] == 0) return false;
  if (*typed == 0) return true;
  // Starting at any unit: the first key is tried at every key byte.
  PositionSet next;
  for (size_t at = 0; lattice[at] != 0; ++at) {
    if (Fits(lattice[at], typed[0])) AddNext(lattice, at + 1, next);
  }
  return !next.Empty() && MatchFrom(lattice, next, typed + 1);
}

uint8_t MatchAlternates(const uint8_t* alternates, AlternateKind kind, bool anywhere,
                        const char16_t* typed) {
  AlternateRecord record;
  for (const uint8_t* at = alternates; (at = NextAlternate(at, record)) != nullptr;) {
    if ((record.Kind & kind) == 0) continue;
    if (anywhere ? MatchLatticeAnywhere(record.Lattice, typed)
                 : MatchLatticePrefix(record.Lattice, typed)) {
      return record.Kind;
    }
  }
  return 0;
}

}  // namespace vostarel
