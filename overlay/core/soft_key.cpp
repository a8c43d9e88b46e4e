#include "soft_key.h"

#include "text.h"

namespace vostarel {

size_t KeepSoftKeyCaption(const char16_t* caption, char16_t (&saved)[kSoftKeyCaptionCapacity]) {
  return CopyText(saved, caption);
}

}  // namespace vostarel
