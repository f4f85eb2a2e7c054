#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "engine/RandomSource.h"

class Quillory;
class Setting;
class TermSet;

// The engine under every study session: fixes the items taking part, puts
// them in random order when asked to, and yields one question after another,
// deciding for each which field is asked and which is the answer.
// Field numbers: -1 is an item's own text, 0 to n-1 its definition fields.
// The document's items must not change while a session runs.
class StudySession
{
public:
    StudySession(Quillory& doc, bool useAllItems, RandomSource& random = runtimeRandom());
    virtual ~StudySession() = default;
    StudySession(const StudySession&) = delete;
    StudySession& operator=(const StudySession&) = delete;

    // Moves to the next question; false when the session is over.
    virtual bool next();

    // Valid after a next() that returned true.
    std::string questionText() const;
    std::string answerText() const;
    std::string questionTitle() const;
    std::string answerTitle() const;
    TermSet& currentItem() const;
    // The document's index of the current item.
    unsigned currentItemIndex() const;
    int getQuestionField() const { return _questionField; }
    int getAnswerField() const { return _answerField; }

    // Items taken up so far: the item number the progress dialog shows.
    int getItemCount() const { return _itemCount; }
    // -1 for a continuous session, else the number of the session's items.
    int itemsTotal() const;
    // Item indexes in the order they are asked.
    const std::vector<unsigned>& getQuestions() const { return _questions; }

    void shuffle();

protected:
    // Called when a question has passed every check of next(). A derived
    // session may refuse it; it is then skipped like any other skipped question.
    virtual bool acceptQuestion() { return true; }

    Quillory& document() const { return _doc; }
    const Setting& settings() const { return _setting; }
    RandomSource& random() const { return _random; }
    // A field's text (field -1: the term) without a copy; valid while the item's
    // texts stay as they are.
    std::string_view fieldView(const TermSet& item, int field) const;
    std::string fieldTitle(int field) const;

private:
    int defCount() const;
    int drawField(int n);
    bool continuesEverythingElse(int n) const;
    bool moveToAskableItem();
    bool isAskable(const TermSet& item) const;
    bool chooseQuestionField(const TermSet& item, int n);
    bool chooseAnswerField(const TermSet& item, int n);
    bool isAskableQuestion(const TermSet& item, int field) const;
    bool isAskableAnswer(const TermSet& item, int field) const;
    using Admissible = bool (StudySession::*)(const TermSet& item, int field) const;
    bool drawAdmissibleField(const TermSet& item, int n, Admissible admissible, int& field);
    bool questionPasses() const;

    Quillory& _doc;
    const Setting& _setting;
    std::vector<unsigned> _questions;
    int _currItemIdx = -1;
    int _questionField = -1;
    int _answerField = -1;
    int _itemCount = 0;

    RandomSource& _random;
    // A question was yielded since the session began or the last wrap to the
    // start of a continuous session: a pass without one ends the session.
    bool _askedInPass = false;
    // The current item left a random draw without any admissible field.
    bool _noAdmissibleField = false;
    bool _finished = false;
};
