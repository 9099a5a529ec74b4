/*
 * profiles.h: the compiled-in connection profiles and their lookup.
 */
#pragma once

/* One connection profile; every column is text, the port included. */
struct Profile {
    const char *Key;     /* what a launch name carries before its first "$" */
    const char *Caption; /* names the connection and its connection file */
    const char *Alias;   /* the RemoteApp alias published on the server */
    const char *Host;
    const char *Port;
};

extern const Profile ProfileTable[];
extern const unsigned ProfileCount;

/* Looks the key held in Launch.AppAlias up, case-sensitively; on a match sets
 * Caption, AppAlias, Host and Port. No match leaves the record as it was, so
 * Caption stays empty. */
void ResolveProfile();
