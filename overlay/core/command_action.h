// What an expanded command text does when it runs: open the entry, nothing,
// place a call, or start a program or document.
#pragma once

#include <cstdint>
#include <string_view>

namespace vostarel {

enum class CommandActionKind {
  Nothing,               // the text is empty
  OpenEntry,             // the text begins with "*": the entry's own application
  Call,                  // the whole text is the destination of a voice call
  LaunchWithParameters,  // File is started with Parameters
  LaunchWhole,           // the whole text is started, without parameters
};

struct CommandAction {
  CommandActionKind Kind = CommandActionKind::Nothing;
  // The program or document of a launch: for LaunchWithParameters the text up
  // to and including ".exe" (not zero-terminated: the space follows), for
  // LaunchWhole the whole text. Empty for the other kinds.
  std::u16string_view File;
  // For LaunchWithParameters, the text after that space, running to the end
  // of the expanded text, so its data() is zero-terminated (possibly empty).
  // For every other kind HasParameters is false: no parameters at all.
  std::u16string_view Parameters;
  bool HasParameters = false;
};

// Decides the action for `expandedText` (zero-terminated; null counts as
// empty) of a command with `mode`, checking in this order:
// 1. it begins with "*": OpenEntry;
// 2. it is empty: Nothing;
// 3. the mode is 0: Call, whatever the text holds;
// 4. it contains ".exe " (first occurrence, ASCII letters compared without
//    case): LaunchWithParameters, split at that space;
// 5. it contains ":": LaunchWhole;
// 6. otherwise Call; so a bare program name without parameters or ":" is
//    handed to the call request as a destination.
// The views point into `expandedText`, which must outlive the result.
CommandAction ChooseCommandAction(const char16_t* expandedText, int32_t mode);

}  // namespace vostarel
