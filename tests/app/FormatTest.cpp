#include <gtest/gtest.h>

#include "app/Format.h"

#include <string>

TEST(FormatText, FillsTheStatusFormat)
{
    EXPECT_EQ(formatText("%i item(s), %i selected", 12, 3), "12 item(s), 3 selected");
}

TEST(FormatText, NeverCutsLongTexts)
{
    const std::string path(5000, 'x');
    const std::string text = formatText("Save changes to %s ?", path.c_str());
    EXPECT_EQ(text.size(), path.size() + 18);
    EXPECT_EQ(text.substr(text.size() - 2), " ?");
}

TEST(FormatText, LargestCountsFitCompletely)
{
    EXPECT_EQ(formatText("%i item(s), %i selected", 2147483647, -2147483647 - 1),
              "2147483647 item(s), -2147483648 selected");
}
