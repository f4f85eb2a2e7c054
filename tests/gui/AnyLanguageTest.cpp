// Study lists in any script, as a person on an English Windows keeps them:
// typed with real input (characters no key of the keyboard makes, as an
// input method types them), saved under Unicode names, reopened and shown.
// (Judging typed Cyrillic: SessionKeyboardTest.)
#include "tests/gui/CommandDialogFixture.h"
#include "tests/gui/JapaneseFolder.h"

#include "res/resource.h"
#include "tests/support/gui/Harness.h"
#include "tests/support/gui/Person.h"
#include "tests/support/gui/RealInput.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace
{
    const std::string Kitten = "кошка";
    const std::string CatAndEmoji = "猫 🐱";

    // What the list view holds, read as UTF-16 and given back in UTF-8: no
    // conversion through any code page on the way.
    std::string listViewCellW(HWND lv, int row, int column)
    {
        std::vector<wchar_t> text(1024, L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        const int length = static_cast<int>(
            ::SendMessageW(lv, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
        std::string utf8(static_cast<std::size_t>(size), '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, utf8.data(), size, nullptr, nullptr);
        return utf8;
    }

    std::string fileBytes(const std::wstring& path)
    {
        std::ifstream in(path.c_str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::wstring wide(const std::string& utf8)
    {
        std::wstring text(static_cast<std::size_t>(::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0)),
                          L'\0');
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, text.data(), static_cast<int>(text.size()));
        text.pop_back();
        return text;
    }
}

using AnyLanguageList = CommandDialogFixture;

// The program's manifest makes every "A" call of the process carry UTF-8.
TEST_F(AnyLanguageList, TheProcessCodePageIsUtf8)
{
    EXPECT_EQ(::GetACP(), static_cast<UINT>(CP_UTF8));
}

TEST_F(AnyLanguageList, ARussianTermWithAJapaneseDefinitionIsTypedSavedReopenedAndShown)
{
    JapaneseFolder folder;
    const std::string path = folder.file("кошки.qlx");
    std::unique_ptr<Gui::Person> person;
    _answerer->onDialog(Gui::DialogMatch::byControl(IDC_TERM), [&](HWND dlg) {
        person = std::make_unique<Gui::Person>([dlg] {
            ASSERT_TRUE(RealInput::bringToForeground(dlg));
            ASSERT_TRUE(RealInput::waitForFocus(::GetDlgItem(dlg, IDC_TERM)));
            RealInput::type(Kitten);
            EXPECT_TRUE(RealInput::pollUntil([dlg] { return Gui::controlText(dlg, IDC_TERM) == Kitten; }))
                << Gui::controlText(dlg, IDC_TERM);
            // Comment, field list, definition.
            for (int i = 0; i < 3; ++i)
                RealInput::press(VK_TAB);
            ASSERT_TRUE(RealInput::waitForFocus(::GetDlgItem(dlg, IDC_DEF_TEXT)));
            RealInput::type(CatAndEmoji);
            EXPECT_TRUE(RealInput::pollUntil([dlg] { return Gui::controlText(dlg, IDC_DEF_TEXT) == CatAndEmoji; }))
                << Gui::controlText(dlg, IDC_DEF_TEXT);
            // Enter in the last field adds the item.
            RealInput::press(VK_RETURN);
            EXPECT_TRUE(RealInput::pollUntil([dlg] { return !::IsWindowVisible(dlg); }));
        });
    });
    sendCommand("Term_Add");
    ASSERT_TRUE(person);
    person->finish();
    ASSERT_EQ(doc().getItemCount(), 1u);
    EXPECT_EQ(doc().getItem(0).getTerm(), Kitten);
    EXPECT_EQ(doc().getItem(0).getDefText(0), CatAndEmoji);

    const Gui::Seen saveAs = expectSaveAs(path);
    sendCommand("StudySet_SaveAs");
    ASSERT_TRUE(saveAs.seen());
    const std::string bytes = fileBytes(wide(path));
    // Beyond code page 1252: UTF-8 texts and the mark after the settings.
    EXPECT_NE(bytes.find(Kitten), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 10), std::string("\xC5\x05\0\0\0UTF-8", 10));

    sendCommand("StudySet_New");
    ASSERT_EQ(Gui::listViewRowCount(listView()), 0);
    const Gui::Seen open = expectOpen(path);
    sendCommand("StudySet_Open");
    ASSERT_TRUE(open.seen());
    ASSERT_EQ(Gui::listViewRowCount(listView()), 1);
    EXPECT_EQ(listViewCellW(listView(), 0, 1), Kitten);
    EXPECT_EQ(listViewCellW(listView(), 0, 2), CatAndEmoji);
    EXPECT_EQ(doc().getPath(), path);
    EXPECT_EQ(doc().getRecentDocs().front(), path);
    EXPECT_NE(title().find("кошки.qlx"), std::string::npos) << title();
}
