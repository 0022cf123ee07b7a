#include "results/csv.h"

namespace kvor {

std::string delimitedRecord(const std::vector<std::string>& fields, char delimiter)
{
    std::string record;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record += delimiter;
        const std::string& field = fields[i];
        if (field.find_first_of(std::string{delimiter, '"', '\r', '\n'}) == std::string::npos) {
            record += field;
            continue;
        }
        record += '"';
        for (char c : field) {
            if (c == '"')
                record += '"';
            record += c;
        }
        record += '"';
    }
    return record;
}

std::string delimitedText(const std::vector<std::vector<std::string>>& records, char delimiter,
                          std::string_view lineEnd)
{
    std::string text;
    for (const auto& record : records) {
        text += delimitedRecord(record, delimiter);
        text += lineEnd;
    }
    return text;
}

}  // namespace kvor
