#pragma once
#include <windows.h>

// What the commands tell the main window; always sent, never posted.
const UINT UM_REFRESH_ALL = WM_USER + 1;   // document replaced or outline changed
const UINT UM_REFRESH_ITEMS = WM_USER + 2; // items or scores changed
const UINT UM_SELECT_ALL = WM_USER + 3;
const UINT UM_UPDATE_TITLE = WM_USER + 4;  // the document's path changed
const UINT UM_OPEN_FILE = WM_USER + 5;     // wParam: the path, zero-terminated
const UINT UM_FIND = WM_USER + 6;          // wParam: a FindRequest

enum FindRequest : WPARAM
{
    FIND_SHOW,       // open the Find window, its text selected
    FIND_NEXT,       // the next item with the last text
    FIND_PREVIOUS,   // the previous one
    FIND_CLOSE       // close the Find window
};
