#include "exchange/JsonFormat.h"

#include <limits>
#include <set>

#include <nlohmann/json.hpp>

#include "exchange/Failure.h"

namespace Qlx
{
    namespace
    {
        // Keys come out in the order written here, not sorted.
        using Json = nlohmann::ordered_json;

        Json settingsJson(const SettingsRecord& s)
        {
            return Json {{"timeOut", s.timeOut},       {"shuffle", s.shuffle},         {"continuous", s.continuous},
                         {"caseSensitive", s.caseSensitive}, {"numChoices", s.numChoices}, {"fromDir", s.fromDir},
                         {"toDir", s.toDir},           {"fromField", s.fromField},     {"toField", s.toField}};
        }

        Json itemJson(const ItemRecord& item)
        {
            return Json {{"number", item.number},
                         {"term", item.term},
                         {"definitions", item.definitions},
                         {"comment", item.comment},
                         {"timesAsked", item.timesAsked},
                         {"correctAnswers", item.correctAnswers}};
        }

        // One JSON object being read; `_where` names it in messages ("item 3", "settings").
        class ObjectReader
        {
        public:
            ObjectReader(const Json& json, std::string where, std::initializer_list<const char*> keys)
                : _json(json), _where(std::move(where))
            {
                if (!_json.is_object())
                    fail("expected an object");
                const std::set<std::string> known(keys.begin(), keys.end());
                for (const auto& entry : _json.items())
                {
                    if (known.count(entry.key()) == 0)
                        fail("unknown key \"" + entry.key() + "\"");
                }
            }

            const Json& get(const char* key) const
            {
                const auto found = _json.find(key);
                if (found == _json.end())
                    fail(std::string("missing key \"") + key + "\"");
                return *found;
            }

            std::string getString(const char* key) const
            {
                const Json& value = get(key);
                if (!value.is_string())
                    fail(key, "expected a string");
                return value.get<std::string>();
            }

            std::vector<std::string> getStrings(const char* key) const
            {
                const Json& value = get(key);
                if (!value.is_array())
                    fail(key, "expected an array of strings");
                std::vector<std::string> texts;
                texts.reserve(value.size());
                for (const Json& text : value)
                {
                    if (!text.is_string())
                        fail(key, "expected an array of strings");
                    texts.push_back(text.get<std::string>());
                }
                return texts;
            }

            std::int32_t getInt(const char* key) const
            {
                const Json& value = get(key);
                if (!value.is_number_integer())
                    fail(key, "expected an integer");
                if (value.is_number_unsigned())
                {
                    if (value.get<std::uint64_t>() > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
                        fail(key, "number out of range");
                    return static_cast<std::int32_t>(value.get<std::uint64_t>());
                }
                const auto number = value.get<std::int64_t>();
                if (number < std::numeric_limits<std::int32_t>::min() || number > std::numeric_limits<std::int32_t>::max())
                    fail(key, "number out of range");
                return static_cast<std::int32_t>(number);
            }

            bool getBool(const char* key) const
            {
                const Json& value = get(key);
                if (!value.is_boolean())
                    fail(key, "expected true or false");
                return value.get<bool>();
            }

        private:
            [[noreturn]] void fail(const std::string& what) const
            {
                throw Failure(_where.empty() ? what : _where + ": " + what);
            }

            [[noreturn]] void fail(const char* key, const std::string& what) const
            {
                fail(std::string("\"") + key + "\": " + what);
            }

            const Json& _json;
            std::string _where;
        };

        ItemRecord readItem(const Json& json, size_t position)
        {
            const ObjectReader reader(json, "item " + std::to_string(position + 1),
                                      {"number", "term", "definitions", "comment", "timesAsked", "correctAnswers"});
            ItemRecord item;
            item.number = reader.getInt("number");
            item.term = reader.getString("term");
            item.definitions = reader.getStrings("definitions");
            item.comment = reader.getString("comment");
            item.timesAsked = reader.getInt("timesAsked");
            item.correctAnswers = reader.getInt("correctAnswers");
            return item;
        }

        SettingsRecord readSettings(const Json& json)
        {
            const ObjectReader reader(json, "settings",
                                      {"timeOut", "shuffle", "continuous", "caseSensitive", "numChoices", "fromDir",
                                       "toDir", "fromField", "toField"});
            SettingsRecord s;
            s.timeOut = reader.getInt("timeOut");
            s.shuffle = reader.getBool("shuffle");
            s.continuous = reader.getBool("continuous");
            s.caseSensitive = reader.getBool("caseSensitive");
            s.numChoices = reader.getInt("numChoices");
            s.fromDir = reader.getInt("fromDir");
            s.toDir = reader.getInt("toDir");
            s.fromField = reader.getInt("fromField");
            s.toField = reader.getInt("toField");
            return s;
        }

        Json parse(std::string_view text)
        {
            try
            {
                return Json::parse(text.begin(), text.end());
            }
            catch (const Json::parse_error& e)
            {
                // Drop the library's "[json.exception.parse_error.101] " tag.
                std::string msg = e.what();
                const auto tagEnd = msg.find("] ");
                throw Failure(tagEnd == std::string::npos ? msg : msg.substr(tagEnd + 2));
            }
        }
    }

    std::string writeJson(const StudyListRecord& list)
    {
        Json items = Json::array();
        for (const ItemRecord& item : list.items)
            items.push_back(itemJson(item));
        const Json json {{"itemType", list.itemType},
                         {"fields", list.fields},
                         {"items", std::move(items)},
                         {"settings", settingsJson(list.settings.value_or(SettingsRecord()))}};
        return json.dump(2, ' ', false) + "\n";
    }

    StudyListRecord readJson(std::string_view text)
    {
        const Json json = parse(text);
        const ObjectReader reader(json, "", {"itemType", "fields", "items", "settings"});
        StudyListRecord list;
        list.itemType = reader.getString("itemType");
        list.fields = reader.getStrings("fields");
        const Json& items = reader.get("items");
        if (!items.is_array())
            throw Failure("\"items\": expected an array");
        list.items.reserve(items.size());
        for (size_t i = 0; i < items.size(); ++i)
            list.items.push_back(readItem(items[i], i));
        list.settings = readSettings(reader.get("settings"));
        return list;
    }
}
