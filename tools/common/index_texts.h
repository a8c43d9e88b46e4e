// The texts the library takes from its string table for the records it
// indexes (number labels and the no-name text), for the native tools, which
// have no resources. tests/tools checks them against resources/Vostarel.rc.
#pragma once

#include "contact_index.h"

namespace vostarel::cli {

void SetLibraryIndexTexts(IndexTexts& texts);

}  // namespace vostarel::cli
