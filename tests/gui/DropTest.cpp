// Files dropped on the main window, delivered as the shell delivers them: a
// WM_DROPFILES message whose memory holds the paths.
#include "tests/gui/CommandDialogFixture.h"
#include "tests/gui/DialogKeys.h"

#include "res/resource.h"
#include "tests/support/gui/Harness.h"

#include <shlobj.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace
{
    // A drop of these paths, as the shell posts it.
    void drop(HWND win, const std::vector<std::string>& paths)
    {
        std::string names;
        for (const std::string& path : paths)
            names += path + '\0';
        names += '\0';
        const HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
        auto* files = static_cast<DROPFILES*>(::GlobalLock(memory));
        files->pFiles = sizeof(DROPFILES);
        std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), names.data(), names.size());
        ::GlobalUnlock(memory);
        ::PostMessageA(win, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
        Gui::pumpPending();
    }

    void writeFile(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
}

using Drop = CommandDialogFixture;

TEST_F(Drop, AStudyListOpensAfterTheSaveQuestion)
{
    addItems(1);
    const std::string list = tempPath("quillory-dropped.qlx");
    writeList(list, 4);
    const Gui::Seen question = _answerer->expectMessageBox(IDNO, "Quillory");
    drop(_win, {list, tempPath("quillory-second.qlx")});
    EXPECT_EQ(question.text(), "Save changes to new Study List ?");
    EXPECT_EQ(doc().getItemCount(), 4u);
    EXPECT_EQ(Gui::listViewRowCount(listView()), 4);
    EXPECT_EQ(title(), "Quillory - " + list);
    EXPECT_TRUE(doc().isSaved());
}

TEST_F(Drop, ATextFileStartsImport)
{
    const std::string csv = tempPath("quillory-dropped.csv");
    writeFile(csv, "Term;Definition\nchien;dog\n");
    int format = -1;
    int separator = -1;
    onDialog(IDC_IMPORT_PREVIEW, [&](HWND dlg) {
        format = Gui::comboSelection(dlg, IDC_IMPORT_FORMAT);
        separator = Gui::comboSelection(dlg, IDC_IMPORT_SEPARATOR);
        Gui::click(dlg, IDOK);
    });
    const Gui::Seen summary = _answerer->expectMessageBox(IDOK, "Quillory");
    drop(_win, {csv});
    EXPECT_EQ(format, 0) << "CSV";
    EXPECT_EQ(separator, 1) << "Semicolon";
    EXPECT_TRUE(summary.seen());
    ASSERT_EQ(doc().getItemCount(), 1u);
    EXPECT_EQ(doc().getItem(0).getDefText(0), "dog");
}

TEST_F(Drop, NothingReplacesTheListWhileADialogOfTheMainWindowIsOpen)
{
    addItems(2);
    const std::string list = tempPath("quillory-dropped-late.qlx");
    writeList(list, 4);
    // As a modal dialog owned by the main window does.
    ::EnableWindow(_win, FALSE);
    drop(_win, {list});
    ::EnableWindow(_win, TRUE);
    EXPECT_EQ(doc().getItemCount(), 2u);
}

TEST_F(Drop, AnotherKindOfFileIsRefusedAndChangesNothing)
{
    addItems(2);
    const Gui::Seen refusal = _answerer->expectMessageBox(IDOK, "Quillory");
    drop(_win, {"C:\\pictures\\cat.png"});
    EXPECT_EQ(refusal.text(), "Quillory opens Study Lists (.qlx) and imports CSV, TSV, text and JSON files, but not cat.png.");
    EXPECT_EQ(doc().getItemCount(), 2u);
}
