#include "fault_injection.h"

#include <windows.h>

#include <atomic>
#include <string>

#include "stand_in_counters.h"

namespace vostarel::faults {
namespace {

// The text as narrow text; a unit outside ASCII becomes one that no plan
// accepts, so that it is reported rather than read as something else.
std::string Narrow(const wchar_t* text) {
  std::string out;
  for (; text != nullptr && *text != 0; ++text) {
    out.push_back(*text < 0x80 ? static_cast<char>(*text) : '\x7f');
  }
  return out;
}

std::string ReadVariable() {
  const DWORD needed = GetEnvironmentVariableW(kFaultsVariable, nullptr, 0);
  if (needed <= 1) return {};
  std::wstring value(needed, L'\0');
  const DWORD length = GetEnvironmentVariableW(kFaultsVariable, value.data(), needed);
  if (length == 0 || length >= needed) return {};
  value.resize(length);
  return Narrow(value.c_str());
}

// Every stand-in DLL of the process reads the same value; only the first to
// find it malformed says so. A named event, kept open for the life of the
// process, marks that it has been said.
void ReportOnce(const std::string& message) {
  const std::wstring name = L"VostarelFaultsReported." + std::to_wstring(GetCurrentProcessId());
  const HANDLE mark = CreateEventW(nullptr, TRUE, FALSE, name.c_str());
  if (mark == nullptr) return;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mark);
    return;
  }
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), message.data(), static_cast<DWORD>(message.size()),
            &written, nullptr);
}

class FaultState {
 public:
  // The plan of VOSTAREL_FAULTS; none when it is unset, empty or malformed.
  FaultState() {
    const std::string text = ReadVariable();
    if (text.empty()) return;
    const FaultPlanResult parsed = ParseFaultPlan(text);
    if (!parsed.Plan) {
      ReportOnce("stand-in platform: VOSTAREL_FAULTS: " + parsed.Error +
                 "; no call is made to fail\n");
      return;
    }
    plan_ = *parsed.Plan;
    active_ = true;
  }

  bool Inject(FaultPoint point) {
    const size_t index = static_cast<size_t>(point);
    if (index >= kFaultPointCount) return false;
    AcquireSRWLockShared(&lock_);
    const bool fails = active_ && plan_.Fails(point, calls_[index].fetch_add(1));
    ReleaseSRWLockShared(&lock_);
    if (fails) injected_.fetch_add(1);
    return fails;
  }

  // An empty text ends injection. The call counts go on, so a plan set
  // again continues its sequence instead of repeating it.
  bool Set(const std::string& text) {
    const FaultPlanResult parsed = ParseFaultPlan(text);
    AcquireSRWLockExclusive(&lock_);
    active_ = !text.empty() && parsed.Plan.has_value();
    if (active_) plan_ = *parsed.Plan;
    ReleaseSRWLockExclusive(&lock_);
    return text.empty() || parsed.Plan.has_value();
  }

  LONG Injected() const { return injected_.load(); }

 private:
  SRWLOCK lock_ = SRWLOCK_INIT;
  bool active_ = false;  // guarded by lock_, as plan_ is
  FaultPlan plan_;
  std::atomic<uint64_t> calls_[kFaultPointCount] = {};
  std::atomic<LONG> injected_{0};
};

FaultState& State() {
  static FaultState state;
  return state;
}

}  // namespace

bool InjectFault(FaultPoint point) { return State().Inject(point); }

}  // namespace vostarel::faults

extern "C" LONG WINAPI StandInFaultsInjected(void) { return vostarel::faults::State().Injected(); }

extern "C" BOOL WINAPI StandInSetFaults(LPCWSTR plan) {
  using namespace vostarel::faults;
  return State().Set(Narrow(plan)) ? TRUE : FALSE;
}
