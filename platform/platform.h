/*
 * platform.h: the launcher's one door to the operating system.
 *
 * Every Windows call the program makes stands behind one of these plain
 * functions. The Windows build links the real ones (platform/windows/, one
 * small file per area); the native test build links a recording fake
 * (platform/fake/) in their place. No Windows type appears here, so the
 * portable core never sees <windows.h>.
 *
 * All text is 8-bit and passed through unchanged: the system reads it in its
 * ANSI code page (Windows-1251 for this program's users).
 */
#pragma once

#include <cstdint>
#include <string>

/*
 * Exports from windows/module.cpp
 */

/* Full path of the running executable (GetModuleFileNameA), however long. */
std::string GetExecutablePath();

/* An address in the executable as its offset from the load address. */
std::uint32_t OffsetInExecutable(const void *address);

/* True when the byte opens a double-byte character of the ANSI code page
 * (IsDBCSLeadByte). */
bool IsAnsiLeadByte(unsigned char byte);

/*
 * Exports from windows/version.cpp
 */

/* dwMajorVersion as GetVersionExA reports it; 0 when the query fails. */
unsigned QueryWindowsMajorVersion();

/*
 * Exports from windows/message_box.cpp
 */

/* MessageBoxExA with no owner window; returns when the box is gone. */
void ShowMessageBoxEx(const std::string &text, const std::string &caption,
                      unsigned style, unsigned short language);

/* MessageBoxA with no owner window; returns when the box is gone. */
void ShowMessageBox(const std::string &text, const std::string &caption,
                    unsigned style);

/*
 * Exports from windows/unhandled_filter.cpp
 */

/* Offers an error that nothing caught to the system's unhandled-exception
 * filter (UnhandledExceptionFilter), unless a debugger is attached. Returns
 * when the program's own report is to follow; otherwise the error goes on to
 * the system's own handling, which ends the process. */
void OfferToSystemFilter(const void *address);

/*
 * Exports from windows/desktop_folder.cpp
 */

/* The current user's desktop folder (SHGetFolderPathA, CSIDL_DESKTOP, the
 * current path). False when the shell cannot give it. */
bool QueryDesktopFolder(std::string &path);

/*
 * Exports from windows/file.cpp
 *
 * Each returns 0 on success or the system error number of the failure.
 */

using FileHandle = std::uintptr_t;

/* CreateFileA: write access, read sharing, create-always, normal
 * attributes. */
unsigned CreateFileForWriting(const std::string &path, FileHandle &file);

/* WriteFile of all the bytes; a write that stores fewer gives 101. */
unsigned WriteToFile(FileHandle file, const std::string &bytes);

/* CloseHandle. */
unsigned CloseFile(FileHandle file);

/*
 * Exports from windows/process.cpp
 */

using ProcessHandle = std::uintptr_t;

/* ShellExecuteExA of a program with its parameter string, window hidden,
 * asking for the process handle. 0 when nothing was started or no handle came
 * back. */
ProcessHandle StartHidden(const std::string &program,
                          const std::string &parameters);

/* Blocks until the process has ended (WaitForSingleObject), then closes its
 * handle. */
void WaitForProcessEnd(ProcessHandle process);
