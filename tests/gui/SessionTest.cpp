#include "tests/gui/SessionFixture.h"

#include "model/Setting.h"
#include "res/resource.h"
#include "tests/support/gui/Harness.h"

#include <string>
#include <vector>

namespace
{
    const std::vector<std::pair<std::string, std::string>> Capitals = {
        {"France", "Paris"}, {"Italy", "Rome"}, {"Spain", "Madrid"}, {"Austria", "Vienna"}};
    const int TimesAskedColumn = 4;
    const int CorrectColumn = 5;
}

using Session = SessionFixture;

// ---- Presentation -----------------------------------------------------------

TEST_F(Session, PresentationStepsThroughEveryItemAndLeavesTheListUnchanged)
{
    makeList(Capitals);
    std::vector<std::string> numbers;
    runSession("Study_Presentation", [&](SessionDriver& s) {
        EXPECT_EQ(Gui::windowText(s.window()), "Presentation Session");
        EXPECT_EQ(Gui::ownerOf(s.window()), _win);
        EXPECT_FALSE(::IsWindowVisible(_win));
        EXPECT_EQ(s.itemTotal(), "4");
        EXPECT_EQ(s.seconds(), "--");
        while (s.running())
        {
            numbers.push_back(s.itemNumber());
            s.next();
        }
    });
    EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_TRUE(::IsWindowVisible(_win));
    EXPECT_TRUE(doc().isSaved());
    for (unsigned i = 0; i < doc().getItemCount(); ++i)
        EXPECT_EQ(timesAsked(i), 0);
}

TEST_F(Session, SessionWindowStandsAtItsPlaceWithItsFixedSize)
{
    makeList(Capitals);
    runSession("Study_Presentation", [&](SessionDriver& s) {
        RECT r{};
        ::GetWindowRect(s.window(), &r);
        EXPECT_EQ(r.left, 150);
        EXPECT_EQ(r.top, 75);
        EXPECT_EQ(r.right - r.left, 400);
        EXPECT_EQ(r.bottom - r.top, 250);
        const LONG style = ::GetWindowLongA(s.window(), GWL_STYLE);
        EXPECT_TRUE(style & WS_POPUP);
        EXPECT_EQ(style & WS_DLGFRAME, WS_DLGFRAME);
        RECT d{};
        ::GetWindowRect(s.dialog(), &d);
        EXPECT_EQ(d.left, 0);
        EXPECT_EQ(d.top, 0);
        expectStopQuestion(IDYES);
        s.stop();
    });
}

TEST_F(Session, SessionWindowFollowsAMoveToAMonitorOfAnotherDpi)
{
    makeList(Capitals);
    runSession("Study_QA", [&](SessionDriver& s) {
        RECT before{};
        ::GetWindowRect(s.window(), &before);
        RECT client{};
        ::GetClientRect(s.window(), &client);
        const RECT suggested{300, 200, 900, 575};
        changeDpi(s.window(), 144, suggested);
        RECT after{};
        ::GetWindowRect(s.window(), &after);
        EXPECT_EQ(after.left, 300);
        EXPECT_EQ(after.top, 200);
        RECT scaled{};
        ::GetClientRect(s.window(), &scaled);
        EXPECT_EQ(scaled.right, client.right * 3 / 2);
        EXPECT_EQ(scaled.bottom, client.bottom * 3 / 2);
        RECT box{};
        ::GetWindowRect(s.answerBox(), &box);
        EXPECT_EQ(box.bottom - box.top, 36);
        EXPECT_EQ(box.left - after.left - (after.right - after.left - scaled.right) / 2, 6);
        changeDpi(s.window(), 96, before);
        ::GetWindowRect(s.window(), &after);
        EXPECT_EQ(after.right - after.left, 400);
        EXPECT_EQ(after.bottom - after.top, 250);
        expectStopQuestion(IDYES);
        expectResults();
        s.stop();
    });
}

TEST_F(Session, StoppedPresentationReturnsWithoutAnyFurtherBox)
{
    makeList(Capitals);
    Gui::Seen question = expectStopQuestion(IDYES);
    HWND sessionWin = nullptr;
    runSession("Study_Presentation", [&](SessionDriver& s) {
        sessionWin = s.window();
        s.next();
        s.stop();
        EXPECT_FALSE(s.running());
    });
    EXPECT_EQ(question.text(), "Do you want to stop the current study session?");
    EXPECT_EQ(question.owner(), sessionWin);
    EXPECT_TRUE(::IsWindowVisible(_win));
    EXPECT_TRUE(doc().isSaved());
}

