/*
 * fake_platform.h: the recording stand-in for platform/windows/, linked into
 * the native tests. Tests set up what "Windows" answers in Fake, run core
 * code, and read back every call that was made, in order.
 */
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

/* One platform call: its Windows name and its arguments as text. */
struct FakeCall {
    std::string Api;
    std::vector<std::string> Args;
};

struct FakeState {
    /* What the fake system answers. */
    std::string ExecutablePath;
    std::set<unsigned char> LeadBytes;
    unsigned MajorVersion = 10;
    bool DesktopFails = false;
    std::string Desktop = "C:\\Users\\user\\Desktop";
    unsigned CreateError = 0; /* non-zero: the call fails with it */
    unsigned WriteError = 0;
    unsigned CloseError = 0;
    bool StartFails = false;
    bool FilterKeepsError = false; /* the system's filter ends the process */
    std::uint32_t CodeOffset = 0x1A2B; /* every address's offset */

    /* What happened. */
    std::vector<FakeCall> Calls;
    std::map<std::string, std::string> Files; /* path -> bytes on "disk" */
    std::map<std::uintptr_t, std::string> OpenFiles;
};

extern FakeState Fake;

/* Empties the launch state and the fake system before each test. */
void ResetFake();

/* The names of the recorded calls, in order. */
std::vector<std::string> FakeCallNames();

/* Thrown where the real system would end the process on its own. */
struct FakeSystemEndedProcess : std::runtime_error {
    using std::runtime_error::runtime_error;
};
