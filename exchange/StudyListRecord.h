#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Qlx
{
    // A Study List as the text formats carry it: every text in UTF-8, the
    // definitions by position in field order, the settings as stored.
    struct ItemRecord
    {
        std::int32_t number = 0;
        std::string term;
        std::vector<std::string> definitions;
        std::string comment;
        std::int32_t timesAsked = 0;
        std::int32_t correctAnswers = 0;
    };

    struct SettingsRecord
    {
        std::int32_t timeOut = 0;
        bool shuffle = false;
        bool continuous = false;
        bool caseSensitive = false;
        std::int32_t numChoices = 0;
        std::int32_t fromDir = 0;
        std::int32_t toDir = 0;
        std::int32_t fromField = 0;
        std::int32_t toField = 0;
    };

    struct StudyListRecord
    {
        std::string itemType;
        std::vector<std::string> fields;
        std::vector<ItemRecord> items;
        // None: the study settings of a new list.
        std::optional<SettingsRecord> settings;
    };
}
