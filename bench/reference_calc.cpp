// kvor_reference_calc [--group LIST] [--tables] FILE: the yardstick of kvor-calc.
//
// The same rules written plainly: the project file is read by the core's reader,
// then every table is a vector of rows of std::string, every number is rounded
// to 15 significant digits through snprintf("%.14Le") and formed into its text,
// every re-read value is parsed back with strtold, and the lookups use the
// prefix maximum of the stations and bisection. Only what the benchmark project
// holds is covered: broken tendons and valid numbers. The output has the layout
// of kvor-calc, so the two can be compared byte for byte.
#include "results/project_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Table = std::vector<std::vector<std::string>>;

char sep = ',';

// General format with 15 significant digits, the digits from snprintf.
std::string format15(long double x)
{
    if (x == 0)
        return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", x);
    const bool negative = buf[0] == '-';
    std::string digits;
    const char* p = buf + (negative ? 1 : 0);
    for (; *p != 'e'; ++p)
        if (*p != '.')
            digits += *p;
    const int e = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int count = static_cast<int>(digits.size());
    std::string out;
    if (negative)
        out.push_back('-');
    if (e < -4 || e >= 15) {
        out.push_back(digits[0]);
        if (count > 1) {
            out.push_back(sep);
            out.append(digits, 1);
        }
        out.push_back('E');
        out.append(std::to_string(e));
    } else if (e >= 0) {
        if (count <= e + 1) {
            out.append(digits);
            out.append(static_cast<size_t>(e + 1 - count), '0');
        } else {
            out.append(digits, 0, static_cast<size_t>(e + 1));
            out.push_back(sep);
            out.append(digits, static_cast<size_t>(e + 1));
        }
    } else {
        out.push_back('0');
        out.push_back(sep);
        out.append(static_cast<size_t>(-e - 1), '0');
        out.append(digits);
    }
    return out;
}

long double parse(const std::string& text)
{
    std::string t = text;
    std::replace(t.begin(), t.end(), sep, '.');
    char* end = nullptr;
    const long double v = std::strtold(t.c_str(), &end);
    if (t.empty() || *end != '\0') {
        std::fprintf(stderr, "'%s' is not a valid floating point value\n", text.c_str());
        std::exit(1);
    }
    return v;
}

// A computed value written as its text; returns what re-reading the text gives.
long double write(std::string& cell, long double x)
{
    cell = format15(x);
    return parse(cell);
}

struct Index {
    std::vector<long double> station, prefixMax, value;
    explicit Index(const Table& t)
    {
        for (size_t r = 1; r < t.size(); ++r) {
            station.push_back(parse(t[r][0]));
            prefixMax.push_back(prefixMax.empty() ? station.back() : std::max(prefixMax.back(), station.back()));
            value.push_back(parse(t[r][1]));
        }
    }
    long double at(long double x) const
    {
        const size_t j = static_cast<size_t>(std::lower_bound(prefixMax.begin(), prefixMax.end(), x) - prefixMax.begin());
        if (j == prefixMax.size()) {
            std::fprintf(stderr, "'' is not a valid floating point value\n");
            std::exit(1);
        }
        if (j == 0)
            return value[0];
        const long double slope = (value[j] - value[j - 1]) / (station[j] - station[j - 1]);
        return slope * (x - station[j - 1]) + value[j - 1];
    }
};

Table tableOf(const kvor::TextTable& t)
{
    Table out(static_cast<size_t>(t.rowCount()));
    for (int r = 0; r < t.rowCount(); ++r)
        for (int c = 0; c < t.colCount(); ++c)
            out[static_cast<size_t>(r)].emplace_back(t.cell(r, c));
    return out;
}

Table derivatives(const Table& line)
{
    const size_t n = line.size() - 1;
    Table d(line.size(), std::vector<std::string>(2));
    d[0] = {"Staničení", "Derivace příč.č."};
    const auto slope = [&](size_t a, size_t b) {
        return (parse(line[a][1]) - parse(line[b][1])) / (parse(line[a][0]) - parse(line[b][0]));
    };
    for (size_t i = 1; i <= n; ++i) {
        d[i][0] = line[i][0];
        write(d[i][1], i == 1 ? slope(2, 1) : i == n ? slope(n, n - 1) : slope(i + 1, i - 1));
    }
    return d;
}

// Columns 4 to 6 of a broken tendon's tables: the same for every quantity.
struct Loads {
    std::vector<std::string> v, h, m;
    std::vector<long double> vertical, moment;
};

Loads formLoads(const Table& points)
{
    const size_t n = points.size() - 1;
    std::vector<long double> x(n + 2), e(n + 2), sinA(n + 2), cosA(n + 2);
    for (size_t i = 1; i <= n; ++i) {
        x[i] = parse(points[i][0]);
        e[i] = parse(points[i][1]);
    }
    for (size_t k = 1; k < n; ++k) {
        const long double alpha = atan2l(e[k] - e[k + 1], x[k + 1] - x[k]);
        sinA[k] = sinl(alpha);
        cosA[k] = cosl(alpha);
    }
    Loads l;
    l.v.resize(n + 1);
    l.h.resize(n + 1);
    l.m.resize(n + 1);
    l.vertical.resize(n + 1);
    l.moment.resize(n + 1);
    const auto force = [&](size_t i) { return parse(points[i][2]); };
    for (size_t i = 1; i <= n; ++i) {
        long double v, h;
        if (i == 1) {
            v = force(1) * sinA[1];
            h = force(1) * cosA[1];
        } else if (i < n) {
            v = force(i) * sinA[i] - force(i - 1) * sinA[i - 1];
            h = force(i) * cosA[i] - force(i - 1) * cosA[i - 1];
        } else {
            v = -force(n) * sinA[n - 1];
            h = -force(n) * cosA[n - 1];
        }
        l.vertical[i] = write(l.v[i], v);
        const long double hh = write(l.h[i], h);
        l.moment[i] = e[i] * hh;
        write(l.m[i], l.moment[i]);
    }
    return l;
}

