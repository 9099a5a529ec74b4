/*
 * connection_file_test.cpp: the connection file's bytes and path, and every
 * way writing it can fail, through the recording fake.
 */
#include "../../launcher/launcher.h"
#include "../../platform/fake/fake_platform.h"
#include "../../rdpfile/rdpfile.h"
#include "cp1251.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string Fixture(const std::string &name)
{
    std::ifstream in(std::string(FIXTURE_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << "missing fixture " << name;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct FileCase {
    const char *Fixture;
    const char *Caption; /* UTF-8 */
    const char *Alias;   /* UTF-8 */
    const char *Host;
    const char *Port;
};

TEST(WriteConnectionFile, WritesExactlyTheFixtureBytes)
{
    const FileCase cases[] = {
        {"latin_alias.rdp", "КАЛВОРА 8", "KALVORA8", "rds-a.example.org", "3395"},
        {"cyrillic_alias.rdp", "КАЛВОРА ТРВ Онлайн", "КАЛВОРА ТРВ2020",
         "rds-c.example.org", "43398"},
    };
    for (const FileCase &c : cases) {
        ResetFake();
        Fake.Desktop = "C:\\Users\\Ivan Petrov\\Desktop";
        Launch.Caption = Cp1251(c.Caption);
        Launch.AppAlias = Cp1251(c.Alias);
        Launch.Host = c.Host;
        Launch.Port = c.Port;
        Launch.UserName = "never-in-the-file";
        Launch.Password = "secret-never-in-the-file";
        WriteConnectionFile();

        std::string path = Fake.Desktop + "\\" + Cp1251(c.Caption) + ".rdp";
        ASSERT_EQ(Fake.Files.count(path), 1u) << c.Fixture;
        EXPECT_EQ(Fake.Files[path], Fixture(c.Fixture)) << c.Fixture;
        EXPECT_TRUE(Fake.OpenFiles.empty()) << "file left open";
        EXPECT_EQ(FakeCallNames(), (std::vector<std::string>{
                      "SHGetFolderPathA", "CreateFileA", "WriteFile", "CloseHandle"}));
    }
}

TEST(WriteConnectionFile, ReplacesAnExistingFile)
{
    ResetFake();
    Launch.Caption = "C";
    std::string path = Fake.Desktop + "\\C.rdp";
    Fake.Files[path] = std::string(5000, 'x');
    WriteConnectionFile();
    EXPECT_EQ(Fake.Files[path], ConnectionFileContent());
}

TEST(InOutErrorMessage, NamesEachErrorNumber)
{
    const struct {
        unsigned Number;
        const char *Text;
    } cases[] = {
        {2, "File not found"},        {3, "Invalid filename"},
        {4, "Too many open files"},   {5, "File access denied"},
        {100, "Read beyond end of file"}, {101, "Disk full"},
        {106, "Invalid numeric input"}, {0, "I/O error 0"},
        {32, "I/O error 32"},         {112, "I/O error 112"},
        {4294967295u, "I/O error 4294967295"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(InOutErrorMessage(c.Number), c.Text) << c.Number;
}

/* A valid launch whose file step fails: the report, exit code 1, and no
 * client started. */
TEST(LauncherMain, FileFailuresEndInTheReport)
{
    const struct {
        const char *Why;
        unsigned CreateError, WriteError, CloseError;
        bool DesktopFails;
        const char *Message;
    } cases[] = {
        {"create refused", 5, 0, 0, false, "File access denied"},
        {"create: no such folder", 3, 0, 0, false, "Invalid filename"},
        {"create: other error", 32, 0, 0, false, "I/O error 32"},
        {"short write", 0, 101, 0, false, "Disk full"},
        {"write error", 0, 112, 0, false, "I/O error 112"},
        {"close error", 0, 0, 6, false, "I/O error 6"},
        {"no desktop folder", 0, 0, 0, true, "Invalid filename"},
    };
    for (const auto &c : cases) {
        ResetFake();
        Fake.ExecutablePath = "C:\\Users\\u\\Downloads\\KALVORA_8$ivanov$secret$.exe";
        Fake.CreateError = c.CreateError;
        Fake.WriteError = c.WriteError;
        Fake.CloseError = c.CloseError;
        Fake.DesktopFails = c.DesktopFails;

        EXPECT_EQ(LauncherMain(), 1) << c.Why;
        /* The system's filter sees the error first, then the report. */
        std::vector<std::string> names = FakeCallNames();
        ASSERT_GE(names.size(), 3u) << c.Why;
        EXPECT_EQ((std::vector<std::string>(names.end() - 3, names.end())),
                  (std::vector<std::string>{"UnhandledExceptionFilter",
                                            "GetModuleFileNameA", "MessageBoxA"}))
            << c.Why;
        const FakeCall &report = Fake.Calls.back();
        EXPECT_EQ(report.Args, (std::vector<std::string>{
                      std::string("Exception EInOutError in module "
                                  "KALVORA_8$ivanov$secret$.exe at 00001A2B.\r\n") +
                          c.Message + ".\r\n",
                      "Application Error", std::to_string(0x2010)}))
            << c.Why;
        /* cmdkey ran twice before the file step; mstsc never. */
        int starts = 0;
        for (const FakeCall &call : Fake.Calls)
            if (call.Api == "ShellExecuteExA") {
                starts++;
                EXPECT_EQ(call.Args[0], "cmdkey") << c.Why;
            }
        EXPECT_EQ(starts, 2) << c.Why;
        EXPECT_TRUE(Fake.OpenFiles.empty()) << c.Why << ": file left open";
    }
}

TEST(LauncherMain, TheSystemFilterMayKeepTheError)
{
    ResetFake();
    Fake.ExecutablePath = "C:\\KALVORA_8$ivanov$secret$.exe";
    Fake.CreateError = 5;
    Fake.FilterKeepsError = true;
    EXPECT_THROW(LauncherMain(), FakeSystemEndedProcess);
    EXPECT_EQ(FakeCallNames().back(), "UnhandledExceptionFilter");
}

TEST(WriteConnectionFile, PathsBeyondTheNameLimitAreInvalidFilenames)
{
    /* "\" + "C" + ".rdp" adds six characters to the desktop folder. */
    for (size_t length : {size_t(259), size_t(260), size_t(4000)}) {
        ResetFake();
        Launch.Caption = "C";
        Fake.Desktop = "C:\\" + std::string(length - 6 - 3, 'd');
        ASSERT_EQ(ConnectionFilePath().size(), length);
        Fake.Calls.clear();
        if (length <= 259) {
            EXPECT_NO_THROW(WriteConnectionFile()) << length;
            continue;
        }
        try {
            WriteConnectionFile();
            ADD_FAILURE() << "a path of " << length << " characters was accepted";
        } catch (const InOutError &error) {
            EXPECT_EQ(error.ErrorNumber, 3u) << length;
            EXPECT_NE(error.Address, nullptr);
        }
        EXPECT_EQ(FakeCallNames(), std::vector<std::string>{"SHGetFolderPathA"})
            << "nothing may be created under a path of " << length;
    }
}

TEST(WriteConnectionFile, KeepsWhatAFailedWriteLeftAndClosesTheFile)
{
    ResetFake();
    Launch.Caption = "C";
    Fake.WriteError = 112;
    EXPECT_THROW(WriteConnectionFile(), InOutError);
    EXPECT_EQ(FakeCallNames(), (std::vector<std::string>{
                  "SHGetFolderPathA", "CreateFileA", "WriteFile", "CloseHandle"}));
    EXPECT_TRUE(Fake.OpenFiles.empty());
}

} // namespace
