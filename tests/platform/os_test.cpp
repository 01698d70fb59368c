#include "platform/os.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// A fresh folder per test, made the working directory so relative game paths resolve inside it.
class OsFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        old = fs::current_path();
        dir = fs::path(::testing::TempDir()) / ("os_" + std::to_string(getpid()) + "_" +
                                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::current_path(dir);
    }
    void TearDown() override
    {
        fs::current_path(old);
        fs::remove_all(dir);
    }
    static void Touch(const std::string& path, const std::string& text = "x")
    {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path) << text;
    }
    fs::path old, dir;
};

TEST_F(OsFiles, ResolvesEveryComponentWithoutCase)
{
    Touch("Data/Towns/town3.dat");
    Touch("Gamestate/S_Town0.dat");
    struct Case {
        const char* asked;
        const char* found;
    } cases[] = {
        {"Data/Towns/town3.dat", "Data/Towns/town3.dat"},
        {"DATA/Towns/Town3.dat", "Data/Towns/town3.dat"},
        {"data/towns/TOWN3.DAT", "Data/Towns/town3.dat"},
        {"GAMESTATE/s_town0.dat", "Gamestate/S_Town0.dat"},
        {"DATA\\Towns\\Town3.dat", "Data/Towns/town3.dat"},
        // Missing parts are kept as asked, after the existing ones are found.
        {"DATA/Towns/New.dat", "Data/Towns/New.dat"},
        {"DATA/NoSuch/Town3.dat", "Data/NoSuch/Town3.dat"},
    };
    for (const Case& c : cases) EXPECT_EQ(os::ResolvePath(c.asked), c.found) << c.asked;
    EXPECT_TRUE(os::FileExists("data/TOWNS/town3.DAT"));
    EXPECT_FALSE(os::FileExists("Data/Towns"));
}

TEST_F(OsFiles, AtomicWriteReplacesWholeOrNothing)
{
    Touch("Data/Setup.txt", "old");
    const std::string text = "FRAMERATE\n\n0.025\n";
    ASSERT_TRUE(os::WriteFileAtomic("DATA/setup.txt", text.data(), text.size()));
    std::vector<uint8_t> back;
    ASSERT_TRUE(os::ReadFile("Data/Setup.txt", back));
    EXPECT_EQ(std::string(back.begin(), back.end()), text);
    EXPECT_FALSE(fs::exists("Data/Setup.txt.tmp"));

    // Into a folder that does not exist: refused, nothing left behind.
    EXPECT_FALSE(os::WriteFileAtomic("save/slot3/global.dat", "x", 1));
    EXPECT_FALSE(fs::exists("save"));
}

TEST_F(OsFiles, FoldersAndDeletion)
{
    ASSERT_TRUE(os::MakeDirectory("save/slot4/"));
    EXPECT_TRUE(fs::is_directory("save/slot4"));
    EXPECT_TRUE(os::MakeDirectory("SAVE/slot4"));  // exists already
    Touch("save/slot4/a.dat");
    EXPECT_TRUE(os::DeleteFile("Save/Slot4/A.dat"));
    EXPECT_FALSE(os::DeleteFile("save/slot4/a.dat"));
    EXPECT_FALSE(os::DeleteFile("save/slot4"));  // never a folder
    std::vector<uint8_t> data{1, 2, 3};
    EXPECT_FALSE(os::ReadFile("nothing.bin", data));
    EXPECT_EQ(data.size(), 3u);  // a failed read leaves the buffer alone
}

TEST_F(OsFiles, SecondInstanceIsRefused)
{
    const std::string lock = (dir / "velquor.lock").string();
    ASSERT_TRUE(os::AcquireSingleInstance(lock));
    const pid_t child = fork();
    if (child == 0) {
        // A new process does not inherit the lock (a forked child shares the descriptor, so open anew).
        const int fd = open(lock.c_str(), O_RDWR);
        _exit(flock(fd, LOCK_EX | LOCK_NB) == 0 ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a second process got the lock";
    os::ReleaseSingleInstance();
    EXPECT_TRUE(os::AcquireSingleInstance(lock));
    os::ReleaseSingleInstance();
}

TEST_F(OsFiles, TheLockIsTheUsersOwn)
{
    const char* alt = std::getenv("XDG_RUNTIME_DIR");
    const std::string gemerkt = alt ? alt : "";
    // The user's runtime folder where there is one.
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    EXPECT_EQ(os::DefaultLockPath(), (dir / "velquor.lock").string());
    // Else a name of the user's own in the shared temp folder; never the one fixed name.
    setenv("XDG_RUNTIME_DIR", (dir / "fehlt").c_str(), 1);
    EXPECT_EQ(os::DefaultLockPath(), "/tmp/velquor-" + std::to_string(getuid()) + ".lock");
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(os::DefaultLockPath(), "/tmp/velquor-" + std::to_string(getuid()) + ".lock");
    if (alt) setenv("XDG_RUNTIME_DIR", gemerkt.c_str(), 1);
}

TEST(Os, NamesCompareWithoutCase)
{
    EXPECT_TRUE(os::EqualsNoCase("Level001.txt", "LEVEL001.TXT"));
    EXPECT_FALSE(os::EqualsNoCase("Level001.txt", "Level001.tx"));
    EXPECT_FALSE(os::EqualsNoCase("a", "b"));
}

uint32_t fakeNow = 0;
uint32_t FakeClock() { return fakeNow; }

TEST(Os, TickCounterIsMonotonicAndReplaceable)
{
    const uint32_t a = os::GetTickCount();
    EXPECT_LT(a, 10u * 60u * 1000u);  // counts from the process start, not from boot
    EXPECT_GE(os::GetTickCount(), a);
    fakeNow = 12345;
    os::SetTickSource(FakeClock);
    EXPECT_EQ(os::GetTickCount(), 12345u);
    os::SetTickSource(nullptr);
    EXPECT_GE(os::GetTickCount(), a);
}

TEST(Os, MessageBoxesCanBeCaptured)
{
    std::vector<std::string> boxes;
    os::CaptureMessageBoxes(&boxes);
    os::MessageBox("Data/Towns/town9.dat", "Model nicht gefunden:");
    os::CaptureMessageBoxes(nullptr);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Model nicht gefunden:|Data/Towns/town9.dat");
}

}  // namespace
