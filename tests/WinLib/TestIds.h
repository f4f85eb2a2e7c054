/* Resource ids of the window library's tests. */
#ifndef QUILLORY_TESTS_WINLIB_TESTIDS_H
#define QUILLORY_TESTS_WINLIB_TESTIDS_H

#define IDD_TEST_DIALOG   900
#define IDC_TEST_EDIT     901
#define IDC_TEST_FAIL     902
#define IDS_TEST_LONG     900
#define IDB_TEST_PICTURE  900
#define IDB_TEST_PICTURE2 901
#define IDD_MISSING       999

#endif
