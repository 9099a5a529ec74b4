/*
 * csv.cpp: a strict RFC 4180 reader. Strict, because a password that a
 * lenient reader cut at a stray quote would be handed out wrong.
 */
#include "copies.h"

bool ParseCsv(const std::string &text, std::vector<CsvRecord> &records,
              std::string &error)
{
    size_t i = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    unsigned line = 1;
    records.clear();
    while (i < text.size()) {
        CsvRecord record{line, {}};
        for (;;) { /* one field per pass */
            std::string field;
            if (i < text.size() && text[i] == '"') {
                unsigned opened = line;
                for (i++;; i++) {
                    if (i >= text.size()) {
                        error = "line " + std::to_string(opened) +
                                ": a quoted field is not closed";
                        return false;
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            i++;
                            continue;
                        }
                        i++;
                        break;
                    }
                    if (text[i] == '\n')
                        line++;
                    field += text[i];
                }
                if (i < text.size() && text[i] != ',' && text[i] != '\r' &&
                    text[i] != '\n') {
                    error = "line " + std::to_string(line) +
                            ": text after the closing quote of a field";
                    return false;
                }
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\r' &&
                       text[i] != '\n') {
                    if (text[i] == '"') {
                        error = "line " + std::to_string(line) +
                                ": a quote inside an unquoted field";
                        return false;
                    }
                    field += text[i++];
                }
            }
            record.Fields.push_back(field);
            if (i < text.size() && text[i] == ',') {
                i++;
                continue;
            }
            break;
        }
        if (i < text.size() && text[i] == '\r')
            i++;
        if (i < text.size() && text[i] == '\n')
            i++;
        else if (i < text.size()) {
            error = "line " + std::to_string(line) + ": a lone carriage return";
            return false;
        }
        bool blank = record.Fields.size() == 1 && record.Fields[0].empty();
        if (!blank)
            records.push_back(record);
        line++;
    }
    return true;
}
