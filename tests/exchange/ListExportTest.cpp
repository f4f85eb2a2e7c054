#include <gtest/gtest.h>

#include "exchange/CodePage.h"
#include "exchange/ListExport.h"
#include "exchange/QuizletFormat.h"
#include "model/Quillory.h"

namespace
{
    void addItem(Quillory& doc, const std::string& term, std::vector<std::string> defs, const std::string& comment)
    {
        TermSet item(static_cast<std::int32_t>(doc.getItemCount() + 1), doc.getOutline());
        item.setTerm(term);
        for (unsigned i = 0; i < defs.size(); ++i)
            item.setDefText(i, defs[i]);
        item.setComment(comment);
        doc.addItem(item);
    }
}

TEST(QuizletExport, WritesTermTabDefinitionsPerLineWithoutTheComment)
{
    Quillory doc;
    Outline outline;
    outline.addDef("French");
    doc.setOutline(outline);
    addItem(doc, "dog", {"Hund", "chien"}, "animal");
    addItem(doc, "two\tlines\r\nhere", {"", "only French"}, "");
    addItem(doc, "", {"", ""}, "");
    EXPECT_EQ(Qlx::exportList(doc, Qlx::TextFormat::QUIZLET, Qlx::CodePage(1252)),
              "dog\tHund; chien\n"
              "two lines here\tonly French\n"
              "\t\n");
}

TEST(QuizletExport, ReadsBackAsTheSameCards)
{
    Quillory doc;
    addItem(doc, "caf\xC3\xA9", {"coffee"}, "");
    addItem(doc, "tea", {"Tee"}, "");
    const std::string text = Qlx::exportList(doc, Qlx::TextFormat::QUIZLET, Qlx::CodePage(1252));
    const auto table = Qlx::readQuizlet(text, {}, {"Term", {"Definition"}});
    ASSERT_EQ(table.list.items.size(), 2u);
    EXPECT_EQ(table.list.items[0].term, "caf\xC3\xA9");
    EXPECT_EQ(table.list.items[1].definitions, std::vector<std::string> {"Tee"});
    EXPECT_TRUE(table.errors.empty());
}
