#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/QnaSession.h"

class TextPool;

// A questions-and-answers session in which the user picks the answer from a
// few offered texts: the right one and wrong ones taken from what other items
// of the study list hold in the same field. Items, directions, order, judging
// and scores are those of QnaSession.
class McSession : public QnaSession
{
public:
    McSession(Quillory& doc, bool useAllItems, RandomSource& random = runtimeRandom());
    ~McSession() override;

    // The current question's choices; valid after a next() that returned
    // true. They view the items' own texts, which do not change in a session.
    const std::vector<std::string_view>& getChoices() const { return _choices; }
    std::size_t getRightChoice() const { return _rightChoice; }
    // Judges choice `idx` as the answer.
    bool pick(std::size_t idx);

protected:
    bool acceptQuestion() override;

private:
    const TextPool& poolFor(int field);
    std::vector<std::size_t> drawWrongChoices(const TextPool& pool, std::size_t right, std::size_t wanted);

    // One pool per field (index field+1), built when a question first needs it.
    std::vector<std::unique_ptr<TextPool>> _pools;
    bool _poolsCaseSensitive = false;
    std::vector<std::string_view> _choices;
    std::size_t _rightChoice = 0;
};
