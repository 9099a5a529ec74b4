/*
 * rdpfile.h: the RemoteApp connection file on the user's desktop, and the
 * input/output error that a failure to write it raises.
 */
#pragma once

#include <string>

/* An input/output failure: the system error number and the address of the
 * step that failed. Nothing in the launcher catches it but the top-level
 * handler, which reports it and ends the program. */
struct InOutError {
    unsigned ErrorNumber;
    const void *Address;
};

/*
 * Exports from io_error.cpp
 */

/* Raises InOutError for the error number, recording the caller's address as
 * the failed step. */
[[noreturn]] void RaiseInOutError(unsigned errorNumber);

/* The message for a system error number: "File not found", ...,
 * "I/O error %d" for numbers without a text of their own. */
std::string InOutErrorMessage(unsigned errorNumber);

/*
 * Exports from connection_file.cpp
 */

/* The desktop folder; raises InOutError 3 ("Invalid filename") when the
 * shell cannot give it, so that no undefined path is ever used. */
std::string GetDesktopFolder();

/* Desktop folder, "\", Caption, ".rdp". */
std::string ConnectionFilePath();

/* The 56 lines of the file for the current launch, each ending in CR LF. */
std::string ConnectionFileContent();

/* Writes the file, replacing one of the same name. Raises InOutError on the
 * first failure to create, write or close it. */
void WriteConnectionFile();
