// Placeholder until the generated surname readings land.
#include "surname_readings.h"

namespace vostarel {

int SurnameReadingRows(const char16_t* name, uint16_t (&rows)[2]) {
  if (name == nullptr) return 0;
  if (name[0] == u'单') {  // shan
    rows[0] = 291;
    return 1;
  }
  if (name[0] == u'长' && name[1] == u'孙') {  // zhang sun
    rows[0] = 384;
    rows[1] = 313;
    return 2;
  }
  return 0;
}

}  // namespace vostarel
