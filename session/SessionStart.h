#pragma once
#include <windows.h>

class Quillory;

namespace StudyStart
{
    enum class Kind
    {
        Presentation,
        QuestionsAndAnswers,
        MultipleChoice
    };

    enum class Outcome
    {
        Cancelled,   // the items dialog was cancelled: nothing happened
        NoQuestions, // the session had no question: no window was shown
        Ran          // the session ran; the main window is visible again
    };

    // Runs one study session over the main window: asks which items to use
    // when some are selected, builds the engine, and runs the session window
    // with its progress dialog while the main window is hidden.
    Outcome run(Kind kind, HWND mainWin, Quillory& doc);

    // A session that judges answers changes the items' scores.
    bool scoresAnswers(Kind kind);

    // The name of the window class that session windows share with the main window.
    extern const char* const WindowClassName;
}
