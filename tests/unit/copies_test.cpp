/*
 * copies_test.cpp: the administrators' tool: CSV reading, the Windows-1251
 * check, and which rows are refused with which reason.
 */
#include "../../platform/fake/fake_platform.h"
#include "../../tools/copies.h"
#include "cp1251.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseCsv, FollowsRfc4180)
{
    using Fields = std::vector<std::string>;
    const struct {
        const char *Text;
        std::vector<Fields> Records;
    } cases[] = {
        {"a,b,c\r\nd,e,f\r\n", {{"a", "b", "c"}, {"d", "e", "f"}}},
        {"a,b,c\nd,e,f", {{"a", "b", "c"}, {"d", "e", "f"}}},
        {"\xEF\xBB\xBFk,u,p\n", {{"k", "u", "p"}}},
        {"k,u,\"p,q\"\n", {{"k", "u", "p,q"}}},
        {"k,u,\"say \"\"hi\"\"\"\n", {{"k", "u", "say \"hi\""}}},
        {"k,\"two\nlines\",p\n", {{"k", "two\nlines", "p"}}},
        {"k,,p\n\n\nx,y,z\n", {{"k", "", "p"}, {"x", "y", "z"}}},
        {"k, u ,p\n", {{"k", " u ", "p"}}},
        {"k,u,\"\"\n", {{"k", "u", ""}}},
    };
    for (const auto &c : cases) {
        std::vector<CsvRecord> records;
        std::string error;
        ASSERT_TRUE(ParseCsv(c.Text, records, error)) << c.Text << ": " << error;
        std::vector<Fields> got;
        for (const CsvRecord &r : records)
            got.push_back(r.Fields);
        EXPECT_EQ(got, c.Records) << c.Text;
    }
}

TEST(ParseCsv, RefusesWhatIsNotCsv)
{
    const struct {
        const char *Text, *Error;
    } cases[] = {
        {"k,u,\"p\n", "line 1: a quoted field is not closed"},
        {"k,u,\"p\"x\n", "line 1: text after the closing quote of a field"},
        {"a,b,c\nk,u,p\"q\n", "line 2: a quote inside an unquoted field"},
        {"k,u,p\rx,y,z", "line 1: a lone carriage return"},
    };
    for (const auto &c : cases) {
        std::vector<CsvRecord> records;
        std::string error;
        EXPECT_FALSE(ParseCsv(c.Text, records, error)) << c.Text;
        EXPECT_EQ(error, c.Error) << c.Text;
    }
}

TEST(Utf8ToCp1251, AgreesWithIconvOnEveryByte)
{
    for (int byte = 0x20; byte < 0x100; byte++) {
        std::string ansi(1, char(byte)), utf8 = Cp1251ToUtf8(ansi), back, bad;
        if (byte == 0x98) /* the one byte without a character */
            continue;
        EXPECT_EQ(Cp1251(utf8), ansi) << "byte " << byte;
        EXPECT_TRUE(Utf8ToCp1251(utf8, back, bad)) << "byte " << byte;
        EXPECT_EQ(back, ansi) << "byte " << byte;
    }
    std::string ansi, bad;
    EXPECT_FALSE(Utf8ToCp1251("caf\xC3\xA9", ansi, bad)); /* é */
    EXPECT_EQ(bad, "'\xC3\xA9' (U+00E9)");
    EXPECT_FALSE(Utf8ToCp1251("\xE4\xB8\xAD", ansi, bad)); /* 中 */
    EXPECT_FALSE(Utf8ToCp1251("\xF0\x9F\x98\x80", ansi, bad)); /* an emoji */
    EXPECT_FALSE(Utf8ToCp1251("a\xC3", ansi, bad));        /* cut short */
    EXPECT_FALSE(Utf8ToCp1251("\xC0\xA4", ansi, bad));     /* overlong "$" */
    EXPECT_EQ(bad, "a byte sequence that is not UTF-8");
}

