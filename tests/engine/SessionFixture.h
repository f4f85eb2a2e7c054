#pragma once
#include <deque>
#include <initializer_list>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/Quillory.h"
#include "engine/RandomSource.h"
#include "engine/StudySession.h"

namespace SessionTesting
{
    // Hands out exactly the draws a test scripts; one more is a failure.
    class ScriptedRandom : public RandomSource
    {
    public:
        ScriptedRandom(std::initializer_list<int> draws = {}) : _draws(draws) {}
        void add(std::initializer_list<int> draws) { _draws.insert(_draws.end(), draws); }
        std::size_t left() const { return _draws.size(); }
        const std::vector<unsigned>& seeds() const { return _seeds; }

        void seed(unsigned value) override { _seeds.push_back(value); }
        int draw() override
        {
            if (_draws.empty())
                throw std::logic_error("a draw the test did not script");
            const int value = _draws.front();
            _draws.pop_front();
            return value;
        }
        int drawMax() const override { return 32767; }

    private:
        std::deque<int> _draws;
        std::vector<unsigned> _seeds;
    };

    // Reproducible draws with the range of the Windows runtime's rand(); the
    // session's time seed is ignored.
    class SeededRandom : public RandomSource
    {
    public:
        explicit SeededRandom(unsigned seed) : _engine(seed) {}
        void seed(unsigned) override {}
        int draw() override { return static_cast<int>(_engine() % 32768u); }
        int drawMax() const override { return 32767; }

    private:
        std::mt19937 _engine;
    };

    // Replaces the list by items of the item type "Term" and the given
    // definition fields; each row is {term, def 0, def 1, ...}.
    inline void fill(Quillory& doc, const std::vector<std::string>& defs,
                     const std::vector<std::vector<std::string>>& rows)
    {
        doc.newList();
        Outline outline;
        outline.removeDef(0);
        for (const auto& def : defs)
            outline.addDef(def);
        doc.setOutline(outline);
        for (const auto& row : rows)
        {
            TermSet item(static_cast<std::int32_t>(doc.getItemCount() + 1), doc.getOutline());
            item.setTerm(row.at(0));
            for (std::size_t i = 1; i < row.size(); ++i)
                item.setDefText(static_cast<unsigned>(i - 1), row[i]);
            doc.addItem(item);
        }
    }

    // "term:question field>answer field" for the current question.
    inline std::string describe(const StudySession& session)
    {
        return session.currentItem().getTerm() + ":" + std::to_string(session.getQuestionField()) + ">"
            + std::to_string(session.getAnswerField());
    }

    // Every question up to the end of the session, or up to `limit` of them.
    inline std::vector<std::string> askAll(StudySession& session, std::size_t limit = 1000)
    {
        std::vector<std::string> asked;
        while (asked.size() < limit && session.next())
            asked.push_back(describe(session));
        return asked;
    }
}
