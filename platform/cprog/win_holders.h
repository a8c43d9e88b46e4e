// Holders that release a Win32 resource on the path that acquired it: the
// stand-ins' common registry key holder and a GDI object.
#pragma once

#include <windows.h>

#include "handles.h"

namespace vostarel::cprog {

using platform::RegistryKey;

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

}  // namespace vostarel::cprog
