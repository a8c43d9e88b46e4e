#include "row_commands.h"

#include <string>

#include "holders.h"
#include "command_action.h"
#include "desktop_values.h"
#include "dialer_window_state.h"
#include "macro_expansion.h"
#include "number_selection.h"
#include "overlay_menu.h"
#include "pimstore.h"
#include "process_values.h"
#include "row_menu.h"
#include "tapi_request.h"
#include "win_text.h"

namespace vostarel {
namespace {

constexpr UINT kCallHistoryCommand5 = 22502;
constexpr UINT kCallHistoryCommandOlder = 22303;
constexpr wchar_t kSimManagerProgram[] = L"Sim_Mgr.exe";
constexpr wchar_t kSimUploadProgram[] = L"SimUpload.exe";

// The entry of a list row, or null when the row is not a listed entry.
ContactEntry* EntryAtRow(DialHelper& helper, LRESULT row) {
  const ResultList& results = helper.Index.Results;
  if (row < 0 || static_cast<uint32_t>(row) >= results.Count) return nullptr;
  return results.Items[row];
}

LRESULT SelectedRow(const DialHelper& helper) {
  return SendMessageW(helper.Window.ResultList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                      LVNI_SELECTED);
}

// A keyboard request (VK_APPS, Shift+F10) comes as (-1, -1): the popup then
// opens at the selected row instead of far off the screen.
POINT MenuPoint(HWND list, LRESULT row, LPARAM point) {
  POINT at{static_cast<LONG>(LOWORD(point)), static_cast<LONG>(HIWORD(point))};
  if (point != -1 && (point & 0xFFFFFFFF) != 0xFFFFFFFF) return at;
  RECT r{LVIR_BOUNDS, 0, 0, 0};
  if (row < 0 || !SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r))) {
    r = RECT{};
  }
  at = POINT{r.left, r.bottom};
  ClientToScreen(list, &at);
  return at;
}

void ExpandedCommand(const DialHelper& helper, const ContactEntry& entry, uint32_t numberIndex,
                     uint32_t commandIndex, char16_t (&out)[kCommandExpansionCapacity]) {
  ExpandMacros(out, kCommandExpansionCapacity, helper.Options.Commands[commandIndex].Command,
               entry, numberIndex);
}

void PlaceCall(const char16_t* destination, const ContactEntry& entry) {
  tapiRequestMakeCall(AsWide(destination), nullptr, AsWide(entry.DisplayName), nullptr);
}

void StepRow(DialHelper& helper, StepDirection direction) {
  const LRESULT row = SelectedRow(helper);
  ContactEntry* entry = EntryAtRow(helper, row);
  if (entry == nullptr || UsableNumberCount(*entry) <= 1) return;
  StepSelectedNumber(*entry, direction);
  SendMessageW(helper.Window.ResultList, LVM_REDRAWITEMS, row, row);
}

void ActivateRow(DialHelper& helper, LRESULT row) {
  ContactEntry* entry = EntryAtRow(helper, row);
  if (entry == nullptr) return;
  const size_t command = DefaultCommandIndex(helper.Options.Commands);
  RunCommand(helper, *entry, static_cast<uint32_t>(entry->SelectedNumber),
             static_cast<uint32_t>(command));
}

HRESULT DisplayContact(int32_t oid) {
  ComApartment com(COINIT_MULTITHREADED);
  ComPtr<IPOutlookApp> app;
  const HRESULT created = CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IPOutlookApp, app.ReceiveAs<void>());
  if (FAILED(created)) return created;
  app->Logon(0);
  ComPtr<IContact> contact;
  HRESULT result = app->GetItemFromOid(oid, contact.ReceiveAs<IDispatch>());
  if (SUCCEEDED(result) && contact) result = contact->Display();
  contact.Reset();
  app->Logoff();
  return result;
}

}  // namespace

