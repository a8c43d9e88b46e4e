/* Resource, control and command IDs of the library. Shared by Vostarel.rc
   (through the resource compiler's preprocessor) and the C++ code, so it
   holds #define lines only. The numbers are the ones the phone platform and
   the settings pages rely on; do not renumber. */
#ifndef VOSTAREL_RESOURCE_IDS_H
#define VOSTAREL_RESOURCE_IDS_H

/* ---- Icon -------------------------------------------------------------- */
#define IDI_VOSTAREL 100

/* ---- Menus ------------------------------------------------------------- */
/* Popup 0: the overlay menu; popup 1: the macro list of the command editor. */
#define IDR_OVERLAY_MENU 102
/* The menu-bar resource: a toolbar for the settings sheet and a menu of
   the same number for the command editor. */
#define IDR_MENU_BAR 40005

/* ---- Dialog templates -------------------------------------------------- */
#define IDD_ABOUT_PAGE 112
#define IDD_GENERAL_PAGE 113
#define IDD_COMMANDS_PAGE 114
#define IDD_COMMAND_EDITOR 115
#define IDD_SPELLING_PAGE 117
#define IDD_POSITION_PAGE 118

/* ---- Strings ----------------------------------------------------------- */
#define IDS_PRODUCT_NAME 800        /* sheet caption, About title, message box */
#define IDS_ABOUT_NOTICE 801        /* About page, line above the credit */
#define IDS_MENU_BAR_OK 802         /* sheet menu-bar button IDOK */
#define IDS_MENU_BAR_CANCEL 803     /* sheet menu-bar button IDCANCEL */
#define IDS_SETTINGS_MENU_ITEM 804  /* item added to the dialer's own menu */
#define IDS_RELOAD_REPORT 805       /* format with one %u: entries reloaded */
#define IDS_COMMAND_COLUMNS 806     /* Commands page column titles, each ended by "|" */
#define IDS_ABOUT_CREDIT 807        /* About page, bottom line */
/* 808 is not used. */
#define IDS_KEYPAD_SOFT_KEY 809     /* dialer soft-key text while the list shows */

/* Number labels and the substitute name of the contact index. */
#define IDS_LABEL_MOBILE 810
#define IDS_LABEL_HOME 811
#define IDS_LABEL_BUSINESS 812
#define IDS_LABEL_CAR 813
#define IDS_LABEL_RADIO 814
#define IDS_LABEL_ASSISTANT 815
#define IDS_LABEL_CALL_LOG 816
#define IDS_LABEL_SIM 817
#define IDS_NO_NAME 818

/* Built-in commands 0..8 in the registry text form "mode|caption|command";
   used when the settings hold no command list. */
#define IDS_BUILTIN_COMMAND_FIRST 819
#define IDS_BUILTIN_COMMAND_0 819
#define IDS_BUILTIN_COMMAND_1 820
#define IDS_BUILTIN_COMMAND_2 821
#define IDS_BUILTIN_COMMAND_3 822
#define IDS_BUILTIN_COMMAND_4 823
#define IDS_BUILTIN_COMMAND_5 824
#define IDS_BUILTIN_COMMAND_6 825
#define IDS_BUILTIN_COMMAND_7 826
#define IDS_BUILTIN_COMMAND_8 827

/* Spelling-table page: the names of the three tables (ID - 830 is the
   table) and the sample name spelled when the page opens, chosen so that
   every table spells it differently. */
#define IDS_SPELLING_TABLE_FIRST 830
#define IDS_SPELLING_TABLE_0 830
#define IDS_SPELLING_TABLE_1 831
#define IDS_SPELLING_TABLE_2 832
#define IDS_SPELLING_SAMPLE 833
/* Spelling-table page: the Korean keypads whose consonant keys find Hangul
   names (ID - 834 is the stored KoreanKeypad value). */
#define IDS_KOREAN_KEYPAD_FIRST 834
#define IDS_KOREAN_KEYPAD_CHEONJIIN 834
#define IDS_KOREAN_KEYPAD_NARATGEUL 835
#define IDS_KOREAN_KEYPAD_OFF 836

/* ---- Menu commands ----------------------------------------------------- */
/* Overlay menu (menu 102, popup 0). 20103..20107 open the settings sheet at
   page (ID - 20103); 20107 has no item but is handled. */
