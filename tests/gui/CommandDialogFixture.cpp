#include "tests/gui/CommandDialogFixture.h"

#include "model/Outline.h"
#include "tests/support/gui/Harness.h"

namespace
{
    // The file name box of the common file dialogs (cmb13).
    const int FileNameBox = 1148;

    void endIfStillOpen(HWND dlg)
    {
        Gui::pumpPending();
        // An ended dialog is hidden at once and destroyed when its loop returns.
        if (::IsWindow(dlg) && ::IsWindowVisible(dlg))
        {
            ADD_FAILURE() << "the dialog \"" << Gui::windowText(dlg) << "\" is still open";
            Gui::click(dlg, IDCANCEL);
        }
    }

    Gui::DialogMatch fileDialog(const std::string& title)
    {
        Gui::DialogMatch match = Gui::DialogMatch::byTitle(title);
        match.controlId = FileNameBox;
        return match;
    }
}

void CommandDialogFixture::SetUp()
{
    MainWindowFixture::SetUp();
    _answerer = std::make_unique<Gui::Answerer>(4000);
}

void CommandDialogFixture::TearDown()
{
    EXPECT_TRUE(_answerer->done()) << _answerer->pendingCount() << " expected boxes never came";
    for (const std::string& box : _answerer->unexpected())
        ADD_FAILURE() << "unexpected box: " << box;
    _answerer.reset();
    MainWindowFixture::TearDown();
}

Gui::Seen CommandDialogFixture::onDialog(int ctrlId, const std::function<void(HWND)>& action)
{
    return _answerer->onDialog(Gui::DialogMatch::byControl(ctrlId), [action](HWND dlg) {
        action(dlg);
        endIfStillOpen(dlg);
    });
}

bool CommandDialogFixture::runDialog(const char* command, int ctrlId, const std::function<void(HWND)>& action)
{
    const Gui::Seen seen = onDialog(ctrlId, action);
    sendCommand(command);
    return seen.seen();
}

void CommandDialogFixture::sendCommand(const char* command)
{
    Gui::sendMenuCommand(_win, cmdId(command));
    Gui::pumpPending();
}

void CommandDialogFixture::useFields(const std::vector<std::string>& names)
{
    Outline outline;
    while (outline.getDefCount() != 0)
        outline.removeDef(0);
    for (const std::string& name : names)
        outline.addDef(name);
    doc().setOutline(outline);
    refreshAll();
}

std::vector<std::string> CommandDialogFixture::docFields()
{
    std::vector<std::string> names;
    for (unsigned i = 0; i < doc().getOutline().getDefCount(); ++i)
        names.push_back(doc().getOutline().getDef(i));
    return names;
}

Gui::Seen CommandDialogFixture::expectSaveAs(const std::string& path)
{
    return _answerer->onDialog(fileDialog("Save As"), [path](HWND dlg) {
        Gui::setText(dlg, FileNameBox, path);
        Gui::click(dlg, IDOK);
    });
}

Gui::Seen CommandDialogFixture::expectOpen(const std::string& path)
{
    return _answerer->onDialog(fileDialog("Open"), [path](HWND dlg) {
        Gui::setText(dlg, FileNameBox, path);
        Gui::click(dlg, IDOK);
    });
}

Gui::Seen CommandDialogFixture::expectFileDialogCancel(const std::string& title)
{
    return _answerer->onDialog(fileDialog(title), [](HWND dlg) { Gui::click(dlg, IDCANCEL); });
}
