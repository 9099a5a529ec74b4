/*
 * cp1251.h: turns readable UTF-8 test texts into the Windows-1251 bytes the
 * launcher holds, through the C library's iconv rather than the launcher's
 * own literals.
 */
#pragma once

#include <string>

std::string Cp1251(const std::string &utf8);
