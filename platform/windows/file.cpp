/*
 * file.cpp: creating, writing and closing the connection file. Each call
 * answers with the system error number, so that the caller can report
 * exactly what went wrong.
 */
#include <windows.h>

#include "../platform.h"

/* The system's number for "Disk full", given to a write that stored fewer
 * bytes than it was handed. */
static const unsigned ShortWriteError = 101;

unsigned CreateFileForWriting(const std::string &path, FileHandle &file)
{
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                NULL);
    if (handle == INVALID_HANDLE_VALUE)
        return GetLastError();
    file = (FileHandle)handle;
    return 0;
}

unsigned WriteToFile(FileHandle file, const std::string &bytes)
{
    DWORD written = 0;
    if (!WriteFile((HANDLE)file, bytes.data(), (DWORD)bytes.size(), &written,
                   NULL))
        return GetLastError();
    return written == bytes.size() ? 0 : ShortWriteError;
}

unsigned CloseFile(FileHandle file)
{
    return CloseHandle((HANDLE)file) ? 0 : GetLastError();
}
