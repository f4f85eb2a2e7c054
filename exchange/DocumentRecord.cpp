#include "exchange/DocumentRecord.h"

#include <unordered_map>
#include <vector>

#include "model/Quillory.h"
#include "exchange/CodePage.h"
#include "exchange/ErrorList.h"
#include "base/UnicodeForm.h"

namespace Qlx
{
    namespace
    {
        // Texts in memory are UTF-8: a text that is not was kept as the file
        // held it because the code page could not convert it.
        class ExportedText
        {
        public:
            ExportedText(const CodePage& page, ErrorList& errors) : _page(page), _errors(errors) {}

            std::string operator()(const std::string& text, const std::string& what) const
            {
                if (WinFile::CodePage::isUtf8(text))
                    return text;
                _errors.add(what + " cannot be converted from code page " + std::to_string(_page.getNumber()));
                return std::string();
            }

        private:
            const CodePage& _page;
            ErrorList& _errors;
        };

        // Imported texts are kept in normalization form C, as judging compares them.
        class ImportedText
        {
        public:
            explicit ImportedText(ErrorList& errors) : _errors(errors) {}

            std::string operator()(const std::string& text, const std::string& what) const
            {
                if (auto composed = Unicode::composedUtf8(text))
                    return std::move(*composed);
                _errors.add(what + " is not UTF-8 text");
                return std::string();
            }

        private:
            ErrorList& _errors;
        };

        std::string definitionName(unsigned idx) { return "definition " + std::to_string(idx + 1); }

        std::string itemByNumber(const TermSet& item) { return "item " + std::to_string(item.getItemNo()); }

        SettingsRecord settingsRecord(const Setting& settings)
        {
            SettingsRecord s;
            s.timeOut = settings.getTimeOut();
            s.shuffle = settings.isShuffle();
            s.continuous = settings.isContinuous();
            s.caseSensitive = settings.isCaseSensitive();
            s.numChoices = settings.getNumChoices();
            s.fromDir = settings.getFromDir();
            s.toDir = settings.getToDir();
            s.fromField = settings.getStoredFromField();
            s.toField = settings.getStoredToField();
            return s;
        }

        void checkCounts(const StudyListRecord& list, ErrorList& errors)
        {
            if (list.fields.size() > static_cast<size_t>(Outline::MaxDefs))
                errors.add("too many fields: " + std::to_string(list.fields.size()) + " (at most "
                           + std::to_string(Outline::MaxDefs) + ")");
            if (list.items.size() > static_cast<size_t>(Quillory::MaxItems))
                errors.add("too many items: " + std::to_string(list.items.size()) + " (at most "
                           + std::to_string(Quillory::MaxItems) + ")");
        }

        // The program keeps its items numbered 1 to N; other numbers would make
        // removing items renumber them wrongly.
        void checkNumbers(const StudyListRecord& list, const ItemNamer& nameItem, ErrorList& errors)
        {
            const size_t count = list.items.size();
            std::vector<size_t> owner(count + 1, count);
            for (size_t i = 0; i < count; ++i)
            {
                const std::int32_t number = list.items[i].number;
                if (number < 1 || static_cast<size_t>(number) > count)
                    errors.add(nameItem(i) + ": number " + std::to_string(number) + " is not between 1 and "
                               + std::to_string(count) + " (the item count)");
                else if (owner[number] != count)
                    errors.add(nameItem(i) + ": number " + std::to_string(number) + " is also used by "
                               + nameItem(owner[number]));
                else
                    owner[number] = i;
            }
        }

        bool checkScores(const ItemRecord& item, const std::string& name, ErrorList& errors)
        {
            if (item.timesAsked < 0)
                errors.add(name + ": times asked is negative (" + std::to_string(item.timesAsked) + ")");
            else if (item.correctAnswers < 0)
                errors.add(name + ": correct answers is negative (" + std::to_string(item.correctAnswers) + ")");
            else if (item.correctAnswers > item.timesAsked)
                errors.add(name + ": correct answers (" + std::to_string(item.correctAnswers)
                           + ") exceed times asked (" + std::to_string(item.timesAsked) + ")");
            else
                return true;
            return false;
        }

        // For each field, the first field of the same name (itself when none
        // comes before): found once per list, so checking an item is linear.
        std::vector<size_t> firstOfSameName(const std::vector<std::string>& fields)
        {
            std::unordered_map<std::string, size_t> first;
            std::vector<size_t> result;
            result.reserve(fields.size());
            for (size_t i = 0; i < fields.size(); ++i)
                result.push_back(first.emplace(fields[i], i).first->second);
            return result;
        }

        // Fields of one name share one text in the program; two different texts
        // for them could not both be kept.
        void checkSharedNames(const StudyListRecord& list, const std::vector<size_t>& firstOfName,
                              const ItemRecord& item, const std::string& name, ErrorList& errors)
        {
            for (size_t j = 0; j < firstOfName.size(); ++j)
            {
                const size_t i = firstOfName[j];
                if (i != j && item.definitions[i] != item.definitions[j])
                    errors.add(name + ": fields " + std::to_string(i + 1) + " and " + std::to_string(j + 1)
                               + " are both named \"" + list.fields[i] + "\" but hold different texts");
            }
        }

