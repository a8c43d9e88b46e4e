// The Pocket PC shell library's declarations that the phone platform's
// programs use, with the platform's names, structures and constants.
// mingw-w64 has no such header; the stand-in aygshell.dll implements them.
//
// Usable from .rc files too: only the constants are seen there.
#pragma once

#ifndef RC_INVOKED
#include <windows.h>
#include <commctrl.h>
#endif

// Resource type of a menu-bar resource: raw data (RCDATA), read as 16-bit
// words:  menuId, buttonCount, then buttonCount records of seven words:
//   image index (I_IMAGENONE for text only), command ID, state (TBSTATE_*),
//   style (TBSTYLE_*), caption string ID (0: the caption is the title of the
//   submenu named by the last word), reserved, submenu index in menu
//   resource menuId (NOMENU for a plain command button).
#define SHMENUBAR RCDATA
#ifndef NOMENU
#define NOMENU 0xFFFF
#endif

// SHMENUBARINFO.dwFlags
#define SHCMBF_EMPTYBAR 0x0001
#define SHCMBF_HIDDEN 0x0002
#define SHCMBF_HIDESIPBUTTON 0x0004
#define SHCMBF_COLORBK 0x0008
#define SHCMBF_HMENU 0x0010

// SHRGINFO.dwFlags
#define SHRG_RETURNCMD 0x00000001
#define SHRG_NOTIFYPARENT 0x00000002
#define SHRG_LONGDELAY 0x00000008
#define SHRG_NOANIMATION 0x00000010

// Gesture notification code (WM_NOTIFY) and SHRecognizeGesture result.
#define GN_CONTEXTMENU 1000

// SHINITDLGINFO.dwMask
#define SHIDIM_FLAGS 0x0001
// SHINITDLGINFO.dwFlags
#define SHIDIF_DONEBUTTON 0x0001
#define SHIDIF_SIZEDLG 0x0002
#define SHIDIF_SIZEDLGFULLSCREEN 0x0004
#define SHIDIF_SIPDOWN 0x0008
#define SHIDIF_FULLSCREENNOMENUBAR 0x0010
#define SHIDIF_EMPTYMENU 0x0020
#define SHIDIF_WANTSCROLLBAR 0x0040

#ifndef RC_INVOKED

#ifdef __cplusplus
extern "C" {
#endif

typedef struct tagSHMENUBARINFO {
  DWORD cbSize;
  HWND hwndParent;
  DWORD dwFlags;
  UINT nToolBarId;
  HINSTANCE hInstRes;
  int nBmpId;
  int cBmpImages;
  HWND hwndMB;  // out: the menu bar (a "ToolbarWindow32")
  COLORREF clrBk;
} SHMENUBARINFO, *PSHMENUBARINFO;

// The device passes cbSize 20 (its 32-bit layout); the desktop layout is
// larger. SHRecognizeGesture reads the fields by name and accepts either.
typedef struct tagSHRGI {
  DWORD cbSize;
  HWND hwndClient;
  POINT ptDown;  // client coordinates of hwndClient
  DWORD dwFlags;
} SHRGINFO, *PSHRGINFO;

typedef struct tagNMRGINFO {
  NMHDR hdr;
  POINT ptAction;  // screen coordinates
  DWORD dwItemSpec;
} NMRGINFO, *PNMRGINFO;

typedef struct tagSHINITDLGINFO {
  DWORD dwMask;
  HWND hDlg;
  DWORD dwFlags;
} SHINITDLGINFO, *PSHINITDLGINFO;

// Registers the "SIPPREF" window class (an invisible control). TRUE.
BOOL WINAPI SHInitExtraControls(void);
// The menu bar that SHCreateMenuBar made for hwnd, or null.
HWND WINAPI SHFindMenuBar(HWND hwnd);
// Makes the soft-key bar of pmb->hwndParent; pmb->hwndMB receives it (a
// "ToolbarWindow32"). Here the bar lives in an owned popup right below the
// parent window, outside its client area, as the device's bar sits at the
// bottom of the screen; a parent that moves moves GetParent(hwndMB) along.
BOOL WINAPI SHCreateMenuBar(SHMENUBARINFO* pmb);
// Tap-and-hold recognition, called on WM_LBUTTONDOWN.
DWORD WINAPI SHRecognizeGesture(SHRGINFO* shrg);
// Full-screen dialog set-up. TRUE.
BOOL WINAPI SHInitDialog(PSHINITDLGINFO pshidi);

#ifdef __cplusplus
}
#endif

#endif  // RC_INVOKED
