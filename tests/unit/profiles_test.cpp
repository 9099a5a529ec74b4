/*
 * profiles_test.cpp: the compiled-in profile table and its lookup.
 */
#include "../../launcher/launcher.h"
#include "../../platform/fake/fake_platform.h"
#include "../../profiles/profiles.h"
#include "cp1251.h"

#include <gtest/gtest.h>

namespace {

struct ExpectedProfile {
    const char *Key;
    const char *Caption; /* UTF-8 */
    const char *Alias;   /* UTF-8 */
    const char *Host;
    const char *Port;
};

const ExpectedProfile Expected[] = {
    {"KALVORA_8", "КАЛВОРА 8", "KALVORA8", LAUNCHER_HOST_A, "3395"},
    {"KALVORA_8_Online", "КАЛВОРА 8 Онлайн", "KALVORA8", LAUNCHER_HOST_A, "43399"},
    {"KALVORA_8_Base", "КАЛВОРА 8 Базовая", "KALVORA8", LAUNCHER_HOST_A, "43398"},
    {"KALVORA_8_", "КАЛВОРА 8 Онлайн", "KALVORA8", LAUNCHER_HOST_A, "3397"},
    {"KALVORA_TRV", "КАЛВОРА ТРВ 2016", "КАЛВОРА ТРВ2020", LAUNCHER_HOST_B, "3395"},
    {"KALVORA_TRV_Online", "КАЛВОРА ТРВ Онлайн", "КАЛВОРА ТРВ2020", LAUNCHER_HOST_C, "43398"},
    {"KALVORA_JV", "КАЛВОРА ЙЖ", "KALVORA_JV", LAUNCHER_HOST_D, "3395"},
    {"KALVORA_JV_Free", "КАЛВОРА ЙЖ Онлайн", "KALVORA_JV", LAUNCHER_HOST_D, "43399"},
    {"KALVORA_JV_Online", "КАЛВОРА ЙЖ Онлайн", "KALVORA_JV", LAUNCHER_HOST_E, "3397"},
    {"KALVORA_LOM_JW", "КАЛВОРА ЛОМ", "LOM_JW", LAUNCHER_HOST_A, "3395"},
    {"KALVORA_LOM_JW_Online", "КАЛВОРА ЛОМ Онлайн", "LOM_JW", LAUNCHER_HOST_A, "43399"},
    {"KALVORA_LOM_QV", "КАЛВОРА ЛОМ ЙЖ", "LOM_QV", LAUNCHER_HOST_D, "3395"},
    {"KALVORA_LOM_VY", "КАЛВОРА ЛОМ ЮЖ", "LOM_VY", LAUNCHER_HOST_B, "3395"},
};

TEST(ResolveProfile, EveryKeyYieldsItsRow)
{
    ASSERT_EQ(ProfileCount, sizeof Expected / sizeof Expected[0]);
    for (const ExpectedProfile &row : Expected) {
        ResetFake();
        Launch.AppAlias = row.Key;
        ResolveProfile();
        EXPECT_EQ(Launch.Caption, Cp1251(row.Caption)) << row.Key;
        EXPECT_EQ(Launch.AppAlias, Cp1251(row.Alias)) << row.Key;
        EXPECT_EQ(Launch.Host, row.Host) << row.Key;
        EXPECT_EQ(Launch.Port, row.Port) << row.Key;
    }
}

TEST(ResolveProfile, UnknownKeysLeaveTheRecordAlone)
{
    const char *const keys[] = {
        "",              /* empty key */
        "kalvora_8",     /* another letter case */
        "KALVORA_8 ",    /* a trailing blank is part of the key */
        "KALVORA8",      /* an alias that is no key */
        "LOM_JW",
        "KALVORA",
        "KALVORA_8_Online_",
    };
    for (const char *key : keys) {
        ResetFake();
        Launch.AppAlias = key;
        ResolveProfile();
        EXPECT_EQ(Launch.Caption, "") << "key '" << key << "'";
        EXPECT_EQ(Launch.AppAlias, key) << "key '" << key << "'";
        EXPECT_EQ(Launch.Host, "") << "key '" << key << "'";
        EXPECT_EQ(Launch.Port, "") << "key '" << key << "'";
    }
}

TEST(ProfileTable, NoAliasIsTheKeyOfALaterRow)
{
    /* The lookup goes on comparing after a match; this keeps it to one. */
    for (unsigned i = 0; i < ProfileCount; i++)
        for (unsigned j = i + 1; j < ProfileCount; j++)
            EXPECT_STRNE(ProfileTable[i].Alias, ProfileTable[j].Key)
                << "row " << i + 1 << " chains into row " << j + 1;
}

} // namespace