        bool checkSettings(const SettingsRecord& s, size_t fieldCount, ErrorList& errors)
        {
            const size_t faults = errors.size();
            if (s.timeOut != 0 && (s.timeOut < Setting::TimeOutMin || s.timeOut > Setting::TimeOutMax))
                errors.add("settings: timeOut " + std::to_string(s.timeOut) + " is not 0 or 2 to 99");
            if (s.numChoices < Setting::NumChoicesMin || s.numChoices > Setting::NumChoicesMax)
                errors.add("settings: numChoices " + std::to_string(s.numChoices) + " is not 2 to 6");
            if (s.fromDir < Setting::TERM || s.fromDir > Setting::ANYTHING)
                errors.add("settings: fromDir " + std::to_string(s.fromDir) + " is not 0, 1 or 2");
            if (s.toDir < Setting::TERM || s.toDir > Setting::EVERYTHING_ELSE)
                errors.add("settings: toDir " + std::to_string(s.toDir) + " is not 0 to 3");
            const auto namesField = [fieldCount](std::int32_t idx) {
                return idx >= 0 && static_cast<size_t>(idx) < fieldCount;
            };
            if (s.fromDir == Setting::FIELD && !namesField(s.fromField))
                errors.add("settings: fromField " + std::to_string(s.fromField) + " names no field");
            if (s.toDir == Setting::FIELD && !namesField(s.toField))
                errors.add("settings: toField " + std::to_string(s.toField) + " names no field");
            return errors.size() == faults;
        }

        void applySettings(const SettingsRecord& s, Setting& settings)
        {
            settings.setTimeOut(s.timeOut);
            settings.setShuffle(s.shuffle);
            settings.setContinuous(s.continuous);
            settings.setCaseSensitive(s.caseSensitive);
            settings.setNumChoices(s.numChoices);
            switch (s.fromDir)
            {
            case Setting::FIELD: settings.setFromField(static_cast<unsigned>(s.fromField)); break;
            case Setting::ANYTHING: settings.setFromAnything(); break;
            default: settings.setFromTerm(); break;
            }
            switch (s.toDir)
            {
            case Setting::TERM: settings.setToTerm(); break;
            case Setting::FIELD: settings.setToField(static_cast<unsigned>(s.toField)); break;
            case Setting::ANYTHING: settings.setToAnything(); break;
            default: settings.setToEverythingElse(); break;
            }
            settings.setStoredFields(s.fromField, s.toField);
            settings.validate();
        }
    }

    StudyListRecord toRecord(const Quillory& doc, const CodePage& page)
    {
        ErrorList errors;
        const ExportedText convert(page, errors);
        const Outline& outline = doc.getOutline();
        StudyListRecord list;
        list.itemType = convert(outline.getItemType(), "item type");
        for (unsigned i = 0; i < outline.getDefCount(); ++i)
            list.fields.push_back(convert(outline.getDef(i), "field " + std::to_string(i + 1)));
        list.items.reserve(doc.getItemCount());
        for (unsigned idx = 0; idx < doc.getItemCount(); ++idx)
        {
            const TermSet& item = doc.getItem(idx);
            const std::string name = itemByNumber(item);
            ItemRecord record;
            record.number = item.getItemNo();
            record.term = convert(item.getTerm(), name + ": term");
            for (unsigned i = 0; i < outline.getDefCount(); ++i)
                record.definitions.push_back(convert(item.getDefText(i), name + ": " + definitionName(i)));
            record.comment = convert(item.getComment(), name + ": comment");
            record.timesAsked = item.getTimesAsked();
            record.correctAnswers = item.getCorrectAnswers();
            list.items.push_back(std::move(record));
        }
        list.settings = settingsRecord(doc.getSettings());
        errors.throwIfAny();
        return list;
    }

    void fromRecord(const StudyListRecord& list, Quillory& doc, const ItemNamer& nameItem)
    {
        ErrorList errors;
        fromRecord(list, doc, nameItem, errors);
    }

    void fromRecord(const StudyListRecord& list, Quillory& doc, const ItemNamer& nameItem, ErrorList& errors)
    {
        const ImportedText convert(errors);
        checkCounts(list, errors);

        Outline outline;
        outline.setItemType(convert(list.itemType, "item type"));
        outline.removeAllDefs();
        for (size_t i = 0; i < list.fields.size(); ++i)
            outline.addDef(convert(list.fields[i], "field " + std::to_string(i + 1)));
        doc.setOutline(outline);

        checkNumbers(list, nameItem, errors);
        const std::vector<size_t> firstOfName = firstOfSameName(list.fields);
        for (size_t i = 0; i < list.items.size(); ++i)
        {
            const ItemRecord& record = list.items[i];
            const std::string name = nameItem(i);
            TermSet item(record.number, doc.getOutline());
            item.setTerm(convert(record.term, name + ": term"));
            if (record.definitions.size() != list.fields.size())
            {
                errors.add(name + ": " + std::to_string(record.definitions.size()) + " definitions for "
                           + std::to_string(list.fields.size()) + " fields");
            }
            else
            {
                checkSharedNames(list, firstOfName, record, name, errors);
                for (unsigned d = 0; d < record.definitions.size(); ++d)
                    item.setDefText(d, convert(record.definitions[d], name + ": " + definitionName(d)));
            }
            item.setComment(convert(record.comment, name + ": comment"));
            if (checkScores(record, name, errors))
                item.setScores(record.timesAsked, record.correctAnswers);
            doc.addItem(item);
        }

        if (list.settings)
        {
            if (checkSettings(*list.settings, list.fields.size(), errors))
                applySettings(*list.settings, doc.getSettings());
        }
        errors.throwIfAny();
    }

    void fromRecord(const StudyListRecord& list, Quillory& doc)
    {
        fromRecord(list, doc, [](size_t index) { return "item " + std::to_string(index + 1); });
    }
}
