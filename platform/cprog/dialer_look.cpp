#include "dialer_look.h"

namespace vostarel::cprog {
namespace {

struct KeyLabel {
  wchar_t character;
  const wchar_t* letters;
};

constexpr KeyLabel kKeyLabels[kKeypadKeyCount] = {
    {L'1', L""},    {L'2', L"ABC"}, {L'3', L"DEF"},  {L'4', L"GHI"}, {L'5', L"JKL"}, {L'6', L"MNO"},
    {L'7', L"PQRS"}, {L'8', L"TUV"}, {L'9', L"WXYZ"}, {L'*', L""},    {L'0', L"+"},   {L'#', L""},
};

HFONT MakeFont(int height, int weight) {
  return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
}

void FillRounded(HDC dc, const RECT& rect, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  RoundRect(dc, rect.left, rect.top, rect.right + 1, rect.bottom + 1, 10, 10);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(brush);
}

void ClearBehind(const DRAWITEMSTRUCT& item) {
  HBRUSH face = CreateSolidBrush(kFaceColor);
  FillRect(item.hDC, &item.rcItem, face);
  DeleteObject(face);
}

}  // namespace

void DialerLook::Create() {
  faceBrush.Reset(CreateSolidBrush(kFaceColor));
  fieldBrush.Reset(CreateSolidBrush(kFieldColor));
  numberFont.Reset(MakeFont(30, FW_SEMIBOLD));
  statusFont.Reset(MakeFont(13, FW_NORMAL));
  digitFont.Reset(MakeFont(22, FW_SEMIBOLD));
  letterFont.Reset(MakeFont(10, FW_NORMAL));
  talkFont.Reset(MakeFont(17, FW_BOLD));
}

wchar_t KeypadCharacter(int index) {
  return index >= 0 && index < kKeypadKeyCount ? kKeyLabels[index].character : L'\0';
}

void DrawKeypadKey(const DRAWITEMSTRUCT& item, const DialerLook& look, int index) {
  if (index < 0 || index >= kKeypadKeyCount) return;
  const KeyLabel& label = kKeyLabels[index];
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  ClearBehind(item);
  FillRounded(item.hDC, item.rcItem, pressed ? kKeyPressedColor : kKeyColor);

  SetBkMode(item.hDC, TRANSPARENT);
  RECT digitRect = item.rcItem;
  RECT lettersRect = item.rcItem;
  const bool hasLetters = label.letters[0] != L'\0';
  if (hasLetters) {
    digitRect.bottom -= 11;
    lettersRect.top = digitRect.bottom - 6;
    lettersRect.bottom -= 3;
  }
  HGDIOBJ oldFont = SelectObject(item.hDC, look.digitFont.Get());
  SetTextColor(item.hDC, kTextColor);
  wchar_t digit[2] = {label.character, L'\0'};
  DrawTextW(item.hDC, digit, 1, &digitRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (hasLetters) {
    SelectObject(item.hDC, look.letterFont.Get());
    SetTextColor(item.hDC, kDimTextColor);
    DrawTextW(item.hDC, label.letters, -1, &lettersRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  SelectObject(item.hDC, oldFont);
}

void DrawTalkButton(const DRAWITEMSTRUCT& item, const DialerLook& look) {
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  ClearBehind(item);
  FillRounded(item.hDC, item.rcItem, pressed ? kTalkPressedColor : kTalkColor);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, kTextColor);
  HGDIOBJ oldFont = SelectObject(item.hDC, look.talkFont.Get());
  RECT rect = item.rcItem;
  DrawTextW(item.hDC, L"통화", -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(item.hDC, oldFont);
}

}  // namespace vostarel::cprog
