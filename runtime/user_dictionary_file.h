// Opening the user dictionary file that lies beside the library.
#pragma once

#include <windows.h>

#include "name_speller.h"

namespace vostarel {

// Fills `path` (kPathCapacity units) with the full path of `module` with
// its extension replaced by `extension` (given without its "."). Returns
// false when the module path cannot be had or the result does not fit.
bool ModulePathWithExtension(HMODULE module, wchar_t* path, const wchar_t* extension);

// Loads "<module path>.txt" into the speller's dictionary. A missing or
// unreadable file, or memory that cannot be had, leaves the dictionary
// absent; a failed size query or read gives a present but empty one.
void LoadUserDictionary(NameSpeller& speller, HMODULE module);

}  // namespace vostarel
