/*
 * sequence.cpp: the program from start to exit. One straight line: every
 * step ends before the next begins, and every tool started is awaited.
 */
#include "launcher.h"

#include "../platform/platform.h"
#include "../profiles/profiles.h"
#include "../rdpfile/rdpfile.h"
#include "../syscmd/syscmd.h"

#include <cstdint>

void StartClient()
{
    RunHiddenAndWait("mstsc", "\"" + ConnectionFilePath() + "\"");
}

/* Eight upper-case hexadecimal digits. (Formatted by hand: the C library's
 * printf family would bring its whole floating-point formatter along.) */
static std::string Hex8(std::uint32_t value)
{
    std::string digits(8, '0');
    for (int i = 7; i >= 0; i--, value >>= 4)
        digits[i] = "0123456789ABCDEF"[value & 0xF];
    return digits;
}

/* MB_OK | MB_ICONHAND | MB_TASKMODAL */
static const unsigned ReportStyle = 0x2010;

/* What the program shows for an error nothing caught, before it ends with
 * exit code 1. */
static void ReportUnhandledError(const char *errorClass, const std::string &message,
                                 const void *address)
{
    OfferToSystemFilter(address);

    std::string text = std::string("Exception ") + errorClass + " in module " +
                       CutToLaunchName(GetExecutablePath()) + " at " +
                       Hex8(OffsetInExecutable(address)) + ".\r\n" + message;
    if (message.empty() || message.back() != '.')
        text += '.';
    text += "\r\n";
    ShowMessageBox(text, "Application Error", ReportStyle);
}

int LauncherMain()
{
    WindowsMajorVersion = QueryWindowsMajorVersion();
    try {
        ParseLaunchName(CutToLaunchName(GetExecutablePath()));
        ResolveProfile();
        if (!ValidateLaunch()) {
            ShowInfoMessage(InvalidNameText);
            return 0;
        }
        HandOverCredentials();
        WriteConnectionFile();
        StartClient();
        return 0;
    } catch (const InOutError &error) {
        ReportUnhandledError("EInOutError", InOutErrorMessage(error.ErrorNumber),
                             error.Address);
        return 1;
    }
}
