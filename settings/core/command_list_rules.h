// Platform-free rules of the Commands page and the command editor: where the
// page's list view goes and how wide its columns are, the column titles, how
// a row's mode column reads back, the editor's mode choices and caption
// rule, the macro text of a macro menu item, and what the page's apply
// leaves in the command entries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings.h"

namespace vostarel {

// ---- The page's list view -----------------------------------------------

// The list's columns: caption, command text, mode.
inline constexpr int kCommandListColumnCount = 3;

struct CommandListRect {
  // In page coordinates.
  int32_t X;
  int32_t Y;
  int32_t Width;
  int32_t Height;
};

// The list below the row of buttons, with the first button's left edge as
// the margin on the left, right and bottom and between the buttons and the
// list: x = L, y = B + L, width W - 2L, height H - B - 2L, where L and B
// are the first button's left and bottom edges and W x H the page's client
// size. A page too small for that gives sizes of 0, never negative ones.
CommandListRect PlaceCommandList(int32_t buttonLeft, int32_t buttonBottom, int32_t pageWidth,
                                 int32_t pageHeight);

// Pixels of the caption, command-text and mode columns in a list `width`
// pixels wide with rows `rowHeight` high: the two texts take half of the
// width less rowHeight + 5 each (never less than 0) and the mode column
// 2 (rowHeight + 5), so the three fill the width.
struct CommandColumnWidths {
  int32_t Widths[kCommandListColumnCount];
};
CommandColumnWidths SizeCommandColumns(int32_t width, int32_t rowHeight);

// The column titles: each piece of `titles` that ends with "|", in order. A
// last piece without its "|" is not a column.
std::vector<std::u16string_view> CommandColumnTitles(std::u16string_view titles);

// The mode a row's mode column stands for: its leading decimal digits (a
// leading "-" makes it 0). The registry text form holds the mode as one
// digit, so the result is kept within 0..9: anything above 9 is 9, which
// offers the command for every number just as any larger mode would.
int32_t ModeFromColumnText(const char16_t* text);
// The text the mode column shows for `mode`: its decimal digits, with a "-"
// before a negative one.
std::u16string ModeColumnText(int32_t mode);

// ---- The command editor ---------------------------------------------------

// The editor's three mode buttons.
enum class CommandModeChoice { Never, FirstNumber, EveryNumber };

// Mode 0 is Never, 1 FirstNumber, and every other mode EveryNumber.
CommandModeChoice ModeChoiceFor(int32_t mode);
// The mode each choice saves: 0, 1 or 9.
int32_t ModeFor(CommandModeChoice choice);

// Characters a caption may have besides its "!".
inline constexpr size_t kEditorCaptionLength = 30;

// Whether `caption` marks the default command, and the text the editor's
// caption field shows for it (without the "!").
bool CaptionMarksDefault(const char16_t* caption);
const char16_t* CaptionFieldText(const char16_t* caption);

// The caption the editor saves from its caption field: "!" followed by the
// field's text when the default box is ticked, the field's text otherwise,
// with at most kEditorCaptionLength characters from the field. Returns false
// and leaves `caption` as it was when the field is empty: a command needs a
// caption (an empty one would end the command list).
bool ComposeCaption(bool isDefault, const char16_t* fieldText, char16_t (&caption)[kCaptionCapacity]);

// The macro a macro-menu item inserts: the text after the item's first tab,
// or null when the item has no tab.
const char16_t* MacroOfMenuItem(const char16_t* itemText);

// ---- Apply ------------------------------------------------------------------

// Puts the page's rows into the command entries: rows[0..n) become entries
// 0..n-1, with n the smaller of rowCount and kMenuCommandCount (rows from
// the eleventh on are dropped). When n is below kMenuCommandCount, entry n
// gets mode 0 and an empty caption so the command list ends there; its
// command text and the entries after it are left as they were. Returns n,
// the number of commands to store.
size_t StoreCommandRows(MenuCommand (&entries)[kMenuCommandCount], const MenuCommand* rows,
                        size_t rowCount);

}  // namespace vostarel
