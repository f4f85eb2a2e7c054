#include "tests/gui/ProgramRunsFixture.h"

#include "WinLib/Maker.h"
#include "app/MainWindow.h"
#include "tests/support/gui/Harness.h"

namespace
{
    const char* const ProgramKey = "Software\\Vantorel";
    const char* const MruKey = "Software\\Vantorel\\Quillory\\1.1\\MRU";
    const int StudyListMenu = 1;
    const int OpenRecentPos = 5;
}

void ProgramRunsFixture::SetUp()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, ProgramKey);
    CommandDialogFixture::SetUp();
    // The fixture's own window keeps its recent documents elsewhere.
    destroyWindow();
}

void ProgramRunsFixture::TearDown()
{
    CommandDialogFixture::TearDown();
    ::RegDeleteTreeA(HKEY_CURRENT_USER, ProgramKey);
}

void ProgramRunsFixture::startRun()
{
    _ctrl = std::make_unique<TopController>(_registryStore, _helpFile);
    Win::Maker maker("Quillory Window Class", ::GetModuleHandleA(nullptr));
    _win = maker.Create(*_ctrl, "Quillory");
    MainWindow::record(_win);
    ::ShowWindow(_win, SW_SHOWNORMAL);
    Gui::setAccelerators(_win, _ctrl->getAccel());
    Gui::pumpPending();
}

void ProgramRunsFixture::quitRun()
{
    Gui::resetQuit();
    Gui::sendMenuCommand(_win, cmdId("Program_Exit"));
    EXPECT_TRUE(Gui::pumpUntil([] { return Gui::quitReceived(); }));
    EXPECT_FALSE(::IsWindow(_win));
    Gui::resetQuit();
    Gui::setAccelerators(nullptr, nullptr);
}

std::vector<std::string> ProgramRunsFixture::registryValues()
{
    std::vector<std::string> values;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, MruKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return values;
    for (int n = 1; n <= 10; ++n)
    {
        DWORD size = 0;
        const std::string name = std::to_string(n);
        if (::RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        {
            values.push_back("<missing>");
            continue;
        }
        std::string data(size, '\0');
        ::RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&data[0]), &size);
        data.resize(data.find('\0') == std::string::npos ? data.size() : data.find('\0'));
        values.push_back(data);
    }
    ::RegCloseKey(key);
    return values;
}

HMENU ProgramRunsFixture::openRecentMenu()
{
    HMENU studyList = Gui::openBarPopup(_win, StudyListMenu);
    HMENU recent = Gui::menuItem(studyList, OpenRecentPos).popup;
    ::SendMessageA(_win, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(recent), MAKELPARAM(OpenRecentPos, 0));
    return recent;
}

std::vector<std::string> ProgramRunsFixture::recentMenuTexts()
{
    std::vector<std::string> texts;
    for (const Gui::MenuItem& item : Gui::menuItems(openRecentMenu()))
        texts.push_back(item.separator ? "-" : item.text);
    return texts;
}

void ProgramRunsFixture::chooseRecent(const std::string& text)
{
    for (const Gui::MenuItem& item : Gui::menuItems(openRecentMenu()))
    {
        if (!item.separator && item.text == text)
        {
            Gui::sendMenuCommand(_win, static_cast<int>(item.id));
            Gui::pumpPending();
            return;
        }
    }
    ADD_FAILURE() << "no \"" << text << "\" in the Open Recent submenu";
}
