/*
 * profile_table.cpp: the connection profiles this build knows.
 *
 * Captions and the TRV alias are Windows-1251 bytes. The five server host
 * names come from the build (LAUNCHER_HOST_A .. LAUNCHER_HOST_E), so one
 * source serves every deployment.
 */
#include "profiles.h"

#include "../launcher/launcher.h"

#ifndef LAUNCHER_HOST_A
#error "the build defines LAUNCHER_HOST_A .. LAUNCHER_HOST_E"
#endif

/* "КАЛВОРА " */
#define KALVORA "\xCA\xC0\xCB\xC2\xCE\xD0\xC0 "
/* " Онлайн" (online) */
#define ONLINE " \xCE\xED\xEB\xE0\xE9\xED"

const Profile ProfileTable[] = {
    /* key                     caption                             alias */
    {"KALVORA_8",             KALVORA "8",                         "KALVORA8",
     LAUNCHER_HOST_A, "3395"},
    {"KALVORA_8_Online",      KALVORA "8" ONLINE,                  "KALVORA8",
     LAUNCHER_HOST_A, "43399"},
    /* "... 8 Базовая" (base) */
    {"KALVORA_8_Base",        KALVORA "8 \xC1\xE0\xE7\xEE\xE2\xE0\xFF", "KALVORA8",
     LAUNCHER_HOST_A, "43398"},
    {"KALVORA_8_",            KALVORA "8" ONLINE,                  "KALVORA8",
     LAUNCHER_HOST_A, "3397"},
    /* "... ТРВ 2016", alias "КАЛВОРА ТРВ2020" */
    {"KALVORA_TRV",           KALVORA "\xD2\xD0\xC2 2016",          KALVORA "\xD2\xD0\xC2" "2020",
     LAUNCHER_HOST_B, "3395"},
    {"KALVORA_TRV_Online",    KALVORA "\xD2\xD0\xC2" ONLINE,        KALVORA "\xD2\xD0\xC2" "2020",
     LAUNCHER_HOST_C, "43398"},
    /* "... ЙЖ" */
    {"KALVORA_JV",            KALVORA "\xC9\xC6",                  "KALVORA_JV",
     LAUNCHER_HOST_D, "3395"},
    {"KALVORA_JV_Free",       KALVORA "\xC9\xC6" ONLINE,           "KALVORA_JV",
     LAUNCHER_HOST_D, "43399"},
    {"KALVORA_JV_Online",     KALVORA "\xC9\xC6" ONLINE,           "KALVORA_JV",
     LAUNCHER_HOST_E, "3397"},
    /* "... ЛОМ" */
    {"KALVORA_LOM_JW",        KALVORA "\xCB\xCE\xCC",              "LOM_JW",
     LAUNCHER_HOST_A, "3395"},
    {"KALVORA_LOM_JW_Online", KALVORA "\xCB\xCE\xCC" ONLINE,       "LOM_JW",
     LAUNCHER_HOST_A, "43399"},
    /* "... ЛОМ ЙЖ", "... ЛОМ ЮЖ" */
    {"KALVORA_LOM_QV",        KALVORA "\xCB\xCE\xCC \xC9\xC6",      "LOM_QV",
     LAUNCHER_HOST_D, "3395"},
    {"KALVORA_LOM_VY",        KALVORA "\xCB\xCE\xCC \xDE\xC6",      "LOM_VY",
     LAUNCHER_HOST_B, "3395"},
};

const unsigned ProfileCount = sizeof ProfileTable / sizeof ProfileTable[0];

void ResolveProfile()
{
    /* Every row is compared against the current alias, so a row whose alias
     * were another row's key would chain into it; in this table no alias is a
     * later row's key, and at most one row applies. */
    for (unsigned i = 0; i < ProfileCount; i++) {
        const Profile &row = ProfileTable[i];
        if (Launch.AppAlias.empty() || Launch.AppAlias != row.Key)
            continue;
        Launch.Caption = row.Caption;
        Launch.AppAlias = row.Alias;
        Launch.Host = row.Host;
        Launch.Port = row.Port;
    }
}
