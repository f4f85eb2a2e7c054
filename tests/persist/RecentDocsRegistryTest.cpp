// The recent documents in the current user's registry (the test prefix's).
#include "persist/RecentDocsRegistry.h"

#include "WinLib/Registry.h"
#include "model/Quillory.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace
{
    // Below "Software", like the program's own key, but apart from it.
    const char* const TestRoot = "Software\\Quillory Recent Test";

    class RecentDocsRegistryTest : public ::testing::Test
    {
    protected:
        RecentDocsRegistryTest() { ::RegDeleteTreeA(HKEY_CURRENT_USER, TestRoot); }
        ~RecentDocsRegistryTest() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, TestRoot); }

        static std::vector<std::string> keyPath()
        {
            return {"Software", "Quillory Recent Test", "Quillory", "1.1", "MRU"};
        }

        static std::string mruKey() { return std::string(TestRoot) + "\\Quillory\\1.1\\MRU"; }

        // Every value "1".."10" as stored; "<missing>" for an absent value.
        static std::vector<std::string> storedValues()
        {
            std::vector<std::string> values;
            HKEY key = nullptr;
            if (::RegOpenKeyExA(HKEY_CURRENT_USER, mruKey().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
                return values;
            for (int n = 1; n <= 10; ++n)
            {
                DWORD type = 0;
                DWORD size = 0;
                const std::string name = std::to_string(n);
                if (::RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
                {
                    values.push_back("<missing>");
                    continue;
                }
                std::string data(size, '\0');
                ::RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size);
                EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << name;
                // Stored with the terminating zero.
                EXPECT_FALSE(data.empty());
                EXPECT_EQ(data.back(), '\0') << name;
                data.resize(data.empty() ? 0 : data.size() - 1);
                values.push_back(data);
            }
            ::RegCloseKey(key);
            return values;
        }

        static void storeValue(const std::string& name, const std::string& value)
        {
            HKEY key = nullptr;
            ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, mruKey().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                        nullptr),
                      ERROR_SUCCESS);
            ::RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>(value.size() + 1));
            ::RegCloseKey(key);
        }

        static void deleteValue(const std::string& name)
        {
            HKEY key = nullptr;
            ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, mruKey().c_str(), 0, KEY_WRITE, &key), ERROR_SUCCESS);
            ::RegDeleteValueA(key, name.c_str());
            ::RegCloseKey(key);
        }

        static std::vector<std::string> loaded(const RecentDocsRegistry& registry)
        {
            Quillory doc;
            registry.load(doc);
            return doc.getRecentDocs();
        }

        static std::vector<std::string> empties(size_t count) { return std::vector<std::string>(count, ""); }

        RecentDocsRegistry _registry{keyPath()};
    };
}

TEST(RecentDocsRegistryPath, IsTheProgramsKeyBelowTheCurrentUser)
{
    EXPECT_EQ(RecentDocsRegistry::defaultKeyPath(),
              (std::vector<std::string>{"Software", "Vantorel", "Quillory", "1.1", "MRU"}));
    EXPECT_EQ(RecentDocsRegistry().getKeyPath(), RecentDocsRegistry::defaultKeyPath());
}

TEST_F(RecentDocsRegistryTest, FirstRunLoadsNothingAndCreatesNothing)
{
    EXPECT_TRUE(loaded(_registry).empty());
    HKEY key = nullptr;
    EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, TestRoot, 0, KEY_READ, &key), ERROR_SUCCESS);
}

TEST_F(RecentDocsRegistryTest, SavingAnEmptyListWritesTenEmptyValues)
{
    Quillory doc;
    _registry.save(doc);
    EXPECT_EQ(storedValues(), empties(10));
}

TEST_F(RecentDocsRegistryTest, MostRecentIsValueOneAndComesBackFirst)
{
    Quillory doc;
    doc.addRecentDoc("C:\\lists\\X.qlx");
    doc.addRecentDoc("C:\\lists\\Y.qlx");
    doc.addRecentDoc("C:\\lists\\Z.qlx");
    _registry.save(doc);

    std::vector<std::string> expected{"C:\\lists\\Z.qlx", "C:\\lists\\Y.qlx", "C:\\lists\\X.qlx"};
    std::vector<std::string> stored = expected;
    stored.resize(10);
    EXPECT_EQ(storedValues(), stored);
    EXPECT_EQ(loaded(_registry), expected);

    // A run that opens nothing keeps the order.
    Quillory next;
    _registry.load(next);
    _registry.save(next);
    EXPECT_EQ(loaded(_registry), expected);
}

TEST_F(RecentDocsRegistryTest, ATenEntryListFillsEveryValue)
{
    Quillory doc;
    for (int i = 12; i >= 1; --i)
        doc.addRecentDoc("C:\\l" + std::to_string(i) + ".qlx");
    _registry.save(doc);
    const std::vector<std::string> values = storedValues();
    ASSERT_EQ(values.size(), 10u);
    EXPECT_EQ(values.front(), "C:\\l1.qlx");
    EXPECT_EQ(values.back(), "C:\\l10.qlx");
    EXPECT_EQ(loaded(_registry), values);
}

