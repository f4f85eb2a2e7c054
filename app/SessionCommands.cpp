#include "app/Commander.h"

#include "WinLib/Dialog.h"
#include "app/MainWindow.h"
#include "app/Messages.h"
#include "model/Quillory.h"
#include "res/resource.h"
#include "res/strings.h"
#include "session/SessionStart.h"
#include "session/SettingsDlgCtrl.h"

void Commander::Study_Presentation()
{
    startSession(StudyStart::Kind::Presentation);
}

void Commander::Study_MC()
{
    startSession(StudyStart::Kind::MultipleChoice);
}

void Commander::Study_QA()
{
    startSession(StudyStart::Kind::QuestionsAndAnswers);
}

namespace
{
    // Marks the session as running for as long as it runs.
    class StudyingFlag
    {
    public:
        explicit StudyingFlag(bool& flag) : _flag(flag) { _flag = true; }
        ~StudyingFlag() { _flag = false; }
        StudyingFlag(const StudyingFlag&) = delete;
        StudyingFlag& operator=(const StudyingFlag&) = delete;

    private:
        bool& _flag;
    };
}

void Commander::startSession(StudyStart::Kind kind)
{
    // The Find window would stay on the screen beside the session.
    send(UM_FIND, FIND_CLOSE);
    StudyStart::Outcome outcome = StudyStart::Outcome::Cancelled;
    {
        const StudyingFlag studying(_studying);
        outcome = StudyStart::run(kind, _win, *_doc);
    }
    switch (outcome)
    {
    case StudyStart::Outcome::Cancelled:
        return;
    case StudyStart::Outcome::NoQuestions:
        showError(loadString(IDS_NO_QUESTIONS));
        return;
    case StudyStart::Outcome::Ran:
        send(UM_REFRESH_ITEMS);
        if (StudyStart::scoresAnswers(kind))
            _doc->setModified();
        return;
    }
}

// Changing the settings alone does not mark the list as changed.
void Commander::StudySet_Settings()
{
    Setting& settings = _doc->getSettings();
    settings.validate();
    SettingsDlgCtrl dlg(settings, _doc->getOutline(), *_help);
    if (Dialog::Modal(_win, IDD_SETTINGS, dlg).IsOk())
        settings = dlg.getSetting();
}
