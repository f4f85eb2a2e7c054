#pragma once
#include <windows.h>

// What the commands tell the main window; always sent, never posted.
const UINT UM_REFRESH_ALL = WM_USER + 1;   // document replaced or outline changed
const UINT UM_REFRESH_ITEMS = WM_USER + 2; // items or scores changed
const UINT UM_SELECT_ALL = WM_USER + 3;
const UINT UM_UPDATE_TITLE = WM_USER + 4;  // the document's path changed
const UINT UM_OPEN_FILE = WM_USER + 5;     // wParam: the path, zero-terminated
