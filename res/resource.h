/* Resource ids shared by the resource script and the code. Plain C
   preprocessor only: windres includes this file. */
#ifndef QUILLORY_RES_RESOURCE_H
#define QUILLORY_RES_RESOURCE_H

/* Program icon and toolbar pictures */
#define IDI_QUILLORY            3000
#define IDB_TB_HELP             2000
#define IDB_TB_ADD              2001
#define IDB_TB_EDIT             2002
#define IDB_TB_REMOVE           2003
/* The same pictures at 24 and at 32 pixels: the toolbar finds them 100 and
   200 above their 16-pixel ids */
#define IDB_TB_HELP_24          2100
#define IDB_TB_ADD_24           2101
#define IDB_TB_EDIT_24          2102
#define IDB_TB_REMOVE_24        2103
#define IDB_TB_HELP_32          2200
#define IDB_TB_ADD_32           2201
#define IDB_TB_EDIT_32          2202
#define IDB_TB_REMOVE_32        2203

/* Dialogs */
#define IDD_SESSION_ITEMS       100
#define IDD_SETTINGS            102
#define IDD_ABOUT               200
#define IDD_OUTLINE             201
#define IDD_TERM_EDIT           203
#define IDD_SESSION             206
#define IDD_IMPORT              207
#define IDD_FIND                208

/* Shared by several dialogs */
#define IDC_HELP_BUTTON         108

/* 100: session items */
#define IDC_SELECTED_ITEMS      101
#define IDC_ALL_ITEMS           115

/* 102: study settings */
#define IDC_FROM                1002
#define IDC_TO                  1003
#define IDC_CHOICES_EDIT        1004
#define IDC_CHOICES_SPIN        1005
#define IDC_TIMEOUT_CHECK       1006
#define IDC_TIMEOUT_EDIT        1007
#define IDC_TIMEOUT_SPIN        1008
#define IDC_CONTINUOUS          1013
#define IDC_SHUFFLE             1014
#define IDC_CASE_SENSITIVE      116

/* 200: about */
#define IDC_VERSION             1009
#define IDC_MAKER               210
#define IDC_WEB_ADDRESS         211
#define IDC_SUPPORT_ADDRESS     212
#define IDC_EMAIL_SUPPORT       209
#define IDC_VISIT_WEB           202

/* 201: customize study list */
#define IDC_ITEM_TYPE           103
#define IDC_FIELD_LIST          104
#define IDC_NEW_FIELD           105
#define IDC_ADD_FIELD           106
#define IDC_REMOVE_FIELD        107
#define IDC_MOVE_UP             1000
#define IDC_MOVE_DOWN           1001

/* 203: add and edit item */
#define IDC_TERM_LABEL          109
#define IDC_DEF_LABEL           110
#define IDC_TERM                111
#define IDC_COMMENT             112
#define IDC_DEF_FIELDS          113
#define IDC_DEF_TEXT            114
#define IDC_PREV_FIELD          204
#define IDC_NEXT_FIELD          205

/* 206: study session progress */
#define IDC_ITEM_TOTAL          1021
#define IDC_ITEM_NUMBER         1025
#define IDC_NEXT                1026
#define IDC_SECONDS             1027
#define IDC_STOP                1028

/* 207: import */
#define IDC_IMPORT_FORMAT       1101
#define IDC_IMPORT_SEPARATOR    1102
#define IDC_IMPORT_CARD_END     1103
#define IDC_IMPORT_NOTE_TYPE    1104
#define IDC_IMPORT_HEADER       1105
#define IDC_IMPORT_PREVIEW      1106
#define IDC_IMPORT_SUMMARY      1107

/* 208: find */
#define IDC_FIND_TEXT           1110

/* The maker's addresses shown in the About box and handed to the shell */
#define QUILLORY_MAKER_LINE     "Quillory is made by Vantorel."
#define QUILLORY_WEB_ADDRESS    "https://quillory.example/"
#define QUILLORY_SUPPORT_MAIL   "support@quillory.example"
#define QUILLORY_VERSION_TEXT   "1.1"

#endif