TEST_F(Session, ContinuousSessionHasNoTotalAndKeepsCounting)
{
    makeList({{"one", "1"}, {"two", "2"}, {"three", "3"}});
    doc().getSettings().setContinuous(true);
    std::vector<std::string> numbers;
    std::string total = "unread";
    runSession("Study_Presentation", [&](SessionDriver& s) {
        total = s.itemTotal();
        for (int i = 0; i < 7; ++i)
        {
            numbers.push_back(s.itemNumber());
            s.next();
        }
        EXPECT_TRUE(s.running());
        expectStopQuestion(IDYES);
        s.stop();
    });
    EXPECT_EQ(total, "");
    EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7"}));
}

TEST_F(Session, SessionWindowIgnoresCloseAndEscapeDoesNothing)
{
    makeList(Capitals);
    runSession("Study_Presentation", [&](SessionDriver& s) {
        Gui::closeBox(s.window());
        Gui::pumpPending();
        EXPECT_TRUE(s.running());
        s.escape();
        EXPECT_TRUE(s.running());
        EXPECT_EQ(s.itemNumber(), "1");
        // The dialog's own close is its Stop button.
        expectStopQuestion(IDNO);
        s.closeDialog();
        EXPECT_EQ(s.itemNumber(), "2");
        expectStopQuestion(IDYES);
        s.stop();
    });
}

// ---- Questions and answers ----------------------------------------------------

TEST_F(Session, QuestionsAndAnswersJudgesScoresAndReports)
{
    makeList(Capitals);
    Gui::Seen wrong = expectWrongAnswer();
    Gui::Seen results = expectResults();
    std::vector<std::string> numbers;
    HWND sessionWin = nullptr;
    runSession("Study_QA", [&](SessionDriver& s) {
        sessionWin = s.window();
        EXPECT_EQ(Gui::windowText(s.window()), "Questions & Answers");
        EXPECT_NE(s.answerBox(), nullptr);
        const std::vector<std::string> answers = {"Paris", "rome", "Barcelona", "VIENNA"};
        for (const std::string& answer : answers)
        {
            numbers.push_back(s.itemNumber());
            s.type(answer);
            s.next();
        }
    });
    EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(wrong.text(), wrongAnswerText("Barcelona", "Madrid"));
    EXPECT_EQ(wrong.caption(), "Quillory");
    EXPECT_EQ(results.text(), resultsText(4, 3, 75));
    EXPECT_EQ(results.caption(), "Quillory");
    EXPECT_EQ(wrong.owner(), sessionWin);
    EXPECT_EQ(results.owner(), sessionWin);
    EXPECT_EQ(timesAsked(2), 1);
    EXPECT_EQ(correctAnswers(2), 0);
    EXPECT_EQ(correctAnswers(3), 1);
    EXPECT_FALSE(doc().isSaved());
    EXPECT_TRUE(::IsWindowVisible(_win));
    // The rows show the new scores.
    EXPECT_EQ(Gui::listViewCell(listView(), 2, TimesAskedColumn), "1");
    EXPECT_EQ(Gui::listViewCell(listView(), 3, CorrectColumn), "1");
}

TEST_F(Session, AnswerBoxIsClearedForEveryNewQuestion)
{
    makeList(Capitals);
    runSession("Study_QA", [&](SessionDriver& s) {
        s.type("Paris");
        s.next();
        EXPECT_EQ(Gui::windowText(s.answerBox()), "");
        expectStopQuestion(IDYES);
        expectResults();
        s.stop();
    });
}

TEST_F(Session, EnterNextAndTimeOutEachJudgeExactlyOnce)
{
    makeList({{"France", "Paris"}, {"Italy", "Rome"}, {"Spain", "Madrid"}});
    doc().getSettings().setTimeOut(5);
    Gui::Seen results = expectResults();
    runSession("Study_QA", [&](SessionDriver& s) {
        s.holdTimer();
        s.type("Paris");
        s.enter();
        EXPECT_EQ(s.itemNumber(), "2");
        s.type("Rome");
        s.next();
        EXPECT_EQ(s.itemNumber(), "3");
        s.type("Madrid");
        for (int i = 0; i < 6 && s.running(); ++i)
            s.tick();
    });
    EXPECT_EQ(results.text(), resultsText(3, 3, 100));
    for (unsigned i = 0; i < 3; ++i)
    {
        EXPECT_EQ(timesAsked(i), 1) << "item " << i;
        EXPECT_EQ(correctAnswers(i), 1) << "item " << i;
    }
}

