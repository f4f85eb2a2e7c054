// Sessions driven by a person at the keyboard and mouse: real input through
// the system's queue, from the state the session leaves itself in.
#include "tests/gui/SessionFixture.h"

#include "res/resource.h"
#include "tests/support/gui/Harness.h"
#include "tests/support/gui/RealInput.h"

#include <string>
#include <vector>

namespace
{
    const std::vector<std::pair<std::string, std::string>> Capitals = {
        {"France", "Paris"}, {"Italy", "Rome"}, {"Spain", "Madrid"}, {"Austria", "Vienna"}};

    // What a person does after reading a question: waits until the keys reach
    // the session, types the answer where they land, and presses Enter.
    void answerWithEnter(SessionDriver& s, const std::string& answer)
    {
        ASSERT_TRUE(RealInput::waitForFocus(s.answerBox())) << "question " << s.itemNumber() << " has no keyboard";
        RealInput::type(answer);
        ASSERT_TRUE(RealInput::pollUntil([&] { return Gui::windowText(s.answerBox()) == answer; }))
            << "typed \"" << answer << "\", the box holds \"" << Gui::windowText(s.answerBox()) << "\"";
        RealInput::press(VK_RETURN);
    }

    bool waitForItem(SessionDriver& s, const std::string& number)
    {
        return RealInput::pollUntil([&] { return s.itemNumber() == number; });
    }

    // Waits for the box the session shows and reads it; empty when none came.
    std::string readBox(SessionDriver& s, HWND& box)
    {
        box = nullptr;
        if (!RealInput::pollUntil([&] { return (box = s.ownedBox()) != nullptr; }) ||
            !RealInput::pollUntil([&] { return ::GetForegroundWindow() == box; }))
            return std::string();
        return Gui::messageBoxText(box);
    }

    // Reads the box, then answers it with `vk` (and modifiers) as a person
    // does; returns its text.
    std::string answerBox(SessionDriver& s, UINT vk, int modifiers = Gui::NoModifier)
    {
        HWND box = nullptr;
        const std::string text = readBox(s, box);
        EXPECT_NE(box, nullptr) << "no box came";
        if (box == nullptr)
            return text;
        RealInput::press(vk, modifiers);
        EXPECT_TRUE(RealInput::pollUntil([&] { return !::IsWindow(box); }));
        return text;
    }

    // Enter presses the box's OK button, which has the focus.
    std::string confirmBox(SessionDriver& s)
    {
        return answerBox(s, VK_RETURN);
    }
}

using SessionKeyboard = SessionFixture;

TEST_F(SessionKeyboard, AnswersTypedRightAwayAreJudgedAndTheNextLandsInTheBoxAgain)
{
    makeList(Capitals);
    std::string wrong;
    std::string results;
    runSessionAsPerson("Study_QA", [&](SessionDriver& s) {
        answerWithEnter(s, "Paris");
        ASSERT_TRUE(waitForItem(s, "2"));
        answerWithEnter(s, "Lisbon");
        wrong = confirmBox(s);
        // After the wrong-answer box the keys go to the answer box again.
        ASSERT_TRUE(waitForItem(s, "3"));
        answerWithEnter(s, "Madrid");
        ASSERT_TRUE(waitForItem(s, "4"));
        answerWithEnter(s, "Vienna");
        results = confirmBox(s);
    });
    EXPECT_EQ(wrong, wrongAnswerText("Lisbon", "Rome"));
    EXPECT_EQ(results, resultsText(4, 3, 75));
    EXPECT_EQ(correctAnswers(0), 1);
    EXPECT_EQ(correctAnswers(1), 0);
    EXPECT_EQ(timesAsked(1), 1);
    EXPECT_EQ(correctAnswers(3), 1);
    EXPECT_TRUE(::IsWindowVisible(_win));
}

// Characters no key of an English keyboard makes, typed as an input method
// types them: case is folded in Cyrillic as in Latin, other forms are wrong.
TEST_F(SessionKeyboard, CyrillicTypedInCapitalsIsRightAndAnotherFormWrong)
{
    makeList({{"cat", "кошка"}, {"cats", "кошка"}});
    std::string wrong;
    std::string results;
    runSessionAsPerson("Study_QA", [&](SessionDriver& s) {
        answerWithEnter(s, "кошки");
        wrong = confirmBox(s);
        ASSERT_TRUE(waitForItem(s, "2"));
        answerWithEnter(s, "КОШКА");
        results = confirmBox(s);
    });
    EXPECT_EQ(wrong, wrongAnswerText("кошки", "кошка"));
    EXPECT_EQ(results, resultsText(2, 1, 50));
    EXPECT_EQ(correctAnswers(0), 0);
    EXPECT_EQ(timesAsked(0), 1);
    EXPECT_EQ(correctAnswers(1), 1);
}

