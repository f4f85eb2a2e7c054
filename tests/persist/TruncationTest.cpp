#include <gtest/gtest.h>

#include <vector>

#include "tests/persist/LoadOutcome.h"
#include "tests/persist/StudyListBytes.h"

using TestData::LoadOutcome;

namespace
{
    // The fields of the cat list in file order, with their sizes.
    struct Field
    {
        const char* name;
        std::size_t size;
        bool isString;
    };

    const std::vector<Field> CatFields = {
        {"magic", 4, false},
        {"item type", 5 + 4, true},
        {"definition count", 4, false},
        {"definition name", 5 + 10, true},
        {"item count", 4, false},
        {"item number", 4, false},
        {"term", 5 + 3, true},
        {"definition text", 5 + 5, true},
        {"comment", 5, true},
        {"times asked", 4, false},
        {"correct answers", 4, false},
        {"time-out", 4, false},
        {"shuffle", 4, false},
        {"continuous", 4, false},
        {"case sensitive", 4, false},
        {"number of choices", 4, false},
        {"from kind", 4, false},
        {"to kind", 4, false},
        {"from field", 4, false},
        {"to field", 4, false},
    };

    // What a file cut after `length` bytes must fail with.
    std::string expectedFailure(std::size_t length)
    {
        if (length < 4)
            return "This is not a valid Quillory file or the file is corrupt";
        std::size_t start = 0;
        for (const Field& field : CatFields)
        {
            if (length < start + field.size)
            {
                // A string that ends before its marker has no marker.
                if (field.isString && length == start)
                    return "Data corruption";
                return "Unexpected end of file";
            }
            start += field.size;
        }
        return "";
    }

    class CatTruncation : public ::testing::TestWithParam<std::size_t> {};
}

TEST(CatTruncationTable, CoversTheWholeExample)
{
    std::size_t total = 0;
    for (const Field& field : CatFields)
        total += field.size;
    EXPECT_EQ(total, TestData::catExample().size());
}

TEST_P(CatTruncation, FailsWithTheFailureOfTheFieldWhereTheFileEnds)
{
    const std::size_t length = GetParam();
    const LoadOutcome outcome = TestData::loadOutcome(TestData::catExample().substr(0, length));
    EXPECT_EQ(outcome.kind, LoadOutcome::WIN_EXCEPTION);
    EXPECT_EQ(outcome.text, expectedFailure(length));
}

INSTANTIATE_TEST_SUITE_P(EveryLength, CatTruncation, ::testing::Range<std::size_t>(0, 107));