TEST_F(Session, TypedAnswerIsShownAsTypedEvenWithPercentSigns)
{
    makeList({{"France", "Paris"}});
    Gui::Seen wrong = expectWrongAnswer();
    Gui::Seen results = expectResults();
    runSession("Study_QA", [&](SessionDriver& s) {
        s.type("%s%n %i%%");
        s.enter();
    });
    EXPECT_EQ(wrong.text(), wrongAnswerText("%s%n %i%%", "Paris"));
    EXPECT_EQ(results.text(), resultsText(1, 0, 0));
}

TEST_F(Session, StopThenNoJudgesTheAnswerAndGoesOn)
{
    makeList(Capitals);
    Gui::Seen no = expectStopQuestion(IDNO);
    Gui::Seen yes = expectStopQuestion(IDYES);
    Gui::Seen results = expectResults();
    std::vector<std::string> numbers;
    runSession("Study_QA", [&](SessionDriver& s) {
        s.type("Paris");
        s.stop();
        numbers.push_back(s.itemNumber());
        EXPECT_TRUE(s.running());
        s.type("Rome");
        s.stop();
        EXPECT_FALSE(s.running());
    });
    EXPECT_EQ(numbers, (std::vector<std::string>{"2"}));
    EXPECT_EQ(no.text(), "Do you want to stop the current study session?");
    EXPECT_EQ(no.caption(), "Please confirm");
    EXPECT_TRUE(yes.seen());
    // The abandoned second answer is not judged.
    EXPECT_EQ(results.text(), resultsText(1, 1, 100));
    EXPECT_EQ(timesAsked(0), 1);
    EXPECT_EQ(timesAsked(1), 0);
    EXPECT_FALSE(doc().isSaved());
}

TEST_F(Session, StopBeforeAnyAnswerStillMarksTheListModified)
{
    makeList(Capitals);
    expectStopQuestion(IDYES);
    Gui::Seen results = expectResults();
    runSession("Study_QA", [&](SessionDriver& s) { s.stop(); });
    EXPECT_EQ(results.text(), resultsText(0, 0, 0));
    EXPECT_FALSE(doc().isSaved());
    EXPECT_TRUE(::IsWindowVisible(_win));
}

TEST_F(Session, CaseSensitiveSettingRefusesOtherLetterCase)
{
    makeList({{"France", "Paris"}});
    doc().getSettings().setCaseSensitive(true);
    Gui::Seen wrong = expectWrongAnswer();
    expectResults();
    runSession("Study_QA", [&](SessionDriver& s) {
        s.type("paris");
        s.enter();
    });
    EXPECT_EQ(wrong.text(), wrongAnswerText("paris", "Paris"));
    EXPECT_EQ(timesAsked(0), 1);
    EXPECT_EQ(correctAnswers(0), 0);
}

// ---- Time-out -------------------------------------------------------------------

TEST_F(Session, TimeOutCountsDownThenMovesOnAndJudgesTheEmptyBox)
{
    makeList(Capitals);
    doc().getSettings().setTimeOut(5);
    Gui::Seen wrong = expectWrongAnswer();
    std::vector<std::string> shown;
    std::string afterwards;
    runSession("Study_QA", [&](SessionDriver& s) {
        s.holdTimer();
        shown.push_back(s.seconds());
        for (int i = 0; i < 5; ++i)
        {
            s.tick();
            shown.push_back(s.seconds());
        }
        EXPECT_EQ(s.itemNumber(), "1");
        s.tick();
        EXPECT_EQ(s.itemNumber(), "2");
        afterwards = s.seconds();
        expectStopQuestion(IDYES);
        expectResults();
        s.stop();
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"5", "4", "3", "2", "1", "--"}));
    EXPECT_EQ(afterwards, "5");
    EXPECT_EQ(wrong.text(), wrongAnswerText("", "Paris"));
}

TEST_F(Session, RealTimerMovesOnAfterTheTimeOut)
{
    makeList({{"France", "Paris"}});
    doc().getSettings().setTimeOut(2);
    Gui::Seen wrong = expectWrongAnswer();
    Gui::Seen results = expectResults();
    std::string first;
    runSession("Study_QA", [&](SessionDriver& s) {
        first = s.seconds();
        EXPECT_TRUE(Gui::pumpUntil([&] { return results.seen(); }, 15000));
    });
    EXPECT_EQ(first, "2");
    EXPECT_EQ(wrong.text(), wrongAnswerText("", "Paris"));
    EXPECT_EQ(results.text(), resultsText(1, 0, 0));
}

// ---- Items dialog and empty sessions ---------------------------------------------

