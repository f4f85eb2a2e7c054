// A save ended at any instant: another process saves a large list over an
// older one again and again and is killed with TerminateProcess at a random
// instant of a save, as a power cut or the end of a Windows session would end
// it. The file at the path must then hold one of the two lists, whole.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "WinLib/ProgramDir.h"
#include "model/Quillory.h"
#include "persist/Filer.h"
#include "tests/persist/Files.h"
#include "tests/persist/LargeList.h"
#include "tests/persist/LoadOutcome.h"

namespace
{
    // One run of the helper that saves the list of one tag over a path until
    // it is killed, setting the event `saving` as each save begins.
    class SavingProcess
    {
    public:
        SavingProcess(const std::string& path, const std::string& event, HANDLE saving, const std::string& tag)
            : _saving(saving)
        {
            std::string cmdLine = "\"" + Win::programDirectory() + "killed_save_helper.exe\" \"" + path + "\" " +
                                  event + " " + tag;
            STARTUPINFOA si = {};
            si.cb = sizeof si;
            // Wine, busy with the processes just killed, now and then refuses
            // a start that succeeds when asked again.
            for (int attempt = 0; attempt < 5 && !_started; ++attempt)
            {
                _started = ::CreateProcessA(nullptr, &cmdLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                                            &_pi) != FALSE;
                _startError = _started ? 0 : ::GetLastError();
            }
        }
        ~SavingProcess()
        {
            if (!_started)
                return;
            kill();
            ::CloseHandle(_pi.hThread);
            ::CloseHandle(_pi.hProcess);
        }
        SavingProcess(const SavingProcess&) = delete;
        SavingProcess& operator=(const SavingProcess&) = delete;

        bool started() const { return _started; }
        DWORD startError() const { return _startError; }

        // Ends the process wherever it is and waits until it is gone with
        // its open files; false if it had already ended by itself.
        bool kill()
        {
            const bool running = ::WaitForSingleObject(_pi.hProcess, 0) == WAIT_TIMEOUT;
            ::TerminateProcess(_pi.hProcess, 99);
            ::WaitForSingleObject(_pi.hProcess, INFINITE);
            // A save it began after the one the test waited for.
            ::ResetEvent(_saving);
            return running;
        }

    private:
        HANDLE _saving;
        PROCESS_INFORMATION _pi = {};
        bool _started = false;
        DWORD _startError = 0;
    };

    double msSince(std::chrono::steady_clock::time_point start)
    {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }

    // A killed save cannot remove its temporary file.
    void removeAllBut(const TestData::TempDir& dir, const std::string& name)
    {
        for (const std::string& other : dir.names())
            if (other != name)
                std::filesystem::remove(dir.file(other));
    }
}

TEST(KilledSave, LeavesTheOldOrTheNewListWholeAtTheInstantOfTheKill)
{
    const TestData::TempDir dir;
    const std::string path = dir.file("list.qlx");
    const std::string tags[2] = {"old", "new"};
    Quillory lists[2];
    std::string bytes[2];
    for (int i = 0; i < 2; ++i)
    {
        TestData::fillLargeList(lists[i], tags[i]);
        bytes[i] = TestData::bytesOf(lists[i]);
    }
    const std::string event = "QuilloryKilledSave" + std::to_string(::GetCurrentProcessId());
    const HANDLE saving = ::CreateEventA(nullptr, FALSE, FALSE, event.c_str());
    ASSERT_NE(saving, nullptr);

    // The kills fall within the time of a new helper's first save after it
    // began, and a little beyond: a helper that saves twice shows it.
    double firstSaveMs = 0;
    {
        SavingProcess helper(path, event, saving, tags[1]);
        ASSERT_TRUE(helper.started()) << "CreateProcess failed with error " << helper.startError();
        ASSERT_EQ(::WaitForSingleObject(saving, 60000), WAIT_OBJECT_0) << "the helper never began to save";
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(::WaitForSingleObject(saving, 60000), WAIT_OBJECT_0) << "the helper's first save never ended";
        firstSaveMs = msSince(start);
    }
    TestData::writeFile(path, bytes[0]);
    removeAllBut(dir, "list.qlx");

    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed) + ", kills within " + std::to_string(1.25 * firstSaveMs) + " ms");
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> instant(0, 1.25 * firstSaveMs);
    // A 32-bit helper starts here under an emulator, at about two seconds
    // each: fewer kills keep the run short.
    const int kills = sizeof(void*) == 8 ? 200 : 40;

    int atPath = 0;
    int kept = 0;
    int replaced = 0;
    int broken = 0;
    std::string firstBroken;
    for (int kill = 0; kill < kills; ++kill)
    {
        const int other = 1 - atPath;
        SavingProcess helper(path, event, saving, tags[other]);
        ASSERT_TRUE(helper.started()) << "CreateProcess failed with error " << helper.startError();
        ASSERT_EQ(::WaitForSingleObject(saving, 60000), WAIT_OBJECT_0) << "the helper never began to save";
        ::Sleep(static_cast<DWORD>(instant(random)));
        ASSERT_TRUE(helper.kill()) << "the helper's save failed";

        const std::string found = TestData::readFile(path);
        if (found == bytes[atPath])
            ++kept;
        else if (found == bytes[other])
        {
            ++replaced;
            atPath = other;
        }
        else
        {
            if (broken++ == 0)
                firstBroken = "kill " + std::to_string(kill) + " left " + std::to_string(found.size()) +
                              " bytes, which load with \"" + TestData::loadOutcome(found).text + "\"";
            TestData::writeFile(path, bytes[atPath]);
        }
        removeAllBut(dir, "list.qlx");
    }
    ::CloseHandle(saving);
    std::printf("%d kills within %.0f ms of a save's start: %d left the old list, %d the new one, %d neither\n", kills,
                1.25 * firstSaveMs, kept, replaced, broken);
    EXPECT_EQ(broken, 0) << firstBroken;
    // The kills fell both before and after the new file took the old one's place.
    EXPECT_GT(kept, 0);
    EXPECT_GT(replaced, 0);

    Quillory loaded;
    WinFile::SilentFilerHost host;
    ASSERT_TRUE(WinFile::Filer(loaded, path, host).load());
    EXPECT_EQ(loaded.getItem(0).getTerm(), tags[atPath] + " term 1");
}
