/*
 * standin.c: stands in for cmdkey and mstsc, which Wine does not have.
 *
 * It appends one line about how it was started to the file named by
 * STANDIN_LOG, then ends:
 *   name  start-ms  end-ms  show  console-visible  cwd  command-line-hex
 * "show" is the STARTUPINFO window state (-1 when none was given). Before it
 * ends it holds for STANDIN_HOLD_MS milliseconds, and it exits with
 * STANDIN_EXIT (default 0), so tests can see whether the launcher waited.
 */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static unsigned long long NowMs(void)
{
    FILETIME ft;
    ULARGE_INTEGER t;
    GetSystemTimeAsFileTime(&ft);
    t.LowPart = ft.dwLowDateTime;
    t.HighPart = ft.dwHighDateTime;
    return t.QuadPart / 10000ULL - 11644473600000ULL; /* Unix epoch, ms */
}

static int EnvNumber(const char *name, int fallback)
{
    char value[32];
    DWORD got = GetEnvironmentVariableA(name, value, sizeof value);
    return got && got < sizeof value ? atoi(value) : fallback;
}

int main(void)
{
    unsigned long long start = NowMs();
    char name[MAX_PATH], cwd[MAX_PATH], log[MAX_PATH];
    char *base, *line, *at;
    const char *cmd = GetCommandLineA();
    STARTUPINFOA si;
    HWND console = GetConsoleWindow();
    HANDLE file;
    DWORD written;
    size_t i, n = strlen(cmd);
    int show;

    GetModuleFileNameA(NULL, name, sizeof name);
    base = strrchr(name, '\\') ? strrchr(name, '\\') + 1 : name;
    GetCurrentDirectoryA(sizeof cwd, cwd);
    GetStartupInfoA(&si);
    show = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : -1;

    Sleep(EnvNumber("STANDIN_HOLD_MS", 0));

    line = malloc(n * 2 + 2 * MAX_PATH + 128);
    at = line + sprintf(line, "%s\t%llu\t%llu\t%d\t%d\t%s\t", base, start,
                        NowMs(), show,
                        console && IsWindowVisible(console) ? 1 : 0, cwd);
    for (i = 0; i < n; i++)
        at += sprintf(at, "%02x", (unsigned char)cmd[i]);
    strcpy(at, "\r\n");

    if (GetEnvironmentVariableA("STANDIN_LOG", log, sizeof log)) {
        file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ, NULL,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
        if (file != INVALID_HANDLE_VALUE) {
            WriteFile(file, line, (DWORD)strlen(line), &written, NULL);
            CloseHandle(file);
        }
    }
    free(line);
    return EnvNumber("STANDIN_EXIT", 0);
}
