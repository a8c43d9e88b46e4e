#include "command_list_rules.h"

#include <algorithm>

#include "text.h"

namespace vostarel {

namespace {

constexpr char16_t kColumnEnd = u'|';
constexpr char16_t kDefaultMark = u'!';
constexpr char16_t kMacroTab = u'\t';
constexpr int32_t kModeNever = 0;
constexpr int32_t kModeFirstNumber = 1;
constexpr int32_t kModeEveryNumber = 9;
constexpr int32_t kLargestStoredMode = 9;  // one digit in the text form

int32_t NotNegative(int32_t value) { return std::max<int32_t>(value, 0); }

}  // namespace

CommandListRect PlaceCommandList(int32_t buttonLeft, int32_t buttonBottom, int32_t pageWidth,
                                 int32_t pageHeight) {
  return {buttonLeft, buttonBottom + buttonLeft, NotNegative(pageWidth - 2 * buttonLeft),
          NotNegative(pageHeight - buttonBottom - 2 * buttonLeft)};
}

CommandColumnWidths SizeCommandColumns(int32_t width, int32_t rowHeight) {
  // Half the width each for the two texts, less what the mode column takes.
  const int32_t modeShare = rowHeight + 5;
  const int32_t textColumn = NotNegative(width / 2 - modeShare);
  return {{textColumn, textColumn, NotNegative(2 * modeShare)}};
}

std::vector<std::u16string_view> CommandColumnTitles(std::u16string_view titles) {
  std::vector<std::u16string_view> columns;
  size_t start = 0;
  for (size_t end = titles.find(kColumnEnd); end != std::u16string_view::npos;
       end = titles.find(kColumnEnd, start)) {
    columns.push_back(titles.substr(start, end - start));
    start = end + 1;
  }
  return columns;
}

int32_t ModeFromColumnText(const char16_t* text) {
  if (text == nullptr) return kModeNever;
  int32_t mode = 0;
  for (; *text >= u'0' && *text <= u'9'; ++text) {
    // Past 9 the value no longer matters: it is kept at 9.
    mode = std::min(mode * 10 + (*text - u'0'), kLargestStoredMode + 1);
  }
  return std::min(mode, kLargestStoredMode);
}

std::u16string ModeColumnText(int32_t mode) {
  // Digits of the magnitude, last first; int64_t holds the magnitude of
  // every int32_t.
  int64_t magnitude = mode < 0 ? -static_cast<int64_t>(mode) : mode;
  std::u16string text;
  do {
    text.insert(text.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (mode < 0) text.insert(text.begin(), u'-');
  return text;
}

CommandModeChoice ModeChoiceFor(int32_t mode) {
  if (mode == kModeNever) return CommandModeChoice::Never;
  if (mode == kModeFirstNumber) return CommandModeChoice::FirstNumber;
  return CommandModeChoice::EveryNumber;
}

int32_t ModeFor(CommandModeChoice choice) {
  switch (choice) {
    case CommandModeChoice::Never:
      return kModeNever;
    case CommandModeChoice::FirstNumber:
      return kModeFirstNumber;
    case CommandModeChoice::EveryNumber:
      break;
  }
  return kModeEveryNumber;
}

bool CaptionMarksDefault(const char16_t* caption) {
  return caption != nullptr && caption[0] == kDefaultMark;
}

const char16_t* CaptionFieldText(const char16_t* caption) {
  if (caption == nullptr) return u"";
  return CaptionMarksDefault(caption) ? caption + 1 : caption;
}

bool ComposeCaption(bool isDefault, const char16_t* fieldText, char16_t (&caption)[kCaptionCapacity]) {
  if (fieldText == nullptr || fieldText[0] == 0) return false;
  const size_t length = std::min(TextLength(fieldText), kEditorCaptionLength);
  TextAppender out(caption, kCaptionCapacity);
  if (isDefault) out.Append(kDefaultMark);
  out.Append(fieldText, fieldText + length);
  return true;
}

const char16_t* MacroOfMenuItem(const char16_t* itemText) {
  if (itemText == nullptr) return nullptr;
  for (; *itemText != 0; ++itemText) {
    if (*itemText == kMacroTab) return itemText + 1;
  }
  return nullptr;
}

size_t StoreCommandRows(MenuCommand (&entries)[kMenuCommandCount], const MenuCommand* rows,
                        size_t rowCount) {
  const size_t count = std::min(rowCount, kMenuCommandCount);
  for (size_t i = 0; i < count; ++i) {
    entries[i].Mode = rows[i].Mode;
    CopyText(entries[i].Caption, rows[i].Caption);
    CopyText(entries[i].Command, rows[i].Command);
  }
  if (count < kMenuCommandCount) {
    // The empty caption ends the list; the command text is left alone.
    entries[count].Mode = 0;
    CopyText(entries[count].Caption, nullptr);
  }
  return count;
}

}  // namespace vostarel
