/* The program's string table: ids and texts. The resource script builds the
   STRINGTABLE from it and code that runs without resources (the native build,
   qlx) reads the same texts from here. Plain C preprocessor only: windres
   includes this file; a double quote is written \042 because the resource
   compiler and C++ read that escape alike. */
#ifndef QUILLORY_RES_STRINGS_H
#define QUILLORY_RES_STRINGS_H

#define IDS_TIMES_ASKED        3
#define IDS_CORRECT_ANSWERS    4
#define IDS_RATIO              5
#define IDS_REMOVE_FIELD       6
#define IDS_PLEASE_CONFIRM     7
#define IDS_DELETE_ITEMS       8
#define IDS_ENTER_FIELD        9
#define IDS_PRODUCT_NAME       10
#define IDS_COMMENT            11
#define IDS_MUST_ENTER         12
#define IDS_PROGRAM_NAME       13
#define IDS_SPECIFY_ITEM_TYPE  14
#define IDS_ONE_FIELD          15
#define IDS_FROM_TO_DIFFERENT  16
#define IDS_STUDY_SETTINGS     17
#define IDS_QUESTIONS_ANSWERS  18
#define IDS_CANT_OPEN          19
#define IDS_CANT_SAVE          20
#define IDS_NOT_VALID_FILE     21
#define IDS_SAVE_CHANGES       22
#define IDS_PRESENTATION       23
#define IDS_NO_QUESTIONS       24
#define IDS_ANYTHING           25
#define IDS_EVERYTHING_ELSE    26
#define IDS_ANYTHING_ELSE      27
#define IDS_WRONG_ANSWER       28
#define IDS_RESULTS            29
#define IDS_RESET_SCORES       30
#define IDS_MULTIPLE_CHOICE    31
#define IDS_STOP_SESSION       32
#define IDS_ONE_DEFINITION     33
#define IDS_STATUS_FORMAT      34
#define IDS_NEW_STUDY_LIST     35
#define IDS_NOT_FOUND          36
#define IDS_CANT_IMPORT        37
#define IDS_CANT_EXPORT        38
#define IDS_CANT_DROP          39

#define STR_TIMES_ASKED        "Times Asked"
#define STR_CORRECT_ANSWERS    "Correct Answers"
#define STR_RATIO              "Ratio"
#define STR_REMOVE_FIELD       "Are you sure you want to remove this field?\nAll data under this field in your Study List will be lost."
#define STR_PLEASE_CONFIRM     "Please confirm"
#define STR_DELETE_ITEMS       "Are you sure you want to delete the selected items?"
#define STR_ENTER_FIELD        "Enter the %s below:"
#define STR_PRODUCT_NAME       "Quillory"
#define STR_COMMENT            "Comment"
#define STR_MUST_ENTER         "You must enter a %s."
#define STR_PROGRAM_NAME       "Quillory"
#define STR_SPECIFY_ITEM_TYPE  "Please specify item type"
#define STR_ONE_FIELD          "Please enter at least one field."
#define STR_FROM_TO_DIFFERENT  "\042From\042 and \042To\042 must specify different fields."
#define STR_STUDY_SETTINGS     "Study Settings"
#define STR_QUESTIONS_ANSWERS  "Questions & Answers"
#define STR_CANT_OPEN          "Can't open the file specified.\nPlease verify that the file exists and is a valid Quillory file"
#define STR_CANT_SAVE          "Can't save to the file specified.\nPlease verify that the drive has sufficient free space and is not write-protected."
#define STR_NOT_VALID_FILE     "This is not a valid Quillory file or the file is corrupt"
#define STR_SAVE_CHANGES       "Save changes to %s ?"
#define STR_PRESENTATION       "Presentation Session"
#define STR_NO_QUESTIONS       "There were no questions for this session."
#define STR_ANYTHING           "Anything"
#define STR_EVERYTHING_ELSE    "Everything else"
#define STR_ANYTHING_ELSE      "Anything else"
#define STR_WRONG_ANSWER       "\042%s\042 is wrong.\nThe correct answer is:\n\042%s\042."
#define STR_RESULTS            "Total questions:\t\t%i\nCorrectly answered:\t\t%i\nResult:\t\t\t%i%%"
#define STR_RESET_SCORES       "Are you sure you want to reset scores of all items?"
#define STR_MULTIPLE_CHOICE    "Multiple Choice Session"
#define STR_STOP_SESSION       "Do you want to stop the current study session?"
#define STR_ONE_DEFINITION     "You must enter at least one definition."
#define STR_STATUS_FORMAT      "%i item(s), %i selected"
#define STR_NEW_STUDY_LIST     "new Study List"
#define STR_NOT_FOUND          "Cannot find \042%s\042"
#define STR_CANT_IMPORT        "Can't import %s:\n%s"
#define STR_CANT_EXPORT        "Can't export to %s:\n%s"
#define STR_CANT_DROP          "Quillory opens Study Lists (.qlx) and imports CSV, TSV, text and JSON files, but not %s."

#endif
