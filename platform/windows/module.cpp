/*
 * module.cpp: facts about the running executable and the ANSI code page.
 */
#include <windows.h>

#include "../platform.h"

std::string GetExecutablePath()
{
    /* GetModuleFileNameA truncates silently when the buffer is too small (and
     * on XP leaves it unterminated), so grow the buffer until the whole path
     * fits with room to spare. */
    std::string path(MAX_PATH + 1, '\0');
    for (;;) {
        DWORD got = GetModuleFileNameA(NULL, &path[0], (DWORD)path.size());
        if (got < path.size()) {
            path.resize(got);
            return path;
        }
        if (path.size() >= 0x10000) /* beyond any path Windows can hold */
            return std::string();
        path.resize(path.size() * 2);
    }
}

std::uint32_t OffsetInExecutable(const void *address)
{
    return (std::uint32_t)((std::uintptr_t)address -
                           (std::uintptr_t)GetModuleHandleA(NULL));
}

bool IsAnsiLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}
