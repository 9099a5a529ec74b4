/*
 * windows_1251.cpp: the launcher sees its own file name in the ANSI code
 * page, Windows-1251. A name with a character outside it would reach the
 * launcher changed (Windows substitutes a look-alike or "?"), so every name
 * is checked in that form.
 */
#include "copies.h"

#include <cstdio>

/* The characters of bytes 0x80 to 0xFF; 0 where the code page has none. */
static const unsigned short HighHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, /* 80 */
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, /* 88 */
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, /* 90 */
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, /* 98 */
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, /* A0 */
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, /* A8 */
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, /* B0 */
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, /* B8 */
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, /* C0 */
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, /* C8 */
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, /* D0 */
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, /* D8 */
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, /* E0 */
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, /* E8 */
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, /* F0 */
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, /* F8 */
};

/* Decodes one UTF-8 character at text[i], advancing i; false when invalid. */
static bool NextCodePoint(const std::string &text, size_t &i, unsigned &cp)
{
    unsigned char c = text[i];
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + extra >= text.size())
        return false;
    cp = extra == 0 ? c : c & (0x3F >> extra);
    for (int k = 1; k <= extra; k++) {
        unsigned char next = text[i + k];
        if ((next >> 6) != 2)
            return false;
        cp = (cp << 6) | (next & 0x3F);
    }
    static const unsigned smallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < smallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return false; /* overlong, out of range, or a surrogate */
    i += extra + 1;
    return true;
}

static std::string Utf8Of(unsigned cp)
{
    std::string out;
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | cp >> 6);
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | cp >> 12);
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | cp >> 18);
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
    return out;
}

bool Utf8ToCp1251(const std::string &utf8, std::string &ansi, std::string &badChar)
{
    ansi.clear();
    for (size_t i = 0; i < utf8.size();) {
        size_t start = i;
        unsigned cp;
        if (!NextCodePoint(utf8, i, cp)) {
            badChar = "a byte sequence that is not UTF-8";
            return false;
        }
        if (cp < 0x80) {
            ansi += char(cp);
            continue;
        }
        unsigned byte = 0;
        for (unsigned k = 0; k < 128 && !byte; k++)
            if (HighHalf[k] == cp)
                byte = 0x80 + k;
        if (!byte) {
            char code[16];
            snprintf(code, sizeof code, "U+%04X", cp);
            badChar = "'" + utf8.substr(start, i - start) + "' (" + code + ")";
            return false;
        }
        ansi += char(byte);
    }
    return true;
}

std::string Cp1251ToUtf8(const std::string &ansi)
{
    std::string out;
    for (unsigned char c : ansi)
        out += c < 0x80 ? std::string(1, char(c)) : Utf8Of(HighHalf[c - 0x80] ? HighHalf[c - 0x80] : 0xFFFD);
    return out;
}

size_t Utf16Length(const std::string &utf8)
{
    size_t units = 0;
    for (size_t i = 0; i < utf8.size();) {
        unsigned cp = 0;
        if (!NextCodePoint(utf8, i, cp))
            i++; /* counted as one unit, as a replacement character */
        units += cp >= 0x10000 ? 2 : 1;
    }
    return units;
}
