/*
 * busy_wait.c: the busy-polling way of awaiting a started program, for
 * comparison with the launcher's blocking wait. It starts mstsc hidden on its
 * own command line's parameters and asks GetExitCodeProcess again and again,
 * with no pause, until the code is no longer STILL_ACTIVE.
 */
#include <windows.h>
#include <shellapi.h>

int main(void)
{
    SHELLEXECUTEINFOA request;
    DWORD code = STILL_ACTIVE;

    ZeroMemory(&request, sizeof request);
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_NOCLOSEPROCESS;
    request.lpFile = "mstsc";
    request.lpParameters = "\"busy-wait.rdp\"";
    request.nShow = SW_HIDE;
    if (!ShellExecuteExA(&request) || !request.hProcess)
        return 1;
    while (GetExitCodeProcess(request.hProcess, &code) && code == STILL_ACTIVE)
        ;
    CloseHandle(request.hProcess);
    return 0;
}
