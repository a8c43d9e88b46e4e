#include "chained_extension.h"

namespace vostarel {

void LoadChainedExtension() {}

}  // namespace vostarel
