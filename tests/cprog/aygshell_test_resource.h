// Resources of the aygshell tests.
#pragma once

#define IDR_BAR 100           // plain button, submenu button (caption from popup), plain button
#define IDR_BAR_TRUNCATED 101  // announces three buttons, holds two
#define IDM_BAR 102           // the popups of IDR_BAR
#define IDM_PLAIN 103         // a plain menu: one popup, one command

#define IDS_LEFT 200
#define IDS_RIGHT 201

#define ID_LEFT 3001
#define ID_MENUBUTTON 3002
#define ID_RIGHT 3003
#define ID_ITEM 3010
#define ID_PLAIN_COMMAND 3020
