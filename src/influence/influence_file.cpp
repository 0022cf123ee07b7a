#include "influence/influence_file.h"

#include "model/error.h"
#include "model/numbers.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <memory>

#include <sys/stat.h>

namespace kvor {
namespace {

constexpr char kEndOfFile = '\x1a';
constexpr long long kMaxRowCount = std::numeric_limits<int>::max();

bool isSeparator(char c) { return static_cast<unsigned char>(c) <= 32; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Advances `i` over a run of digits; true when there was at least one.
bool skipDigits(std::string_view text, std::size_t& i)
{
    const std::size_t begin = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i > begin;
}

// [+-]digits[.digits][(E|e)[+-]digits], nothing else.
bool hasFileNumberSyntax(std::string_view token)
{
    std::size_t i = 0;
    if (i < token.size() && (token[i] == '+' || token[i] == '-'))
        ++i;
    if (!skipDigits(token, i))
        return false;
    if (i < token.size() && token[i] == '.') {
        ++i;
        if (!skipDigits(token, i))
            return false;
    }
    if (i < token.size() && (token[i] == 'E' || token[i] == 'e')) {
        ++i;
        if (i < token.size() && (token[i] == '+' || token[i] == '-'))
            ++i;
        if (!skipDigits(token, i))
            return false;
    }
    return i == token.size();
}

void writeEntryHeadings(TextTable& table)
{
    if (table.colCount() < 2)
        table.setColCount(2);
    if (table.rowCount() < 1)
        table.setRowCount(1);
    table.setCell(0, 0, kEntryStationHeading);
    table.setCell(0, 1, kEntryOrdinateHeading);
}

// Writes the values of `content` into the table; the headings are already there.
void fillEntryRows(std::string_view content, TextTable& table, char sep)
{
    // Sizing the table once up front keeps a large file from regrowing it pair by pair.
    const int formerRowCount = table.rowCount();
    long long tokenCount = 0;
    for (InfluenceFileTokens counter(content); counter.next();) {
        if (++tokenCount > kMaxInfluenceFileValues)
            throw Error("Soubor obsahuje více než " + std::to_string(kMaxInfluenceFileValues) +
                        " čísel, příčinkovou čáru z něj nelze načíst");
    }
    const long long pairsAtMost = tokenCount / 2;
    if (pairsAtMost >= table.rowCount())
        table.setRowCount(static_cast<int>(std::min<long long>(pairsAtMost + 1, kMaxRowCount)));

    InfluenceFileTokens tokens(content);
    long long valueCount = 0;
    int pairCount = 0;
    std::string station;  // odd value waiting for its ordinate
    // The row count follows the complete pairs once a value has been read.
    const auto settleRowCount = [&] { table.setRowCount(valueCount > 0 ? pairCount + 1 : formerRowCount); };
    while (const auto token = tokens.next()) {
        const auto value = parseFileNumber(*token);
        if (!value) {
            settleRowCount();
            throw Error::invalidNumericInput();
        }
        ++valueCount;
        std::string text = formatNumber(*value, sep);
        if (valueCount % 2 == 1) {
            station = std::move(text);
            continue;
        }
        ++pairCount;
        if (table.rowCount() <= pairCount)
            table.setRowCount(pairCount + 1);
        table.setCell(pairCount, 0, std::move(station));
        table.setCell(pairCount, 1, std::move(text));
    }
    settleRowCount();
}

std::string readWholeFile(const std::string& path)
{
    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        throw Error::fromErrno(errno);
    // A directory opens for reading on POSIX systems; refuse it as the runtime would.
    struct stat info {};
    if (fstat(fileno(file.get()), &info) != 0)
        throw Error::fromErrno(errno);
    if (S_ISDIR(info.st_mode))
        throw Error::fromErrno(EISDIR);
    // Checked again while reading: a device or a growing file has no fixed size.
    const auto tooLarge = [] {
        return Error("Soubor je větší než " + std::to_string(kMaxInfluenceFileBytes >> 20) +
                     " MB, příčinkovou čáru z něj nelze načíst");
    };
    if (S_ISREG(info.st_mode) && static_cast<unsigned long long>(info.st_size) > kMaxInfluenceFileBytes)
        throw tooLarge();
    std::string content;
    if (S_ISREG(info.st_mode) && info.st_size > 0)
        content.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[1 << 16];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        if (content.size() + got > kMaxInfluenceFileBytes)
            throw tooLarge();
        content.append(buffer, got);
    }
    if (std::ferror(file.get()))
        throw Error::fromErrno(errno);
    return content;
}

}  // namespace

InfluenceFileTokens::InfluenceFileTokens(std::string_view content)
    : rest_(content.substr(0, content.find(kEndOfFile)))
{
}

std::optional<std::string_view> InfluenceFileTokens::next()
{
    std::size_t i = 0;
    while (i < rest_.size() && isSeparator(rest_[i]))
        ++i;
    if (i == rest_.size()) {
        rest_ = {};
        return std::nullopt;
    }
    const std::size_t begin = i;
    while (i < rest_.size() && i - begin < kMaxFileNumberLength && !isSeparator(rest_[i]))
        ++i;
    const std::string_view token = rest_.substr(begin, i - begin);
    rest_.remove_prefix(i);
    return token;
}

std::optional<long double> parseFileNumber(std::string_view token)
{
    if (!hasFileNumberSyntax(token))
        return std::nullopt;
    return parseNumber(token, '.');
}

void readInfluenceText(std::string_view content, TextTable& entryTable, char sep)
{
    writeEntryHeadings(entryTable);
    fillEntryRows(content, entryTable, sep);
}

void readInfluenceFile(const std::string& path, TextTable& entryTable, char sep)
{
    writeEntryHeadings(entryTable);
    const std::string content = readWholeFile(path);
    fillEntryRows(content, entryTable, sep);
}

}  // namespace kvor
