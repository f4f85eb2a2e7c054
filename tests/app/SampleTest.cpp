#include <gtest/gtest.h>

#include "app/ListViewModels.h"
#include "model/Quillory.h"
#include "persist/Filer.h"

#include <string>

// The bundled sample that `make run` opens must load as the program loads it.
TEST(Sample, FrenchVocabularyLoadsWithItsFieldsAndScores)
{
    Quillory doc;
    WinFile::SilentFilerHost host;
    const std::string path = std::string(QUILLORY_SOURCE_DIR) + "/samples/french-vocabulary.qlx";
    ASSERT_TRUE(WinFile::Filer(doc, path, host).load()) << WinFile::Filer(doc, path, host).getFailure();

    EXPECT_EQ(doc.getOutline().getItemType(), "French");
    ASSERT_EQ(doc.getOutline().getDefCount(), 2u);
    EXPECT_EQ(doc.getOutline().getDef(0), "English");
    EXPECT_EQ(doc.getOutline().getDef(1), "Example");
    EXPECT_EQ(doc.getItemCount(), 40u);

    StudyListOutlineModel columns(doc.getOutline());
    StudyListDataModel rows(doc);
    const Win::ListViewItem& first = rows.getItem(0);
    EXPECT_EQ(first.getText(1, "French"), "le chat");
    EXPECT_EQ(first.getText(2, "English"), "the cat");
    EXPECT_EQ(first.getText(7, "Ratio"), "75 %");
    for (unsigned i = 0; i < doc.getItemCount(); ++i)
    {
        EXPECT_EQ(doc.getItem(i).getItemNo(), static_cast<std::int32_t>(i + 1));
        EXPECT_LE(doc.getItem(i).getCorrectAnswers(), doc.getItem(i).getTimesAsked());
    }
}