void ShowRowMenu(DialHelper& helper, LPARAM point) {
  HWND list = helper.Window.ResultList;
  const LRESULT row = SelectedRow(helper);
  const POINT at = MenuPoint(list, row, point);
  ContactEntry* entry = EntryAtRow(helper, row);
  if (entry == nullptr) {
    ShowOverlayMenu(helper, at.x, at.y);
    return;
  }
  MoveNumberToFront(*entry, entry->SelectedNumber);
  // Created for this one request, destroyed after it.
  const MenuHandle menu(CreatePopupMenu());
  if (!menu) return;
  for (const RowMenuItem& item : BuildRowMenuItems(*entry, helper.Options.Commands)) {
    if (item.Separator) {
      AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(menu.Get(), MF_STRING, item.Id, AsWide(item.Text));
    }
  }
  const UINT chosen =
      static_cast<UINT>(TrackPopupMenuEx(menu.Get(), TPM_RETURNCMD, at.x, at.y, list, nullptr));
  if (const auto choice = DecodeRowMenuId(chosen)) {
    RunCommand(helper, *entry, choice->NumberIndex, choice->CommandIndex);
  }
}

void OnListNotify(DialHelper& helper, const NMHDR& notice) {
  if (notice.code == LVN_ITEMACTIVATE) {
    // The activated row is the selected one: the list allows one selection
    // and a tap selects before it activates. The row is asked of the list
    // rather than read from the notice, because the desktop list view
    // (Wine's) sends a keyboard activation as a bare NMHDR without the item.
    ActivateRow(helper, SelectedRow(helper));
  } else if (notice.code == LVN_KEYDOWN) {
    const auto direction =
        StepDirectionForKey(reinterpret_cast<const NMLVKEYDOWN&>(notice).wVKey);
    if (direction) StepRow(helper, *direction);
  }
}

void RunCommand(DialHelper& helper, ContactEntry& entry, uint32_t numberIndex,
                uint32_t commandIndex) {
  if (commandIndex >= kMenuCommandCount) return;
  char16_t text[kCommandExpansionCapacity];
  ExpandedCommand(helper, entry, numberIndex, commandIndex, text);
  const CommandAction action = ChooseCommandAction(text, helper.Options.Commands[commandIndex].Mode);
  HWND dialer = helper.Window.Dialer;
  switch (action.Kind) {
    case CommandActionKind::OpenEntry:
      OpenEntry(helper, entry.EntryId);
      break;
    case CommandActionKind::Call:
      PlaceCall(text, entry);
      break;
    case CommandActionKind::LaunchWithParameters: {
      const std::wstring file(AsWide(action.File.data()), action.File.size());
      LaunchProgram(dialer, file.c_str(), AsWide(action.Parameters.data()), 0);
      break;
    }
    case CommandActionKind::LaunchWhole:
      LaunchProgram(dialer, AsWide(text), nullptr, 0);
      break;
    case CommandActionKind::Nothing:
      break;
  }
  MoveNumberToFront(entry, numberIndex);
}

HRESULT OpenEntry(const DialHelper& helper, int32_t entryId) {
  HWND dialer = helper.Window.Dialer;
  if (entryId == kCallLogEntryId) {
    PostMessageW(dialer, WM_COMMAND, g_version5 ? kCallHistoryCommand5 : kCallHistoryCommandOlder, 0);
    return S_OK;
  }
  if (entryId == kSimEntryId) {
    if (!LaunchProgram(dialer, kSimManagerProgram, nullptr, SEE_MASK_FLAG_NO_UI)) {
      LaunchProgram(dialer, kSimUploadProgram, nullptr, 0);
    }
    return S_OK;
  }
  return DisplayContact(entryId);
}

bool LaunchProgram(HWND dialer, const wchar_t* file, const wchar_t* parameters, ULONG mask) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = kShellExecuteInfoSize;  // the device's 60 bytes, see desktop_values.h
  info.fMask = mask;
  info.hwnd = dialer;
  info.lpVerb = L"Open";
  info.lpFile = file;
  info.lpParameters = parameters;
  info.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&info) != FALSE;
}

}  // namespace vostarel
