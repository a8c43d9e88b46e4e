// Placeholder until the generated calling codes land.
#pragma once

namespace vostarel {

int FindCallingCode(const char16_t* digits, const char16_t*& nationalPrefix);

}  // namespace vostarel
