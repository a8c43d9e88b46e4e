#include "fault_plan.h"

#include <array>

namespace vostarel::faults {
namespace {

constexpr std::array<std::string_view, kFaultPointCount> kNames = {
#define VOSTAREL_FAULT_NAME(name) #name,
    VOSTAREL_FAULT_POINTS(VOSTAREL_FAULT_NAME)
#undef VOSTAREL_FAULT_NAME
};

// Decimal digits only, no sign, no blanks, within 64 bits.
std::optional<uint64_t> ParseDecimal(std::string_view text) {
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const uint64_t digit = static_cast<uint64_t>(c - '0');
    if (value > (UINT64_MAX - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

std::optional<FaultPoint> FindPoint(std::string_view name) {
  for (size_t i = 0; i < kNames.size(); ++i) {
    if (kNames[i] == name) return static_cast<FaultPoint>(i);
  }
  return std::nullopt;
}

// The text as it may be quoted in a message: printable ASCII, the rest as "?".
std::string Printable(std::string_view text) {
  std::string out;
  for (const char c : text.substr(0, 80)) out.push_back(c >= 0x20 && c < 0x7F ? c : '?');
  if (text.size() > 80) out += "...";
  return out;
}

FaultPlanResult Error(std::string message) { return {std::nullopt, std::move(message)}; }

// splitmix64's finaliser: every input bit reaches every output bit.
uint64_t Mix(uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

}  // namespace

std::string_view FaultPointName(FaultPoint point) {
  const size_t index = static_cast<size_t>(point);
  return index < kNames.size() ? kNames[index] : std::string_view();
}

bool FaultPlan::Fails(FaultPoint point, uint64_t call) const {
  const size_t index = static_cast<size_t>(point);
  if (RatePerMille == 0 || index >= kFaultPointCount || !Points.test(index)) return false;
  const uint64_t draw = Mix(Mix(Seed ^ (static_cast<uint64_t>(index) << 56)) ^ call);
  return draw % kMaxFaultRate < RatePerMille;
}

FaultPlanResult ParseFaultPlan(std::string_view text) {
  const size_t firstColon = text.find(':');
  if (firstColon == std::string_view::npos) {
    return Error("'" + Printable(text) + "' is not SEED:RATE[:NAMES]");
  }
  const size_t secondColon = text.find(':', firstColon + 1);
  const std::string_view seedText = text.substr(0, firstColon);
  const std::string_view rateText = text.substr(
      firstColon + 1, secondColon == std::string_view::npos ? std::string_view::npos
                                                            : secondColon - firstColon - 1);
  FaultPlan plan;
  const std::optional<uint64_t> seed = ParseDecimal(seedText);
  if (!seed) return Error("seed '" + Printable(seedText) + "' is not a decimal number");
  plan.Seed = *seed;
  const std::optional<uint64_t> rate = ParseDecimal(rateText);
  if (!rate || *rate > kMaxFaultRate) {
    return Error("rate '" + Printable(rateText) + "' is not a number of per mille from 0 to 1000");
  }
  plan.RatePerMille = static_cast<uint32_t>(*rate);

  if (secondColon == std::string_view::npos) {
    plan.Points.set();
    return {plan, {}};
  }
  std::string_view names = text.substr(secondColon + 1);
  for (;;) {
    const size_t comma = names.find(',');
    const std::string_view name = names.substr(0, comma);
    const std::optional<FaultPoint> point = FindPoint(name);
    if (!point) {
      return Error(name.empty() ? std::string("an empty call name")
                                : "unknown call name '" + Printable(name) + "'");
    }
    plan.Points.set(static_cast<size_t>(*point));
    if (comma == std::string_view::npos) break;
    names.remove_prefix(comma + 1);
  }
  return {plan, {}};
}

}  // namespace vostarel::faults
