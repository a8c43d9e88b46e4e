// What the Commands page and the command editor read from typed text and
// from the list's cells: the mode column, the caption field with and without
// the default mark, a macro menu item, the column titles, and the rows the
// page stores on apply. No crash, no write past a field, and every result
// within its bounds.
#include <cstdlib>
#include <string>
#include <vector>

#include "command_list_rules.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vostarel;
  fuzz::FuzzInput input(data, size);

  const std::u16string mode = input.Text(40);
  const int32_t parsed = ModeFromColumnText(mode.c_str());
  if (parsed < 0 || parsed > 9) std::abort();

  const bool isDefault = (input.Byte() & 1) != 0;
  const std::u16string field = input.Text(300);
  char16_t caption[kCaptionCapacity] = {u'x', 0};
  if (ComposeCaption(isDefault, field.c_str(), caption)) {
    const size_t length = std::char_traits<char16_t>::length(caption);
    if (length >= kCaptionCapacity || length == 0) std::abort();
    // The default mark comes first; otherwise the field's text is kept as typed.
    const std::u16string_view kept = isDefault ? std::u16string_view(caption + 1) : std::u16string_view(caption);
    if (isDefault && !CaptionMarksDefault(caption)) std::abort();
    if (kept.size() > kEditorCaptionLength || field.substr(0, kept.size()) != kept) std::abort();
  } else if (!field.empty() || caption[0] != u'x') {
    std::abort();  // only an empty field is refused, and it leaves the caption
  }

  const std::u16string item = input.Text(100);
  if (const char16_t* macro = MacroOfMenuItem(item.c_str())) {
    if (macro < item.c_str() || macro > item.c_str() + item.size()) std::abort();
  }
  const std::u16string titles = input.Text(200);
  for (std::u16string_view title : CommandColumnTitles(titles)) {
    if (title.find(u'|') != std::u16string_view::npos) std::abort();
  }

  // Up to 15 rows of arbitrary cells.
  const size_t rowCount = input.Byte() % 16;
  std::vector<MenuCommand> rows(rowCount);
  for (MenuCommand& row : rows) {
    row.Mode = ModeFromColumnText(input.Text(8).c_str());
    const std::u16string text = input.Text(kCommandTextCapacity - 1);
    std::char_traits<char16_t>::copy(row.Command, text.c_str(), text.size() + 1);
    const std::u16string rowCaption = input.Text(kCaptionCapacity - 1);
    std::char_traits<char16_t>::copy(row.Caption, rowCaption.c_str(), rowCaption.size() + 1);
  }
  MenuCommand entries[kMenuCommandCount] = {};
  const size_t stored = StoreCommandRows(entries, rows.data(), rows.size());
  if (stored != (rowCount < kMenuCommandCount ? rowCount : kMenuCommandCount)) std::abort();
  if (stored < kMenuCommandCount && (entries[stored].Caption[0] != 0 || entries[stored].Mode != 0)) {
    std::abort();
  }
  return 0;
}
