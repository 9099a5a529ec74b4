/*
 * make_copies.cpp: writes one personal copy of launcher.exe per row of a
 * CSV file of users, named so that the launcher connects each user to the
 * right profile. Every row is checked before anything is written; a run
 * either writes every copy or none.
 *
 * Usage: make_copies [--overwrite] LAUNCHER_EXE USERS_CSV OUTPUT_DIR
 */
#include "copies.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

static const char Usage[] =
    "usage: make_copies [--overwrite] LAUNCHER_EXE USERS_CSV OUTPUT_DIR\n"
    "  USERS_CSV: UTF-8 rows key,user,password (RFC 4180 quoting; the header\n"
    "  line key,user,password is optional). Writes OUTPUT_DIR/key$user$password$.exe\n"
    "  for every row, or nothing when any row is refused. --overwrite replaces\n"
    "  copies that exist already and lets a row repeat.\n";

static bool ReadFile(const fs::path &path, std::string &bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream out;
    out << in.rdbuf();
    bytes = out.str();
    return !in.bad();
}

/* Windows compares file names without regard to letter case: two names that
 * differ only in case are one file there. */
static std::string FoldCase(const std::string &utf8)
{
    std::string ansi, bad;
    if (!Utf8ToCp1251(utf8, ansi, bad))
        return utf8;
    for (char &ch : ansi) {
        unsigned char c = ch;
        if (c >= 'A' && c <= 'Z')
            c += 32;
        else if (c >= 0xC0 && c <= 0xDF) /* А..Я */
            c += 32;
        else if (c == 0xA8) /* Ё */
            c = 0xB8;
        ch = char(c);
    }
    return ansi;
}

static int Refuse(const std::vector<std::string> &errors, const char *csv)
{
    for (const std::string &error : errors)
        std::fprintf(stderr, "%s: %s\n", csv, error.c_str());
    std::fprintf(stderr, "nothing written: %zu problem%s\n", errors.size(),
                 errors.size() == 1 ? "" : "s");
    return 1;
}

int main(int argc, char **argv)
{
    bool overwrite = false;
    std::vector<std::string> args;
    for (int i = 1; i < argc; i++) {
        std::string arg = argv[i];
        if (arg == "--overwrite")
            overwrite = true;
        else if (arg == "--help" || arg == "-h") {
            std::fputs(Usage, stdout);
            return 0;
        } else
            args.push_back(arg);
    }
    if (args.size() != 3) {
        std::fputs(Usage, stderr);
        return 2;
    }
    const fs::path exePath = args[0], csvPath = args[1], outDir = args[2];
    const char *csvName = args[1].c_str();

    std::string exe, csv;
    if (!ReadFile(exePath, exe) || exe.compare(0, 2, "MZ") != 0) {
        std::fprintf(stderr, "%s: cannot read a Windows executable there\n", args[0].c_str());
        return 1;
    }
    if (!ReadFile(csvPath, csv)) {
        std::fprintf(stderr, "%s: cannot read the file\n", csvName);
        return 1;
    }

    /* Check every row before writing anything. */
    std::vector<CopyRow> rows;
    std::vector<std::string> errors;
    ReadRows(csv, rows, errors);
    std::map<std::string, unsigned> seen; /* folded name -> line */
    std::map<std::string, std::string> existing; /* folded name -> name on disk */
    std::error_code ec;
    if (fs::is_directory(outDir, ec))
        for (const fs::directory_entry &entry : fs::directory_iterator(outDir, ec))
            existing[FoldCase(entry.path().filename().string())] = entry.path().filename().string();
    std::vector<CopyRow> toWrite;
    for (const CopyRow &row : rows) {
        std::string where = "line " + std::to_string(row.Line) + ": ";
        std::string reason = CheckRow(row);
        if (!reason.empty()) {
            errors.push_back(where + reason);
            continue;
        }
        std::string name = CopyFileName(row), folded = FoldCase(name);
        if (seen.count(folded)) {
            if (!overwrite)
                errors.push_back(where + "repeats line " + std::to_string(seen[folded]) +
                                 " (the same file name on Windows)");
            continue;
        }
        seen[folded] = row.Line;
        if (existing.count(folded) && !overwrite) {
            errors.push_back(where + "'" + existing[folded] + "' exists in " +
                             outDir.string() + " (--overwrite replaces it)");
            continue;
        }
        toWrite.push_back(row);
    }
    if (!errors.empty())
        return Refuse(errors, csvName);
    if (toWrite.empty()) {
        std::fprintf(stderr, "%s: no users in the file; nothing written\n", csvName);
        return 1;
    }

    /* Write every copy under a temporary name first, so that a failure part
     * way (a full disk) leaves nothing behind. */
    fs::create_directories(outDir, ec);
    std::vector<fs::path> temps;
    auto removeTemps = [&] {
        for (const fs::path &temp : temps)
            fs::remove(temp, ec);
    };
    for (size_t i = 0; i < toWrite.size(); i++) {
        fs::path temp = outDir / (".make_copies." + std::to_string(i) + ".tmp");
        temps.push_back(temp);
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(exe.data(), std::streamsize(exe.size()));
        out.close();
        if (!out) {
            removeTemps();
            std::fprintf(stderr, "%s: cannot write there; nothing written\n",
                         outDir.string().c_str());
            return 1;
        }
    }
    std::vector<fs::path> written;
    for (size_t i = 0; i < toWrite.size(); i++) {
        std::string name = CopyFileName(toWrite[i]);
        auto old = existing.find(FoldCase(name));
        if (old != existing.end() && old->second != name)
            fs::remove(outDir / old->second, ec); /* same file on Windows */
        fs::rename(temps[i], outDir / name, ec);
        if (ec) {
            for (const fs::path &done : written)
                fs::remove(done, ec);
            removeTemps();
            std::fprintf(stderr, "%s: cannot name the copy '%s'; nothing written\n",
                         outDir.string().c_str(), name.c_str());
            return 1;
        }
        written.push_back(outDir / name);
    }

    /* Read the names back as they stand on disk and run each through the
     * launcher's own parser and profile lookup. */
    std::vector<std::string> report;
    for (const fs::path &path : written) {
        std::string name = path.filename().string();
        LaunchCheck check = CheckLaunchName(name);
        if (!fs::is_regular_file(path, ec) || fs::file_size(path, ec) != exe.size() ||
            !check.Valid) {
            errors.push_back("'" + name + "' did not read back as a valid launch");
            continue;
        }
        report.push_back(name + ": " + check.Caption + ", " + check.Host + ":" +
                         check.Port + ", user " + check.User);
    }
    if (!errors.empty()) {
        for (const fs::path &path : written)
            fs::remove(path, ec);
        return Refuse(errors, csvName);
    }
    for (const std::string &line : report)
        std::printf("%s\n", line.c_str());
    std::printf("wrote %zu cop%s to %s\n", written.size(), written.size() == 1 ? "y" : "ies",
                outDir.string().c_str());
    return 0;
}
