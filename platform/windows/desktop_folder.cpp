/*
 * desktop_folder.cpp: where the connection file goes.
 */
#include <windows.h>
#include <shlobj.h>

#include "../platform.h"

bool QueryDesktopFolder(std::string &path)
{
    char buffer[4100] = "";
    if (FAILED(SHGetFolderPathA(NULL, CSIDL_DESKTOP, NULL,
                                SHGFP_TYPE_CURRENT, buffer)))
        return false;
    buffer[sizeof buffer - 1] = '\0';
    path = buffer;
    return true;
}
