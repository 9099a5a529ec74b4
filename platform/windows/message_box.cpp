/*
 * message_box.cpp: the only user interface the launcher has.
 */
#include <windows.h>

#include "../platform.h"

void ShowMessageBoxEx(const std::string &text, const std::string &caption,
                      unsigned style, unsigned short language)
{
    MessageBoxExA(NULL, text.c_str(), caption.c_str(), style, language);
}

void ShowMessageBox(const std::string &text, const std::string &caption,
                    unsigned style)
{
    MessageBoxA(NULL, text.c_str(), caption.c_str(), style);
}
