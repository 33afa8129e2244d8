#pragma once

// Icons
#define IDI_VIGILON 100

// Tray pop-up menu
#define IDM_TRAY 200
#define IDM_SHOW_MAIN 201
#define IDM_EXIT 202

// Main window controls
#define IDC_TABS 1000
#define IDC_FOLDERS_LABEL 1001
#define IDC_SCROLLBOX 1002
#define IDC_NSECS_LABEL 1003
#define IDC_NSECS 1004
#define IDC_NSECS_SPIN 1005
#define IDC_NOTIFY_LABEL 1006
#define IDC_NEW 1007
#define IDC_CHANGE 1008
#define IDC_DELETE 1009
#define IDC_AUTOSTART 1010
#define IDC_HELP_BUTTON 1011
#define IDC_ABOUT_BUTTON 1012
#define IDC_ACTIVATE 1013
#define IDC_CLOSE 1014
#define IDC_SOUND_ALARM 1015
#define IDC_SEND_EMAIL 1016
#define IDC_WAVE_LABEL 1017
#define IDC_WAVE 1018
#define IDC_WAVE_BROWSE 1019
#define IDC_WAVE_TEST 1020

// Summary panel
#define IDC_PANEL 1100
#define IDC_HEADING1 1101
#define IDC_HEADING2 1102
#define IDC_SUMMARY 1103
#define IDC_PRINT 1104
#define IDC_APPEND 1105

// Folder rows: label, slot edit and browse button of row K (0-based)
#define IDC_SLOT_LABEL_BASE 1200
#define IDC_SLOT_EDIT_BASE 1300
#define IDC_SLOT_BROWSE_BASE 1400

// Help and about windows
#define IDD_HELP 300
#define IDC_HELP_TEXT 301
#define IDD_ABOUT 310
#define IDC_WEB 311

// E-mail pages of the notification page
#define IDC_MAIL_TABS 1500
#define IDC_MAPI 1501
#define IDC_SMTP 1502
#define IDC_SERVER_LABEL 1503
#define IDC_SERVER 1504
#define IDC_SENDER_LABEL 1505
#define IDC_SENDER 1506
#define IDC_EMAIL_LABEL 1507
#define IDC_EMAIL 1508
#define IDC_RECIPIENTS_LABEL 1509
#define IDC_RECIPIENTS 1510
#define IDC_SUBJECT_LABEL 1511
#define IDC_SUBJECT 1512
#define IDC_SECURITY_LABEL 1513
#define IDC_SECURITY 1514
#define IDC_USER_LABEL 1515
#define IDC_USER 1516
#define IDC_PASSWORD_LABEL 1517
#define IDC_PASSWORD 1518
#define IDC_CLEAR_PASSWORD 1519
