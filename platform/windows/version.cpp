/*
 * version.cpp: the Windows version, which decides how credentials are
 * handed over.
 */
#include <windows.h>

#include "../platform.h"

unsigned QueryWindowsMajorVersion()
{
    OSVERSIONINFOA info;
    ZeroMemory(&info, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info))
        return 0;
    return info.dwMajorVersion;
}