TEST_F(RecentDocsRegistryTest, ClearedListEmptiesEveryStoredValue)
{
    Quillory doc;
    doc.addRecentDoc("C:\\a.qlx");
    doc.addRecentDoc("C:\\b.qlx");
    _registry.save(doc);
    doc.clearRecentDocs();
    _registry.save(doc);
    EXPECT_EQ(storedValues(), empties(10));
    EXPECT_TRUE(loaded(_registry).empty());
}

TEST_F(RecentDocsRegistryTest, MissingValueIsSkippedAndTheOthersKeepTheirOrder)
{
    for (int n = 1; n <= 6; ++n)
        storeValue(std::to_string(n), "C:\\doc" + std::to_string(n) + ".qlx");
    deleteValue("5");
    EXPECT_EQ(loaded(_registry), (std::vector<std::string>{"C:\\doc1.qlx", "C:\\doc2.qlx", "C:\\doc3.qlx",
                                                           "C:\\doc4.qlx", "C:\\doc6.qlx"}));
}

TEST_F(RecentDocsRegistryTest, EmptyValuesBetweenEntriesAreSkipped)
{
    storeValue("1", "C:\\first.qlx");
    storeValue("2", "");
    storeValue("7", "C:\\seventh.qlx");
    EXPECT_EQ(loaded(_registry), (std::vector<std::string>{"C:\\first.qlx", "C:\\seventh.qlx"}));
}

TEST_F(RecentDocsRegistryTest, TenEqualValuesGiveOneEntry)
{
    for (int n = 1; n <= 10; ++n)
        storeValue(std::to_string(n), "C:\\same.qlx");
    EXPECT_EQ(loaded(_registry), (std::vector<std::string>{"C:\\same.qlx"}));
}

TEST_F(RecentDocsRegistryTest, LoadingAddsToWhatTheDocumentHolds)
{
    storeValue("1", "C:\\stored.qlx");
    Quillory doc;
    doc.addRecentDoc("C:\\already.qlx");
    _registry.load(doc);
    EXPECT_EQ(doc.getRecentDocs(), (std::vector<std::string>{"C:\\stored.qlx", "C:\\already.qlx"}));
}

TEST_F(RecentDocsRegistryTest, PathsLongerThanMaxPathAreStoredAndRestoredWhole)
{
    const std::string deep = "C:\\" + std::string(150, 'a') + "\\" + std::string(150, 'b') + "\\list.qlx";
    const std::string deeper = "\\\\server\\share\\" + std::string(2000, 'c') + ".qlx";
    ASSERT_GT(deep.size(), static_cast<size_t>(MAX_PATH));
    Quillory doc;
    doc.addRecentDoc(deeper);
    doc.addRecentDoc(deep);
    _registry.save(doc);
    EXPECT_EQ(storedValues()[0], deep);
    EXPECT_EQ(loaded(_registry), (std::vector<std::string>{deep, deeper}));
}

TEST_F(RecentDocsRegistryTest, PathsWithFormatCharactersAreStoredAsTheyAre)
{
    Quillory doc;
    doc.addRecentDoc("C:\\100%s\\%n%d R&D.qlx");
    _registry.save(doc);
    EXPECT_EQ(loaded(_registry), (std::vector<std::string>{"C:\\100%s\\%n%d R&D.qlx"}));
}

TEST_F(RecentDocsRegistryTest, SaveBelowAMissingFirstKeyFailsSilently)
{
    const RecentDocsRegistry nowhere({"Quillory No Such Key", "Quillory", "1.1", "MRU"});
    Quillory doc;
    doc.addRecentDoc("C:\\a.qlx");
    EXPECT_NO_THROW(nowhere.save(doc));
    EXPECT_NO_THROW(nowhere.load(doc));
    HKEY key = nullptr;
    EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, "Quillory No Such Key", 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(doc.getRecentDocs(), (std::vector<std::string>{"C:\\a.qlx"}));
}

TEST_F(RecentDocsRegistryTest, ValueWithoutTerminatingZeroIsReadWithinItsBytes)
{
    storeValue("1", "C:\\good.qlx");
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, mruKey().c_str(), 0, KEY_WRITE, &key), ERROR_SUCCESS);
    // Written by hand without the terminating zero.
    const BYTE bytes[3] = {'D', ':', 'x'};
    ::RegSetValueExA(key, "2", 0, REG_SZ, bytes, sizeof bytes);
    ::RegCloseKey(key);
    EXPECT_EQ(loaded(_registry), (std::vector<std::string>{"C:\\good.qlx", "D:x"}));
}
