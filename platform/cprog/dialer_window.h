// The dialer window (class "Dialer"): number field, status line, keypad
// area with the twelve keys, talk button and the soft-key bar.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
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
// The number field's "number changed" message: the dialer sends it to the
// field after changing the text other than through WM_SETTEXT (a paste).
inline constexpr UINT kNumberChangedMessage = WM_USER + 1;
// Set on the dialer window once --keys has played all its keys: a program
// watching from outside then knows the state it sees is the final one.
inline constexpr wchar_t kKeysPlayedProperty[] = L"cprog.KeysPlayed";

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
  int historyOpens = 0;  // call-history commands that reached the dialer
  // Draw requests for the extension's list rows that reached the dialer:
  // the rows the list view painted.
  int listRowDraws = 0;
  // What the popup-menu answerer saw (menu_answerer.h).
  std::vector<std::vector<std::string>> answeredMenus;
  std::vector<std::string> closedBoxes;
  std::vector<std::string> closedContactCards;  // "OID\tFILEAS"
  // Records a placed call leaves in the call log at most; 0: no limit.
  std::uint32_t callLogLimit = 0;
};

// Creates the dialer for d.profile, shown. Null on failure.
HWND CreateDialer(HINSTANCE instance, Dialer& d);

// cprog's own window procedure of the dialer, to tell when an extension
// has put its own in front of it.
WNDPROC DialerOwnProc();
WNDPROC NumberFieldOwnProc();

// Pastes `number` at the end of the number field (what still fits of its
// dialable characters) and announces it with kNumberChangedMessage.
void PasteNumber(Dialer& d, std::u16string_view number);

// Gives the dialer a client area of width x height. The keypad and the talk
// key stay at the bottom with the number field right above them.
void ResizeDialer(Dialer& d, int width, int height);

// Places the call, as the dialer's talk key or a call request does.
void PlaceCall(Dialer& d, std::wstring number, const std::wstring& name);

}  // namespace vostarel::cprog
