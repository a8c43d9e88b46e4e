#include "menu_answerer.h"

#include <optional>
#include <string>

#include "stand_in_counters.h"
#include "wide_text.h"

namespace vostarel::cprog {
namespace {

constexpr UINT kPollMs = 50;
constexpr wchar_t kPopupMenuClass[] = L"#32768";
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kAnsweredBoxCaption[] = L"Vostarel";
constexpr int kMessageBoxTextId = 0xFFFF;

Dialer* g_answering = nullptr;
bool g_choicePending = false;
unsigned g_choice = 0;

struct FoundWindow {
  const wchar_t* className;
  HWND window;
};

BOOL CALLBACK FindOnThread(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<FoundWindow*>(param);
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (!IsWindowVisible(window) || wcscmp(name, found->className) != 0) return TRUE;
  found->window = window;
  return FALSE;
}

HWND VisibleWindowOfThread(const wchar_t* className) {
  FoundWindow found{className, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindOnThread, reinterpret_cast<LPARAM>(&found));
  return found.window;
}

void PostKeyTo(HWND window, UINT key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 1 | 0xC0000000);
}

// Notes the items ("ID\tTEXT", "-" for a separator); returns how many
// selectable items come before the one with `id` and including it, or 0
// when there is none.
int NoteItems(HMENU menu, unsigned id, std::vector<std::string>& lines) {
  int steps = 0;
  int selectable = 0;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 256;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (info.fType & MFT_SEPARATOR) {
      lines.push_back("-");
      continue;
    }
    ++selectable;
    if (info.wID == id && steps == 0) steps = selectable;
    lines.push_back(std::to_string(info.wID) + "\t" + ToUtf8(text));
  }
  return steps;
}

void AnswerMenu(Dialer& d, HWND popup) {
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
  std::vector<std::string> lines;
  const int steps = menu != nullptr && g_choice != 0 ? NoteItems(menu, g_choice, lines) : 0;
  if (menu != nullptr && g_choice == 0) NoteItems(menu, 0, lines);
  d.answeredMenus.push_back(lines);
  g_choicePending = false;
  if (steps == 0) {
    // Closes the whole menu. Escape would only step back out of a menu
    // opened from a menu bar or the system menu's keyboard interface.
    EndMenu();
    return;
  }
  for (int i = 0; i < steps; ++i) PostKeyTo(popup, VK_DOWN);
  PostKeyTo(popup, VK_RETURN);
}

void AnswerBox(Dialer& d, HWND box) {
  std::string text = ToUtf8(WindowText(GetDlgItem(box, kMessageBoxTextId)));
  std::string flat;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') continue;
    flat += text[i] == '\n' ? '|' : text[i];
  }
  d.closedBoxes.push_back(ToUtf8(WindowText(box)) + "\t" + flat);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// The stand-in address book (pimstore.dll, in this process while the
// extension uses it) shows a contact as a message box titled with the
// contact's FileAs, or "Contact" without one, and records what it showed.
constexpr wchar_t kAddressBookModule[] = L"pimstore.dll";
constexpr wchar_t kUntitledCardCaption[] = L"Contact";
constexpr DWORD kFileAsCapacity = 256;
using LastDisplayedFunction = decltype(&StandInLastDisplayed);

// "OID\tFILEAS" of the contact that `box` shows when it is the address
// book's card: titled as the contact the address book displayed last.
std::optional<std::string> ContactCardShowing(HWND box) {
  HMODULE addressBook = GetModuleHandleW(kAddressBookModule);
  if (addressBook == nullptr) return std::nullopt;
  const auto lastDisplayed = reinterpret_cast<LastDisplayedFunction>(
      reinterpret_cast<void*>(GetProcAddress(addressBook, "StandInLastDisplayed")));
  LONG oid = 0;
  wchar_t fileAs[kFileAsCapacity] = {};
  if (lastDisplayed == nullptr || !lastDisplayed(&oid, fileAs, kFileAsCapacity)) return std::nullopt;
  if (WindowText(box) != (fileAs[0] != L'\0' ? fileAs : kUntitledCardCaption)) return std::nullopt;
  return std::to_string(oid) + "\t" + ToUtf8(fileAs);
}

void CALLBACK OnAnswerTimer(HWND, UINT, UINT_PTR, DWORD) {
  Dialer* d = g_answering;
  if (d == nullptr) return;
  if (g_choicePending) {
    if (HWND popup = VisibleWindowOfThread(kPopupMenuClass)) AnswerMenu(*d, popup);
  }
  HWND box = VisibleWindowOfThread(kDialogClass);
  if (box == nullptr) return;
  if (WindowText(box) == kAnsweredBoxCaption) {
    AnswerBox(*d, box);
  } else if (const auto contact = ContactCardShowing(box)) {
    d->closedContactCards.push_back(*contact);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
}

}  // namespace

void ArmMenuChoice(Dialer& d, unsigned commandId) {
  if (g_answering == nullptr) SetTimer(nullptr, 0, kPollMs, OnAnswerTimer);
  g_answering = &d;
  g_choice = commandId;
  g_choicePending = true;
}

}  // namespace vostarel::cprog