TEST_F(SessionKeyboard, ProgressButtonsAnswerToAltMnemonicsAndToTheMouse)
{
    makeList(Capitals);
    std::string stopQuestion;
    std::string results;
    runSessionAsPerson("Study_QA", [&](SessionDriver& s) {
        ASSERT_TRUE(RealInput::waitForFocus(s.answerBox()));
        RealInput::type("Paris");
        ASSERT_TRUE(RealInput::pollUntil([&] { return Gui::windowText(s.answerBox()) == "Paris"; }));
        RealInput::press('N', Gui::Alt);
        ASSERT_TRUE(waitForItem(s, "2"));
        ASSERT_TRUE(RealInput::waitForFocus(s.answerBox()));
        RealInput::type("Rome");
        ASSERT_TRUE(RealInput::pollUntil([&] { return Gui::windowText(s.answerBox()) == "Rome"; }));
        RealInput::clickCentre(::GetDlgItem(s.dialog(), IDC_NEXT));
        ASSERT_TRUE(waitForItem(s, "3"));
        // Stop, then No: the answer is judged and the session goes on.
        ASSERT_TRUE(RealInput::waitForFocus(s.answerBox()));
        RealInput::type("Madrid");
        ASSERT_TRUE(RealInput::pollUntil([&] { return Gui::windowText(s.answerBox()) == "Madrid"; }));
        RealInput::press('S', Gui::Alt);
        stopQuestion = answerBox(s, 'N', Gui::Alt);
        ASSERT_TRUE(waitForItem(s, "4"));
        ASSERT_TRUE(RealInput::waitForFocus(s.answerBox()));
        RealInput::clickCentre(::GetDlgItem(s.dialog(), IDC_STOP));
        EXPECT_EQ(answerBox(s, 'Y', Gui::Alt), stopQuestion);
        results = confirmBox(s);
    });
    EXPECT_EQ(stopQuestion, "Do you want to stop the current study session?");
    // Stopped with Yes, the fourth question is not judged.
    EXPECT_EQ(results, resultsText(3, 3, 100));
    EXPECT_EQ(timesAsked(3), 0);
}

TEST_F(SessionKeyboard, NumberKeysPickChoicesRightAwayAndAfterTheWrongAnswerBox)
{
    makeList(Capitals);
    std::string wrong;
    std::string results;
    runSessionAsPerson("Study_MC", [&](SessionDriver& s) {
        const auto pickKey = [&s](const std::string& text) {
            const int idx = s.findChoice(text);
            return static_cast<UINT>('1' + (idx < 0 ? 8 : idx));
        };
        const auto wrongKey = [&s](const std::string& right) {
            const int idx = s.findChoice(right);
            return static_cast<UINT>(idx == 0 ? '2' : '1');
        };
        ASSERT_TRUE(RealInput::waitForFocus(s.window()));
        RealInput::press(pickKey("Paris"));
        ASSERT_TRUE(waitForItem(s, "2"));
        ASSERT_TRUE(RealInput::waitForFocus(s.window()));
        RealInput::press(wrongKey("Rome"));
        wrong = confirmBox(s);
        ASSERT_TRUE(waitForItem(s, "3"));
        ASSERT_TRUE(RealInput::waitForFocus(s.window()));
        RealInput::press(pickKey("Madrid"));
        ASSERT_TRUE(waitForItem(s, "4"));
        ASSERT_TRUE(RealInput::waitForFocus(s.window()));
        RealInput::press(pickKey("Vienna"));
        results = confirmBox(s);
    });
    EXPECT_EQ(wrong.rfind("\"", 0), 0u) << wrong;
    EXPECT_NE(wrong.find("\nThe correct answer is:\n\"Rome\"."), std::string::npos) << wrong;
    EXPECT_EQ(results, resultsText(4, 3, 75));
    EXPECT_EQ(correctAnswers(0), 1);
    EXPECT_EQ(correctAnswers(1), 0);
    EXPECT_EQ(correctAnswers(2), 1);
}

TEST_F(SessionKeyboard, CloseRequestsAndLogOffDuringASessionLeaveItRunningAndItsScoresCount)
{
    makeList(Capitals);
    std::string results;
    HWND mainWin = _win;
    LRESULT mayEnd = -1;
    runSessionAsPerson("Study_QA", [&](SessionDriver& s) {
        answerWithEnter(s, "Paris");
        ASSERT_TRUE(waitForItem(s, "2"));
        // From the taskbar or another program, while the main window is hidden.
        ::SendMessageA(mainWin, WM_CLOSE, 0, 0);
        mayEnd = ::SendMessageA(mainWin, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
        EXPECT_TRUE(s.running());
        EXPECT_EQ(s.ownedBox(), nullptr);
        answerWithEnter(s, "Rome");
        ASSERT_TRUE(waitForItem(s, "3"));
        answerWithEnter(s, "Madrid");
        ASSERT_TRUE(waitForItem(s, "4"));
        answerWithEnter(s, "Vienna");
        results = confirmBox(s);
    });
    EXPECT_EQ(mayEnd, FALSE);
    EXPECT_TRUE(::IsWindow(_win));
    EXPECT_TRUE(::IsWindowVisible(_win));
    EXPECT_EQ(results, resultsText(4, 4, 100));
    for (unsigned i = 0; i < 4; ++i)
        EXPECT_EQ(correctAnswers(i), 1) << "item " << i;
    EXPECT_FALSE(doc().isSaved());
}
