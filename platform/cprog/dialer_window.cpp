#include "dialer_window.h"

#include "aygshell.h"
#include "call_history.h"
#include "call_request.h"
#include "call_request_data.h"
#include "calllog_file.h"
#include "core/number_text.h"
#include "cprog_resource.h"
#include "device_call_log.h"
#include "wide_text.h"

namespace vostarel::cprog {
namespace {

constexpr wchar_t kKeypadClass[] = L"DialerKeypad";
constexpr int kTalkButtonId = 1001;
constexpr int kFirstKeyId = 1100;

// Layout of the 240 x 320 client area; other sizes move it (DialerOffset).
constexpr RECT kStatusRect{8, 4, 232, 22};
constexpr RECT kFieldPanelRect{8, 26, 232, 78};
constexpr RECT kFieldRect{14, 33, 226, 71};
constexpr RECT kKeypadRect{8, 84, 232, 272};
constexpr int kKeyWidth = 72;
constexpr int kKeyHeight = 44;
constexpr int kKeyGap = 4;
constexpr RECT kTalkRect{8, 278, 232, 314};

Dialer* g_dialer = nullptr;  // the one dialer of the process
WNDPROC g_editProc = nullptr;  // the EDIT class procedure behind FieldWndProc

HWND MakeChild(const wchar_t* className, DWORD style, const RECT& rect, HWND parent, int id) {
  return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void SetStatus(Dialer& d, const std::wstring& text) { SetWindowTextW(d.status, text.c_str()); }

// How far the layout moves in a client area of another size than 240 x 320:
// centred across; the keypad and talk key keep to the bottom, and the number
// field stays right above the keypad, so the room above it changes with the
// height.
POINT DialerOffset(int width, int height) {
  return {(width - kDialerClientWidth) / 2, height - kDialerClientHeight};
}

POINT DialerOffset(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return DialerOffset(client.right, client.bottom);
}

RECT Moved(RECT rect, int dx, int dy) {
  OffsetRect(&rect, dx, dy);
  return rect;
}

// Moved without copying the old pixels along: LayOutDialer repaints all.
void MoveChild(HWND child, const RECT& rect) {
  if (child != nullptr) {
    SetWindowPos(child, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  }
}

void LayOutDialer(const Dialer& d, int width, int height) {
  const POINT offset = DialerOffset(width, height);
  MoveChild(d.status, Moved(kStatusRect, offset.x, 0));
  // A shorter dialer pushes the number field's panel over the status line,
  // which then gives way.
  if (d.status != nullptr) ShowWindow(d.status, offset.y >= 0 ? SW_SHOWNA : SW_HIDE);
  MoveChild(d.numberField, Moved(kFieldRect, offset.x, offset.y));
  MoveChild(d.keypad, Moved(kKeypadRect, offset.x, offset.y));
  MoveChild(d.talkButton, Moved(kTalkRect, offset.x, offset.y));
  RedrawWindow(d.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void OnTypedChar(Dialer& d, wchar_t c) {
  auto next = ApplyTypedChar(ToU16(WindowText(d.numberField)), static_cast<char16_t>(c));
  if (!next) return;
  // WM_SETTEXT is how the number changes: the extension watches for it.
  SendMessageW(d.numberField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ToWide(*next).c_str()));
}

void OnTalkKey(Dialer& d) {
  const std::wstring number = WindowText(d.numberField);
  if (number.empty()) return;
  if (d.extension->DoVerb(kPhoneVerbTalk, number) == S_OK) return;  // the extension dialed
  PlaceCall(d, number, L"");
}

void OnSoftKey(Dialer& d) {
  ++d.softKeyPresses;
  SetStatus(d, L"연락처");
}

void OnCommand(Dialer& d, WORD id, WORD code, LPARAM lParam) {
  if (id == d.profile.softKeyCommand) {
    OnSoftKey(d);
  } else if (id == d.profile.historyCommand) {
    ++d.historyOpens;
    ShowCallHistory(d.window, d.look);
  } else if (id == IDM_QUIT) {
    DestroyWindow(d.window);
  } else if (id == kTalkButtonId && (code == BN_CLICKED || code == BN_DOUBLECLICKED)) {
    PostMessageW(d.window, WM_HOTKEY, 0, MAKELPARAM(0, kTalkHotKey));
    SetFocus(d.window);
  } else if (id == d.profile.numberFieldId && code == EN_CHANGE) {
    d.extension->ForwardToDialpadProc(d.window, WM_COMMAND, MAKEWPARAM(id, code), lParam);
  }
}

LRESULT OnCopyData(Dialer& d, const COPYDATASTRUCT* data) {
  if (data == nullptr || data->dwData != kCallRequestCopyDataId) return FALSE;
  const device::CallRequestTexts request = device::DecodeCallRequest(data->lpData, data->cbData);
  PlaceCall(d, ToWide(request.Number), ToWide(request.CalledParty));
  return TRUE;
}

// The soft-key bar hangs below the dialer window; it follows the window.
void PlaceSoftKeyBar(const Dialer& d) {
  HWND bar = SHFindMenuBar(d.window);
  if (bar == nullptr) return;
  RECT rect{};
  GetWindowRect(d.window, &rect);
  POINT clientOrigin{0, 0};
  ClientToScreen(d.window, &clientOrigin);
  SetWindowPos(GetParent(bar), nullptr, clientOrigin.x, rect.bottom, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PaintFace(const Dialer& d, HDC dc) {
  RECT client{};
  GetClientRect(d.window, &client);
  FillRect(dc, &client, d.look.faceBrush.Get());
  HGDIOBJ oldBrush = SelectObject(dc, d.look.fieldBrush.Get());
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  const POINT offset = DialerOffset(d.window);
  const RECT panel = Moved(kFieldPanelRect, offset.x, offset.y);
  RoundRect(dc, panel.left, panel.top, panel.right + 1, panel.bottom + 1, 12, 12);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
}

LRESULT OnControlColor(const Dialer& d, HDC dc, HWND control) {
  SetBkMode(dc, OPAQUE);
  if (control == d.numberField) {
    SetTextColor(dc, kTextColor);
    SetBkColor(dc, kFieldColor);
    return reinterpret_cast<LRESULT>(d.look.fieldBrush.Get());
  }
  SetTextColor(dc, kDimTextColor);
  SetBkColor(dc, kFaceColor);
  return reinterpret_cast<LRESULT>(d.look.faceBrush.Get());
}

LRESULT CALLBACK DialerWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialer* d = g_dialer;
  if (d == nullptr || d->window != hwnd) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_CHAR:
      OnTypedChar(*d, static_cast<wchar_t>(wParam));
      return 0;
    case WM_KEYDOWN:
      if (wParam == kTalkVirtualKey) PostMessageW(hwnd, WM_HOTKEY, 0, MAKELPARAM(0, kTalkHotKey));
      return 0;
    case WM_HOTKEY:
      if (HIWORD(lParam) == kTalkHotKey) OnTalkKey(*d);
      return 0;
    case WM_COMMAND:
      OnCommand(*d, LOWORD(wParam), HIWORD(wParam), lParam);
      return 0;
    case WM_COPYDATA:
      return OnCopyData(*d, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return OnControlColor(*d, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND:
      PaintFace(*d, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_DRAWITEM:
      if (wParam == kTalkButtonId) DrawTalkButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), d->look);
      if (wParam == kResultListId) ++d->listRowDraws;
      return TRUE;
    case WM_SIZE:
      LayOutDialer(*d, LOWORD(lParam), HIWORD(lParam));
      PlaceSoftKeyBar(*d);
      d->extension->ForwardToDialpadProc(hwnd, message, wParam, lParam);
      return 0;
    case WM_MOVE:
      PlaceSoftKeyBar(*d);
      return 0;
    case WM_DESTROY:
      RemovePropW(hwnd, kKeysPlayedProperty);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

// The keypad area: passes key presses to the dialer and draws its keys.
LRESULT CALLBACK KeypadWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialer* d = g_dialer;
  if (d == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND: {
      const int index = LOWORD(wParam) - kFirstKeyId;
      const WORD code = HIWORD(wParam);
      if (code == BN_CLICKED || code == BN_DOUBLECLICKED) {
        OnTypedChar(*d, KeypadCharacter(index));
        SetFocus(d->window);  // the dialer keeps the keyboard
      }
      return 0;
    }
    case WM_DRAWITEM:
      DrawKeypadKey(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), d->look,
                    static_cast<int>(wParam) - kFirstKeyId);
      return TRUE;
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(hwnd, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, d->look.faceBrush.Get());
      return 1;
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

// cprog's own layer on the number field: it shows the number and never
// types into itself. Keys that reach it go to the dialer, which owns the
// typing, so every change arrives as WM_SETTEXT.
LRESULT CALLBACK FieldWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
      return SendMessageW(GetParent(hwnd), message, wParam, lParam);
    case kNumberChangedMessage:
      return 0;  // a notice for whoever watches the field; the edit control has no use for it
    default:
      return CallWindowProcW(g_editProc, hwnd, message, wParam, lParam);
  }
}

bool RegisterClasses(HINSTANCE instance) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DialerWndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wc.lpszClassName = kDialerClass;
  if (!RegisterClassW(&wc)) return false;
  wc.lpfnWndProc = KeypadWndProc;
  wc.hIcon = nullptr;
  wc.lpszClassName = kKeypadClass;
  return RegisterClassW(&wc) != 0;
}

void CreateKeys(Dialer& d) {
  for (int i = 0; i < kKeypadKeyCount; ++i) {
    const int column = i % 3;
    const int row = i / 3;
    const RECT rect{column * (kKeyWidth + kKeyGap), row * (kKeyHeight + kKeyGap),
                    column * (kKeyWidth + kKeyGap) + kKeyWidth, row * (kKeyHeight + kKeyGap) + kKeyHeight};
    MakeChild(L"BUTTON", BS_OWNERDRAW, rect, d.keypad, kFirstKeyId + i);
  }
}

bool CreateSoftKeyBar(HINSTANCE instance, const Dialer& d) {
  SHMENUBARINFO info{};
  info.cbSize = sizeof(info);
  info.hwndParent = d.window;
  info.dwFlags = SHCMBF_COLORBK;
  info.nToolBarId = d.profile.version52 ? IDR_MENUBAR_52 : d.profile.version5 ? IDR_MENUBAR_5 : IDR_MENUBAR_4;
  info.hInstRes = instance;
  info.clrBk = RGB(34, 37, 45);
  return SHCreateMenuBar(&info) != FALSE;
}

}  // namespace

WNDPROC DialerOwnProc() { return DialerWndProc; }
WNDPROC NumberFieldOwnProc() { return FieldWndProc; }

HWND CreateDialer(HINSTANCE instance, Dialer& d) {
  if (!RegisterClasses(instance)) return nullptr;
  d.look.Create();
  g_dialer = &d;

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT frame{0, 0, kDialerClientWidth, kDialerClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  d.window = CreateWindowExW(0, kDialerClass, L"전화", style, 40, 40, frame.right - frame.left,
                             frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  if (d.window == nullptr) return nullptr;

  d.status = MakeChild(L"STATIC", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, kStatusRect, d.window, d.profile.statusId);
  // The field gets its ID only once cprog's own procedure is in place. An
  // extension looks for the field by its ID from another thread; one that
  // found it earlier would put its procedure in first and end up behind
  // cprog's, which keeps the "number changed" message to itself.
  d.numberField = MakeChild(L"EDIT", ES_CENTER | ES_AUTOHSCROLL | ES_READONLY, kFieldRect, d.window, 0);
  g_editProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(d.numberField, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FieldWndProc)));
  SetWindowLongPtrW(d.numberField, GWLP_ID, d.profile.numberFieldId);
  d.keypad = MakeChild(kKeypadClass, WS_CLIPCHILDREN, kKeypadRect, d.window, kKeypadAreaId);
  d.talkButton = MakeChild(L"BUTTON", BS_OWNERDRAW, kTalkRect, d.window, kTalkButtonId);
  CreateKeys(d);
  SendMessageW(d.status, WM_SETFONT, reinterpret_cast<WPARAM>(d.look.statusFont.Get()), FALSE);
  SendMessageW(d.numberField, WM_SETFONT, reinterpret_cast<WPARAM>(d.look.numberFont.Get()), FALSE);
  d.extension->AskControlMetrics(d.profile.numberFieldId);
  d.extension->AskControlMetrics(kKeypadAreaId);

  CreateSoftKeyBar(instance, d);
  ShowWindow(d.window, SW_SHOW);
  UpdateWindow(d.window);
  SetFocus(d.window);
  return d.window;
}

void PasteNumber(Dialer& d, std::u16string_view number) {
  const std::wstring current = WindowText(d.numberField);
  const std::wstring added = ToWide(FittingPaste(ToU16(current), number));
  if (added.empty()) return;
  // Through the edit control's own selection, so no WM_SETTEXT reaches the
  // field: the change is announced by the field's "number changed" message.
  const WPARAM end = current.size();
  SendMessageW(d.numberField, EM_SETSEL, end, end);
  SendMessageW(d.numberField, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
  SendMessageW(d.numberField, kNumberChangedMessage, 0, 0);
}

void ResizeDialer(Dialer& d, int width, int height) {
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(d.window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(d.window, GWL_EXSTYLE)));
  SetWindowPos(d.window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceCall(Dialer& d, std::wstring number, const std::wstring& name) {
  if (number.empty()) return;
  const bool immediate = d.extension->IsImmediateDialRequestRequired(number);
  if (!immediate && !d.extension->PreprocessDialRequest(number)) {
    SetStatus(d, L"call cancelled");
    return;
  }
  if (number.empty()) return;
  SetStatus(d, ToWide(CallingStatus(ToU16(number), ToU16(name))));
  d.extension->ShowPhoneMsg(kPhoneMsgCalling, number, name);
  // The call as its call-log line reads (one line, TABs and breaks made
  // spaces), without the line end.
  std::string line = device::FormatCallLogLine(ToU16(number), ToU16(name));
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  d.placedCalls.push_back(line);
  platform::AddCallToDeviceLog(number.c_str(), name.c_str(), d.callLogLimit);
}

}  // namespace vostarel::cprog
