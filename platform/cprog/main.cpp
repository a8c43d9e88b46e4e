// cprog.exe: the stand-in phone application. Loads the dial-pad extension
// named by the registration values, shows the dialer and runs its message
// loop; see core/command_line.h for the command line.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "aygshell.h"
#include "core/command_line.h"
#include "core/dialer_profile.h"
#include "core/key_sequence.h"
#include "core/printed_state.h"
#include "dialer_window.h"
#include "extension_host.h"
#include "input_lines.h"
#include "key_player.h"
#include "list_reader.h"
#include "stand_ins.h"
#include "wide_text.h"

using namespace vostarel::cprog;

namespace {

void WriteStd(DWORD which, const std::string& text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(which), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::vector<std::u16string> Arguments() {
  std::vector<std::u16string> args;
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  if (argv == nullptr) return args;
  for (int i = 1; i < count; ++i) args.push_back(ToU16(argv[i]));
  LocalFree(argv);
  return args;
}

DialerProfile SystemProfile() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  GetVersionExW(&version);
  return ProfileForVersion(version.dwMajorVersion, version.dwMinorVersion);
}

std::wstring SoftKeyCaption(const Dialer& d) {
  HWND bar = SHFindMenuBar(d.window);
  if (bar == nullptr) return {};
  wchar_t text[64] = {};
  TBBUTTONINFOW info{};
  info.cbSize = sizeof(info);
  info.dwMask = TBIF_TEXT;
  info.pszText = text;
  info.cchText = 64;
  if (SendMessageW(bar, TB_GETBUTTONINFOW, d.profile.softKeyCommand, reinterpret_cast<LPARAM>(&info)) < 0) return {};
  return text;
}

PrintedState CollectState(const Dialer& d) {
  PrintedState state;
  state.softKeyPresses = d.softKeyPresses;
  state.calls = d.placedCalls;
  state.menus = d.answeredMenus;
  state.boxes = d.closedBoxes;
  state.historyOpens = d.historyOpens;
  state.listRowDraws = d.listRowDraws;  // before cprog draws the rows itself to read them
  state.displays = d.closedContactCards;
  if (!IsWindow(d.window)) return state;
  state.number = ToUtf8(WindowText(d.numberField));
  HWND list = GetDlgItem(d.window, kResultListId);
  state.list = list == nullptr ? ListState::kAbsent : IsWindowVisible(list) ? ListState::kVisible : ListState::kHidden;
  if (list != nullptr) {
    state.listExpanded = ListCoversDialer(d.window, list);
    state.listPlace = ListPlace(d.window, list);
  }
  if (state.list == ListState::kVisible) state.rows = ReadListRows(d.window, list);
  state.softKeyCaption = ToUtf8(SoftKeyCaption(d));
  return state;
}

// What the state lines report as happened is what happened since the last
// line of --input.
void ForgetWhatHappened(Dialer& d) {
  d.placedCalls.clear();
  d.answeredMenus.clear();
  d.closedBoxes.clear();
  d.closedContactCards.clear();
  d.softKeyPresses = 0;
  d.historyOpens = 0;
}

// --input: plays one line of keys at a time and answers each with the state,
// the stand-ins' counters and "end". Keys are ASCII; any other byte makes
// the line fail to read, as a wrong key does.
void PlayInputLines(Dialer& d) {
  InputLines input;
  while (const std::optional<std::string> line = input.Next()) {
    if (!IsWindow(d.window)) break;
    const KeySequenceResult keys = ParseKeySequence(std::u16string(line->begin(), line->end()));
    std::string reply;
    if (!keys.keys) {
      reply = "error: the keys make no sense from offset " + std::to_string(keys.errorOffset) + "\n";
    } else {
      ForgetWhatHappened(d);
      PlayKeys(d, *keys.keys);
      DrainMessages();
      PrintedState state = CollectState(d);
      state.counters = ReadStandInCounters();
      reply = FormatPrintedState(state);
    }
    WriteStd(STD_OUTPUT_HANDLE, reply + "end\n");
  }
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

// Ends the message loop, closing a popup menu first: its own loop would
// otherwise keep running.
// The timer stays armed: a modal loop that was running (a property sheet,
// say) may have taken the quit message for its own end, and the next tick
// asks again until the main loop has seen it.
void CALLBACK OnExitTimer(HWND, UINT, UINT_PTR, DWORD) {
  EndMenu();
  PostQuitMessage(0);
}

}  // namespace

int main() {
  const CommandLineResult parsed = ParseCommandLine(Arguments());
  if (!parsed.commandLine) {
    WriteStd(STD_ERROR_HANDLE, "cprog: " + parsed.error + "\n");
    return 2;
  }
  const CommandLine& line = *parsed.commandLine;
  const KeySequenceResult keys = ParseKeySequence(line.keys);
  if (!keys.keys) {
    WriteStd(STD_ERROR_HANDLE, "cprog: --keys makes no sense from offset " + std::to_string(keys.errorOffset) + "\n");
    return 2;
  }

  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  if (line.input) HoldStandIns();

  Dialer dialer;
  dialer.profile = SystemProfile();
  dialer.callLogLimit = line.callLogLimit;
  // The extension is loaded before the dialer exists, as the device's phone
  // application loads its skin extension at start-up and asks it about its
  // views while it builds them; the extension's loader thread looks for the
  // dialer window on its own.
  ExtensionHost extension;
  dialer.extension = &extension;
  const bool loaded = extension.Load(dialer.profile);
  if (loaded && dialer.profile.version5) extension.AskViewInfo();

  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (CreateDialer(instance, dialer) == nullptr) {
    WriteStd(STD_ERROR_HANDLE, "cprog: cannot create the dialer window\n");
    return 1;
  }
  if (loaded && dialer.profile.version5) extension.Initialize();

  if (line.input) {
    WaitForAttach(dialer, loaded ? line.attachTimeoutMs : 0);
    PlayInputLines(dialer);
    if (IsWindow(dialer.window)) DestroyWindow(dialer.window);
    return 0;
  }
  if (!keys.keys->empty()) WaitForAttach(dialer, loaded ? line.attachTimeoutMs : 0);
  // Armed before the keys play: a key may open something modal (the
  // extension's settings sheet, say) that only the exit ends.
  if (line.exitAfterMs) SetTimer(nullptr, 0, *line.exitAfterMs, OnExitTimer);
  PlayKeys(dialer, *keys.keys);  // with no keys, only marks the dialer
  if (line.print && !line.exitAfterMs) {
    DrainMessages();
    WriteStd(STD_OUTPUT_HANDLE, FormatPrintedState(CollectState(dialer)));
    DestroyWindow(dialer.window);
    return 0;
  }
  RunMessageLoop();
  if (line.print) WriteStd(STD_OUTPUT_HANDLE, FormatPrintedState(CollectState(dialer)));
  if (IsWindow(dialer.window)) DestroyWindow(dialer.window);
  return 0;
}
