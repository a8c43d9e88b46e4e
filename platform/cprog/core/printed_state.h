// What --print writes: the visible state of the dialer, UTF-8, one item a
// line, "key: value":
//
//   number: TEXT               the number field's text
//   list: absent|hidden|visible  the extension's result list (control 43295)
//   expanded: yes|no           the list covers the dialer's whole client area
//   place: X Y WIDTH HEIGHT    the list in the dialer's client coordinates
//                              (both only when the list exists)
//   row: MARK<TAB>INDEX<TAB>NAME<TAB>NUMBER<TAB>LABEL
//                              one line per row of a visible list, as the
//                              extension draws it; MARK is "*" for the
//                              selected row, "-" otherwise; a column the row
//                              does not draw is empty
//   marks: NAME<TAB>NUMBER     right after each row line: the units of the
//                              row's name and number drawn in a mark colour
//                              (another colour than the row's label), as
//                              comma-separated half-open ranges of UTF-16
//                              units, "B-E" for units B to E - 1; empty
//                              when nothing is marked
//   softkey: CAPTION           the relabelled soft key's caption
//   softkey-presses: N         soft-key commands that reached the dialer itself
//   history-opens: N           call-history commands that reached the dialer
//   call: NUMBER<TAB>NAME      one line per call placed, oldest first
//   menu: ID<TAB>TEXT          the items of each popup menu that {PICK:ID}
//                              answered, in order ("menu: -" a separator),
//   menu-end                   each menu ended by this line
//   box: CAPTION<TAB>TEXT      each message box closed while a {PICK:ID}
//                              was armed, line breaks as "|"
//   display: OID<TAB>FILEAS    each address-book contact card (IContact::Display)
//                              closed while a {PICK:ID} was armed: the
//                              contact the address book says it showed
//
// With --input, after each line of keys, the stand-ins' counters follow:
//
//   live-objects: N            address-book objects not yet released
//   open-sim-handles: N        SIM sessions not yet ended
//   open-log-handles: N        call logs not yet closed
//   outstanding-strings: N     call-log strings not yet freed
//   faults-injected: N         calls that the stand-ins failed on purpose
//   call-log-opens: N          times the call log was opened (and read)
//   private-kib: N             the process's private memory in KiB
//   heap-kib: N                of it, the blocks in use in the process's heaps
//
// Platform-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vostarel::cprog {

enum class ListState { kAbsent, kHidden, kVisible };

// Units [begin, end) of a row's text.
struct UnitRange {
  std::size_t begin = 0;
  std::size_t end = 0;
  bool operator==(const UnitRange&) const = default;
};

// Adds [begin, end) to `ranges` (kept in order), joined to the last range
// when it starts where that one ends.
void AddUnitRange(std::vector<UnitRange>& ranges, std::size_t begin, std::size_t end);

// One row as drawn, UTF-8 texts, and the units of its name and number that
// were drawn marked.
struct PrintedRow {
  bool selected = false;
  std::string index;
  std::string name;
  std::string number;
  std::string label;
  std::vector<UnitRange> nameMarks;
  std::vector<UnitRange> numberMarks;
};

// What the stand-in platform reports, for --input (see above).
struct StandInCounters {
  long liveObjects = 0;
  long openSimHandles = 0;
  long openCallLogHandles = 0;
  long outstandingStrings = 0;
  long faultsInjected = 0;
  long callLogOpens = 0;
  std::uint64_t privateKib = 0;
  std::uint64_t heapKib = 0;
};

struct PrintedState {
  std::string number;          // UTF-8
  ListState list = ListState::kAbsent;
  bool listExpanded = false;
  std::string listPlace;  // "X Y WIDTH HEIGHT"
  int listRowDraws = 0;   // rows the list view painted
  std::vector<PrintedRow> rows;
  std::string softKeyCaption;  // UTF-8
  int softKeyPresses = 0;
  int historyOpens = 0;
  std::vector<std::string> calls;  // "NUMBER\tNAME", UTF-8
  // Per answered popup menu, its item lines "ID\tTEXT" or "-".
  std::vector<std::vector<std::string>> menus;
  std::vector<std::string> boxes;  // "CAPTION\tTEXT"
  std::vector<std::string> displays;  // "OID\tFILEAS"
  std::optional<StandInCounters> counters;
};

std::string FormatPrintedState(const PrintedState& state);

}  // namespace vostarel::cprog
