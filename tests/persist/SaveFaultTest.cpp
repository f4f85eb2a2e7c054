#include <gtest/gtest.h>

#include "model/Quillory.h"
#include "persist/Filer.h"
#include "res/strings.h"
#include "tests/persist/Files.h"
#include "tests/persist/LoadOutcome.h"
#include "tests/persist/StudyListBytes.h"
#include "tests/support/WriteFault.h"

namespace
{
    struct FaultCase
    {
        TestSupport::WriteFault::When when;
        const char* name;
    };

    // A device that takes only so many bytes, at every possible byte count
    // of the new file: the previous file must survive every one.
    class SaveFault : public ::testing::TestWithParam<FaultCase>
    {
    protected:
        void SetUp() override
        {
            Outline outline;
            outline.addDef("Plural");
            doc.setOutline(outline);
            for (int i = 1; i <= 3; ++i)
            {
                TermSet item(i, doc.getOutline());
                item.setTerm("new term " + std::to_string(i));
                item.setDefText(1, "plural");
                doc.addItem(item);
            }
            newBytes = TestData::bytesOf(doc);
            doc.setModified();
        }

        Quillory doc;
        std::string newBytes;
    };
}

TEST_P(SaveFault, FailedSaveKeepsThePreviousFileAndLeavesNoTemporaryFile)
{
    TestData::TempDir dir;
    const std::string path = dir.file("list.qlx");
    TestData::writeFile(path, TestData::catExample());
    for (std::uint64_t limit = 0; limit < newBytes.size(); ++limit)
    {
        TestData::RecordingHost host;
        const TestSupport::WriteFault fault(limit, GetParam().when);
        WinFile::Filer filer(doc, path, host, fault);
        ASSERT_FALSE(filer.save()) << "limit " << limit;
        EXPECT_EQ(filer.getFailure(), "File write failed") << limit;
        EXPECT_EQ(host.errors, std::vector<std::string>(
            {std::string(STR_CANT_SAVE) + "\n" + path + "\nFile write failed"}));
        EXPECT_EQ(TestData::readFile(path), TestData::catExample()) << "limit " << limit;
        EXPECT_EQ(dir.names(), std::set<std::string>({"list.qlx"})) << "limit " << limit;
        EXPECT_FALSE(doc.isSaved());
        EXPECT_EQ(doc.getPath(), "");
        EXPECT_EQ(host.titleChanges, 0);
    }
}

TEST_P(SaveFault, AFileThatFitsIsSaved)
{
    TestData::TempDir dir;
    const std::string path = dir.file("list.qlx");
    TestData::writeFile(path, TestData::catExample());
    TestData::RecordingHost host;
    const TestSupport::WriteFault fault(newBytes.size(), GetParam().when);
    EXPECT_TRUE(WinFile::Filer(doc, path, host, fault).save());
    EXPECT_EQ(TestData::readFile(path), newBytes);
    EXPECT_EQ(dir.names(), std::set<std::string>({"list.qlx"}));
}

TEST_P(SaveFault, FailedSaveToANewPathLeavesNoHalfWrittenFile)
{
    TestData::TempDir dir;
    const std::string path = dir.file("new.qlx");
    for (std::uint64_t limit : {std::uint64_t(0), std::uint64_t(4), std::uint64_t(newBytes.size() - 1)})
    {
        TestData::RecordingHost host;
        const TestSupport::WriteFault fault(limit, GetParam().when);
        EXPECT_FALSE(WinFile::Filer(doc, path, host, fault).save());
        EXPECT_TRUE(dir.names().empty()) << "limit " << limit;
    }
}

INSTANTIATE_TEST_SUITE_P(Device, SaveFault,
    ::testing::Values(FaultCase{TestSupport::WriteFault::AT_WRITE, "FailsAtWrite"},
                      FaultCase{TestSupport::WriteFault::AT_CLOSE, "FailsAtClose"}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });
