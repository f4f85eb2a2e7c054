#pragma once
#include <windows.h>
#include <string>

class Quillory;
namespace Win { class HelpFile; }
namespace StudyStart { enum class Kind; }

// Carries out the commands of CmdTable on the one document and tells the main
// window what changed through the private messages of app/Messages.h.
class Commander
{
public:
    Commander(HWND win, Quillory& doc, const Win::HelpFile& help) : _win(win), _doc(&doc), _help(&help) {}

    void Program_Help();
    void Program_About();
    void Program_Exit();
    void StudySet_New();
    void StudySet_Open();
    void OpenRecent1() { openRecent(0); }
    void OpenRecent2() { openRecent(1); }
    void OpenRecent3() { openRecent(2); }
    void OpenRecent4() { openRecent(3); }
    void OpenRecent5() { openRecent(4); }
    void OpenRecent6() { openRecent(5); }
    void OpenRecent7() { openRecent(6); }
    void OpenRecent8() { openRecent(7); }
    void OpenRecent9() { openRecent(8); }
    void OpenRecent10() { openRecent(9); }
    void StudySet_Save();
    void StudySet_SaveAs();
    void StudySet_Outline();
    void StudySet_ClearRecent();
    void Study_Presentation();
    void Study_MC();
    void Study_QA();
    void StudySet_Settings();
    void StudySet_ResetScores();
    void Term_Add();
    void Term_Remove();
    void Term_Edit();
    void Term_SelectAll();
    void StudySet_Import();
    void StudySet_Export();
    void Term_Find();
    void Term_FindNext();
    void Term_FindPrevious();

    // Command states: 0 greyed, 1 available.
    int can_Always() const { return 1; }
    int can_IfItems() const;
    int can_IfSelection() const;

    // True when the document's current state may be discarded; may ask to save first.
    bool askSaveChanges();
    // A study session is running (the main window is hidden meanwhile).
    bool isStudying() const { return _studying; }
    void saveTo(const std::string& path);
    // Loads through the file layer, which reports its own failures.
    void load(const std::string& path);
    // Reads a text file into a new list (app/ExchangeCommands.cpp), after
    // the save question.
    void importFile(const std::string& path);
    // A file dropped on the main window: a Study List opens as Open opens
    // it, a text file is imported; anything else is refused.
    void openDropped(const std::string& path);

private:
    void openRecent(unsigned pos);
    // The start of Study_Presentation, Study_MC and Study_QA (app/SessionCommands.cpp).
    void startSession(StudyStart::Kind kind);
    bool confirm(int textId);
    // Puts the imported list in the document's place, as a new list never saved.
    void takeImported(Quillory& imported);
    std::string loadString(int id) const;
    LRESULT send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(_win, msg, wParam, lParam);
    }

    HWND _win;
    Quillory* _doc;
    bool _studying = false;
    const Win::HelpFile* _help;
};
