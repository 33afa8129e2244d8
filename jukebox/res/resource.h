// Resource and control identifiers of Brambletune.
#pragma once

// Icons and the hand cursor. The program icon is group 1 and the album and
// file icons 101..110 follow it, so that a shell icon index 1..10 is one of them.
#define IDI_PROGRAM 1
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

// Menu commands: 1000 + 100 x menu + item index. An item added later takes a
// free number and the items after it keep theirs (Album: Export playlist).
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

// Song information dialog (3000-3099).
#define IDD_SONG 3000
#define IDC_SONG_LABEL 3001  // + row: the seven boxes and the genre list
#define IDC_SONG_TXT 3010    // + box: title, path, artist, album, year, lyrics, comments
#define IDC_SONG_GENRE 3020
#define IDC_SONG_CMD 3030  // + index: two mode buttons, Close, ID3, picture button
#define IDC_SONG_IMG 3040
#define IDC_SONG_ROW_IMG 3041
#define IDR_SONG_ID3 3050
#define IDM_SONG_ID3 3060  // + index: read, save, delete, separator, cancel

// The options dialog: the frame of page n is IDD_OPTIONS_PAGE + n; control
// arrays are numbered base + index.
#define IDI_DOCUMENT 100  // + icon index 1..10
#define IDD_OPTIONS 3200
#define IDD_OPTIONS_PAGE 3210
#define IDC_OPTIONS_TREE 3220
#define IDC_OPTIONS_APPLY 3221
#define IDC_OPTIONS_LBL 3230
#define IDC_OPTIONS_OPT 3250
#define IDC_OPTIONS_CHK 3270
#define IDC_OPTIONS_TXT 3290
#define IDC_OPTIONS_CMD 3300
#define IDC_OPTIONS_SHP 3310
#define IDC_OPTIONS_SLD 3320
#define IDC_OPTIONS_IMG 3330
#define IDC_OPTIONS_LST 3340

// The volume pop-up, the tips and the about windows; the hints are strings 1 ... 23.
#define IDS_TIP_FIRST 1
#define IDD_VOLUME 3400
#define IDC_VOLUME_SLIDER 3401
#define IDD_TIPS 3410
#define IDC_TIPS_TEXT 3411
#define IDC_TIPS_NEXT 3412
#define IDC_TIPS_LABEL 3413
#define IDC_TIPS_IMG 3414
#define IDD_ABOUT 3420
#define IDC_ABOUT_LBL 3421  // + index 0 ... 3
#define IDC_ABOUT_IMG 3425

// The lyrics window.
#define IDD_LYRICS 3100
#define IDC_LYRICS_TEXT 3101
#define IDC_LYRICS_CHECK 3102  // + index: 0 automatic open, 1 automatic close
#define IDC_LYRICS_PICTURE 3104
