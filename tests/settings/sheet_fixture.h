// Running the real settings sheet in-process: a main object over this test
// program's own module (the library's resources are linked in), a phone
// window as the sheet's parent, and drivers that act on the modal sheet and
// its dialogs from timers, as a user's input would arrive.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "main_object.h"

namespace settings_test {

using vostarel::DialHelper;

// Starts from an empty settings key (removed again at the end) and an empty
// device folder, with the main object made afresh from them.
class SheetTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Makes the main object again, reading the settings key as it is now (a
  // library load).
  void RecreateMainObject();
  DialHelper& Helper() { return main_->Helper; }
  HWND Phone() const { return phone_; }

  // Shows the sheet at `startPage` over the phone window; `drive` runs on
  // the sheet's thread once the sheet is up, with the sheet window. The
  // driver must leave the sheet (PressOk or PressCancel); a sheet still open
  // ten seconds later is cancelled and the test fails.
  void RunSheet(int startPage, const std::function<void(HWND sheet)>& drive);
  // The same, with the sheet opened as the overlay menu's `command` opens it
  // over the dialer (the phone window), which then acts on what the sheet
  // reports.
  void RunSheetFromOverlayMenu(UINT command, const std::function<void(HWND sheet)>& drive);

 private:
  void Drive(const std::function<void()>& open, const std::function<void(HWND sheet)>& drive);

  std::unique_ptr<vostarel::MainObject> main_;
  HWND phone_ = nullptr;
};

// ---- Acting on the sheet ---------------------------------------------------
HWND CurrentPage(HWND sheet);
// Switches to page `index` as a tap on its tab would, and returns it.
HWND ShowPage(HWND sheet, int index);
// The menu bar's OK and Cancel: the commands the bar sends to the sheet.
void PressOk(HWND sheet);
void PressCancel(HWND sheet);
// A click on a button (check box, radio button, push button) of a dialog.
void Click(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);
bool IsEnabled(HWND dialog, int id);
std::wstring TextOf(HWND dialog, int id);
void SetText(HWND dialog, int id, const std::wstring& text);
// Picks item `index` of a drop-down list as a tap on it would.
void Choose(HWND dialog, int id, int index);
int ChosenIndex(HWND dialog, int id);

// Runs `action` on this thread, from a timer, once a visible top-level
// window of this thread other than `except` appears whose class is
// `className` (null: any) and whose title is `title` (null: any); used for a
// modal dialog or popup that a click is about to open. Gives up after ten
// seconds. Arm it before the click.
void WhenWindowAppears(const wchar_t* className, const wchar_t* title, HWND except,
                       std::function<void(HWND window)> action);

// ---- The settings key --------------------------------------------------------
// A value of HKCU\Software\Vostarel, or nothing when it is missing.
bool ReadDword(const wchar_t* name, DWORD* value);
bool ReadBinary(const wchar_t* name, void* data, DWORD size);
bool ReadString(const wchar_t* name, std::wstring* value);
void WriteDword(const wchar_t* name, DWORD value);
void WriteString(const wchar_t* name, const std::wstring& value);

}  // namespace settings_test
