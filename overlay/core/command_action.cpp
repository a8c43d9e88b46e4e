#include "command_action.h"

#include "matchers.h"
#include "text.h"

namespace vostarel {

namespace {
constexpr char16_t kProgramEnd[] = u".exe ";
constexpr size_t kProgramExtensionLength = 4;  // ".exe", without the space
}  // namespace

CommandAction ChooseCommandAction(const char16_t* expandedText, int32_t mode) {
  CommandAction action;
  if (expandedText == nullptr || expandedText[0] == 0) return action;
  if (expandedText[0] == u'*') {
    action.Kind = CommandActionKind::OpenEntry;
    return action;
  }
  if (mode == 0) {
    action.Kind = CommandActionKind::Call;
    return action;
  }
  const std::u16string_view text(expandedText, TextLength(expandedText));
  const ptrdiff_t programEnd = FindTextIgnoringAsciiCase(expandedText, kProgramEnd);
  if (programEnd >= 0) {
    const size_t fileLength = static_cast<size_t>(programEnd) + kProgramExtensionLength;
    action.Kind = CommandActionKind::LaunchWithParameters;
    action.File = text.substr(0, fileLength);
    action.Parameters = text.substr(fileLength + 1);  // after the space
    action.HasParameters = true;
    return action;
  }
  if (text.find(u':') != std::u16string_view::npos) {
    action.Kind = CommandActionKind::LaunchWhole;
    action.File = text;
    return action;
  }
  action.Kind = CommandActionKind::Call;
  return action;
}

}  // namespace vostarel
