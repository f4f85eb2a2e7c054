#include "session/SessionStart.h"

#include "WinLib/Dialog.h"
#include "WinLib/Maker.h"
#include "WinLib/ResString.h"
#include "model/Quillory.h"
#include "res/resource.h"
#include "res/strings.h"
#include "engine/McSession.h"
#include "session/McWinCtrl.h"
#include "session/PresentationCtrl.h"
#include "engine/QnaSession.h"
#include "session/QnaWinCtrl.h"
#include "session/SessionDlgCtrl.h"
#include "session/SessionItemsDlg.h"

const char* const StudyStart::WindowClassName = "Quillory Window Class";

namespace
{
    // Hides the main window for the session and shows it again however the
    // session ends.
    class MainWindowHidden
    {
    public:
        explicit MainWindowHidden(HWND h) : _h(h) { ::ShowWindow(_h, SW_HIDE); }
        ~MainWindowHidden() { ::ShowWindow(_h, SW_SHOW); }
        MainWindowHidden(const MainWindowHidden&) = delete;
        MainWindowHidden& operator=(const MainWindowHidden&) = delete;

    private:
        HWND _h;
    };

    // Owns the session window: it goes before its controller however the
    // session ends, also when the progress dialog ends by an exception.
    class SessionWindow
    {
    public:
        explicit SessionWindow(HWND h) : _h(h) {}
        ~SessionWindow()
        {
            // Normally the progress dialog has destroyed it already.
            if (::IsWindow(_h))
                ::DestroyWindow(_h);
        }
        SessionWindow(const SessionWindow&) = delete;
        SessionWindow& operator=(const SessionWindow&) = delete;
        HWND get() const { return _h; }

    private:
        HWND _h;
    };

    void connect(SessionWinCtrl& /*ctrl*/, SessionDlgCtrl& /*dlg*/) {}
    void connect(QuestionsSessionCtrl& ctrl, SessionDlgCtrl& dlg) { ctrl.setProgressDialog(dlg); }

    // Declared in this order, the progress dialog's controller goes first,
    // then the main window comes back, the session window goes, then the
    // window's controller with its view, then the engine.
    template <class Engine, class WinCtrl>
    StudyStart::Outcome runWith(HWND mainWin, Quillory& doc, bool useAllItems, int titleId)
    {
        Engine engine(doc, useAllItems);
        if (!engine.next())
            return StudyStart::Outcome::NoQuestions;
        WinCtrl winCtrl(doc.getSettings(), engine);

        Win::PopupWindowMaker maker(StudyStart::WindowClassName, mainWin);
        maker._style = WS_POPUP | WS_DLGFRAME;
        const Win::ResString title(Win::instanceOf(mainWin), titleId);
        const SessionWindow sessionWin(maker.Create(winCtrl, title));
        MainWindowHidden hidden(mainWin);
        ::ShowWindow(sessionWin.get(), SW_SHOW);

        SessionDlgCtrl dlgCtrl(engine, doc.getSettings().getTimeOut(), sessionWin.get());
        connect(winCtrl, dlgCtrl);
        Dialog::Modal progress(mainWin, IDD_SESSION, dlgCtrl);
        return StudyStart::Outcome::Ran;
    }
}

bool StudyStart::scoresAnswers(Kind kind)
{
    return kind != Kind::Presentation;
}

StudyStart::Outcome StudyStart::run(Kind kind, HWND mainWin, Quillory& doc)
{
    bool useAllItems = true;
    if (doc.hasSelection())
    {
        SessionItemsDlg items;
        if (!Dialog::Modal(mainWin, IDD_SESSION_ITEMS, items).IsOk())
            return Outcome::Cancelled;
        useAllItems = items.useAllItems();
    }
    // The settings may still name a field that a new list's outline lacks.
    doc.getSettings().validate();
    switch (kind)
    {
    case Kind::Presentation:
        return runWith<StudySession, PresentationCtrl>(mainWin, doc, useAllItems, IDS_PRESENTATION);
    case Kind::QuestionsAndAnswers:
        return runWith<QnaSession, QnaWinCtrl>(mainWin, doc, useAllItems, IDS_QUESTIONS_ANSWERS);
    case Kind::MultipleChoice:
        return runWith<McSession, McWinCtrl>(mainWin, doc, useAllItems, IDS_MULTIPLE_CHOICE);
    }
    return Outcome::Cancelled;
}
