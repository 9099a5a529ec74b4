/*
 * launcher.h: the launch record every step works on, the launch name, and the
 * launch sequence from start to exit.
 */
#pragma once

#include <string>

/* The values of one launch. One process-wide instance, empty at start. */
struct LaunchRecord {
    std::string AppAlias; /* the profile key, then the profile's alias */
    std::string UserName;
    std::string Password;
    std::string Caption;  /* empty until a profile matched */
    std::string Host;
    std::string Port;     /* decimal text, never parsed */
};

/* Defined in launch_record.cpp. */
extern LaunchRecord Launch;

/* dwMajorVersion of the running Windows, read once at start-up; 0 when the
 * query failed. */
extern unsigned WindowsMajorVersion;

/*
 * Exports from launch_name.cpp
 */

/* The part of an executable path after its last "\" or ":" (the whole path
 * when neither occurs). A "\" that is the second byte of a double-byte
 * character of the ANSI code page does not count. */
std::string CutToLaunchName(const std::string &path);

/* Fills AppAlias (the profile key), UserName and Password from
 * "key$user$password$tail"; a field that no "$" closes comes out empty. */
void ParseLaunchName(const std::string &launchName);

/* True when AppAlias, UserName, Password and Caption are all non-empty. */
bool ValidateLaunch();

/*
 * Exports from messages.cpp
 */

extern const char *const InvalidNameText;

/* An information box with one OK button and the launcher's caption. */
void ShowInfoMessage(const std::string &text);

/*
 * Exports from sequence.cpp
 */

/* Runs mstsc hidden on the connection file; returns when it has ended. */
void StartClient();

/* The whole program: reads the launch name, validates it, and runs the launch
 * sequence. Returns the process exit code: 0 after a normal run or the
 * invalid-name message, 1 after an input/output error has been reported. */
int LauncherMain();
