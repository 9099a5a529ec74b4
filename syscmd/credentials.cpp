/*
 * credentials.cpp: the user name and password travel to the server through
 * the Windows credential store, never through the connection file.
 */
#include "syscmd.h"

#include "../launcher/launcher.h"

bool ManualLogon = false;

/* cmdkey splits its command line at blanks, so a value holding one is put
 * in double quotes. A launch name cannot hold '"', so the quoting is always
 * sound; a value without a blank goes in exactly as it is. */
static std::string CommandValue(const std::string &value)
{
    if (value.find(' ') == std::string::npos)
        return value;
    return "\"" + value + "\"";
}

std::string DeleteCredentialParameters()
{
    return " /delete:termsrv/" + Launch.Host;
}

std::string StoreCredentialParameters()
{
    return " /generic:termsrv/" + Launch.Host + " /user:" +
           CommandValue(Launch.UserName) + " /pass:" +
           CommandValue(Launch.Password);
}

std::string ManualLogonText()
{
    /* "Для подключения используйте имя пользователя - " ... " и пароль " ...
     * (to connect, use the user name ... and the password ...) */
    return "\xC4\xEB\xFF \xEF\xEE\xE4\xEA\xEB\xFE\xF7\xE5\xED\xE8\xFF \xE8\xF1"
           "\xEF\xEE\xEB\xFC\xE7\xF3\xE9\xF2\xE5 \xE8\xEC\xFF \xEF\xEE\xEB\xFC"
           "\xE7\xEE\xE2\xE0\xF2\xE5\xEB\xFF - " +
           Launch.UserName + " \xE8 \xEF\xE0\xF0\xEE\xEB\xFC " + Launch.Password;
}

void HandOverCredentials()
{
    /* Windows before Vista has no cmdkey. */
    if (WindowsMajorVersion < 6) {
        ManualLogon = true;
        ShowInfoMessage(ManualLogonText());
    }
    if (ManualLogon)
        return;
    /* Delete first, so that the store replaces what an earlier launch for the
     * same host left, whatever its kind. */
    RunHiddenAndWait("cmdkey", DeleteCredentialParameters());
    RunHiddenAndWait("cmdkey", StoreCredentialParameters());
}
