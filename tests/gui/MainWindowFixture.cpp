#include "tests/gui/MainWindowFixture.h"

#include "WinLib/ProgramDir.h"
#include "app/MainWindow.h"
#include "app/Messages.h"
#include "app/Startup.h"
#include "app/ProgramHelp.h"
#include "persist/Filer.h"
#include "tests/support/gui/Harness.h"

#include <commctrl.h>

namespace
{
    void registerClassOnce()
    {
        static bool registered = false;
        if (registered)
            return;
        Startup::registerWindowClass(::GetModuleHandleA(nullptr));
        registered = true;
    }
}

MainWindowFixture::MainWindowFixture() : _helpFile(programHelp(Win::programDirectory(), _help, _help))
{
}

void MainWindowFixture::SetUp()
{
    registerClassOnce();
    createWindow();
}

void MainWindowFixture::createWindow()
{
    createWindow(_store);
}

void MainWindowFixture::createWindow(RecentDocsStore& store)
{
    _ctrl = std::make_unique<TopController>(store, _helpFile);
    _win = Startup::openMainWindow(::GetModuleHandleA(nullptr), *_ctrl, SW_SHOWNORMAL, nullptr);
    Gui::setAccelerators(_win, _ctrl->getAccel(), &_ctrl->getModelessDialogs());
    Gui::pumpPending();
}

void MainWindowFixture::destroyWindow()
{
    if (_win != nullptr && ::IsWindow(_win))
    {
        // No save question at the end of a test.
        if (!doc().isSaved())
            doc().newList();
        ::DestroyWindow(_win);
    }
    Gui::pumpPending();
    Gui::setAccelerators(nullptr, nullptr);
    _win = nullptr;
}

void MainWindowFixture::TearDown()
{
    destroyWindow();
    _ctrl.reset();
    MainWindow::record(nullptr);
    Gui::resetQuit();
    for (const std::string& path : _tempFiles)
        ::DeleteFileA(path.c_str());
}

std::string MainWindowFixture::status() const
{
    return Gui::windowText(statusBar());
}

std::string MainWindowFixture::title() const
{
    return Gui::windowText(_win);
}

int MainWindowFixture::cmdId(const char* name)
{
    return _ctrl->getCmdVector()->cmdToId(name);
}

void MainWindowFixture::addItem(const std::string& term, const std::string& def, int asked, int correct)
{
    TermSet item(static_cast<std::int32_t>(doc().getItemCount() + 1), doc().getOutline());
    item.setTerm(term);
    item.setDefText(0, def);
    for (int i = 0; i < asked; ++i)
    {
        if (i < correct)
            item.answeredCorrectly();
        else
            item.answeredWrongly();
    }
    doc().addItem(item);
}

void MainWindowFixture::addItems(int count)
{
    for (int i = 1; i <= count; ++i)
        addItem("term" + std::to_string(i), "def" + std::to_string(i));
    refreshAll();
}

void MainWindowFixture::refreshAll()
{
    ::SendMessageA(_win, UM_REFRESH_ALL, 0, 0);
    Gui::pumpPending();
}

void MainWindowFixture::selectRows(const std::vector<int>& rows)
{
    Gui::listViewSelect(listView(), rows);
    Gui::pumpPending();
}

void MainWindowFixture::columnClick(int column)
{
    NMLISTVIEW click = {};
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = column;
    notifyFromListView(click);
}

void MainWindowFixture::notifyFromListView(NMLISTVIEW note)
{
    const int listViewId = 2;
    note.hdr.hwndFrom = listView();
    note.hdr.idFrom = listViewId;
    ::SendMessageA(_win, WM_NOTIFY, listViewId, reinterpret_cast<LPARAM>(&note));
    Gui::pumpPending();
}

std::vector<std::string> MainWindowFixture::columnTexts(int column)
{
    std::vector<std::string> texts;
    const int rows = Gui::listViewRowCount(listView());
    for (int row = 0; row < rows; ++row)
        texts.push_back(Gui::listViewCell(listView(), row, column));
    return texts;
}

std::string MainWindowFixture::tempPath(const std::string& name)
{
    char dir[MAX_PATH + 1] = {};
    ::GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + name;
    _tempFiles.push_back(path);
    return path;
}

void MainWindowFixture::writeList(const std::string& path, int count)
{
    Quillory list;
    for (int i = 1; i <= count; ++i)
    {
        TermSet item(i, list.getOutline());
        item.setTerm("word" + std::to_string(i));
        list.addItem(item);
    }
    WinFile::SilentFilerHost host;
    ASSERT_TRUE(WinFile::Filer(list, path, host).save());
}

void MainWindowFixture::changeDpi(HWND h, int dpi, const RECT& suggested)
{
    ::SendMessageA(h, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    Gui::pumpPending();
}
