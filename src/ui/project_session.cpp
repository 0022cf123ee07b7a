#include "ui/project_session.h"

#include "evaluation/evaluation_run.h"
#include "model/slots.h"
#include "results/group_sums.h"
#include "tendons/parabolic_store.h"

#include <utility>

namespace kvor::ui {

ProjectSession::ProjectSession(QObject* parent) : QObject(parent)
{
    connect(this, &ProjectSession::slotStored, this, &ProjectSession::markModified);
    connect(this, &ProjectSession::loadsChanged, this, &ProjectSession::markModified);
}

void ProjectSession::setModified(bool modified)
{
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

void ProjectSession::markModified()
{
    setModified(true);
}

void ProjectSession::saveProject(SaveVariant variant, const std::filesystem::path& file, char decimalSeparator)
{
    saveProjectAs(project_, variant, file, decimalSeparator);
    std::error_code failed;
    const std::filesystem::path absolute = std::filesystem::absolute(file, failed);
    projectFile_ = failed ? file : absolute;
    project_.fileName = file.filename().string();
    setModified(false);
    emit projectSaved(QString::fromStdString(projectFile_.string()));
}

QuantitySlot& ProjectSession::quantity(int slot)
{
    return project_.quantities.at(static_cast<size_t>(slot - 1));
}

TendonSlot& ProjectSession::tendon(int slot)
{
    return project_.tendons.at(static_cast<size_t>(slot - 1));
}

void ProjectSession::openProject(LoadedProjectFile&& opened, const std::string& fileName, char decimalSeparator)
{
    if (!opened.hasDataSection) {
        project_.info = std::move(opened.project.info);
        project_.fileName = fileName;
        emit projectReplaced();
        return;
    }
    // Moved into the one project, whose parts the windows hold by reference.
    project_ = std::move(opened.project);
    pendingTables_.reset();
    project_.fileName = fileName;
    std::error_code failed;
    projectFile_ = std::filesystem::absolute(fileName, failed);
    emit projectReplaced();
    // What the windows did to show it is no change of the engineer's.
    setModified(false);
    keepInputForFirstRun(project_, decimalSeparator);
}

void ProjectSession::recoverProject(Project&& recovered, char decimalSeparator)
{
    project_ = std::move(recovered);
    pendingTables_.reset();
    project_.fileName.clear();
    project_.info.readOnly = false;
    projectFile_.clear();
    emit projectReplaced();
    setModified(true);
    keepInputForFirstRun(project_, decimalSeparator);
}

void ProjectSession::proposeCreationDate(std::string date)
{
    project_.info.createdOn = std::move(date);
    emit infoChanged();
}

void ProjectSession::storeInfluenceLine(int slot, const TextTable& entryTable, EntryMode mode,
                                        std::string_view sourceFile, std::string station)
{
    kvor::storeInfluenceLine(quantity(slot), entryTable, mode, sourceFile, std::move(station));
    emit slotStored(SlotKind::Quantity, slot);
}

void ProjectSession::storeGeneratedLine(int slot, const TextTable& entryTable, std::string station,
                                        LineGeneratorParameters generator)
{
    kvor::storeGeneratedLine(quantity(slot), entryTable, std::move(station), std::move(generator));
    emit slotStored(SlotKind::Quantity, slot);
}

void ProjectSession::setLoads(LoadInput loads)
{
    project_.loads = std::move(loads);
    emit loadsChanged();
}

std::optional<Report> ProjectSession::storeTendon(int slot, const StraightTendonInput& input)
{
    auto refusal = kvor::storeTendon(tendon(slot), input);
    if (!refusal) {
        tendon(slot).stressing.reset();
        emit slotStored(SlotKind::Tendon, slot);
    }
    return refusal;
}

std::optional<Report> ProjectSession::storeTendon(int slot, const BrokenTendonInput& input,
                                                  std::optional<TendonStressing> stressing)
{
    auto refusal = kvor::storeTendon(tendon(slot), input);
    if (!refusal) {
        tendon(slot).stressing = std::move(stressing);
        emit slotStored(SlotKind::Tendon, slot);
    }
    return refusal;
}

void ProjectSession::storeParabolicTendon(int slot, TendonType type, TextTable store, std::string_view divisions,
                                          std::optional<TendonStressing> stressing)
{
    kvor::storeParabolicTendon(tendon(slot), type, std::move(store), divisions);
    tendon(slot).stressing = std::move(stressing);
    emit slotStored(SlotKind::Tendon, slot);
}

EvaluationStart ProjectSession::prepareEvaluation(char decimalSeparator) const
{
    return kvor::prepareEvaluation(project_, decimalSeparator);
}

void ProjectSession::refreshStaleInput(const StaleInput& stale, char decimalSeparator)
{
    for (int k : stale.lines) {
        kvor::refreshStaleInput(project_, {{k}, {}}, decimalSeparator);
        emit slotStored(SlotKind::Quantity, k);
    }
    for (int t : stale.tendons) {
        kvor::refreshStaleInput(project_, {{}, {t}}, decimalSeparator);
        emit slotStored(SlotKind::Tendon, t);
    }
}

void ProjectSession::evaluate(char decimalSeparator)
{
    try {
        evaluateKeepingGroup(project_, decimalSeparator, &pendingTables_);
    } catch (...) {
        // Announced from the handler, not while unwinding: a window that
        // fails to show the partial results must not end the program.
        emit resultsChanged();
        throw;
    }
    emit resultsChanged();
}

void ProjectSession::formTendonTables()
{
    if (!pendingTables_)
        return;
    pendingTables_->formInto(project_.results);
    pendingTables_.reset();
}

void ProjectSession::returnToInput()
{
    kvor::returnToInput(project_.results);
    emit resultsChanged();
}

void ProjectSession::chooseGroupTendon(int t, bool ticked)
{
    project_.results.group.at(static_cast<size_t>(t)) = ticked;
    emit groupChanged();
}

void ProjectSession::sumGroup(char decimalSeparator)
{
    try {
        computeGroupSums(project_, decimalSeparator);
    } catch (...) {
        emit groupChanged();  // the sums formed before the failure are shown too
        throw;
    }
    emit groupChanged();
}

void ProjectSession::setCheckInput(const CheckInput& input)
{
    if (project_.check == input)
        return;
    project_.check = input;
    emit checkInputChanged();
}

}  // namespace kvor::ui
