// A fuzzed entry (well formed, or raw bytes with damaged counts and fields
// without terminators), command text, number index and capacity through
// macro expansion, the action choice and the row popup. Output buffers are
// exactly sized so AddressSanitizer sees a write past the end; the cut
// expansion must be the start of the whole one.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "command_action.h"
#include "fuzz_input.h"
#include "macro_expansion.h"
#include "row_menu.h"
#include "text.h"

namespace {

using namespace vostarel;

void Check(bool condition) {
  if (!condition) std::abort();
}

void FillEntry(fuzz::FuzzInput& input, ContactEntry& entry) {
  std::memset(&entry, 0, sizeof entry);
  if (input.Byte() & 1) {
    const std::string raw = input.Bytes(sizeof entry);
    std::memcpy(&entry, raw.data(), raw.size());
    return;
  }
  entry.EntryId = static_cast<int8_t>(input.Byte());
  entry.NumberCount = input.Byte() % (kMaxNumbersPerEntry + 1);
  entry.SelectedNumber = static_cast<int8_t>(input.Byte());
  for (NumberSlot& slot : entry.Numbers) {
    CopyText(slot.Label, input.Text(kLabelCapacity + 2).c_str());
    CopyText(slot.Number, input.Text(kNumberCapacity + 2).c_str());
  }
  CopyText(entry.DisplayName, input.Text(kDisplayNameCapacity + 2).c_str());
  CopyText(entry.SpelledName, input.Text(kSpelledNameCapacity + 2).c_str());
  CopyText(entry.NameInitials, input.Text(kNameInitialsCapacity + 2).c_str());
}

void CheckAction(const std::u16string& text, int32_t mode) {
  const CommandAction action = ChooseCommandAction(text.c_str(), mode);
  switch (action.Kind) {
    case CommandActionKind::Nothing:
      Check(text.empty());
      break;
    case CommandActionKind::OpenEntry:
      Check(!text.empty() && text[0] == u'*');
      break;
    case CommandActionKind::LaunchWithParameters:
      Check(mode != 0 && action.HasParameters);
      Check(action.File.data() == text.data());
      Check(action.File.size() >= 4 && action.File.size() < text.size());
      Check(text[action.File.size()] == u' ');
      Check(action.Parameters.data() == text.data() + action.File.size() + 1);
      Check(action.Parameters.data()[action.Parameters.size()] == 0);
      break;
    case CommandActionKind::LaunchWhole:
      Check(mode != 0 && !action.HasParameters && action.File == text);
      Check(text.find(u':') != std::u16string::npos);
      break;
    case CommandActionKind::Call:
      Check(!text.empty() && text[0] != u'*' && !action.HasParameters);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  ContactEntry entry;
  FillEntry(input, entry);
  const uint32_t numberIndex = static_cast<uint32_t>(static_cast<int8_t>(input.Byte()));
  const size_t capacity = (input.Byte() | (input.Byte() << 8)) % 1400;
  const int32_t mode = static_cast<int8_t>(input.Byte());
  MenuCommand commands[kMenuCommandCount];
  for (MenuCommand& command : commands) {
    command.Mode = static_cast<int8_t>(input.Byte()) % 12;
    CopyText(command.Caption, input.Text(kCaptionCapacity + 2).c_str());
    CopyText(command.Command, input.Text(8).c_str());
  }
  const std::u16string text = input.Text(input.Remaining());

  // The whole expansion: no macro inserts more than "%a" does.
  size_t macros = 0;
  for (char16_t unit : text) macros += unit == u'%';
  std::vector<char16_t> whole(text.size() +
                              macros * kMaxNumbersPerEntry * (kLabelCapacity + kNumberCapacity + 3) + 1);
  const size_t wholeLength =
      ExpandMacros(whole.data(), whole.size(), text.c_str(), entry, numberIndex);
  Check(wholeLength < whole.size() && whole[wholeLength] == 0);

  std::vector<char16_t> out(capacity);
  if (capacity > 0) {
    std::memset(out.data(), 0xA5, capacity * sizeof(char16_t));
  }
  const size_t length = ExpandMacros(out.data(), capacity, text.c_str(), entry, numberIndex);
  if (capacity == 0) {
    Check(length == 0);
  } else {
    Check(length < capacity && out[length] == 0);
    Check(length == (wholeLength < capacity ? wholeLength : capacity - 1));
    Check(std::memcmp(out.data(), whole.data(), length * sizeof(char16_t)) == 0);
    CheckAction(std::u16string(out.data(), length), mode);
  }

  for (const RowMenuItem& item : BuildRowMenuItems(entry, commands)) {
    if (item.Separator) {
      Check(item.Id == 0);
      continue;
    }
    const std::optional<RowMenuChoice> choice = DecodeRowMenuId(item.Id);
    Check(choice.has_value() && choice->NumberIndex < kMaxNumbersPerEntry);
    Check(static_cast<int64_t>(choice->NumberIndex) < commands[choice->CommandIndex].Mode);
    Check(TextLength(item.Text) < kCaptionExpansionCapacity);
  }
  return 0;
}
