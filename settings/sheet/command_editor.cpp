#include "command_editor.h"

#include <iterator>

#include "aygshell.h"
#include "command_list_rules.h"
#include "holders.h"
#include "process_values.h"
#include "resource_ids.h"
#include "settings_sheet.h"
#include "text.h"
#include "win_text.h"

namespace vostarel {
namespace {

// The macro list is popup 1 of the overlay's menu resource.
constexpr int kMacroPopupIndex = 1;
constexpr int kMacroItemCapacity = 80;
constexpr UINT kMacroMenuFlags = TPM_RETURNCMD | TPM_RIGHTALIGN;
static_assert(kMacroMenuFlags == 0x108);
// The caption field is read with room for 30 characters and the terminator.
constexpr int kCaptionFieldCapacity = static_cast<int>(kEditorCaptionLength) + 1;
constexpr int kCommandFieldCapacity = static_cast<int>(kCommandTextCapacity);
// Full screen with the Done button in the title bar.
constexpr DWORD kEditorDialogFlags = SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN;
static_assert(kEditorDialogFlags == 5);

// The record of the editor that is open, owned by its caller for the
// duration of RunCommandEditor; null while no editor is open.
MenuCommand* g_editedCommand = nullptr;

constexpr int kModeButtons[] = {IDC_EDITOR_MODE_NEVER, IDC_EDITOR_MODE_FIRST, IDC_EDITOR_MODE_ALL};
constexpr CommandModeChoice kModeChoices[] = {CommandModeChoice::Never, CommandModeChoice::FirstNumber,
                                              CommandModeChoice::EveryNumber};

int ModeButtonFor(CommandModeChoice choice) {
  for (size_t i = 0; i < std::size(kModeChoices); ++i) {
    if (kModeChoices[i] == choice) return kModeButtons[i];
  }
  return IDC_EDITOR_MODE_ALL;
}

CommandModeChoice ChosenMode(HWND editor) {
  // The last button stands for every mode the first two are not.
  for (size_t i = 0; i + 1 < std::size(kModeButtons); ++i) {
    if (IsDlgButtonChecked(editor, kModeButtons[i]) == BST_CHECKED) return kModeChoices[i];
  }
  return CommandModeChoice::EveryNumber;
}

void ShowRecord(HWND editor, const MenuCommand& record) {
  CheckRadioButton(editor, IDC_EDITOR_MODE_NEVER, IDC_EDITOR_MODE_ALL,
                   ModeButtonFor(ModeChoiceFor(record.Mode)));
  // The fields take no more than a command can keep, so what the user
  // sees is what gets saved.
  SendDlgItemMessageW(editor, IDC_EDITOR_CAPTION, EM_LIMITTEXT, kEditorCaptionLength, 0);
  SendDlgItemMessageW(editor, IDC_EDITOR_COMMAND, EM_LIMITTEXT, kCommandTextCapacity - 1, 0);
  SetDlgItemTextW(editor, IDC_EDITOR_COMMAND, AsWide(record.Command));
  if (CaptionMarksDefault(record.Caption)) CheckDlgButton(editor, IDC_EDITOR_DEFAULT, BST_CHECKED);
  SetDlgItemTextW(editor, IDC_EDITOR_CAPTION, AsWide(CaptionFieldText(record.Caption)));
}

void InitEditor(HWND editor, MenuCommand& record) {
  g_editedCommand = &record;
  ShowRecord(editor, record);
  CreateMenuBar(nullptr, editor, IDR_MENU_BAR, 0);
  SHINITDLGINFO info{};
  info.dwMask = SHIDIM_FLAGS;
  info.hDlg = editor;
  info.dwFlags = kEditorDialogFlags;
  SHInitDialog(&info);
}

// Saves the fields into the record and closes the editor, unless the
// caption field is empty: then the editor stays open, without a message.
void SaveAndClose(HWND editor) {
  if (g_editedCommand == nullptr) return;
  wchar_t field[kCaptionFieldCapacity] = {};
  GetDlgItemTextW(editor, IDC_EDITOR_CAPTION, field, kCaptionFieldCapacity);
  char16_t caption[kCaptionCapacity];
  const bool isDefault = IsDlgButtonChecked(editor, IDC_EDITOR_DEFAULT) == BST_CHECKED;
  if (!ComposeCaption(isDefault, AsUtf16(field), caption)) return;

  wchar_t command[kCommandFieldCapacity] = {};
  GetDlgItemTextW(editor, IDC_EDITOR_COMMAND, command, kCommandFieldCapacity);
  MenuCommand& record = *g_editedCommand;
  record.Mode = ModeFor(ChosenMode(editor));
  CopyText(record.Caption, caption);
  CopyText(record.Command, AsUtf16(command));
  EndDialog(editor, kEditorSaved);
}

// Offers the macro list below the clicked button and puts the chosen
// macro in place of the selection of the button's edit, undoably.
void InsertMacro(HWND editor, int buttonId) {
  // Loaded for this one popup, destroyed after it.
  const MenuHandle menu(LoadMenuW(g_moduleInstance, MAKEINTRESOURCEW(IDR_OVERLAY_MENU)));
  if (!menu) return;
  HMENU macros = GetSubMenu(menu.Get(), kMacroPopupIndex);
  if (macros == nullptr) return;
  RECT button{};
  GetWindowRect(GetDlgItem(editor, buttonId), &button);
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenuEx(macros, kMacroMenuFlags, button.right, button.bottom, editor, nullptr));
  if (chosen == 0) return;

