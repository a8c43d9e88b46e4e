#include "printed_state.h"

namespace vostarel::cprog {

namespace {

std::string FormatRanges(const std::vector<UnitRange>& ranges) {
  std::string out;
  for (const UnitRange& range : ranges) {
    if (!out.empty()) out += ",";
    out += std::to_string(range.begin) + "-" + std::to_string(range.end);
  }
  return out;
}

}  // namespace

void AddUnitRange(std::vector<UnitRange>& ranges, std::size_t begin, std::size_t end) {
  if (begin >= end) return;
  if (!ranges.empty() && ranges.back().end == begin) {
    ranges.back().end = end;
    return;
  }
  ranges.push_back({begin, end});
}

std::string FormatPrintedState(const PrintedState& state) {
  static constexpr const char* kListNames[] = {"absent", "hidden", "visible"};
  std::string out;
  out += "number: " + state.number + "\n";
  out += std::string("list: ") + kListNames[static_cast<int>(state.list)] + "\n";
  if (state.list != ListState::kAbsent) {
    out += std::string("expanded: ") + (state.listExpanded ? "yes" : "no") + "\n";
    out += "place: " + state.listPlace + "\n";
    out += "row-draws: " + std::to_string(state.listRowDraws) + "\n";
  }
  for (const PrintedRow& row : state.rows) {
    out += std::string("row: ") + (row.selected ? "*" : "-") + "\t" + row.index + "\t" + row.name +
           "\t" + row.number + "\t" + row.label + "\n";
    out += "marks: " + FormatRanges(row.nameMarks) + "\t" + FormatRanges(row.numberMarks) + "\n";
  }
  out += "softkey: " + state.softKeyCaption + "\n";
  out += "softkey-presses: " + std::to_string(state.softKeyPresses) + "\n";
  out += "history-opens: " + std::to_string(state.historyOpens) + "\n";
  for (const std::string& call : state.calls) out += "call: " + call + "\n";
  for (const auto& menu : state.menus) {
    for (const std::string& item : menu) out += "menu: " + item + "\n";
    out += "menu-end\n";
  }
  for (const std::string& box : state.boxes) out += "box: " + box + "\n";
  for (const std::string& shown : state.displays) out += "display: " + shown + "\n";
  if (const auto& c = state.counters) {
    out += "live-objects: " + std::to_string(c->liveObjects) + "\n";
    out += "open-sim-handles: " + std::to_string(c->openSimHandles) + "\n";
    out += "open-log-handles: " + std::to_string(c->openCallLogHandles) + "\n";
    out += "outstanding-strings: " + std::to_string(c->outstandingStrings) + "\n";
    out += "faults-injected: " + std::to_string(c->faultsInjected) + "\n";
    out += "call-log-opens: " + std::to_string(c->callLogOpens) + "\n";
    out += "private-kib: " + std::to_string(c->privateKib) + "\n";
    out += "heap-kib: " + std::to_string(c->heapKib) + "\n";
  }
  return out;
}

}  // namespace vostarel::cprog
