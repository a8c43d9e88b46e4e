// The list is owner-data and owner-drawn: its texts exist only while the
// dialer's procedure (the extension's, in front of cprog's) draws a row. So
// cprog asks for each row once more, sending the dialer the WM_DRAWITEM the
// list view itself would send, with a memory DC; while it does, the
// import-table entries for user32's DrawTextW in every module of this
// process point at a recorder that notes the texts drawn into that DC, with
// the DC's text colour and the right edge of the rectangle of each. The
// entries are put back right after. A column drawn in pieces (the name, the
// number) is the pieces with the same right edge, in order; a piece drawn in
// another colour than the row's label is marked. This is
// cprog looking into its own process; the extension has no hook for it.
#include "list_reader.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <string>

#include "wide_text.h"

namespace vostarel::cprog {
namespace {

constexpr int kResultListControl = 43295;
constexpr size_t kMaxRows = 999;
// The formats the rows' boxes are drawn with.
constexpr UINT kIndexFormat = 0x25;
constexpr UINT kLabelFormat = 0x24;
constexpr UINT kTextFormat = 0x40024;  // name, then number

using DrawTextWFunction = int(WINAPI*)(HDC, LPCWSTR, int, LPRECT, UINT);

struct DrawnText {
  std::wstring text;
  UINT format;
  COLORREF colour;
  LONG right;
};

DrawTextWFunction g_realDrawText = nullptr;
HDC g_recordedDc = nullptr;
std::vector<DrawnText>* g_drawn = nullptr;

// Texts drawn into the reading DC are noted, not rendered: rendering every
// row of every list read (up to 999) would fill the text renderer's glyph
// caches with glyphs the phone never shows, and a long run would report them
// as the phone's memory growing. A measuring call still measures.
int WINAPI RecordingDrawText(HDC dc, LPCWSTR text, int length, LPRECT rect, UINT format) {
  if (dc != g_recordedDc || g_drawn == nullptr || (format & DT_CALCRECT) != 0) {
    return g_realDrawText(dc, text, length, rect, format);
  }
  if (text != nullptr) {
    g_drawn->push_back({length < 0 ? std::wstring(text) : std::wstring(text, length), format,
                        GetTextColor(dc), rect != nullptr ? rect->right : 0});
  }
  return rect != nullptr && rect->bottom > rect->top ? rect->bottom - rect->top : 1;
}

struct PatchedEntry {
  ULONG_PTR* slot;
  ULONG_PTR original;
};

void WriteSlot(ULONG_PTR* slot, ULONG_PTR value) {
  DWORD oldProtect = 0;
  if (!VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &oldProtect)) return;
  *slot = value;
  VirtualProtect(slot, sizeof(*slot), oldProtect, &oldProtect);
}

// Points every import-table entry of `module` that holds `from` at `to`.
void PatchModule(HMODULE module, ULONG_PTR from, ULONG_PTR to, std::vector<PatchedEntry>& patched) {
  auto* base = reinterpret_cast<BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return;
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  if (nt->Signature != IMAGE_NT_SIGNATURE) return;
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0) return;
  for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       d->Name != 0; ++d) {
    for (auto* t = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk); t->u1.Function != 0;
         ++t) {
      auto* slot = reinterpret_cast<ULONG_PTR*>(&t->u1.Function);
      if (*slot != from) continue;
      patched.push_back({slot, *slot});
      WriteSlot(slot, to);
    }
  }
}

// DrawTextW calls of every module of this process go to the recorder for
// the life of the object.
class DrawTextRecorder {
 public:
  DrawTextRecorder() {
    g_realDrawText = reinterpret_cast<DrawTextWFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "DrawTextW")));
    if (g_realDrawText == nullptr) return;
    const auto from = reinterpret_cast<ULONG_PTR>(g_realDrawText);
    const auto to = reinterpret_cast<ULONG_PTR>(&RecordingDrawText);
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetCurrentProcessId());
    if (snapshot == INVALID_HANDLE_VALUE) return;
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Module32FirstW(snapshot, &entry); more; more = Module32NextW(snapshot, &entry)) {
      PatchModule(entry.hModule, from, to, patched_);
    }
    CloseHandle(snapshot);
  }
  DrawTextRecorder(const DrawTextRecorder&) = delete;
  DrawTextRecorder& operator=(const DrawTextRecorder&) = delete;
  ~DrawTextRecorder() {
    for (const PatchedEntry& entry : patched_) WriteSlot(entry.slot, entry.original);
  }

 private:
  std::vector<PatchedEntry> patched_;
};

