/*
 * process.cpp: starting Windows tools through the shell, hidden, and
 * waiting for them to end.
 */
#include <windows.h>
#include <shellapi.h>

#include "../platform.h"

/* The 32-bit request is 60 bytes; a different size means the wrong headers. */
static_assert(sizeof(void *) != 4 || sizeof(SHELLEXECUTEINFOA) == 60,
              "SHELLEXECUTEINFOA size");

ProcessHandle StartHidden(const std::string &program,
                          const std::string &parameters)
{
    /* Everything not set here stays zero: no owner window, the default verb,
     * the current directory. The shell may show its own error box when the
     * program cannot be found; that is wanted, so no SEE_MASK_FLAG_NO_UI. */
    SHELLEXECUTEINFOA request;
    ZeroMemory(&request, sizeof request);
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_NOCLOSEPROCESS;
    request.lpFile = program.c_str();
    request.lpParameters = parameters.c_str();
    request.nShow = SW_HIDE;
    if (!ShellExecuteExA(&request))
        return 0;
    return (ProcessHandle)request.hProcess;
}

void WaitForProcessEnd(ProcessHandle process)
{
    /* A blocking wait: no CPU is used while the client runs, and a program
     * that happens to exit with code 259 (STILL_ACTIVE) is seen as ended. */
    WaitForSingleObject((HANDLE)process, INFINITE);
    CloseHandle((HANDLE)process);
}
