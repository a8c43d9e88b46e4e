// Where the stand-ins find the device data files, and reading and writing
// them whole.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vostarel::platform {

inline constexpr const wchar_t* kDeviceDataDirVariable = L"DEVICE_DATA_DIR";
inline constexpr const wchar_t* kContactsFileName = L"contacts.vcf";
inline constexpr const wchar_t* kSimFileName = L"sim.txt";
inline constexpr const wchar_t* kCallLogFileName = L"calllog.txt";

// Files larger than this are not read: no real data file comes near it, and
// the whole file is held in memory.
inline constexpr DWORD kMaxDeviceFileBytes = 64u << 20;

// The device data folder: the value of DEVICE_DATA_DIR when set and not
// empty, else the folder "device" beside the program that runs
// (GetModuleFileNameW(NULL)). No trailing backslash.
std::wstring DeviceDataFolder();

// DeviceDataFolder() + "\" + fileName.
std::wstring DeviceDataPath(const wchar_t* fileName);

// Reads a whole file. False when it cannot be opened or read, or is larger
// than kMaxDeviceFileBytes; `bytes` is then empty.
bool ReadFileBytes(const std::wstring& path, std::string* bytes);

// Replaces a file's content: writes a temporary file beside it and moves it
// over the old one, so readers see the old or the new content, never a
// half-written one. False when that fails; the old file is then unchanged.
bool WriteFileBytes(const std::wstring& path, std::string_view bytes);

// The full path of a module; empty on failure.
std::wstring ModulePath(HMODULE module);

}  // namespace vostarel::platform
