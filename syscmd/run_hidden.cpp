/*
 * run_hidden.cpp: one way to start a Windows tool, used for cmdkey and for
 * the Remote Desktop client alike.
 */
#include "syscmd.h"

#include "../platform/platform.h"

void RunHiddenAndWait(const std::string &program, const std::string &parameters)
{
    /* What the tool does, and how it ends, is not the launcher's business;
     * only that the next step waits for it. */
    if (ProcessHandle process = StartHidden(program, parameters))
        WaitForProcessEnd(process);
}
