#include "base/TextFormat.h"

#include <gtest/gtest.h>

#include <string>

TEST(TextFormat, FillsTheStatusFormatWithTheCounts)
{
    EXPECT_EQ(Win::fillFormat("%i item(s), %i selected", {"12", "3"}), "12 item(s), 3 selected");
    EXPECT_EQ(Win::fillFormat("%i item(s), %i selected", {std::to_string(2147483647), std::to_string(-2147483647 - 1)}),
              "2147483647 item(s), -2147483648 selected");
}

TEST(TextFormat, NeverCutsLongTexts)
{
    const std::string path(5000, 'x');
    const std::string text = Win::fillFormat("Save changes to %s ?", {path});
    EXPECT_EQ(text, "Save changes to " + path + " ?");
}

TEST(TextFormat, ConversionsInsideArgumentsAreKeptAsTyped)
{
    EXPECT_EQ(Win::fillFormat("Enter the %s below:", {"%s%n%i"}), "Enter the %s%n%i below:");
}

TEST(TextFormat, MissingArgumentsGiveNothingAndOtherPercentsStay)
{
    EXPECT_EQ(Win::fillFormat("%s and %s", {"one"}), "one and ");
    EXPECT_EQ(Win::fillFormat("50%d %", {}), "50%d %");
    EXPECT_EQ(Win::fillFormat("Result: %i%%", {"75"}), "Result: 75%");
}
