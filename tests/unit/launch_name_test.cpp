/*
 * launch_name_test.cpp: from the executable path to a validated launch, and
 * the invalid-name message.
 */
#include "../../launcher/launcher.h"
#include "../../platform/fake/fake_platform.h"
#include "../../profiles/profiles.h"
#include "cp1251.h"

#include <gtest/gtest.h>

namespace {

const std::string InvalidName =
    Cp1251("Пожалуйста не переименовывайте файл!") + "\n\r" +
    Cp1251("Скачайте файл заново.");
const std::string InfoCaption = Cp1251("Удаленное подключение");

TEST(CutToLaunchName, TakesWhatFollowsTheLastSeparator)
{
    struct Case {
        const char *Path;
        const char *Name;
    } const cases[] = {
        {"C:\\Users\\u\\Downloads\\K$u$p$.exe", "K$u$p$.exe"},
        {"C:\\a$b$c$\\K$u$p$.exe", "K$u$p$.exe"}, /* "$" in a folder */
        {"C:K$u$p$.exe", "K$u$p$.exe"},
        {"\\\\server\\share\\K$u$p$.exe", "K$u$p$.exe"},
        {"K$u$p$.exe", "K$u$p$.exe"},
        {"C:\\dir\\", ""},
        {"", ""},
    };
    for (const Case &c : cases) {
        ResetFake();
        EXPECT_EQ(CutToLaunchName(c.Path), c.Name) << "path " << c.Path;
    }
}

TEST(CutToLaunchName, PassesOverTrailBytesOfDoubleByteLetters)
{
    /* In Shift-JIS "表" is 0x95 0x5C: its trail byte is a backslash. */
    ResetFake();
    Fake.LeadBytes = {0x95};
    EXPECT_EQ(CutToLaunchName("C:\\dir\\K$u\x95\\$p$.exe"), "K$u\x95\\$p$.exe");
    EXPECT_EQ(CutToLaunchName("C:\\d\x95\\ir\\K$u$p$.exe"), "K$u$p$.exe");
    /* A lead byte at the very end has no trail byte to skip. */
    EXPECT_EQ(CutToLaunchName("C:\\dir\\K\x95"), "K\x95");

    /* Without a double-byte code page the same byte is a separator. */
    Fake.LeadBytes.clear();
    EXPECT_EQ(CutToLaunchName("C:\\dir\\K$u\x95\\$p$.exe"), "$p$.exe");
}

TEST(ParseLaunchName, SplitsAtTheFirstThreeDollars)
{
    struct Case {
        const char *Name, *Key, *User, *Password;
    } const cases[] = {
        {"KALVORA_8$ivanov$secret$.exe", "KALVORA_8", "ivanov", "secret"},
        {"K$u$p$ (2).exe", "K", "u", "p"},        /* tail ignored */
        {"K$u$p$q$r$.exe", "K", "u", "p"},        /* extra fields ignored */
        {"K$u$p.exe", "K", "u", ""},              /* no closing "$" */
        {"K$u.exe", "K", "", ""},
        {"K.exe", "", "", ""},
        {"K$$p$.exe", "K", "", "p"},
        {"$u$p$.exe", "", "u", "p"},
        {"K$ivan ivanov$pass word$.exe", "K", "ivan ivanov", "pass word"},
        {" K $ u $ p $", " K ", " u ", " p "},    /* taken verbatim */
        {"", "", "", ""},
    };
    for (const Case &c : cases) {
        ResetFake();
        ParseLaunchName(c.Name);
        EXPECT_EQ(Launch.AppAlias, c.Key) << "name " << c.Name;
        EXPECT_EQ(Launch.UserName, c.User) << "name " << c.Name;
        EXPECT_EQ(Launch.Password, c.Password) << "name " << c.Name;
    }
}

/* Runs the whole program on an executable path whose launch is invalid and
 * checks that it shows exactly the invalid-name box and nothing else. */
TEST(LauncherMain, InvalidNamesShowOneMessageAndExitZero)
{
    const char *const names[] = {
        "launcher.exe",                  /* no "$" */
        "KALVORA_8$ivanov$secret.exe",   /* password not closed */
        "KALVORA_8$$secret$.exe",        /* empty user name */
        "KALVORA_8$ivanov$$.exe",        /* empty password */
        "kalvora_8$ivanov$secret$.exe",  /* letter case */
        "KALVORA8$ivanov$secret$.exe",   /* alias, not a key */
        "$ivanov$secret$.exe",           /* empty key */
        "NOSUCH$ivanov$secret$.exe",
        "",                              /* no module path at all */
    };
    for (const char *name : names) {
        ResetFake();
        Fake.ExecutablePath = std::string(*name ? "C:\\Users\\u\\" : "") + name;
        EXPECT_EQ(LauncherMain(), 0) << name;
        ASSERT_EQ(FakeCallNames(), (std::vector<std::string>{
                      "GetVersionExA", "GetModuleFileNameA", "MessageBoxExA"}))
            << name;
        EXPECT_EQ(Fake.Calls[2].Args, (std::vector<std::string>{
                      InvalidName, InfoCaption, "64", "1251"}))
            << name;
    }
}

TEST(ValidateLaunch, ValidNamesResolveTheirProfile)
{
    struct Case {
        const char *Path, *Caption, *User, *Password;
    } const cases[] = {
        {"C:\\x\\KALVORA_8$ivanov$secret$.exe", "КАЛВОРА 8", "ivanov", "secret"},
        {"C:\\x\\KALVORA_8_$u$p$.exe", "КАЛВОРА 8 Онлайн", "u", "p"},
        {"C:\\x\\KALVORA_JV$u$p$ (1).exe", "КАЛВОРА ЙЖ", "u", "p"},
        {"C:\\a$b$c$\\KALVORA_TRV$a b$c d$.exe", "КАЛВОРА ТРВ 2016", "a b", "c d"},
    };
    for (const Case &c : cases) {
        ResetFake();
        ParseLaunchName(CutToLaunchName(c.Path));
        ResolveProfile();
        EXPECT_TRUE(ValidateLaunch()) << c.Path;
        EXPECT_EQ(Launch.Caption, Cp1251(c.Caption)) << c.Path;
        EXPECT_EQ(Launch.UserName, c.User) << c.Path;
        EXPECT_EQ(Launch.Password, c.Password) << c.Path;
    }
}

} // namespace
