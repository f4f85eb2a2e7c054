// Cost of whole study sessions in every direction, questions-and-answers and
// multiple choice, over 10,000, 100,000, 200,000 and 400,000 items. A linear
// session takes about ten times as long on 100,000 items as on 10,000 and
// twice as long on each doubling after that; a quadratic one a hundred and
// four times as long. Somewhat more than linear shows where a larger list
// outgrows the processor's caches: multiple choice reads random items, and
// its ratio for 400k/200k, where neither list fits, tells cache from cost.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "model/Quillory.h"
#include "engine/McSession.h"
#include "engine/QnaSession.h"

namespace
{
    // Item type and three definition fields: distinct texts, texts shared
    // by a hundred items each, and a field empty in every third item.
    void fillList(Quillory& doc, unsigned count)
    {
        doc.newList();
        Outline outline;
        outline.addDef("Example");
        outline.addDef("Note");
        doc.setOutline(outline);
        for (unsigned i = 0; i < count; ++i)
        {
            TermSet item(static_cast<std::int32_t>(i + 1), doc.getOutline());
            item.setTerm("term " + std::to_string(i));
            item.setDefText(0, "definition " + std::to_string(i));
            item.setDefText(1, "example " + std::to_string(i % (count / 100)));
            if (i % 3 != 0)
                item.setDefText(2, "note " + std::to_string(i));
            doc.addItem(item);
        }
    }

    struct Direction
    {
        const char* name;
        std::function<void(Setting&)> apply;
    };

    const std::vector<Direction>& fromSides()
    {
        static const std::vector<Direction> sides{
            {"TERM", [](Setting& s) { s.setFromTerm(); }},
            {"FIELD", [](Setting& s) { s.setFromField(0); }},
            {"ANYTHING", [](Setting& s) { s.setFromAnything(); }},
        };
        return sides;
    }

    const std::vector<Direction>& toSides()
    {
        static const std::vector<Direction> sides{
            {"TERM", [](Setting& s) { s.setToTerm(); }},
            {"FIELD", [](Setting& s) { s.setToField(1); }},
            {"ANYTHING", [](Setting& s) { s.setToAnything(); }},
            {"EVERYTHING_ELSE", [](Setting& s) { s.setToEverythingElse(); }},
        };
        return sides;
    }

    // Processor time rather than the wall clock: on a shared machine the
    // wall clock counts the other users' work too.
    double cpuMsSince(std::clock_t start)
    {
        return 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    }

    struct Run
    {
        double ms;
        long questions;
    };

    // Answers every question, one in three wrongly.
    Run runQna(Quillory& doc)
    {
        const std::clock_t start = std::clock();
        QnaSession session(doc, true);
        long questions = 0;
        while (session.next())
            session.checkAnswer(++questions % 3 == 0 ? std::string("wrong") : session.answerText());
        return {cpuMsSince(start), questions};
    }

    Run runMc(Quillory& doc)
    {
        const std::clock_t start = std::clock();
        McSession session(doc, true);
        long questions = 0;
        while (session.next())
        {
            const std::size_t right = session.getRightChoice();
            session.pick(++questions % 3 == 0 ? (right + 1) % session.getChoices().size() : right);
        }
        return {cpuMsSince(start), questions};
    }

    // The fastest of a few runs, to keep the other work of a shared machine out.
    Run fastest(Run (*run)(Quillory&), Quillory& doc)
    {
        Run best = run(doc);
        for (int i = 1; i < 3; ++i)
        {
            const Run again = run(doc);
            if (again.ms < best.ms)
                best = again;
        }
        return best;
    }
}

int main()
{
    Quillory smallDoc;
    Quillory largeDoc;
    Quillory hugeDoc;
    Quillory hugerDoc;
    fillList(smallDoc, 10000);
    fillList(largeDoc, 100000);
    fillList(hugeDoc, 200000);
    fillList(hugerDoc, 400000);

    std::printf("%-4s %-9s %-16s %10s %9s %11s %9s %11s %11s %8s %9s %9s\n", "kind", "from", "to", "cpu ms 10k",
                "q 100k", "cpu ms 100k", "ns/q", "cpu ms 200k", "cpu ms 400k", "100k/10k", "200k/100k", "400k/200k");
    double worstTenfold = 0;
    double worstDouble = 0;
    double worstLastDouble = 0;
    for (const char* kind : {"QnA", "MC"})
        for (const auto& from : fromSides())
            for (const auto& to : toSides())
            {
                for (Quillory* doc : {&smallDoc, &largeDoc, &hugeDoc, &hugerDoc})
                {
                    Setting& setting = doc->getSettings();
                    from.apply(setting);
                    to.apply(setting);
                    setting.setNumChoices(4);
                }
                const bool mc = std::string(kind) == "MC";
                const Run a = fastest(mc ? runMc : runQna, smallDoc);
                const Run b = fastest(mc ? runMc : runQna, largeDoc);
                const Run c = fastest(mc ? runMc : runQna, hugeDoc);
                const Run d = fastest(mc ? runMc : runQna, hugerDoc);
                const double tenfold = a.ms > 0 ? b.ms / a.ms : 0;
                const double twofold = b.ms > 0 ? c.ms / b.ms : 0;
                const double lastTwofold = c.ms > 0 ? d.ms / c.ms : 0;
                worstTenfold = std::max(worstTenfold, tenfold);
                worstDouble = std::max(worstDouble, twofold);
                worstLastDouble = std::max(worstLastDouble, lastTwofold);
                const double nsPerQuestion = b.questions > 0 ? b.ms * 1e6 / static_cast<double>(b.questions) : 0;
                std::printf("%-4s %-9s %-16s %10.2f %9ld %11.2f %9.0f %11.2f %11.2f %8.1f %9.2f %9.2f\n", kind,
                            from.name, to.name, a.ms, b.questions, b.ms, nsPerQuestion, c.ms, d.ms, tenfold, twofold,
                            lastTwofold);
            }
    std::printf("largest ratios: 100k/10k %.1f (quadratic: 100), 200k/100k %.2f, 400k/200k %.2f (linear: 2, quadratic: 4)\n",
                worstTenfold, worstDouble, worstLastDouble);
    return 0;
}
