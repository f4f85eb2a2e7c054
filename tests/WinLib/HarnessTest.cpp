// The GUI harness checked on the library's own windows, so that later GUI tests can rely on it.
#include "tests/support/gui/Answerer.h"
#include "tests/support/gui/Harness.h"
#include "tests/support/gui/Screenshot.h"

#include "WinLib/Dialog.h"
#include "tests/WinLib/TestIds.h"
#include "tests/WinLib/TestWindow.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace
{
    // A dialog that asks a question from its Fail button and keeps the answer.
    class AskingDialog : public Dialog::ModalController
    {
    public:
        int answer = 0;
        bool OnCommand(int id, int) override
        {
            if (id == IDC_TEST_FAIL)
            {
                answer = ::MessageBoxA(_h, "Remove this field?", "Please confirm", MB_YESNO | MB_ICONEXCLAMATION);
                return true;
            }
            if (id == IDOK || id == IDCANCEL)
            {
                id == IDOK ? EndOk() : EndCancel();
                return true;
            }
            return false;
        }
    };
}

TEST(Harness, NestedBoxInsideADrivenDialogIsAnsweredInOrder)
{
    WinTest::RecordingController ctrl;
    WinTest::Window owner(ctrl);
    Gui::Answerer answerer;
    AskingDialog dlg;
    std::string fieldName;
    answerer.onDialog(Gui::DialogMatch::byControl(IDC_TEST_EDIT), [&](HWND d) {
        Gui::setText(d, IDC_TEST_EDIT, "Example");
        fieldName = Gui::controlText(d, IDC_TEST_EDIT);
        EXPECT_TRUE(Gui::click(d, "Fail"));
    });
    auto question = answerer.onDialog(Gui::DialogMatch::byTitle("Please confirm"), [](HWND box) {
        HWND dialog = Gui::ownerOf(box);
        Gui::click(box, IDYES);
        Gui::click(dialog, IDOK);
    });
    Dialog::Modal modal(owner.get(), IDD_TEST_DIALOG, dlg);
    EXPECT_TRUE(modal.IsOk());
    EXPECT_EQ(fieldName, "Example");
    EXPECT_EQ(dlg.answer, IDYES);
    EXPECT_EQ(question.text(), "Remove this field?");
    EXPECT_TRUE(answerer.done());
}

TEST(Harness, ModelessDialogIsFoundByOwnerAndTitleAndItsControlsRead)
{
    WinTest::RecordingController ctrl;
    WinTest::Window owner(ctrl);
    AskingDialog dlg;
    HWND modeless = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_DIALOG), owner.get(),
                                         &Dialog::Procedure, reinterpret_cast<LPARAM>(&dlg));
    ::ShowWindow(modeless, SW_SHOW);
    EXPECT_EQ(Gui::waitForDialog(owner.get(), "WinLib Test Dialog"), modeless);
    EXPECT_EQ(Gui::findDialog(owner.get(), "Other title"), nullptr);
    EXPECT_EQ(Gui::findButton(modeless, "&Fail"), ::GetDlgItem(modeless, IDC_TEST_FAIL));
    EXPECT_TRUE(Gui::isEnabled(modeless, IDOK));
    EXPECT_EQ(Gui::controlText(modeless, IDOK), "OK");
    ::DestroyWindow(modeless);
}

TEST(Harness, WithoutMnemonicDropsSingleAmpersands)
{
    EXPECT_EQ(Gui::withoutMnemonic("&Next >"), "Next >");
    EXPECT_EQ(Gui::withoutMnemonic("Support && Feedback"), "Support & Feedback");
}

TEST(Harness, PngOfOnePixelHasTheStandardHeaderAndEnd)
{
    const std::string png = Gui::encodePng(1, 1, std::string("\xff\x00\x00", 3));
    const std::string ihdr("\x00\x00\x00\x0dIHDR\x00\x00\x00\x01\x00\x00\x00\x01\x08\x02\x00\x00\x00\x90\x77\x53\xde",
                           25);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(png.substr(8, 25), ihdr);
    EXPECT_EQ(png.substr(png.size() - 12), std::string("\x00\x00\x00\x00IEND\xae\x42\x60\x82", 12));
}

TEST(Harness, ScreenshotOfAWindowIsAPngOfItsSize)
{
    WinTest::RecordingController ctrl;
    WinTest::Window window(ctrl, "Screenshot");
    ::ShowWindow(window.get(), SW_SHOW);
    RECT rect{};
    ::GetWindowRect(window.get(), &rect);
    const std::string path = "winlib-screenshot.png";
    ASSERT_TRUE(Gui::saveScreenshot(window.get(), path));
    std::ifstream file(path, std::ios::binary);
    const std::string png((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GT(png.size(), 33u);
    const auto big32 = [&](size_t at) {
        return (static_cast<unsigned char>(png[at]) << 24) | (static_cast<unsigned char>(png[at + 1]) << 16) |
               (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
    };
    EXPECT_EQ(big32(16), static_cast<unsigned>(rect.right - rect.left));
    EXPECT_EQ(big32(20), static_cast<unsigned>(rect.bottom - rect.top));
    file.close();
    ::DeleteFileA(path.c_str());
}
