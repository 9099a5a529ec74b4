/*
 * launch_name.cpp: turning the executable's own file name into the launch
 * values. The file name is the only per-user input the launcher has.
 */
#include "launcher.h"

#include "../platform/platform.h"
#include "../profiles/profiles.h"

std::string CutToLaunchName(const std::string &path)
{
    std::string::size_type start = 0;
    for (std::string::size_type i = 0; i < path.size(); i++) {
        unsigned char byte = (unsigned char)path[i];
        if (IsAnsiLeadByte(byte) && i + 1 < path.size())
            i++; /* its trail byte may look like "\" but is part of a letter */
        else if (byte == '\\' || byte == ':')
            start = i + 1;
    }
    return path.substr(start);
}

/* Takes the text before the first "$" of rest and removes it, "$" included,
 * from rest. Without a "$" the field is empty and rest stays as it is. */
static std::string TakeField(std::string &rest)
{
    std::string::size_type dollar = rest.find('$');
    if (dollar == std::string::npos)
        return std::string();
    std::string field = rest.substr(0, dollar);
    rest.erase(0, dollar + 1);
    return field;
}

void ParseLaunchName(const std::string &launchName)
{
    std::string rest = launchName;
    Launch.AppAlias = TakeField(rest);
    Launch.UserName = TakeField(rest);
    Launch.Password = TakeField(rest); /* what follows the third "$" is ignored */
}

bool ValidateLaunch()
{
    return !Launch.AppAlias.empty() && !Launch.UserName.empty() &&
           !Launch.Password.empty() && !Launch.Caption.empty();
}
