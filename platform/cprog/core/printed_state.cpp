#include "printed_state.h"

namespace vostarel::cprog {

std::string FormatPrintedState(const PrintedState& state) {
  static constexpr const char* kListNames[] = {"absent", "hidden", "visible"};
  std::string out;
  out += "number: " + state.number + "\n";
  out += std::string("list: ") + kListNames[static_cast<int>(state.list)] + "\n";
  out += "softkey: " + state.softKeyCaption + "\n";
  out += "softkey-presses: " + std::to_string(state.softKeyPresses) + "\n";
  for (const std::string& call : state.calls) out += "call: " + call + "\n";
  return out;
}

}  // namespace vostarel::cprog
