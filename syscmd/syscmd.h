/*
 * syscmd.h: starting Windows tools hidden and awaiting them, and handing the
 * launch's credentials to Windows.
 */
#pragma once

#include <string>

/*
 * Exports from run_hidden.cpp
 */

/* Starts a program by bare name through the shell, window hidden, and returns
 * when it has ended; returns at once when nothing could be started. */
void RunHiddenAndWait(const std::string &program, const std::string &parameters);

/*
 * Exports from credentials.cpp
 */

/* Set when Windows is older than major version 6: the user is shown the
 * credentials to type instead of having them stored. */
extern bool ManualLogon;

/* cmdkey's parameter strings for the current launch. */
std::string DeleteCredentialParameters();
std::string StoreCredentialParameters();

/* The message that tells the user which name and password to type. */
std::string ManualLogonText();

/* Stores the credentials for "termsrv/" + host with cmdkey (delete, then
 * store), or on old Windows shows them in a message. */
void HandOverCredentials();
