// Holders that release a Win32 resource on the path that acquired it.
#pragma once

#include <windows.h>

namespace vostarel::cprog {

class RegKey {
 public:
  RegKey() = default;
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  ~RegKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  HKEY* Receive() { return &key_; }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(HGDIOBJ object) : object_(object) {}
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { Reset(nullptr); }
  void Reset(HGDIOBJ object) {
    if (object_ != nullptr) DeleteObject(object_);
    object_ = object;
  }
  HGDIOBJ Get() const { return object_; }
  HFONT Font() const { return static_cast<HFONT>(object_); }
  HBRUSH Brush() const { return static_cast<HBRUSH>(object_); }

 private:
  HGDIOBJ object_ = nullptr;
};

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (Valid()) CloseHandle(handle_);
  }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace vostarel::cprog
