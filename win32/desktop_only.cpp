#include "desktop_only.h"

namespace vostarel {

// Device: GetModuleFileNameW(reinterpret_cast<HMODULE>(process), path,
// capacity), which there takes a process handle for the module and gives the
// process's executable. The desktop takes a module of the calling process
// only, and asks QueryFullProcessImageNameW instead.
bool ProcessImagePath(HANDLE process, wchar_t* path, DWORD capacity) {
  if (path == nullptr || capacity == 0) return false;
  DWORD size = capacity;
  if (!QueryFullProcessImageNameW(process, 0, path, &size)) {
    path[0] = 0;
    return false;
  }
  return true;
}

}  // namespace vostarel