  wchar_t text[kMacroItemCapacity] = {};
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_TYPE;
  item.fType = MFT_STRING;
  item.dwTypeData = text;
  item.cch = kMacroItemCapacity;
  if (!GetMenuItemInfoW(macros, chosen, FALSE, &item)) return;
  const char16_t* macro = MacroOfMenuItem(AsUtf16(text));
  if (macro == nullptr) return;
  HWND edit = GetDlgItem(editor, buttonId == IDC_EDITOR_CAPTION_MACROS ? IDC_EDITOR_CAPTION
                                                                        : IDC_EDITOR_COMMAND);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(AsWide(macro)));
  SetFocus(edit);
}

void OnEditorCommand(HWND editor, int id) {
  switch (id) {
    case IDOK:
    case IDM_EDITOR_OK:
      SaveAndClose(editor);
      break;
    case IDCANCEL:
    case IDM_EDITOR_CANCEL:
      EndDialog(editor, kEditorCancelled);
      break;
    case IDC_EDITOR_CAPTION_MACROS:
    case IDC_EDITOR_COMMAND_MACROS:
      InsertMacro(editor, id);
      break;
    default:
      break;
  }
}

INT_PTR CALLBACK CommandEditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      InitEditor(editor, *reinterpret_cast<MenuCommand*>(lParam));
      return TRUE;
    case WM_COMMAND:
      OnEditorCommand(editor, LOWORD(wParam));
      return 0;
    default:
      return 0;
  }
}

}  // namespace

INT_PTR RunCommandEditor(HWND owner, MenuCommand& record) {
  HRSRC found = FindResourceW(g_moduleInstance, MAKEINTRESOURCEW(IDD_COMMAND_EDITOR), RT_DIALOG);
  if (found == nullptr) return kEditorCancelled;
  HGLOBAL loaded = LoadResource(g_moduleInstance, found);
  const auto* dialogTemplate = static_cast<const DLGTEMPLATE*>(LockResource(loaded));
  if (dialogTemplate == nullptr) return kEditorCancelled;
  const INT_PTR result = DialogBoxIndirectParamW(g_moduleInstance, dialogTemplate, owner,
                                                 CommandEditorProc, reinterpret_cast<LPARAM>(&record));
  g_editedCommand = nullptr;
  return result;
}

}  // namespace vostarel
