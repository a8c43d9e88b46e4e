// Resource and command IDs of cprog.exe, shared by cprog.rc and the code.
#pragma once

// Soft-key bars (menu-bar resources), one per system generation.
#define IDR_MENUBAR_52 300  // soft key 22518, menu IDM_DIALER_5
#define IDR_MENUBAR_5 301   // soft key 22634, menu IDM_DIALER_5
#define IDR_MENUBAR_4 302   // soft key 22634, menu IDM_DIALER_4

// The dialer's own menus (popup 0 opens from the menu soft key).
#define IDM_DIALER_5 200  // call history 22502
#define IDM_DIALER_4 201  // call history 22303

#define IDS_SOFTKEY 400
#define IDS_MENU 401

#define IDM_QUIT 1200
