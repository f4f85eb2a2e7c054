// Pictures of the three session windows over the sample Study List (or, without
// it, a small vocabulary list), and of a list in several scripts with a session
// over it, written to build/screenshots/ in the source tree for anyone to look
// at (the help's languages.png is the last list's main window).
#include "tests/gui/SessionFixture.h"
#include "tests/gui/SourceTree.h"

#include "app/Messages.h"
#include "model/Setting.h"
#include "model/Outline.h"
#include "tests/support/gui/Harness.h"
#include "tests/support/gui/Screenshot.h"

#include <string>

namespace
{
    struct Word
    {
        const char* word;
        const char* translation;
        const char* example;
    };

    const Word Vocabulary[] = {
        {"die Katze", "the cat", "Die Katze liegt den ganzen Nachmittag in der Sonne auf dem Fensterbrett."},
        {"der Hund", "the dog", "Der Hund bellt, wenn der Postbote kommt."},
        {"das Haus", "the house", "Das Haus steht am Rand des Waldes."},
        {"der Baum", "the tree", "Im Garten steht ein alter Baum."},
        {"die Blume", "the flower", "Sie pflückt eine Blume für ihre Mutter."},
    };

    const Word Scripts[] = {
        {"кошка", "cat", "Russian"},
        {"γάτα", "cat", "Greek"},
        {"猫", "cat", "Japanese"},
        {"小猫", "kitten", "Chinese"},
        {"고양이", "cat", "Korean"},
        {"собака", "dog", "Russian"},
        {"σκύλος", "dog", "Greek"},
        {"犬", "dog", "Japanese"},
    };
}

class SessionScreenshot : public SessionFixture
{
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        _dir = screenshotDir();
        const std::string sample = sourceTreePath("samples/french-vocabulary.qlx");
        if (::GetFileAttributesA(sample.c_str()) != INVALID_FILE_ATTRIBUTES)
        {
            ::SendMessageA(_win, UM_OPEN_FILE, reinterpret_cast<WPARAM>(sample.c_str()), 0);
            Gui::pumpPending();
            ASSERT_GT(doc().getItemCount(), 4u);
            ASSERT_TRUE(doc().isSaved());
            return;
        }
        makeVocabulary();
    }

    void makeVocabulary() { makeVocabulary(Vocabulary, "Example"); }

    template<std::size_t N>
    void makeVocabulary(const Word (&words)[N], const char* third)
    {
        doc().newList();
        Outline outline;
        outline.setItemType("Word");
        outline.addDef("Translation");
        outline.addDef(third);
        outline.removeDef(0);
        doc().setOutline(outline);
        for (const Word& w : words)
        {
            TermSet item(static_cast<std::int32_t>(doc().getItemCount() + 1), doc().getOutline());
            item.setTerm(w.word);
            item.setDefText(0, w.translation);
            item.setDefText(1, w.example);
            doc().addItem(item);
        }
        refreshAll();
        saveList();
        ::SendMessageA(_win, UM_UPDATE_TITLE, 0, 0);
    }

    void shoot(SessionDriver& s, const std::string& name)
    {
        Gui::pumpPending();
        EXPECT_TRUE(Gui::saveScreenshot(s.window(), _dir + name + ".png")) << name;
        EXPECT_TRUE(Gui::saveScreenshot(s.dialog(), _dir + name + "-progress.png")) << name;
    }

    std::string _dir;
};

TEST_F(SessionScreenshot, Presentation)
{
    runSession("Study_Presentation", [&](SessionDriver& s) {
        // The example sentence: a long text that wraps in the lower half.
        s.next();
        // Everything else: the same item goes on with its next field.
        EXPECT_EQ(s.itemNumber(), "1");
        shoot(s, "session-presentation");
        expectStopQuestion(IDYES);
        s.stop();
    });
}

TEST_F(SessionScreenshot, QuestionsAndAnswers)
{
    doc().getSettings().setToField(0);
    doc().getSettings().setTimeOut(30);
    runSession("Study_QA", [&](SessionDriver& s) {
        s.holdTimer();
        s.type("the ca");
        shoot(s, "session-qna");
        expectStopQuestion(IDYES);
        expectResults();
        s.stop();
    });
}

// Letters of every script show as themselves, in the list and in a session.
TEST_F(SessionScreenshot, ListInSeveralScripts)
{
    makeVocabulary(Scripts, "Language");
    Gui::pumpPending();
    EXPECT_TRUE(Gui::saveScreenshot(_win, _dir + "languages.png"));
    doc().getSettings().setToField(0);
    runSession("Study_Presentation", [&](SessionDriver& s) {
        // The third item, Japanese.
        s.next();
        s.next();
        EXPECT_EQ(s.itemNumber(), "3");
        shoot(s, "session-languages");
        expectStopQuestion(IDYES);
        s.stop();
    });
}

TEST_F(SessionScreenshot, MultipleChoice)
{
    doc().getSettings().setToField(0);
    doc().getSettings().setNumChoices(4);
    runSession("Study_MC", [&](SessionDriver& s) {
        EXPECT_EQ(s.choiceTexts().size(), 4u);
        shoot(s, "session-mc");
        expectStopQuestion(IDYES);
        expectResults();
        s.stop();
    });
}
