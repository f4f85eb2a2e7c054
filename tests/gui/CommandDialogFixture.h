#pragma once
// The main window with an answerer for the boxes and dialogs its commands
// open: a test arranges what the user does in a dialog, then sends the command
// as its menu item does.
#include "tests/gui/MainWindowFixture.h"
#include "tests/support/gui/Answerer.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CommandDialogFixture : public MainWindowFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Sends `command`; when the dialog that has control `ctrlId` opens,
    // `action` runs inside its loop. The action must end the dialog; one it
    // leaves open is a failure and is cancelled. False if the dialog never opened.
    bool runDialog(const char* command, int ctrlId, const std::function<void(HWND)>& action);
    // Arranges `action` for the next dialog with control `ctrlId` without sending anything.
    Gui::Seen onDialog(int ctrlId, const std::function<void(HWND)>& action);

    // The common file dialogs, answered by typing the path into their file
    // name box and pressing their default button, or by cancelling.
    Gui::Seen expectSaveAs(const std::string& path);
    Gui::Seen expectOpen(const std::string& path);
    Gui::Seen expectFileDialogCancel(const std::string& title);

    void sendCommand(const char* command);

    // The document's fields, replaced by `names` and shown; and read back.
    void useFields(const std::vector<std::string>& names);
    std::vector<std::string> docFields();

    std::unique_ptr<Gui::Answerer> _answerer;
};
