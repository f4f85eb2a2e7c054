#include <gtest/gtest.h>

#include "exchange/ErrorList.h"
#include "exchange/Failure.h"
#include "exchange/QuizletFormat.h"

using Pairs = std::vector<std::pair<std::string, std::string>>;

namespace
{
    const Qlx::TableColumns Default {"Term", {"Definition"}};

    Pairs pairsOf(const Qlx::TableImport& table)
    {
        table.errors.throwIfAny();
        Pairs pairs;
        for (const auto& item : table.list.items)
            pairs.emplace_back(item.term, item.definitions.at(0));
        return pairs;
    }

    struct Export
    {
        const char* name;
        const char* text;
        const char* term;
        const char* row;
    };

    class QuizletExports : public ::testing::TestWithParam<Export>
    {
    };

    std::string exportName(const ::testing::TestParamInfo<Export>& info) { return info.param.name; }
}

TEST_P(QuizletExports, GiveOneItemPerCard)
{
    const Qlx::QuizletSeparators separators {GetParam().term, GetParam().row};
    const auto table = Qlx::readQuizlet(GetParam().text, separators, Default);
    EXPECT_EQ(pairsOf(table), (Pairs {{"chien", "dog"}, {"chat", "cat, a pet"}, {"", ""}}));
    EXPECT_EQ(table.list.items.at(2).number, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Separators, QuizletExports,
    ::testing::Values(Export {"TabAndLineBreak", "chien\tdog\nchat\tcat, a pet\n\t\n", "\t", ""},
                      Export {"CrLfAndByteOrderMark", "\xEF\xBB\xBF" "chien\tdog\r\n\r\nchat\tcat, a pet\r\n\t", "\t", ""},
                      Export {"CommaAndLineBreak", "chien,dog\nchat,cat, a pet\n,\n", ",", ""},
                      Export {"TabAndSemicolon", "chien\tdog;chat\tcat, a pet;\t;\n", "\t", ";"},
                      Export {"CustomTexts", "chien - dog\n###\nchat - cat, a pet###### - ###", " - ", "###"}),
    exportName);

TEST(QuizletFormat, NamesEveryRowWithoutSeparator)
{
    const auto table = Qlx::readQuizlet("a\tb\nno separator\n \nc\td\nalso none", {}, Default);
    try
    {
        table.errors.throwIfAny();
        FAIL() << "rows without separator were taken";
    }
    catch (const Qlx::Failure& failure)
    {
        EXPECT_STREQ(failure.what(), "row 2: no tab between term and definition\nrow 5: no tab between term and definition");
    }
    EXPECT_EQ(table.lines, (std::vector<size_t> {1, 4}));
    const auto custom = Qlx::readQuizlet("a=b;c", {"=", ";"}, Default);
    EXPECT_THROW(custom.errors.throwIfAny(), Qlx::Failure);
}

TEST(QuizletFormat, TakesTheNamesGivenAndRefusesSeparatorsItCannotUse)
{
    const auto named = Qlx::readQuizlet("a\tb\n", {}, {"English", {"Deutsch"}});
    EXPECT_EQ(named.list.itemType, "English");
    EXPECT_EQ(named.list.fields, std::vector<std::string> {"Deutsch"});
    EXPECT_THROW(Qlx::readQuizlet("a\tb\n", {}, {"Term", {"A", "B"}}), Qlx::Failure);
    EXPECT_THROW(Qlx::readQuizlet("a\tb\n", {"", ""}, Default), Qlx::Failure);
    EXPECT_THROW(Qlx::readQuizlet("a\tb\n", {";", ";"}, Default), Qlx::Failure);
}