TEST_F(Session, SelectedItemsOnlyAreAskedAndScored)
{
    makeList(Capitals);
    selectRows({1, 3});
    bool defaultSelected = false;
    _answerer->onDialog(Gui::DialogMatch::byControl(IDC_ALL_ITEMS), [&](HWND dlg) {
        defaultSelected = Gui::isChecked(dlg, IDC_SELECTED_ITEMS) && !Gui::isChecked(dlg, IDC_ALL_ITEMS);
        EXPECT_EQ(Gui::windowText(dlg), "Study Session");
        Gui::click(dlg, IDOK);
    });
    Gui::Seen results = expectResults();
    std::string total;
    runSession("Study_QA", [&](SessionDriver& s) {
        total = s.itemTotal();
        s.type("Rome");
        s.enter();
        s.type("Vienna");
        s.enter();
    });
    EXPECT_TRUE(defaultSelected);
    EXPECT_EQ(total, "2");
    EXPECT_EQ(results.text(), resultsText(2, 2, 100));
    EXPECT_EQ(timesAsked(0), 0);
    EXPECT_EQ(timesAsked(1), 1);
    EXPECT_EQ(timesAsked(2), 0);
    EXPECT_EQ(timesAsked(3), 1);
    EXPECT_TRUE(Gui::listViewSelection(listView()).empty());
}

TEST_F(Session, AllItemsCanBeChosenDespiteASelection)
{
    makeList(Capitals);
    selectRows({0});
    _answerer->onDialog(Gui::DialogMatch::byControl(IDC_ALL_ITEMS), [&](HWND dlg) {
        // As the mouse does: the auto radio buttons switch over.
        ::SendMessageA(::GetDlgItem(dlg, IDC_ALL_ITEMS), BM_CLICK, 0, 0);
        Gui::pumpPending();
        EXPECT_FALSE(Gui::isChecked(dlg, IDC_SELECTED_ITEMS));
        Gui::click(dlg, IDOK);
    });
    std::string total;
    runSession("Study_Presentation", [&](SessionDriver& s) {
        total = s.itemTotal();
        expectStopQuestion(IDYES);
        s.stop();
    });
    EXPECT_EQ(total, "4");
}

TEST_F(Session, CancelledItemsDialogStartsNothing)
{
    makeList(Capitals);
    selectRows({0, 1});
    Gui::Seen items = _answerer->onDialog(Gui::DialogMatch::byControl(IDC_ALL_ITEMS),
                                          [](HWND dlg) { Gui::click(dlg, IDCANCEL); });
    runCommand("Study_QA");
    EXPECT_TRUE(items.seen());
    EXPECT_TRUE(::IsWindowVisible(_win));
    EXPECT_TRUE(doc().isSaved());
    EXPECT_EQ(timesAsked(0), 0);
    EXPECT_EQ(Gui::threadWindows("Quillory Window Class").size(), 1u);
}

TEST_F(Session, ListWithoutDefinitionsHasNoQuestions)
{
    makeList({{"alpha", ""}, {"beta", ""}});
    for (const char* command : {"Study_Presentation", "Study_QA", "Study_MC"})
    {
        bool mainVisible = false;
        Gui::Seen error = _answerer->onDialog(Gui::DialogMatch::byTitle("Quillory Error"), [&](HWND box) {
            mainVisible = ::IsWindowVisible(_win) != FALSE;
            Gui::click(box, IDOK);
        });
        runCommand(command);
        EXPECT_EQ(error.text(), "There were no questions for this session.") << command;
        EXPECT_EQ(error.owner(), _win) << command;
        EXPECT_TRUE(mainVisible) << command;
        EXPECT_TRUE(doc().isSaved()) << command;
    }
}

// ---- Multiple choice -------------------------------------------------------------

