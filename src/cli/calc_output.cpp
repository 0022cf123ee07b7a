#include "cli/calc_output.h"

#include "model/error.h"
#include "model/numbers.h"

#include <cerrno>

namespace kvor {

namespace {

constexpr std::string_view kNotEvaluated = "Veličina nebyla vyhodnocována!";
constexpr size_t kFlushSize = 1 << 20;

void writeTable(OutputLines& out, const TextTable& table)
{
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.colCount(); ++c)
            out.field(table.cell(r, c));
        out.endLine();
    }
}

bool tableOfThisRun(const TendonSlot& tendon)
{
    return tendon.entered() && tendon.type != TendonType::None;
}

}  // namespace

void OutputLines::field(std::string_view text)
{
    if (!lineStart_)
        buffer_ += '\t';
    lineStart_ = false;
    const size_t start = buffer_.size();
    buffer_ += text;
    // One pass over the copied characters: millions of short cells pass here.
    for (size_t i = start; i < buffer_.size(); ++i)
        if (buffer_[i] == '\t' || buffer_[i] == '\r' || buffer_[i] == '\n')
            buffer_[i] = ' ';
}

void OutputLines::endLine()
{
    buffer_ += '\n';
    lineStart_ = true;
    if (buffer_.size() >= kFlushSize)
        flush();
}

void OutputLines::flush()
{
    if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), stream_) != buffer_.size())
        throw Error::fromErrno(errno);
    buffer_.clear();
    if (std::fflush(stream_) != 0)
        throw Error::fromErrno(errno);
}

void writeResultLines(OutputLines& out, const EvaluationResult& results)
{
    for (int q = 0; q < kSlotCount; ++q) {
        out.field(std::to_string(q + 1));
        if (results.evaluated(q)) {
            out.field(results.caption[q]);
            out.field(results.comment[q]);
            out.field(results.unit[q]);
            for (const std::string& value : results.value[q])
                out.field(value);
        } else {
            out.field(kNotEvaluated);
        }
        out.endLine();
    }
}

void writeGroupLine(OutputLines& out, const EvaluationResult& results)
{
    out.field("skupina");
    for (const std::string& sum : results.groupSum)
        out.field(sum);
    out.endLine();
}

void writeWorkingTables(OutputLines& out, const Project& project)
{
    const EvaluationResult& results = project.results;
    for (int q = 0; q < kSlotCount; ++q) {
        if (!results.evaluated(q))
            continue;
        out.field("[derivace]");
        out.field(std::to_string(q + 1));
        out.endLine();
        writeTable(out, results.derivatives[q]);
        for (int t = 0; t < kSlotCount; ++t) {
            if (!tableOfThisRun(project.tendons[t]))
                continue;
            out.field("[kabel]");
            out.field(std::to_string(q + 1));
            out.field(std::to_string(t + 1));
            out.endLine();
            writeTable(out, results.tendonTables[q][t]);
        }
    }
}

namespace {

// The tables of the checked sections under `heading`, each after the line
// heading, quantity, X; or the one line heading, message.
template <class Checks, class TableOf>
void writeCheckedSections(OutputLines& out, const char* heading, const Checks& checks, TableOf tableOf)
{
    if (!checks.message.empty()) {
        out.field(heading);
        out.field(checks.message);
        out.endLine();
        return;
    }
    for (const auto& check : checks.tables) {
        out.field(heading);
        out.field(std::to_string(check.quantity + 1));
        out.field(check.station);
        out.endLine();
        writeTable(out, tableOf(check));
    }
}

}  // namespace

void writeSectionChecks(OutputLines& out, const SectionChecks& checks)
{
    writeCheckedSections(out, "[napětí]", checks,
                         [](const SectionCheckTable& check) { return sectionCheckTextTable(check); });
}

void writeStressChecks(OutputLines& out, const StressChecks& checks, char sep)
{
    writeCheckedSections(out, "[posouzení]", checks,
                         [sep](const StressCheckTable& check) { return stressCheckTextTable(check, sep, false); });
}

void writeLoadEffects(OutputLines& out, const LoadValues& loads, const std::vector<QuantityLoadEffects>& effects,
                      char sep)
{
    out.field("[zatížení]");
    for (long double value : {loads.uniform.selfWeight, loads.uniform.permanent, loads.uniform.variable})
        out.field(formatNumber(value, sep));
    out.field("nápravy");
    out.field(std::to_string(loads.axles.forces.size()));
    out.endLine();
    for (std::string_view heading : {"veličina", "G0", "G1", "Q+", "Q-", "T+", "p+", "d+", "T-", "p-", "d-"})
        out.field(heading);
    out.endLine();
    for (const QuantityLoadEffects& q : effects) {
        out.field(std::to_string(q.slot + 1));
        for (const std::string& text : loadEffectTexts(q.effects, sep))
            out.field(text);
        out.endLine();
    }
}

}  // namespace kvor
