/* Resource and command ids, shared by the resource script, the toolbar and
   the command dispatch. Plain #defines so that windres can read this file. */
#ifndef VARIDEL_RESOURCE_IDS_H
#define VARIDEL_RESOURCE_IDS_H

#define IDA_ACCELERATORS 3
#define IDI_APP 101
#define IDM_MAIN_MENU 102
#define IDB_TOOLBAR 114
/* The toolbar's strip drawn at 24 and 32 pixels, for larger display scales. */
#define IDB_TOOLBAR_24 118
#define IDB_TOOLBAR_32 119

#define IDD_ABOUT 103
#define IDD_FONT 105
#define IDD_CALENDAR 106
#define IDD_SEARCH 115
#define IDD_GOTO_DATE 122

/* Controls of the search dialog. */
#define IDC_SEARCH_PHRASE 1013
#define IDC_MATCH_CASE 1014
/* Find All, the line that counts what it found, and its list. */
#define IDC_FIND_ALL 1015
#define IDC_SEARCH_COUNT 1016
#define IDC_SEARCH_RESULTS 1017

/* The About box: its picture and its link. */
#define IDB_ABOUT 113
/* The picture drawn at 150 and 200 percent. */
#define IDB_ABOUT_150 120
#define IDB_ABOUT_200 121
#define IDC_ABOUT_LINK 1025

/* The Go to Date dialog's picker and the Hebrew date under it. */
#define IDC_GOTO_PICKER 1030
#define IDC_GOTO_HEBREW 1031

/* The font chooser's faces, sample and sizes. */
#define IDC_FACE_LIST 1001
#define IDC_FONT_SAMPLE 1002
#define IDC_SIZE_LIST 1006

#define CMD_CALENDAR 107
#define CMD_TODAY 108
#define CMD_NEXT_DAY 109
#define CMD_PREVIOUS_DAY 110
#define CMD_SEARCH 116
#define CMD_SEARCH_AGAIN 117
#define CMD_CHECK_UPDATES 129
#define CMD_ABOUT 40004
#define CMD_EXIT 40005
#define CMD_FONT 40006
#define CMD_COPY 40007
#define CMD_PRINT 40008
#define CMD_APPEND 40009
#define CMD_GOTO_DATE 40010
/* The View menu: the theme (three radio items, in this order) and the zoom. */
#define CMD_THEME_FOLLOW 40011
#define CMD_THEME_LIGHT 40012
#define CMD_THEME_DARK 40013
#define CMD_ZOOM_IN 40014
#define CMD_ZOOM_OUT 40015
#define CMD_ZOOM_RESET 40016

/* The lesson containers are RT_RCDATA 1001..1014, one per lesson month. */
#define IDR_FIRST_CONTAINER 1001

#endif
