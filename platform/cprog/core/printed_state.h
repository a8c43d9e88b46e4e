// What --print writes: the visible state of the dialer, UTF-8, one item a
// line, "key: value":
//
//   number: TEXT               the number field's text
//   list: absent|hidden|visible  the extension's result list (control 43295)
//   softkey: CAPTION           the relabelled soft key's caption
//   softkey-presses: N         soft-key commands that reached the dialer itself
//   call: NUMBER<TAB>NAME      one line per call placed, oldest first
//
// Platform-free.
#pragma once

#include <string>
#include <vector>

namespace vostarel::cprog {

enum class ListState { kAbsent, kHidden, kVisible };

struct PrintedState {
  std::string number;          // UTF-8
  ListState list = ListState::kAbsent;
  std::string softKeyCaption;  // UTF-8
  int softKeyPresses = 0;
  std::vector<std::string> calls;  // "NUMBER\tNAME", UTF-8
};

std::string FormatPrintedState(const PrintedState& state);

}  // namespace vostarel::cprog
