// cprog's command line. Platform-free.
//
//   cprog.exe [--keys KEYS] [--print] [--exit-after MS] [--attach-timeout MS]
//   cprog.exe --input [--attach-timeout MS]
// and with either: [--call-log-limit N]
//
// --keys KEYS          typed into the dialer once the extension has attached
//                      (see key_sequence.h for KEYS)
// --print              write the visible state to standard output and exit:
//                      right after the keys, or, with --exit-after, when the
//                      message loop ends
// --exit-after MS      end the message loop after MS milliseconds
// --attach-timeout MS  how long --keys waits for the extension to attach
//                      (default 5000)
// --input              once the extension has attached, read lines of KEYS
//                      from standard input until it ends: each line is
//                      played as --keys plays its keys, then the state is
//                      written as --print writes it (what happened while that
//                      line played), with the stand-ins' counters, and a line
//                      "end"; see main.cpp. Not with the first three options.
// --call-log-limit N   a call placed keeps at most N records in the call log
//                      (the oldest make room); 0, the default, keeps all
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vostarel::cprog {

inline constexpr std::uint32_t kDefaultAttachTimeoutMs = 5000;

struct CommandLine {
  std::u16string keys;
  bool print = false;
  std::optional<std::uint32_t> exitAfterMs;
  std::uint32_t attachTimeoutMs = kDefaultAttachTimeoutMs;
  bool input = false;
  std::uint32_t callLogLimit = 0;
};

struct CommandLineResult {
  std::optional<CommandLine> commandLine;  // empty when the line is wrong
  std::string error;                       // why, when it is wrong
};

// args excludes the program name.
CommandLineResult ParseCommandLine(const std::vector<std::u16string>& args);

}  // namespace vostarel::cprog
