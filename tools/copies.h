/*
 * copies.h: making personal copies of launcher.exe for a list of users.
 *
 * The checks use the launcher's own launch-name parser and profile table, so
 * a copy this tool accepts is one the launcher accepts.
 */
#pragma once

#include <string>
#include <vector>

/*
 * Exports from csv.cpp
 */

/* One record of a CSV file and the line it starts on. */
struct CsvRecord {
    unsigned Line;
    std::vector<std::string> Fields;
};

/* Splits CSV text (RFC 4180: fields in double quotes may hold commas, line
 * breaks and "" for a quote; CR LF or LF between records). Returns false
 * with a message for text that is not CSV. A UTF-8 byte order mark is
 * skipped; blank lines are passed over. */
bool ParseCsv(const std::string &text, std::vector<CsvRecord> &records,
              std::string &error);

/*
 * Exports from windows_1251.cpp
 */

/* UTF-8 to Windows-1251. False when the text is not UTF-8 or holds a
 * character the code page does not have; badChar then names it. */
bool Utf8ToCp1251(const std::string &utf8, std::string &ansi, std::string &badChar);

/* Windows-1251 to UTF-8 (every byte but 0x98 has a character). */
std::string Cp1251ToUtf8(const std::string &ansi);

/* Number of UTF-16 code units of valid UTF-8 text. */
size_t Utf16Length(const std::string &utf8);

/*
 * Exports from copy_rows.cpp
 */

/* A user's row: the three fields as UTF-8, and where it came from. */
struct CopyRow {
    unsigned Line;
    std::string Key, User, Password;
};

/* What the launcher will make of a launch name. */
struct LaunchCheck {
    bool Valid;
    std::string Key, User, Password, Caption, Host, Port; /* UTF-8 */
};

/* The copy's file name, "key$user$password$.exe", in UTF-8. */
std::string CopyFileName(const CopyRow &row);

/* Why the copy for this row would not launch or could not be stored as a
 * Windows file, or "" when it is fine. */
std::string CheckRow(const CopyRow &row);

/* Runs a file name, as the launcher sees it (Windows-1251), through the
 * launcher's own parser, profile lookup and validation. */
LaunchCheck CheckLaunchName(const std::string &utf8Name);

/* Reads the CSV text into rows: the optional header "key,user,password" is
 * dropped; a record without exactly three fields is an error. */
bool ReadRows(const std::string &csv, std::vector<CopyRow> &rows,
              std::vector<std::string> &errors);
