/*
 * launch_sequence_test.cpp: the whole launch through the fake: credentials,
 * connection file, client, in that order and with the exact strings.
 */
#include "../../launcher/launcher.h"
#include "../../platform/fake/fake_platform.h"
#include "../../syscmd/syscmd.h"
#include "cp1251.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;
using Args = std::vector<std::string>;

const std::string Path = "C:\\Users\\user\\Desktop\\" + Cp1251("КАЛВОРА 8") + ".rdp";

TEST(LauncherMain, AValidLaunchRunsCredentialsFileThenClient)
{
    ResetFake();
    Fake.ExecutablePath = "C:\\Downloads\\KALVORA_8$ivanov$secret$.exe";
    EXPECT_EQ(LauncherMain(), 0);
    EXPECT_EQ(FakeCallNames(), (Names{
                  "GetVersionExA", "GetModuleFileNameA",
                  "ShellExecuteExA", "WaitForSingleObject",     /* delete */
                  "ShellExecuteExA", "WaitForSingleObject",     /* store */
                  "SHGetFolderPathA", "CreateFileA", "WriteFile", "CloseHandle",
                  "SHGetFolderPathA", "ShellExecuteExA", "WaitForSingleObject"}));
    const std::string host = LAUNCHER_HOST_A;
    EXPECT_EQ(Fake.Calls[2].Args, (Args{"cmdkey", " /delete:termsrv/" + host}));
    EXPECT_EQ(Fake.Calls[4].Args,
              (Args{"cmdkey", " /generic:termsrv/" + host + " /user:ivanov /pass:secret"}));
    EXPECT_EQ(Fake.Calls[7].Args, Args{Path});
    EXPECT_EQ(Fake.Calls[11].Args, (Args{"mstsc", "\"" + Path + "\""}));
}

TEST(StoreCredentialParameters, QuotesOnlyValuesWithBlanks)
{
    const struct {
        const char *User, *Password; /* UTF-8 */
        const char *Store;           /* UTF-8 */
    } cases[] = {
        {"ivanov", "secret", " /generic:termsrv/h /user:ivanov /pass:secret"},
        {"ivan ivanov", "secret", " /generic:termsrv/h /user:\"ivan ivanov\" /pass:secret"},
        {"ivanov", "a b", " /generic:termsrv/h /user:ivanov /pass:\"a b\""},
        {"ivanov", "x /generic:evil", " /generic:termsrv/h /user:ivanov /pass:\"x /generic:evil\""},
        {"Иванов", "пароль", " /generic:termsrv/h /user:Иванов /pass:пароль"},
        {"DOMAIN\\user", "p@ss,;=", " /generic:termsrv/h /user:DOMAIN\\user /pass:p@ss,;="},
    };
    for (const auto &c : cases) {
        ResetFake();
        Launch.Host = "h";
        Launch.UserName = Cp1251(c.User);
        Launch.Password = Cp1251(c.Password);
        EXPECT_EQ(StoreCredentialParameters(), Cp1251(c.Store)) << c.User << " / " << c.Password;
        EXPECT_EQ(DeleteCredentialParameters(), " /delete:termsrv/h");
    }
}

TEST(HandOverCredentials, OldWindowsShowsTheCredentialsInstead)
{
    for (unsigned version : {5u, 0u /* unreadable */, 4u}) {
        ResetFake();
        Fake.ExecutablePath = "C:\\KALVORA_8$ivan ivanov$p w$.exe";
        Fake.MajorVersion = version;
        EXPECT_EQ(LauncherMain(), 0);
        EXPECT_EQ(FakeCallNames(), (Names{
                      "GetVersionExA", "GetModuleFileNameA", "MessageBoxExA",
                      "SHGetFolderPathA", "CreateFileA", "WriteFile", "CloseHandle",
                      "SHGetFolderPathA", "ShellExecuteExA", "WaitForSingleObject"}))
            << "version " << version;
        EXPECT_EQ(Fake.Calls[2].Args,
                  (Args{Cp1251("Для подключения используйте имя пользователя - "
                               "ivan ivanov и пароль p w"),
                        Cp1251("Удаленное подключение"), "64", "1251"}))
            << "version " << version;
        EXPECT_TRUE(ManualLogon);
    }
}

TEST(HandOverCredentials, Windows6AndLaterUseCmdkeyWithoutAMessage)
{
    for (unsigned version : {6u, 10u}) {
        ResetFake();
        WindowsMajorVersion = version;
        Launch.Host = "h";
        Launch.UserName = "u";
        Launch.Password = "p";
        HandOverCredentials();
        EXPECT_FALSE(ManualLogon);
        EXPECT_EQ(FakeCallNames(), (Names{"ShellExecuteExA", "WaitForSingleObject",
                                          "ShellExecuteExA", "WaitForSingleObject"}));
    }
}

TEST(RunHiddenAndWait, WaitsOnlyForWhatWasStarted)
{
    ResetFake();
    Fake.ExecutablePath = "C:\\KALVORA_8$u$p$.exe";
    Fake.StartFails = true; /* neither cmdkey nor mstsc can be found */
    EXPECT_EQ(LauncherMain(), 0);
    for (const FakeCall &call : Fake.Calls)
        EXPECT_NE(call.Api, "WaitForSingleObject");
    EXPECT_EQ(Fake.Calls.back().Api, "ShellExecuteExA");
    EXPECT_EQ(Fake.Calls.back().Args[0], "mstsc");
}

} // namespace
