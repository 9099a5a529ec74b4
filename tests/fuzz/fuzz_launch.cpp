/*
 * fuzz_launch.cpp: any executable path, through the whole program on the
 * fake platform. The launch must end with exit code 0 or 1, and the parsed
 * fields must be what the name holds.
 */
#include "../../launcher/launcher.h"
#include "../../platform/fake/fake_platform.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    ResetFake();
    if (data[0] & 1) /* a double-byte code page, lead bytes as in Shift-JIS */
        for (unsigned b = 0x81; b <= 0x9F; b++)
            Fake.LeadBytes.insert((unsigned char)b);
    Fake.MajorVersion = data[0] >> 4;
    Fake.CreateError = (data[0] & 2) ? 5 : 0;
    Fake.ExecutablePath.assign((const char *)data + 1, size - 1);

    int code = LauncherMain();
    if (code != 0 && code != 1)
        std::abort();
    for (const std::string *field : {&Launch.UserName, &Launch.Password})
        if (field->find('$') != std::string::npos)
            std::abort();
    if (code == 1 && !(data[0] & 2))
        std::abort(); /* only a failed create may end in the report here */
    return 0;
}
