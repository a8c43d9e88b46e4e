#include "user_dictionary_file.h"

#include <memory>
#include <new>

#include "dictionary_path.h"
#include "holders.h"
#include "win_text.h"

namespace vostarel {

bool ModulePathWithExtension(HMODULE module, wchar_t* path, const wchar_t* extension) {
  const DWORD length = GetModuleFileNameW(module, path, kPathCapacity);
  // A full buffer means the path was cut; a cut path names the wrong file.
  if (length == 0 || length >= kPathCapacity) {
    path[0] = 0;
    return false;
  }
  return ReplacePathExtension(AsUtf16(path), kPathCapacity, AsUtf16(extension));
}

void LoadUserDictionary(NameSpeller& speller, HMODULE module) {
  speller.FreeUserDictionary();
  wchar_t path[kPathCapacity];
  if (!ModulePathWithExtension(module, path, L"txt")) return;

  KernelHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr));
  if (!file.Valid()) return;
  DWORD size = GetFileSize(file.Get(), nullptr);
  if (size == INVALID_FILE_SIZE) size = 0;

  std::unique_ptr<char[]> bytes(new (std::nothrow) char[size + 16u]);
  if (!bytes) return;
  DWORD read = 0;
  if (!ReadFile(file.Get(), bytes.get(), size, &read, nullptr)) read = 0;
  speller.LoadUserDictionaryBytes(bytes.get(), read);
}

}  // namespace vostarel
