/*
 * ansi_code_page.cpp: the one platform answer the launch-name code needs when
 * it runs inside make_copies. The launcher's users have Windows-1251 as their
 * ANSI code page, which has no double-byte characters.
 */
#include "../platform/platform.h"

bool IsAnsiLeadByte(unsigned char)
{
    return false;
}