TEST(CheckRow, RefusesWhatTheLauncherOrWindowsWouldNotTake)
{
    const std::string longName(240, 'u');
    const struct {
        CopyRow Row;
        const char *Reason;
    } cases[] = {
        {{1, "KALVORA_8", "ivanov", "secret"}, ""},
        {{1, "KALVORA_TRV", "Иван Петров", "пароль, с запятой"}, ""},
        {{1, "KALVORA_9", "ivanov", "secret"},
         "unknown profile key 'KALVORA_9' (keys are case-sensitive)"},
        {{1, "kalvora_8", "ivanov", "secret"},
         "unknown profile key 'kalvora_8' (keys are case-sensitive)"},
        {{1, "KALVORA8", "ivanov", "secret"},
         "unknown profile key 'KALVORA8' (keys are case-sensitive)"},
        {{1, "", "ivanov", "secret"}, "the key is empty"},
        {{1, "KALVORA_8", "", "secret"}, "the user name is empty"},
        {{1, "KALVORA_8", "ivanov", ""}, "the password is empty"},
        {{1, "KALVORA_8", "iva$nov", "secret"},
         "the user name holds '$', which separates the fields of the name"},
        {{1, "KALVORA_8", "ivanov", "se$cret"},
         "the password holds '$', which separates the fields of the name"},
        {{1, "KALVORA_8", "DOMAIN\\ivanov", "secret"},
         "the user name holds '\\', which Windows does not allow in file names"},
        {{1, "KALVORA_8", "ivanov", "a/b"},
         "the password holds '/', which Windows does not allow in file names"},
        {{1, "KALVORA_8", "ivanov", "a:b"},
         "the password holds ':', which Windows does not allow in file names"},
        {{1, "KALVORA_8", "ivanov", "a*b"},
         "the password holds '*', which Windows does not allow in file names"},
        {{1, "KALVORA_8", "ivanov", "a?b"},
         "the password holds '?', which Windows does not allow in file names"},
        {{1, "KALVORA_8", "ivanov", "a\"b"},
         "the password holds '\"', which Windows does not allow in file names"},
        {{1, "KALVORA_8", "ivanov", "a<b"},
         "the password holds '<', which Windows does not allow in file names"},
        {{1, "KALVORA_8", "ivanov", "a>b"},
         "the password holds '>', which Windows does not allow in file names"},
        {{1, "KALVORA_8", "ivanov", "a|b"},
         "the password holds '|', which Windows does not allow in file names"},
        {{1, "KALVORA_8", "ivanov", "a\tb"}, "the password holds a control character"},
        {{1, "KALVORA_8", "two\nlines", "secret"}, "the user name holds a control character"},
        {{1, "KALVORA_8", "José", "secret"},
         "the user name holds 'é' (U+00E9), which the launcher cannot see (not in Windows-1251)"},
        {{1, "KALVORA_8", longName, "secret"},
         "the file name is 262 characters long; Windows stores at most 255"},
    };
    for (const auto &c : cases) {
        ResetFake();
        EXPECT_EQ(CheckRow(c.Row), c.Reason)
            << c.Row.Key << "$" << c.Row.User << "$" << c.Row.Password;
    }
}

TEST(ReadRows, TakesAnOptionalHeaderAndCountsFields)
{
    std::vector<CopyRow> rows;
    std::vector<std::string> errors;
    EXPECT_FALSE(ReadRows("Key,User,Password\nKALVORA_8,u,p\nKALVORA_8,u\n"
                          "KALVORA_8,u,p,extra\n",
                          rows, errors));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Line, 2u);
    EXPECT_EQ(errors, (std::vector<std::string>{
                          "line 3: expected 3 fields (key,user,password), found 2",
                          "line 4: expected 3 fields (key,user,password), found 4"}));
}

TEST(CheckLaunchName, ReadsTheNameAsTheLauncherWould)
{
    ResetFake();
    LaunchCheck check = CheckLaunchName("KALVORA_JV_Online$Пётр$p w$.exe");
    EXPECT_TRUE(check.Valid);
    EXPECT_EQ(check.Caption, "КАЛВОРА ЙЖ Онлайн");
    EXPECT_EQ(check.Host, LAUNCHER_HOST_E);
    EXPECT_EQ(check.Port, "3397");
    EXPECT_EQ(check.User, "Пётр");
    EXPECT_EQ(check.Password, "p w");
}

} // namespace
