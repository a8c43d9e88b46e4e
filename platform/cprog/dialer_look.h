// The dialer's colours, fonts and owner-drawn keys: a dark phone face.
#pragma once

#include <windows.h>

#include "holders.h"

namespace vostarel::cprog {

inline constexpr COLORREF kFaceColor = RGB(24, 26, 32);
inline constexpr COLORREF kFieldColor = RGB(40, 43, 52);
inline constexpr COLORREF kKeyColor = RGB(52, 56, 66);
inline constexpr COLORREF kKeyPressedColor = RGB(84, 90, 104);
inline constexpr COLORREF kTextColor = RGB(240, 242, 246);
inline constexpr COLORREF kDimTextColor = RGB(150, 156, 170);
inline constexpr COLORREF kTalkColor = RGB(46, 160, 84);
inline constexpr COLORREF kTalkPressedColor = RGB(34, 120, 62);

// Owns the dialer's GDI objects; they live as long as the dialer.
struct DialerLook {
  GdiObject<HBRUSH> faceBrush;
  GdiObject<HBRUSH> fieldBrush;
  GdiObject<HFONT> numberFont;
  GdiObject<HFONT> statusFont;
  GdiObject<HFONT> digitFont;
  GdiObject<HFONT> letterFont;
  GdiObject<HFONT> talkFont;

  void Create();
};

// The twelve keys in keypad order: "1".."9", "*", "0", "#".
inline constexpr int kKeypadKeyCount = 12;
wchar_t KeypadCharacter(int index);

void DrawKeypadKey(const DRAWITEMSTRUCT& item, const DialerLook& look, int index);
void DrawTalkButton(const DRAWITEMSTRUCT& item, const DialerLook& look);

}  // namespace vostarel::cprog
