/*
 * messages.cpp: the launcher's own message boxes. The texts are
 * Windows-1251 bytes, shown as they stand.
 */
#include "launcher.h"

#include "../platform/platform.h"

/* "Удаленное подключение" (remote connection) */
static const char InfoCaption[] =
    "\xD3\xE4\xE0\xEB\xE5\xED\xED\xEE\xE5 \xEF\xEE\xE4\xEA\xEB\xFE\xF7\xE5\xED"
    "\xE8\xE5";

/* "Пожалуйста не переименовывайте файл!" LF CR "Скачайте файл заново."
 * (please do not rename the file; download the file again) */
const char *const InvalidNameText =
    "\xCF\xEE\xE6\xE0\xEB\xF3\xE9\xF1\xF2\xE0 \xED\xE5 \xEF\xE5\xF0\xE5\xE8\xEC"
    "\xE5\xED\xEE\xE2\xFB\xE2\xE0\xE9\xF2\xE5 \xF4\xE0\xE9\xEB!"
    "\n\r"
    "\xD1\xEA\xE0\xF7\xE0\xE9\xF2\xE5 \xF4\xE0\xE9\xEB \xE7\xE0\xED\xEE\xE2\xEE.";

/* MB_OK | MB_ICONINFORMATION */
static const unsigned InfoStyle = 0x40;
/* The language identifier the boxes are tagged with. */
static const unsigned short InfoLanguage = 1251;

void ShowInfoMessage(const std::string &text)
{
    ShowMessageBoxEx(text, InfoCaption, InfoStyle, InfoLanguage);
}
