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

void Commander::startSession(StudyStart::Kind kind)
{
    switch (StudyStart::run(kind, _win, *_doc))
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
