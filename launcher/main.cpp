/*
 * main.cpp: the Windows entry. The executable is linked for the GUI
 * subsystem, so no console appears; the launcher's whole life is
 * LauncherMain.
 */
#include "launcher.h"

int main()
{
    return LauncherMain();
}
