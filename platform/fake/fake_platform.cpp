/*
 * fake_platform.cpp: records every platform call and answers from Fake.
 * Misuse that Windows would punish (a write to a handle that is not open)
 * aborts, so a test cannot pass over it.
 */
#include "fake_platform.h"

#include "../../launcher/launcher.h"
#include "../../syscmd/syscmd.h"
#include "../platform.h"

#include <cstdio>
#include <cstdlib>

FakeState Fake;

void ResetFake()
{
    Fake = FakeState();
    Launch = LaunchRecord();
    WindowsMajorVersion = 0;
    ManualLogon = false;
}

std::vector<std::string> FakeCallNames()
{
    std::vector<std::string> names;
    for (const FakeCall &call : Fake.Calls)
        names.push_back(call.Api);
    return names;
}

static void Record(const char *api, std::vector<std::string> args = {})
{
    Fake.Calls.push_back(FakeCall{api, std::move(args)});
}

[[noreturn]] static void Misuse(const char *what)
{
    std::fprintf(stderr, "fake platform misused: %s\n", what);
    std::abort();
}

std::string GetExecutablePath()
{
    Record("GetModuleFileNameA");
    return Fake.ExecutablePath;
}

std::uint32_t OffsetInExecutable(const void *address)
{
    if (!address)
        Misuse("offset of a null address");
    return Fake.CodeOffset;
}

bool IsAnsiLeadByte(unsigned char byte)
{
    return Fake.LeadBytes.count(byte) != 0;
}

unsigned QueryWindowsMajorVersion()
{
    Record("GetVersionExA");
    return Fake.MajorVersion;
}

void ShowMessageBoxEx(const std::string &text, const std::string &caption,
                      unsigned style, unsigned short language)
{
    Record("MessageBoxExA",
           {text, caption, std::to_string(style), std::to_string(language)});
}

void ShowMessageBox(const std::string &text, const std::string &caption,
                    unsigned style)
{
    Record("MessageBoxA", {text, caption, std::to_string(style)});
}

void OfferToSystemFilter(const void *)
{
    Record("UnhandledExceptionFilter");
    if (Fake.FilterKeepsError)
        throw FakeSystemEndedProcess("the system's filter kept the error");
}

bool QueryDesktopFolder(std::string &path)
{
    Record("SHGetFolderPathA");
    if (Fake.DesktopFails)
        return false;
    path = Fake.Desktop;
    return true;
}

unsigned CreateFileForWriting(const std::string &path, FileHandle &file)
{
    Record("CreateFileA", {path});
    if (Fake.CreateError)
        return Fake.CreateError;
    static FileHandle next = 100;
    file = next++;
    Fake.OpenFiles[file] = path;
    Fake.Files[path].clear(); /* create-always empties an existing file */
    return 0;
}

unsigned WriteToFile(FileHandle file, const std::string &bytes)
{
    Record("WriteFile", {bytes});
    if (!Fake.OpenFiles.count(file))
        Misuse("WriteFile on a handle that is not open");
    if (Fake.WriteError)
        return Fake.WriteError;
    Fake.Files[Fake.OpenFiles[file]] += bytes;
    return 0;
}

unsigned CloseFile(FileHandle file)
{
    Record("CloseHandle");
    if (!Fake.OpenFiles.erase(file))
        Misuse("CloseHandle on a handle that is not open");
    return Fake.CloseError;
}

ProcessHandle StartHidden(const std::string &program,
                          const std::string &parameters)
{
    Record("ShellExecuteExA", {program, parameters});
    return Fake.StartFails ? 0 : 42;
}

void WaitForProcessEnd(ProcessHandle process)
{
    if (process != 42)
        Misuse("wait on a process that was not started");
    Record("WaitForSingleObject");
}
