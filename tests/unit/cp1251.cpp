/*
 * cp1251.cpp: UTF-8 to Windows-1251 with iconv, for expected values.
 */
#include "cp1251.h"

#include <iconv.h>

#include <stdexcept>

std::string Cp1251(const std::string &utf8)
{
    iconv_t cd = iconv_open("CP1251", "UTF-8");
    if (cd == (iconv_t)-1)
        throw std::runtime_error("iconv has no CP1251");
    std::string in = utf8, out(utf8.size(), '\0');
    char *src = &in[0], *dst = &out[0];
    size_t srcLeft = in.size(), dstLeft = out.size();
    size_t done = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (done == (size_t)-1)
        throw std::runtime_error("not encodable in CP1251: " + utf8);
    out.resize(out.size() - dstLeft);
    return out;
}
