/*
 * copy_rows.cpp: which rows make copies that launch, checked with the
 * launcher's own code, and which names Windows can store.
 */
#include "copies.h"

#include "../launcher/launcher.h"
#include "../profiles/profiles.h"

#include <algorithm>
#include <cctype>

std::string CopyFileName(const CopyRow &row)
{
    return row.Key + "$" + row.User + "$" + row.Password + "$.exe";
}

LaunchCheck CheckLaunchName(const std::string &utf8Name)
{
    LaunchCheck check{};
    std::string ansi, bad;
    if (!Utf8ToCp1251(utf8Name, ansi, bad))
        return check;
    Launch = LaunchRecord();
    ParseLaunchName(CutToLaunchName(ansi));
    check.Key = Cp1251ToUtf8(Launch.AppAlias);
    check.User = Cp1251ToUtf8(Launch.UserName);
    check.Password = Cp1251ToUtf8(Launch.Password);
    ResolveProfile();
    check.Valid = ValidateLaunch();
    check.Caption = Cp1251ToUtf8(Launch.Caption);
    check.Host = Launch.Host;
    check.Port = Launch.Port;
    return check;
}

/* Names Windows keeps for devices, whatever extension follows them. */
static bool IsReservedName(const std::string &name)
{
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    std::transform(base.begin(), base.end(), base.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    static const char *const fixed[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char *reserved : fixed)
        if (base == reserved)
            return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

/* Longest file name, in UTF-16 units, that Windows file systems store. */
static const size_t NameLimit = 255;

std::string CheckRow(const CopyRow &row)
{
    const struct {
        const char *Label;
        const std::string &Value;
    } fields[] = {{"key", row.Key}, {"user name", row.User}, {"password", row.Password}};
    for (const auto &field : fields) {
        std::string label = field.Label;
        if (field.Value.empty())
            return "the " + label + " is empty";
        if (field.Value.find('$') != std::string::npos)
            return "the " + label + " holds '$', which separates the fields of the name";
        for (unsigned char c : field.Value) {
            if (c < 0x20 || c == 0x7F)
                return "the " + label + " holds a control character";
            if (std::string("\\/:*?\"<>|").find(char(c)) != std::string::npos)
                return "the " + label + " holds '" + std::string(1, char(c)) +
                       "', which Windows does not allow in file names";
        }
        std::string ansi, bad;
        if (!Utf8ToCp1251(field.Value, ansi, bad))
            return "the " + label + " holds " + bad +
                   ", which the launcher cannot see (not in Windows-1251)";
    }

    std::string name = CopyFileName(row);
    if (IsReservedName(name))
        return "'" + name + "' is a name Windows reserves for a device";
    if (name.back() == ' ' || name.back() == '.')
        return "the file name ends in a blank or a dot, which Windows drops";
    if (Utf16Length(name) > NameLimit)
        return "the file name is " + std::to_string(Utf16Length(name)) +
               " characters long; Windows stores at most " + std::to_string(NameLimit);

    LaunchCheck check = CheckLaunchName(name);
    if (check.Key != row.Key || check.User != row.User || check.Password != row.Password)
        return "the launcher would read the name differently";
    if (!check.Valid)
        return "unknown profile key '" + row.Key + "' (keys are case-sensitive)";
    return "";
}

bool ReadRows(const std::string &csv, std::vector<CopyRow> &rows,
              std::vector<std::string> &errors)
{
    std::vector<CsvRecord> records;
    std::string error;
    if (!ParseCsv(csv, records, error)) {
        errors.push_back(error);
        return false;
    }
    bool ok = true;
    for (size_t i = 0; i < records.size(); i++) {
        const CsvRecord &record = records[i];
        if (i == 0 && record.Fields.size() == 3) {
            std::string header;
            for (const std::string &f : record.Fields)
                header += f + ",";
            std::transform(header.begin(), header.end(), header.begin(),
                           [](unsigned char c) { return std::tolower(c); });
            if (header == "key,user,password,")
                continue;
        }
        if (record.Fields.size() != 3) {
            errors.push_back("line " + std::to_string(record.Line) +
                             ": expected 3 fields (key,user,password), found " +
                             std::to_string(record.Fields.size()));
            ok = false;
            continue;
        }
        rows.push_back(CopyRow{record.Line, record.Fields[0], record.Fields[1],
                               record.Fields[2]});
    }
    return ok;
}