#define IDM_RELOAD 20102
#define IDM_SETTINGS_GENERAL 20103
#define IDM_SETTINGS_POSITION 20104
#define IDM_SETTINGS_COMMANDS 20105
#define IDM_SETTINGS_ABOUT 20106
#define IDM_SETTINGS_PAGE_4 20107
#define IDM_EXIT 20108
/* Macro list (menu 102, popup 1); the item text after the tab is inserted. */
#define IDM_MACRO_NAME 20109
#define IDM_MACRO_ALL_NUMBERS 20110
#define IDM_MACRO_NUMBER_LABEL 20111
#define IDM_MACRO_NUMBER 20112
#define IDM_MACRO_NUMBER_DIGITS 20113
/* Command editor menu bar (menu 40005). */
#define IDM_EDITOR_OK 20114
#define IDM_EDITOR_CANCEL 20115
/* The settings item appended to the dialer's own menu. */
#define IDM_DIALER_SETTINGS 34661

/* ---- General page (dialog 113): one check box per option bit ----------- */
#define IDC_OVERLAY_ON 2000
#define IDC_SHOW_INDEX_COLUMN 2001
#define IDC_TALK_KEY_DIALS_ROW 2002
#define IDC_MATCH_SPELLED_NAME 2003
#define IDC_MATCH_INITIALS 2004
#define IDC_MATCH_NUMBER 2005
/* Each "anywhere" box is its search box's ID plus 3. */
#define IDC_SPELLED_NAME_ANYWHERE 2006
#define IDC_INITIALS_ANYWHERE 2007
#define IDC_NUMBER_ANYWHERE 2008
#define IDC_LOAD_ADDRESS_BOOK 2009
#define IDC_LOAD_SIM 2010
#define IDC_LOAD_CALL_LOG 2011
/* Not an option bit: the row order (value OrderByCalls). */
#define IDC_CALLED_MOST_FIRST 2012
#define IDC_SHOW_NUMBER 2015
#define IDC_CHAINED_EXTENSION 3205

/* ---- Position page (dialog 118): edit and up-down pairs ----------------
   2015 is also a General-page ID; the two pages are separate dialogs. */
#define IDC_PORTRAIT_LEFT 3201
#define IDC_PORTRAIT_LEFT_SPIN 3202
#define IDC_PORTRAIT_TOP 2015
#define IDC_PORTRAIT_TOP_SPIN 2016
#define IDC_PORTRAIT_WIDTH 2017
#define IDC_PORTRAIT_WIDTH_SPIN 2018
#define IDC_PORTRAIT_HEIGHT 2019
#define IDC_PORTRAIT_HEIGHT_SPIN 2020
#define IDC_LANDSCAPE_LEFT 3203
#define IDC_LANDSCAPE_LEFT_SPIN 3204
#define IDC_LANDSCAPE_TOP 2021
#define IDC_LANDSCAPE_TOP_SPIN 2022
#define IDC_LANDSCAPE_WIDTH 2023
#define IDC_LANDSCAPE_WIDTH_SPIN 2024
#define IDC_LANDSCAPE_HEIGHT 2025
#define IDC_LANDSCAPE_HEIGHT_SPIN 2026
#define IDC_POSITION_NOTE 3200

/* ---- Spelling-table page (dialog 117) ---------------------------------- */
/* Radio buttons for spelling tables 0, 1 and 2 (ID - 3100 is the table). */
#define IDC_SPELLING_TABLE_0 3100
#define IDC_SPELLING_TABLE_1 3101
#define IDC_SPELLING_TABLE_2 3102
#define IDC_SAMPLE_NAME 3106
#define IDC_SAMPLE_SPELLED 3107
#define IDC_SAMPLE_INITIALS 3108
#define IDC_KOREAN_KEYPAD 3109
#define IDC_SAMPLE_KEYPAD 3110

/* ---- Commands page (dialog 114) ---------------------------------------- */
#define IDC_COMMAND_ADD 3060
#define IDC_COMMAND_EDIT 3061 /* no button: sent for a row activation */
#define IDC_COMMAND_DELETE 3062
#define IDC_COMMAND_UP 3063
#define IDC_COMMAND_DOWN 3064

/* ---- Command editor (dialog 115) --------------------------------------- */
#define IDC_EDITOR_CAPTION 3000
#define IDC_EDITOR_COMMAND 3001
#define IDC_EDITOR_CAPTION_MACROS 3206
#define IDC_EDITOR_COMMAND_MACROS 3207
#define IDC_EDITOR_MODE_NEVER 3208
#define IDC_EDITOR_MODE_FIRST 3209
#define IDC_EDITOR_MODE_ALL 3210
#define IDC_EDITOR_DEFAULT 30068

#endif /* VOSTAREL_RESOURCE_IDS_H */
