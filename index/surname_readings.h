// Placeholder until the generated surname readings land.
#pragma once

#include <cstdint>

namespace vostarel {

int SurnameReadingRows(const char16_t* name, uint16_t (&rows)[2]);

}  // namespace vostarel
