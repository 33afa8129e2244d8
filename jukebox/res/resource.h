// Resource and control identifiers of Brambletune.
#pragma once

// Icons and the hand cursor.
#define IDI_PROGRAM 101
#define IDC_HAND_CURSOR 101
// Picture buttons: 120 + the Song menu item they trigger.
#define IDI_BUTTON_PLAY 120
#define IDI_BUTTON_STOP 121
#define IDI_BUTTON_PAUSE 122
#define IDI_BUTTON_BACK 124
#define IDI_BUTTON_NEXT 125

// Strings: 100 + play mode, 200 + time display.
#define IDS_MODE_NORMAL 100
#define IDS_MODE_SHUFFLE 101
#define IDS_MODE_REPEAT1 102
#define IDS_TIME_ELAPSED 200
#define IDS_TIME_REMAINING 201

#define IDR_CONSOLE_MENU 1
#define IDR_POPUP_MENUS 2
#define IDR_CONSOLE_KEYS 1

// Menu commands: 1000 + 100 x menu + item index.
#define IDM_BASE 1000
#define IDM_ALBUM 1000
#define IDM_SONG 1100
#define IDM_MODE 1200
#define IDM_PLAYLIST 1300
#define IDM_HELP 1400
#define IDM_LIST_POPUP 1500
#define IDM_TRAY_POPUP 1600
#define IDM_REMOVE 1700
#define IDM_SORT 1800
#define IDM_RECENT 1900  // "(None)"; the albums follow it

// The add-folder dialog.
#define IDD_ADD_FOLDER 200
#define IDC_ADD_FOLDER_TYPE 201
#define IDC_ADD_FOLDER_ICON 202
#define IDC_ADD_FOLDER_LABEL 203

// Console controls.
#define IDC_CMD_CTRLS 300  // + index
#define IDC_OPT_MODE 310   // + index
#define IDC_REPEAT_ALL 320
#define IDC_SLIDER 330
#define IDC_SONGS 340

// The lyrics window.
#define IDD_LYRICS 3100
#define IDC_LYRICS_TEXT 3101
#define IDC_LYRICS_CHECK 3102  // + index: 0 automatic open, 1 automatic close
#define IDC_LYRICS_PICTURE 3104
