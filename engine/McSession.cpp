#include "engine/McSession.h"

#include <algorithm>

#include "base/Assert.h"
#include "model/Quillory.h"
#include "model/Setting.h"
#include "engine/TextPool.h"

namespace
{
    // Rejection is used only while a draw hits an eligible text at least
    // three times in four.
    const std::size_t SmallPoolFactor = 4;
    const std::size_t TriesPerChoice = 8;
}

McSession::McSession(Quillory& doc, bool useAllItems, RandomSource& random)
    : QnaSession(doc, useAllItems, random)
{
}

McSession::~McSession() = default;

bool McSession::pick(std::size_t idx)
{
    Assert(idx<_choices.size());
    return checkAnswer(std::string(_choices[idx]));
}

// How the wrong choices are found without scanning the list per question:
// per answer field, once per session, a TextPool of the distinct texts the
// whole study list holds in that field. A question draws pool positions at
// random and rejects the right answer's own position and positions already
// taken; its cost does not grow with the list. Only when the pool is barely
// larger than the choices wanted, where rejection would keep missing, does a
// question gather every eligible position and pick among those.
//
// A question whose answer has no wrong text to stand beside it is refused
// and so skipped by next().
bool McSession::acceptQuestion()
{
    _choices.clear();
    const TextPool& pool = poolFor(getAnswerField());
    // Views, not copies: a question then reads no text of the other items.
    const std::string_view right = fieldView(currentItem(), getAnswerField());
    const std::size_t rightPos = pool.positionOf(currentItemIndex());
    const std::size_t others = pool.size() - (rightPos == TextPool::None ? 0 : 1);
    const int numChoices = std::clamp(settings().getNumChoices(), Setting::NumChoicesMin, Setting::NumChoicesMax);
    const std::size_t wanted = std::min(static_cast<std::size_t>(numChoices - 1), others);
    if (wanted == 0)
        return false;
    for (std::size_t pos : drawWrongChoices(pool, rightPos, wanted))
        _choices.push_back(pool.text(pos));
    _rightChoice = drawBelow(random(), _choices.size() + 1);
    _choices.insert(_choices.begin() + static_cast<std::ptrdiff_t>(_rightChoice), right);
    return true;
}

std::vector<std::size_t> McSession::drawWrongChoices(const TextPool& pool, std::size_t right,
                                                     std::size_t wanted)
{
    std::vector<std::size_t> picks;
    const auto taken = [&](std::size_t pos) {
        return pos == right || std::find(picks.begin(), picks.end(), pos) != picks.end();
    };
    const std::size_t size = pool.size();
    if (size > SmallPoolFactor * (wanted + 1))
    {
        for (std::size_t tries = 0; picks.size() < wanted && tries < TriesPerChoice * wanted; ++tries)
        {
            const std::size_t pos = drawBelow(random(), size);
            if (!taken(pos))
                picks.push_back(pos);
        }
        if (picks.size() == wanted)
            return picks;
    }
    std::vector<std::size_t> eligible;
    for (std::size_t pos = 0; pos < size; ++pos)
        if (!taken(pos))
            eligible.push_back(pos);
    while (picks.size() < wanted)
    {
        const std::size_t k = drawBelow(random(), eligible.size());
        picks.push_back(eligible[k]);
        eligible[k] = eligible.back();
        eligible.pop_back();
    }
    return picks;
}

const TextPool& McSession::poolFor(int field)
{
    const bool caseSensitive = settings().isCaseSensitive();
    if (caseSensitive != _poolsCaseSensitive)
    {
        _pools.clear();
        _poolsCaseSensitive = caseSensitive;
    }
    const std::size_t slot = static_cast<std::size_t>(field + 1);
    if (_pools.size() <= slot)
        _pools.resize(slot + 1);
    if (!_pools[slot])
    {
        const Quillory& doc = document();
        _pools[slot] = std::make_unique<TextPool>(caseSensitive, doc.getItemCount(), [&](std::size_t idx) {
            return fieldView(doc.getItem(static_cast<unsigned>(idx)), field);
        });
    }
    return *_pools[slot];
}
