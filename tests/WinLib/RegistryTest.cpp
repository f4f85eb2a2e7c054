#include "WinLib/Registry.h"

#include "base/Exception.h"
#include "tests/support/FailureMessage.h"

#include <gtest/gtest.h>

using TestSupport::failureMessage;

namespace
{
    const char* const testKey = "Software\\Quillory WinLib Test";

    class RegistryTest : public ::testing::Test
    {
    protected:
        RegistryTest() { ::RegDeleteTreeA(HKEY_CURRENT_USER, testKey); }
        ~RegistryTest() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, testKey); }

        static WinReg::Key writable()
        {
            WinReg::Key root(HKEY_CURRENT_USER);
            root.AddReadAccess();
            root.AddWriteAccess();
            return root.CreateSubKey(testKey);
        }
    };

}

TEST_F(RegistryTest, ValuesRoundTripIncludingPathsLongerThanMaxPath)
{
    const std::string longPath = "C:\\" + std::string(300, 'd') + "\\list.qlx";
    {
        WinReg::Key key = writable();
        key.setStringValue("1", longPath);
        key.setStringValue("2", "");
    }
    WinReg::Key root(HKEY_CURRENT_USER);
    root.AddReadAccess();
    WinReg::Key key = root.OpenSubKey(testKey);
    EXPECT_EQ(key.getStringValue("1"), longPath);
    EXPECT_EQ(key.getStringValue("2"), "");
    EXPECT_EQ(key.getAccess(), static_cast<REGSAM>(KEY_READ));
}

TEST_F(RegistryTest, FailuresCarryTheirMessages)
{
    WinReg::Key root(HKEY_CURRENT_USER);
    root.AddReadAccess();
    EXPECT_EQ(failureMessage([&] { root.OpenSubKey(testKey); }), "RegOpenKeyEx failed");
    WinReg::Key key = writable();
    EXPECT_EQ(failureMessage([&] { key.getStringValue("7"); }), "WinReg::Key::getStringValue: RegQuertyValueEx failed.");
    WinReg::Key readOnly = root.OpenSubKey(testKey);
    EXPECT_EQ(failureMessage([&] { readOnly.setStringValue("1", "x"); }),
              "WinReg::Key::setStringValue: RegSetValueEx failed.");
}

TEST_F(RegistryTest, ValueWithoutTerminatingZeroIsReadWithinItsSize)
{
    WinReg::Key key = writable();
    const char bytes[] = {'a', 'b', 'c'};
    ::RegSetValueExA(key.getHandle(), "raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes), sizeof(bytes));
    EXPECT_EQ(key.getStringValue("raw"), "abc");
}

TEST_F(RegistryTest, MovingAKeyHandsOverItsHandleWhichIsClosedOnce)
{
    WinReg::Key first = writable();
    const HKEY handle = first.getHandle();
    ASSERT_NE(handle, nullptr);
    {
        WinReg::Key second = std::move(first);
        EXPECT_EQ(first.getHandle(), nullptr);
        EXPECT_EQ(second.getHandle(), handle);
        EXPECT_EQ(::RegQueryInfoKeyA(handle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                     nullptr, nullptr, nullptr),
                  ERROR_SUCCESS);
    }
    // The second key closed it; the moved-from first key has nothing left to close.
    EXPECT_NE(::RegQueryInfoKeyA(handle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
}

TEST_F(RegistryTest, AssigningAKeyClosesTheOneItHeld)
{
    WinReg::Key target = writable();
    const HKEY old = target.getHandle();
    target = writable().CreateSubKey("MRU");
    EXPECT_NE(target.getHandle(), old);
    EXPECT_NE(::RegQueryInfoKeyA(old, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr),
              ERROR_SUCCESS);
    target.setStringValue("1", "C:\\a.qlx");
    EXPECT_EQ(target.getStringValue("1"), "C:\\a.qlx");
}
