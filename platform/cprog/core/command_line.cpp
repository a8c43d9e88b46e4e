#include "command_line.h"

namespace vostarel::cprog {
namespace {

std::string Narrow(const std::u16string& text) {
  std::string out;
  for (char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return out;
}

// Decimal digits only, at most 2^31 - 1.
std::optional<std::uint32_t> ParseCount(const std::u16string& text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  std::uint64_t value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - u'0');
  }
  if (value > 0x7FFFFFFF) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

}  // namespace

CommandLineResult ParseCommandLine(const std::vector<std::u16string>& args) {
  CommandLine line;
  bool sawKeys = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::u16string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == u"--print") {
      line.print = true;
    } else if (arg == u"--input") {
      line.input = true;
    } else if (arg == u"--keys") {
      if (!hasValue) return {std::nullopt, "--keys needs a value"};
      if (sawKeys) return {std::nullopt, "--keys given twice"};
      sawKeys = true;
      line.keys = args[++i];
    } else if (arg == u"--exit-after" || arg == u"--attach-timeout") {
      if (!hasValue) return {std::nullopt, Narrow(arg) + " needs a value"};
      auto ms = ParseCount(args[++i]);
      if (!ms) return {std::nullopt, Narrow(arg) + " needs milliseconds, not '" + Narrow(args[i]) + "'"};
      if (arg == u"--exit-after") {
        line.exitAfterMs = *ms;
      } else {
        line.attachTimeoutMs = *ms;
      }
    } else if (arg == u"--call-log-limit") {
      if (!hasValue) return {std::nullopt, "--call-log-limit needs a value"};
      auto limit = ParseCount(args[++i]);
      if (!limit) return {std::nullopt, "--call-log-limit needs a number of records, not '" + Narrow(args[i]) + "'"};
      line.callLogLimit = *limit;
    } else {
      return {std::nullopt, "unknown argument '" + Narrow(arg) + "'"};
    }
  }
  if (line.input && (sawKeys || line.print || line.exitAfterMs)) {
    return {std::nullopt, "--input takes its keys from standard input: not with --keys, --print or --exit-after"};
  }
  return {line, {}};
}

}  // namespace vostarel::cprog
