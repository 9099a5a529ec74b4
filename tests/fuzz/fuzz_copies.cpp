/*
 * fuzz_copies.cpp: any CSV file through make_copies' reading and checks, and
 * any text through the Windows-1251 conversion, which must round-trip.
 */
#include "../../platform/fake/fake_platform.h"
#include "../../tools/copies.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    std::string text((const char *)data, size);
    ResetFake();
    std::vector<CopyRow> rows;
    std::vector<std::string> errors;
    ReadRows(text, rows, errors);
    for (const CopyRow &row : rows)
        if (CheckRow(row).empty() && !CheckLaunchName(CopyFileName(row)).Valid)
            std::abort(); /* an accepted row must make a launch the launcher takes */

    std::string ansi, bad;
    if (Utf8ToCp1251(text, ansi, bad) && Cp1251ToUtf8(ansi) != text)
        std::abort();
    return 0;
}
