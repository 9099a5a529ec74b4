/*
 * unhandled_filter.cpp: lets the system see an error that nothing in the
 * program caught, before the program reports it itself. A just-in-time
 * debugger or an error-reporting hook registered with the system gets its
 * chance this way, as it would for a crash.
 */
#include <windows.h>

#include "../platform.h"

/* The exception code the error travels under: customer bit set, "LNC". */
static const DWORD LauncherErrorCode = 0xE04C4E43;

void OfferToSystemFilter(const void *address)
{
    if (IsDebuggerPresent())
        return;

    EXCEPTION_RECORD record;
    ZeroMemory(&record, sizeof record);
    record.ExceptionCode = LauncherErrorCode;
    record.ExceptionFlags = EXCEPTION_NONCONTINUABLE;
    record.ExceptionAddress = (PVOID)address;

    CONTEXT context;
    ZeroMemory(&context, sizeof context);
    context.ContextFlags = CONTEXT_FULL;
    RtlCaptureContext(&context);

    EXCEPTION_POINTERS pointers = { &record, &context };
    if (UnhandledExceptionFilter(&pointers) == EXCEPTION_EXECUTE_HANDLER)
        return;

    /* The filter kept the error for the system (a debugger took it, say):
     * raise it for real so that the system's own handling ends the process. */
    RaiseException(LauncherErrorCode, EXCEPTION_NONCONTINUABLE, 0, NULL);
    ExitProcess(LauncherErrorCode); /* not reached */
}
