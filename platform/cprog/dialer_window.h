// The dialer window (class "Dialer"): number field, status line, keypad
// area with the twelve keys, talk button and the soft-key bar.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/dialer_profile.h"
#include "dialer_look.h"
#include "extension_host.h"

namespace vostarel::cprog {

inline constexpr wchar_t kDialerClass[] = L"Dialer";
inline constexpr int kDialerClientWidth = 240;
inline constexpr int kDialerClientHeight = 320;
// The talk key's WM_HOTKEY carries this in the high word of lParam.
inline constexpr WORD kTalkHotKey = 0x72;
// The talk key's virtual key on the device (VK_TTALK).
inline constexpr UINT kTalkVirtualKey = VK_F3;

// Everything the dialer owns. One per process.
struct Dialer {
  DialerProfile profile;
  ExtensionHost* extension = nullptr;  // borrowed; outlives the window
  HWND window = nullptr;
  HWND numberField = nullptr;
  HWND status = nullptr;
  HWND keypad = nullptr;
  HWND talkButton = nullptr;
  DialerLook look;
  std::vector<std::string> placedCalls;  // "NUMBER\tNAME", UTF-8, oldest first
  int softKeyPresses = 0;
  // What the popup-menu answerer saw (menu_answerer.h).
  std::vector<std::vector<std::string>> answeredMenus;
  std::vector<std::string> closedBoxes;
};

// Creates the dialer for d.profile, shown. Null on failure.
HWND CreateDialer(HINSTANCE instance, Dialer& d);

// cprog's own window procedure of the dialer, to tell when an extension
// has put its own in front of it.
WNDPROC DialerOwnProc();
WNDPROC NumberFieldOwnProc();

// Places the call, as the dialer's talk key or a call request does.
void PlaceCall(Dialer& d, std::wstring number, const std::wstring& name);

}  // namespace vostarel::cprog
