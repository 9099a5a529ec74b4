/*
 * io_error.cpp: the input/output error and its messages.
 */
#include "rdpfile.h"


[[noreturn]] __attribute__((noinline)) void RaiseInOutError(unsigned errorNumber)
{
    throw InOutError{errorNumber, __builtin_return_address(0)};
}

struct ErrorText {
    unsigned Number;
    const char *Text;
};

static const ErrorText ErrorTexts[] = {
    {2, "File not found"},
    {3, "Invalid filename"},
    {4, "Too many open files"},
    {5, "File access denied"},
    {100, "Read beyond end of file"},
    {101, "Disk full"},
    {106, "Invalid numeric input"},
};

std::string InOutErrorMessage(unsigned errorNumber)
{
    for (const ErrorText &entry : ErrorTexts)
        if (entry.Number == errorNumber)
            return entry.Text;
    return "I/O error " + std::to_string(errorNumber);
}
