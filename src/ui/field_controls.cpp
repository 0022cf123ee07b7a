#include "ui/field_controls.h"

namespace kvor::ui {

const char* controlName(Field field)
{
    // Slot runs: the quantity rows' "Zadat" BitBtn4..8, the tendon rows' type
    // boxes ComboBox6..10 and "Zadat" BitBtn22..26.
    static constexpr const char* kQuantityLines[] = {"BitBtn4", "BitBtn5", "BitBtn6", "BitBtn7", "BitBtn8"};
    static constexpr const char* kTendonTypes[] = {"ComboBox6", "ComboBox7", "ComboBox8", "ComboBox9", "ComboBox10"};
    static constexpr const char* kTendonDefinitions[] = {"BitBtn22", "BitBtn23", "BitBtn24", "BitBtn25", "BitBtn26"};
    const auto inRun = [field](Field first) {
        const int k = static_cast<int>(field) - static_cast<int>(first);
        return k >= 0 && k < 5 ? k : -1;
    };
    if (const int k = inRun(Field::QuantityLine1); k >= 0)
        return kQuantityLines[k];
    if (const int k = inRun(Field::TendonType1); k >= 0)
        return kTendonTypes[k];
    if (const int k = inRun(Field::TendonDefinition1); k >= 0)
        return kTendonDefinitions[k];

    switch (field) {
    // The main window's structure page.
    case Field::BeamLength: return "Edit6";
    case Field::MemberLengths: return "StringGrid1";
    case Field::SectionArea: return "Edit7";
    case Field::SectionInertia: return "Edit8";
    case Field::SectionBottomFibre: return "Edit9";
    case Field::SectionTopFibre: return "Edit10";
    case Field::SectionDimension1: return "Edit11";
    case Field::SectionDimension2: return "Edit12";
    case Field::SectionDimension3: return "Edit13";
    case Field::SectionDimension4: return "Edit14";
    // The influence-line dialog.
    case Field::LineEntryMode: return "RadioGroup1";
    case Field::LinePoints: return "StringGrid1";
    case Field::LineSectionStation: return "Edit6";
    case Field::GeneratorStation: return "Edit3";
    case Field::GeneratorStep: return "Edit4";
    case Field::GeneratorModulus: return "Edit5";
    case Field::GeneratorCommand: return "BitBtn4";
    // The tendon dialog.
    case Field::StraightFirstStation: return "Edit1";
    case Field::StraightSecondStation: return "Edit2";
    case Field::StraightEccentricity: return "Edit3";
    case Field::StraightForce: return "Edit4";
    case Field::BrokenPoints: return "StringGrid1";
    case Field::BrokenForces: return "StringGrid2";
    case Field::ParabolaFirstStation: return "Edit6";
    case Field::ParabolaFirstEccentricity: return "Edit7";
    case Field::ParabolaSecondStation: return "Edit8";
    case Field::ParabolaSecondEccentricity: return "Edit9";
    case Field::ParabolaMidEccentricity: return "Edit10";
    case Field::ParabolaForce: return "Edit11";
    case Field::ParabolaDivisions: return "Edit12";
    case Field::ParabolaPointCount: return "Edit13";
    case Field::ParabolaPoints: return "StringGrid3";
    case Field::ParabolaSegments: return "StringGrid4";
    case Field::ParabolaTableDivisions: return "Edit14";
    // The stressing window of the tendon dialog.
    case Field::StressingEnd: return "RadioGroup3";
    case Field::StressingJackingForce: return "Edit15";
    case Field::StressingFriction: return "Edit16";
    case Field::StressingWobble: return "Edit17";
    case Field::StressingSet: return "Edit18";
    case Field::StressingModulus: return "Edit19";
    case Field::StressingArea: return "Edit20";
    case Field::StressingLoss: return "Edit21";
    case Field::StressingStrength: return "Edit22";
    case Field::StressingCommand: return "BitBtn6";
    // The loads window.
    case Field::LoadSelfWeight: return "Edit1";
    case Field::LoadPermanent: return "Edit2";
    case Field::LoadVariable: return "Edit3";
    case Field::AxleCount: return "Edit4";
    case Field::AxleTable: return "StringGrid1";
    // The stress check window.
    case Field::CheckStrength: return "Edit1";
    case Field::CheckTensileStrength: return "Edit2";
    case Field::CheckStrengthAtTransfer: return "Edit3";
    case Field::CheckTensileStrengthAtTransfer: return "Edit4";
    case Field::CheckPsi2: return "Edit5";
    default: return nullptr;
    }
}

}  // namespace kvor::ui
