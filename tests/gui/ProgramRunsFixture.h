#pragma once
// Several runs of the program in one test: each run is a new main window with
// a new TopController, which loads the recent documents from the current
// user's registry (the test prefix's) and saves them there when it closes.
#include "tests/gui/CommandDialogFixture.h"

#include "app/RegistryRecentDocsStore.h"

#include <string>
#include <vector>

class ProgramRunsFixture : public CommandDialogFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts a run: the window as the entry point creates it.
    void startRun();
    // Ends the run through Program_Exit and waits for the quit message.
    void quitRun();

    // The stored values "1".."10"; empty when the key does not exist.
    static std::vector<std::string> registryValues();
    // The "Open Recent" submenu as it shows when opened: its items' texts.
    std::vector<std::string> recentMenuTexts();
    // Chooses the item of the "Open Recent" submenu with this text.
    void chooseRecent(const std::string& text);

    RegistryRecentDocsStore _registryStore;

private:
    HMENU openRecentMenu();
};
