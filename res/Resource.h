#pragma once

#include "framework/types/WinDefs.h"

// Resource ids: dialog templates, menus, icons, cursor, bitmap and strings,
// then the ids of the controls and commands the dialogs use.

// Dialog templates and the menu.
constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDD_VODIZUZI_DIALOG = 102; // the main search dialog
constexpr UINT IDD_TIP = 105;
constexpr UINT IDR_MAIN_MENU = 130;
constexpr UINT IDD_WEBLINKS = 131;
constexpr UINT IDD_OPTIONS = 139;
constexpr UINT IDR_MAIN_ACCEL = 147; // the main dialog's keys: F3, Shift+F3

// Icons, cursor and bitmap (":/icons/<id>.svg" for the icons).
constexpr UINT IDB_LIGHTBULB = 104;
constexpr UINT IDR_MAINFRAME = 128; // the application icon
constexpr UINT IDC_LINK_CURSOR = 129;
constexpr UINT IDI_GO = 132;      // green arrow, 16 x 16
constexpr UINT IDI_OK = 133;      // red tick, 16 x 16
constexpr UINT IDI_EXIT = 134;    // open door with an arrow going in
constexpr UINT IDI_HELP = 135;    // group of three people
constexpr UINT IDI_WEB = 136;     // globe
constexpr UINT IDI_ABOUT = 137;   // information pillar
constexpr UINT IDI_CANCEL = 140;  // blue cross, 16 x 16
constexpr UINT IDI_BROWSE = 141;  // tree diagram of boxes
constexpr UINT IDI_OPTIONS = 142; // an apple and a pear
constexpr UINT IDI_OPEN = 143;    // text page, 16 x 16
constexpr UINT IDI_NEXT = 144;    // arrow pointing right, 16 x 16
constexpr UINT IDI_FIND = 145;    // magnifying glass with a blue lens
constexpr UINT IDI_PREV = 146;    // arrow pointing left, 16 x 16

// Strings.
constexpr UINT IDS_ABOUTBOX = 101;
constexpr UINT ID_TIP_OF_THE_DAY = 106; // also the command that shows the tip
constexpr UINT IDS_TIP_MENU = 107;
constexpr UINT IDS_TIP_DID_YOU_KNOW = 108;
constexpr UINT IDS_TIPS_FILE_MISSING = 109;
constexpr UINT IDS_TIPS_FILE_TROUBLE = 110;

// Commands of the main dialog's buttons and menu (IDOK is Exit, ID_HELP is
// Help, both in WinDefs.h).
constexpr UINT IDC_ABOUT = 1001;
constexpr UINT IDC_FIND = 1011;
constexpr UINT IDC_BROWSE = 1012;
constexpr UINT IDC_NEXT = 1018;
constexpr UINT IDC_PREV = 1019;
constexpr UINT IDC_OPEN_FILE = 1020;
constexpr UINT ID_WEB_LINKS = 32771;
constexpr UINT ID_TIPS = 32772;
constexpr UINT ID_OPTIONS = 57671;

// The Tip of the Day's controls.
constexpr int IDC_BULB = 1000; // marks the white tip area
constexpr int IDC_STARTUP = 1001;
constexpr int IDC_NEXTTIP = 1002;
constexpr int IDC_TIPSTRING = 1004;

// The main dialog's other controls.
constexpr int IDC_SEARCH_TEXT = 1013;
constexpr int IDC_FOLDER_TEXT = 1014;
constexpr int IDC_STATUS_TEXT = 1015;
constexpr int IDC_MATCH_PATH = 1016;
constexpr int IDC_LINE_LIST = 1017;
constexpr int IDC_COUNTER = 1021;

// The About box's controls.
constexpr int IDC_ABOUT_MAIL_LINK = 1002;
constexpr int IDC_ABOUT_VERSION = 1003;
constexpr int IDC_ABOUT_THANKS = 1004;
constexpr int IDC_ABOUT_MAKER = 1005;
constexpr int IDC_ABOUT_BANNER = 1010;

// The Web Links dialog's controls.
constexpr int IDC_HOME_CAPTION = 1007;
constexpr int IDC_HOME_LINK = 1008;
constexpr int IDC_DOWNLOAD_CAPTION = 1009;
constexpr int IDC_DOWNLOAD_LINK = 1010;
constexpr int IDC_QUESTION_CAPTION = 1013;
constexpr int IDC_MAIL_LINK = 1014;
constexpr int IDC_LINKS_BANNER = 1015;

// The Options dialog's controls (OK and Cancel are IDOK and IDCANCEL).
constexpr int IDC_EXT1 = 1022;
constexpr int IDC_EXT2 = 1023;
constexpr int IDC_EXT3 = 1024;
constexpr int IDC_IGNORE_CAPS = 1025;
constexpr int IDC_IGNORE_EXT = 1026;
constexpr int IDC_EXT4 = 1027;
constexpr int IDC_EXT5 = 1028;
constexpr int IDC_MAX_MATCHES = 1029;

// Topics of the program's manual (help/manual.html), named by their anchors:
// each dialog's template names its own, the folder picker names its topic
// itself.
constexpr const char* HELP_MAIN_WINDOW = "main-window";
constexpr const char* HELP_OPTIONS = "options";
constexpr const char* HELP_FOLDER_PICKER = "folder-picker";
constexpr const char* HELP_ABOUT = "about";
constexpr const char* HELP_WEB_LINKS = "web-links";
constexpr const char* HELP_TIP_OF_THE_DAY = "tip-of-the-day";