// One text column of a row as its pieces came: the whole text, and the
// units drawn in another colour than `plain`.
struct Column {
  std::wstring text;
  std::vector<UnitRange> marks;

  void Add(const DrawnText& piece, COLORREF plain) {
    if (piece.colour != plain) AddUnitRange(marks, text.size(), text.size() + piece.text.size());
    text += piece.text;
  }
};

PrintedRow RowFrom(const std::vector<DrawnText>& drawn, bool selected) {
  PrintedRow row;
  row.selected = selected;
  COLORREF plain = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  for (const DrawnText& d : drawn) {
    if (d.format == kLabelFormat) plain = d.colour;
  }
  Column name;
  Column number;
  bool nameSeen = false;
  LONG nameRight = 0;
  for (const DrawnText& d : drawn) {
    if (d.format == kIndexFormat) {
      row.index = ToUtf8(d.text);
    } else if (d.format == kLabelFormat) {
      row.label = ToUtf8(d.text);
    } else if (d.format == kTextFormat && (!nameSeen || d.right == nameRight)) {
      name.Add(d, plain);
      nameSeen = true;
      nameRight = d.right;
    } else if (d.format == kTextFormat) {
      number.Add(d, plain);
    }
  }
  row.name = ToUtf8(name.text);
  row.nameMarks = name.marks;
  row.number = ToUtf8(number.text);
  row.numberMarks = number.marks;
  return row;
}

}  // namespace

std::string ListPlace(HWND dialer, HWND list) {
  RECT r{};
  GetWindowRect(list, &r);
  MapWindowPoints(nullptr, dialer, reinterpret_cast<POINT*>(&r), 2);
  return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) +
         " " + std::to_string(r.bottom - r.top);
}

bool ListCoversDialer(HWND dialer, HWND list) {
  RECT client{};
  GetClientRect(dialer, &client);
  RECT listRect{};
  GetWindowRect(list, &listRect);
  MapWindowPoints(nullptr, dialer, reinterpret_cast<POINT*>(&listRect), 2);
  return EqualRect(&client, &listRect) != FALSE;
}

std::vector<PrintedRow> ReadListRows(HWND dialer, HWND list) {
  std::vector<PrintedRow> rows;
  const size_t count = static_cast<size_t>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  RECT client{};
  GetClientRect(list, &client);
  HDC screen = GetDC(list);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right > 0 ? client.right : 1, 256);
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  ReleaseDC(list, screen);
  {
    DrawTextRecorder recorder;
    std::vector<DrawnText> drawn;
    g_recordedDc = memory;
    g_drawn = &drawn;
    for (size_t i = 0; i < count && i < kMaxRows; ++i) {
      RECT item{LVIR_BOUNDS, 0, 0, 0};
      SendMessageW(list, LVM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
      const bool selected =
          (SendMessageW(list, LVM_GETITEMSTATE, i, LVIS_SELECTED) & LVIS_SELECTED) != 0;
      DRAWITEMSTRUCT draw{};
      draw.CtlType = ODT_LISTVIEW;
      draw.CtlID = kResultListControl;
      draw.itemID = static_cast<UINT>(i);
      draw.itemAction = ODA_DRAWENTIRE;
      draw.itemState = selected ? ODS_SELECTED : 0;
      draw.hwndItem = list;
      draw.hDC = memory;
      draw.rcItem = RECT{item.left, 0, item.right, item.bottom - item.top};
      drawn.clear();
      SendMessageW(dialer, WM_DRAWITEM, kResultListControl, reinterpret_cast<LPARAM>(&draw));
      rows.push_back(RowFrom(drawn, selected));
    }
    g_drawn = nullptr;
    g_recordedDc = nullptr;
  }
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return rows;
}

}  // namespace vostarel::cprog
