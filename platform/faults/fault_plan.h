// Which platform calls of the stand-ins fail on purpose, and when: the plan
// that VOSTAREL_FAULTS describes. Platform-free.
//
//   VOSTAREL_FAULTS=SEED:RATE[:NAMES]
//
// SEED is a decimal number (up to 2^64 - 1), RATE the share of calls that
// fail in per mille (0 to 1000), NAMES a comma list of the call names below
// (default: all of them). Whether the n-th call of one name fails depends on
// the seed, the name and n alone, so a run that makes the same calls in the
// same order meets the same failures, whatever the timing.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vostarel::faults {

// The calls that can be made to fail; each stand-in checks the ones it
// implements. The names are the platform's own call names, except
// LocalAlloc, which stands for the strings PhoneGetCallLogEntry allocates.
#define VOSTAREL_FAULT_POINTS(X)                                                       \
  /* pimstore.dll */                                                                   \
  X(CoCreateInstance) X(Logon) X(GetDefaultFolder) X(get_Items) X(get_Count) X(Item)  \
  X(get_MobileTelephoneNumber) X(get_HomeTelephoneNumber) X(get_Home2TelephoneNumber) \
  X(get_BusinessTelephoneNumber) X(get_Business2TelephoneNumber)                      \
  X(get_CarTelephoneNumber) X(get_RadioTelephoneNumber)                               \
  X(get_AssistantTelephoneNumber) X(get_FileAs) X(get_Oid) X(GetItemFromOid)          \
  X(Display)                                                                           \
  /* cellcore.dll */                                                                   \
  X(SimInitialize) X(SimGetPhonebookStatus) X(SimReadPhonebookEntry)                  \
  X(tapiRequestMakeCall)                                                               \
  /* phone.dll */                                                                      \
  X(PhoneOpenCallLog) X(PhoneSeekCallLog) X(PhoneGetCallLogEntry) X(LocalAlloc)

enum class FaultPoint : uint8_t {
#define VOSTAREL_FAULT_ENUM(name) name,
  VOSTAREL_FAULT_POINTS(VOSTAREL_FAULT_ENUM)
#undef VOSTAREL_FAULT_ENUM
};

#define VOSTAREL_FAULT_COUNT(name) +1
inline constexpr size_t kFaultPointCount = 0 VOSTAREL_FAULT_POINTS(VOSTAREL_FAULT_COUNT);
#undef VOSTAREL_FAULT_COUNT

inline constexpr uint32_t kMaxFaultRate = 1000;

std::string_view FaultPointName(FaultPoint point);

struct FaultPlan {
  uint64_t Seed = 0;
  uint32_t RatePerMille = 0;
  std::bitset<kFaultPointCount> Points;  // the calls that may fail

  // Whether call number `call` (from 0) of `point` fails.
  bool Fails(FaultPoint point, uint64_t call) const;
};

struct FaultPlanResult {
  std::optional<FaultPlan> Plan;  // empty when the text is not a plan
  std::string Error;              // why, then
};

// Reads SEED:RATE[:NAMES]. Anything else (an empty part, a sign, a space, a
// rate above 1000, an unknown or empty name) is an error.
FaultPlanResult ParseFaultPlan(std::string_view text);

}  // namespace vostarel::faults
