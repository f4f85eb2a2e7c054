#pragma once
#include <gtest/gtest.h>

#include "exchange/StudyListRecord.h"

namespace ExchangeTest
{
    // The list's structure and every item field for field, so that a
    // failure names the item and the field that differ.
    inline void expectSameItems(const Qlx::StudyListRecord& back, const Qlx::StudyListRecord& list)
    {
        EXPECT_EQ(back.itemType, list.itemType);
        EXPECT_EQ(back.fields, list.fields);
        ASSERT_EQ(back.items.size(), list.items.size());
        for (size_t i = 0; i < list.items.size(); ++i)
        {
            SCOPED_TRACE("item " + std::to_string(i));
            EXPECT_EQ(back.items[i].number, list.items[i].number);
            EXPECT_EQ(back.items[i].term, list.items[i].term);
            EXPECT_EQ(back.items[i].definitions, list.items[i].definitions);
            EXPECT_EQ(back.items[i].comment, list.items[i].comment);
            EXPECT_EQ(back.items[i].timesAsked, list.items[i].timesAsked);
            EXPECT_EQ(back.items[i].correctAnswers, list.items[i].correctAnswers);
        }
    }
}