TEST_F(Session, MultipleChoiceOffersNumberedChoicesAndScoresThePicks)
{
    makeList(Capitals);
    Gui::Seen wrong = expectWrongAnswer();
    Gui::Seen results = expectResults();
    std::string wrongPick;
    runSession("Study_MC", [&](SessionDriver& s) {
        EXPECT_EQ(Gui::windowText(s.window()), "Multiple Choice Session");
        EXPECT_EQ(s.itemTotal(), "4");
        // Number keys beyond the offered choices pick nothing.
        s.pressKey('4');
        s.pressKey(VK_NUMPAD5);
        EXPECT_EQ(s.itemNumber(), "1");
        // 1: a click on the right choice.
        std::vector<std::string> texts = s.choiceTexts();
        ASSERT_EQ(texts.size(), 3u);
        for (size_t i = 0; i < texts.size(); ++i)
            EXPECT_EQ(texts[i].substr(0, 3), std::to_string(i + 1) + "  ");
        int right = s.findChoice("Paris");
        ASSERT_GE(right, 0);
        s.clickChoice(right);
        EXPECT_EQ(s.itemNumber(), "2");
        // 2: the right choice's number key.
        right = s.findChoice("Rome");
        ASSERT_GE(right, 0);
        s.pressKey('1' + right);
        EXPECT_EQ(s.itemNumber(), "3");
        // 3: the numeric pad.
        right = s.findChoice("Madrid");
        ASSERT_GE(right, 0);
        s.pressKey(VK_NUMPAD1 + right);
        EXPECT_EQ(s.itemNumber(), "4");
        // 4: a wrong choice.
        right = s.findChoice("Vienna");
        ASSERT_GE(right, 0);
        const int other = right == 0 ? 1 : 0;
        wrongPick = s.choiceTexts()[other].substr(3);
        s.clickChoice(other);
    });
    EXPECT_EQ(wrong.text(), wrongAnswerText(wrongPick, "Vienna"));
    EXPECT_EQ(results.text(), resultsText(4, 3, 75));
    EXPECT_EQ(correctAnswers(0), 1);
    EXPECT_EQ(correctAnswers(3), 0);
    EXPECT_EQ(timesAsked(3), 1);
    EXPECT_FALSE(doc().isSaved());
    EXPECT_TRUE(::IsWindowVisible(_win));
}

TEST_F(Session, MultipleChoiceOffersTheSetNumberOfChoices)
{
    makeList({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}, {"f", "6"}, {"g", "7"}});
    doc().getSettings().setNumChoices(6);
    runSession("Study_MC", [&](SessionDriver& s) {
        const auto texts = s.choiceTexts();
        EXPECT_EQ(texts.size(), 6u);
        EXPECT_GE(s.findChoice("1"), 0);
        // Keys beyond the choices pick nothing.
        s.pressKey('9');
        s.pressKey(VK_NUMPAD7);
        EXPECT_EQ(s.itemNumber(), "1");
        expectStopQuestion(IDYES);
        expectResults();
        s.stop();
    });
}

TEST_F(Session, MultipleChoiceTimeOutIsAWrongAnswerWithAnEmptyPick)
{
    makeList({{"France", "Paris"}, {"Italy", "Rome"}});
    doc().getSettings().setTimeOut(2);
    Gui::Seen wrong = expectWrongAnswer();
    runSession("Study_MC", [&](SessionDriver& s) {
        s.holdTimer();
        for (int i = 0; i < 3; ++i)
            s.tick();
        EXPECT_EQ(s.itemNumber(), "2");
        expectStopQuestion(IDYES);
        expectResults();
        s.stop();
    });
    EXPECT_EQ(wrong.text(), wrongAnswerText("", "Paris"));
    EXPECT_EQ(timesAsked(0), 1);
    EXPECT_EQ(correctAnswers(0), 0);
}

TEST_F(Session, MultipleChoiceNextWithoutAPickIsWrongAndStopThenNoGoesOn)
{
    makeList(Capitals);
    Gui::Seen firstWrong = expectWrongAnswer();
    expectStopQuestion(IDNO);
    Gui::Seen secondWrong = expectWrongAnswer();
    runSession("Study_MC", [&](SessionDriver& s) {
        s.next();
        EXPECT_EQ(s.itemNumber(), "2");
        s.stop();
        EXPECT_EQ(s.itemNumber(), "3");
        expectStopQuestion(IDYES);
        expectResults();
        s.stop();
    });
    EXPECT_EQ(firstWrong.text(), wrongAnswerText("", "Paris"));
    EXPECT_EQ(secondWrong.text(), wrongAnswerText("", "Rome"));
}

TEST_F(Session, MultipleChoiceShowsAmpersandsAsTyped)
{
    makeList({{"lab", "R&D"}, {"shop", "B&Q"}});
    expectResults();
    runSession("Study_MC", [&](SessionDriver& s) {
        const int right = s.findChoice("R&D");
        ASSERT_GE(right, 0);
        EXPECT_GE(s.findChoice("B&Q"), 0);
        s.clickChoice(right);
        const int second = s.findChoice("B&Q");
        ASSERT_GE(second, 0);
        s.clickChoice(second);
    });
    EXPECT_EQ(correctAnswers(0), 1);
    EXPECT_EQ(correctAnswers(1), 1);
}

TEST_F(Session, MultipleChoiceNeedsAWrongChoiceToAsk)
{
    makeList({{"France", "Paris"}});
    Gui::Seen error = _answerer->expectMessageBox(IDOK, "Quillory Error");
    runCommand("Study_MC");
    EXPECT_EQ(error.text(), "There were no questions for this session.");
}