long double brokenEffect(const Table& points, const Loads& loads, const Index& line, const Index& slopes, Table& table)
{
    const size_t n = points.size() - 1;
    table.assign(n + 1, std::vector<std::string>(9));
    table[0] = {"Bod", "Staničení", "Excentricita", "Předp.síla", "Svislá síla",
                "Vodorovná síla", "Moment", "Příč.čára", "Derivace př.čáry"};
    long double effect = 0;
    for (size_t i = 1; i <= n; ++i) {
        std::vector<std::string>& row = table[i];
        const long double x = parse(points[i][0]);
        const long double eta = write(row[7], line.at(x));
        const long double d = write(row[8], slopes.at(x));
        row[0] = std::to_string(i);
        row[1] = points[i][0];
        row[2] = points[i][1];
        row[3] = points[i][2];
        row[4] = loads.v[i];
        row[5] = loads.h[i];
        row[6] = loads.m[i];
        effect += d * loads.moment[i] + loads.vertical[i] * eta;
    }
    return effect;
}

std::string field(std::string text)
{
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return text;
}

void printTable(std::string& out, const Table& t)
{
    for (const auto& row : t) {
        for (size_t c = 0; c < row.size(); ++c) {
            if (c)
                out += '\t';
            out += field(row[c]);
        }
        out += '\n';
    }
}

}  // namespace

int main(int argc, char** argv)
{
    bool tables = false, groupGiven = false;
    bool group[5] = {};
    const char* file = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--tables") {
            tables = true;
        } else if (a == "--group" && i + 1 < argc) {
            groupGiven = true;
            std::stringstream list(argv[++i]);
            for (std::string item; std::getline(list, item, ',');)
                group[std::atoi(item.c_str()) - 1] = true;
        } else {
            file = argv[i];
        }
    }
    if (!file) {
        std::fprintf(stderr, "usage: kvor_reference_calc [--group LIST] [--tables] FILE\n");
        return 2;
    }
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t at = bytes.find("\r\nseparator\t");
    if (at != std::string::npos)
        sep = bytes[at + 12];
    const auto loaded = kvor::decodeProjectFile(bytes, sep);
    if (!loaded || !loaded->hasDataSection) {
        std::fprintf(stderr, "no project with a data section\n");
        return 1;
    }
    const kvor::Project& p = loaded->project;

    std::vector<Table> points(5);
    std::vector<Loads> loads(5);
    for (int t = 0; t < 5; ++t) {
        if (!p.tendons[t].entered())
            continue;
        if (p.tendons[t].type != kvor::TendonType::Broken) {
            std::fprintf(stderr, "the reference evaluates broken tendons only\n");
            return 1;
        }
        points[t] = tableOf(p.tendons[t].points);
        loads[t] = formLoads(points[t]);
    }
    std::string out, tableText;
    std::vector<std::vector<std::string>> values(5, std::vector<std::string>(5, "###"));
    for (int q = 0; q < 5; ++q) {
        const kvor::QuantitySlot& quantity = p.quantities[q];
        if (!quantity.entered())
            continue;
        const Table line = tableOf(quantity.line);
        const Table slopes = derivatives(line);
        const Index lineIndex(line), slopeIndex(slopes);
        if (tables) {
            tableText += "[derivace]\t" + std::to_string(q + 1) + "\n";
            printTable(tableText, slopes);
        }
        for (int t = 0; t < 5; ++t) {
            if (!p.tendons[t].entered())
                continue;
            Table table;
            values[q][t] = format15(brokenEffect(points[t], loads[t], lineIndex, slopeIndex, table));
            if (tables) {
                tableText += "[kabel]\t" + std::to_string(q + 1) + "\t" + std::to_string(t + 1) + "\n";
                printTable(tableText, table);
            }
        }
    }
    std::string sums = "skupina";
    for (int q = 0; q < 5; ++q) {
        const kvor::QuantitySlot& quantity = p.quantities[q];
        out += std::to_string(q + 1);
        if (!quantity.entered()) {
            out += "\tVeličina nebyla vyhodnocována!\n";
            sums += "\t###";
            continue;
        }
        const auto kind = kvor::quantityKindOf(quantity.kindText);
        out += "\t" + field("- " + quantity.kindText) + "\t" + field(quantity.description) + "\t" +
               (quantity.kindText.empty() ? "[-]" : kind == kvor::QuantityKind::None ? "[kNm]"
                                                  : kvor::kQuantityKindUnits[static_cast<size_t>(kind)]);
        long double sum = 0;
        for (int t = 0; t < 5; ++t) {
            out += "\t" + values[q][t];
            if (group[t] && p.tendons[t].entered())
                sum += parse(values[q][t]);
        }
        out += '\n';
        sums += "\t" + format15(sum);
    }
    if (groupGiven)
        out += sums + "\n";
    out += tableText;
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
