#pragma once
// What a check has to tell the user: a message, a beep before or after it,
// which input is at fault (the windows put the focus on its control), and for
// some commands which part of the input to show.

#include <optional>
#include <string>
#include <vector>

namespace kvor {

enum class Beep { None, BeforeMessage, AfterMessage };

// The inputs a check can name. Runs of alike inputs (the five quantity or
// tendon slots, slot 1 first; the section's dimensions and values in their
// order) are consecutive values (see nthField).
enum class Field {
    None,
    // The beam and its section.
    BeamLength,
    MemberLengths,
    SectionDimension1, SectionDimension2, SectionDimension3, SectionDimension4,
    SectionArea, SectionInertia, SectionBottomFibre, SectionTopFibre,
    // A quantity slot's influence line, a tendon slot's type and definition.
    QuantityLine1, QuantityLine2, QuantityLine3, QuantityLine4, QuantityLine5,
    TendonType1, TendonType2, TendonType3, TendonType4, TendonType5,
    TendonDefinition1, TendonDefinition2, TendonDefinition3, TendonDefinition4, TendonDefinition5,
    // An influence line being entered: how it is entered, its points, the
    // station of the section it belongs to, and the station, step and modulus
    // of a line generated from the beam.
    LineEntryMode,
    LinePoints,
    LineSectionStation,
    GeneratorStation,
    GeneratorStep,
    GeneratorModulus,
    GeneratorCommand,
    // A tendon being entered: straight (two stations, eccentricity, force),
    // broken (points, segment forces), parabolic (ends, mid-eccentricity,
    // force, divisions, points and segments of a composite parabola).
    StraightFirstStation,
    StraightSecondStation,
    StraightEccentricity,
    StraightForce,
    BrokenPoints,
    BrokenForces,
    ParabolaFirstStation,
    ParabolaFirstEccentricity,
    ParabolaSecondStation,
    ParabolaSecondEccentricity,
    ParabolaMidEccentricity,
    ParabolaForce,
    ParabolaDivisions,
    ParabolaPointCount,
    ParabolaPoints,
    ParabolaSegments,
    ParabolaTableDivisions,
    // How a tendon is stressed: the stressing end, the jacking force, friction,
    // wobble, anchorage set, the strand's modulus and area, the long-term
    // losses, its strength, and the command that computes the forces.
    StressingEnd,
    StressingJackingForce,
    StressingFriction,
    StressingWobble,
    StressingSet,
    StressingModulus,
    StressingArea,
    StressingLoss,
    StressingStrength,
    StressingCommand,
    // The loads: the self-weight g0, the other permanent load g1, the uniform
    // variable load q, the number of axles and the axle table (F, a).
    LoadSelfWeight,
    LoadPermanent,
    LoadVariable,
    AxleCount,
    AxleTable,
    // The stress check: f_ck, f_ctm, the same at transfer, and ψ2.
    CheckStrength,
    CheckTensileStrength,
    CheckStrengthAtTransfer,
    CheckTensileStrengthAtTransfer,
    CheckPsi2,
};

// The n-th input (0-based) of a run: nthField(Field::TendonType1, 2) is TendonType3.
constexpr Field nthField(Field first, int n) { return static_cast<Field>(static_cast<int>(first) + n); }

// The parts of the input, in the order the main window shows them as pages.
enum class Page { Info, Structure, InfluenceLines, Tendons };

struct Report {
    std::string message;
    Beep beep = Beep::None;
    Field focus = Field::None;   // the input that gets the focus
    std::optional<Page> page;    // the part of the input to show, if any

    bool operator==(const Report&) const = default;
};

// A check reports nothing, one fault, or (table checks) up to two faults in order.
using Reports = std::vector<Report>;

}  // namespace kvor
