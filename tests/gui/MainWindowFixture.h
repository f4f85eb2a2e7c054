#pragma once
// Creates the real main window with its real TopController in-process, as the
// program's entry point does, and offers what a user sees of it.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "WinLib/HelpFile.h"
#include "app/RecentDocsStore.h"
#include "app/TopController.h"
#include "tests/support/HelpRecorder.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Counts the loads and saves of the recent documents and keeps what was saved.
class FakeRecentStore : public RecentDocsStore
{
public:
    void load(Quillory& doc) override
    {
        ++loads;
        if (failLoad)
            throw std::runtime_error("registry unavailable");
        for (auto it = preset.rbegin(); it != preset.rend(); ++it)
            doc.addRecentDoc(*it);
    }
    void save(const Quillory& doc) override
    {
        ++saves;
        saved = doc.getRecentDocs();
    }

    std::vector<std::string> preset;
    std::vector<std::string> saved;
    bool failLoad = false;
    int loads = 0;
    int saves = 0;
};

class MainWindowFixture : public ::testing::Test
{
protected:
    MainWindowFixture();

    void SetUp() override;
    void TearDown() override;

    // Creates and shows the main window as the program starts it; the
    // fixture's SetUp does it once, with the fake store.
    void createWindow();
    void createWindow(RecentDocsStore& store);
    // Closes the window the way its close box does, answering no questions.
    void destroyWindow();

    Quillory& doc() { return _ctrl->getDocument(); }
    HWND listView() const { return ::GetDlgItem(_win, 2); }
    HWND toolbar() const { return ::GetDlgItem(_win, 3); }
    HWND statusBar() const { return ::GetDlgItem(_win, 1); }
    std::string status() const;
    std::string title() const;
    int cmdId(const char* name);

    // Adds items "term1".."termN" (definition "defK") and refreshes the view.
    void addItems(int count);
    void addItem(const std::string& term, const std::string& def, int asked = 0, int correct = 0);
    void refreshAll();
    void selectRows(const std::vector<int>& rows);
    // As the list view tells its parent that a column header was clicked.
    void columnClick(int column);
    // Sends `note` to the main window as from the list view, and lets it act.
    void notifyFromListView(NMLISTVIEW note);
    std::vector<std::string> columnTexts(int column);
    // As the system tells a window that it now stands on a monitor of `dpi`,
    // proposing `suggested` (screen coordinates) as its new place.
    static void changeDpi(HWND h, int dpi, const RECT& suggested);

    // A path under the system's temporary directory, removed at TearDown.
    std::string tempPath(const std::string& name);
    // Writes a Study List file with `count` items through the file layer.
    void writeList(const std::string& path, int count);

    FakeRecentStore _store;
    // The program's help as the entry point chooses it, shown by a recorder.
    HelpRecorder _help;
    const Win::HelpFile _helpFile;
    std::unique_ptr<TopController> _ctrl;
    HWND _win = nullptr;
    std::vector<std::string> _tempFiles;
};
