#pragma once
// The one project of a run: every window is a view of it. Values typed by the
// user are held as the texts that were typed; computed values as their
// formatted texts (general format, 15 significant digits).

#include "model/text_table.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kvor {

constexpr int kSlotCount = 5;  // quantity slots and tendon slots, numbered 1 to 5

enum class BeamKind { Simple = 0, Continuous = 1 };
enum class SectionType { Rectangle = 0, Square = 1, TSection = 2, InvertedTSection = 3, General = 4 };
enum class SlotStatus { NotEntered, Entered };
enum class EntryMode { None = -1, Manual = 0, FromFile = 1, Generated = 2 };
enum class TendonType { None = -1, Straight = 0, Broken = 1, SimpleParabolic = 2, CompositeParabolic = 3, Combined = 4 };
enum class QuantityKind { None = -1, BendingMoment = 0, ShearForce = 1, Reaction = 2, Deflection = 3, Rotation = 4 };

struct ProjectInfo {
    std::string name;
    std::string description;
    std::string author;
    std::string createdOn;  // free text; today's date in the locale's short format at start
    bool readOnly = false;  // the four texts came from a project file
};

struct BeamModel {
    BeamKind kind = BeamKind::Simple;
    std::string length;                 // L of a simple beam, metres
    std::string memberCountText = "2";  // text of the count field (2 to 15 by the spinner)
    TextTable members;                  // row 0 headings; rows 1..n: number, length [m]
    // Lengths of the rows a lower member count took away, at index member - 1:
    // a higher count shows them again, as a grid keeps its cells. Not saved.
    std::vector<std::string> lengthsPutAside;

    BeamModel();
};

struct CrossSection {
    SectionType type = SectionType::Rectangle;
    std::array<std::string, 4> dimensions;  // b, h / a / b1, b2, h1, h2 by the type, metres
    std::string area;     // A [m2]
    std::string inertia;  // I [m4]
    std::string eBottom;  // e_d [m], positive: bottom fibres lie below the centroid
    std::string eTop;     // e_h [m], negative: top fibres lie above the centroid
    bool valuesEditable = false;  // set once "obecný" was chosen; never cleared in a run
};

// How a generated influence line was made: the kind as kvor-il spells it
// ("M", "V", "R", "w", "fi"), the step H [m] and, for "w" and "fi", the
// modulus of elasticity E [MPa]; number texts as typed.
struct LineGeneratorParameters {
    std::string kind;
    std::string step;
    std::string modulus;

    bool operator==(const LineGeneratorParameters&) const = default;
};

// What a quantity slot and a tendon slot both keep: whether the slot is in
// use, whether a definition is stored, and whether its chart is drawn.
struct SlotState {
    bool shown = false;
    SlotStatus status = SlotStatus::NotEntered;
    bool draw = false;  // "Kreslit graf" / "Kreslit kabel"; enabled exactly while the slot is entered

    bool entered() const { return shown && status == SlotStatus::Entered; }
    bool storeMark() const { return status == SlotStatus::Entered; }
    bool drawEnabled() const { return status == SlotStatus::Entered; }
};

struct QuantitySlot : SlotState {
    std::string description;
    std::string kindText;
    TextTable line;          // store table: row 0 headings, rows 1..n station, ordinate
    EntryMode entryMode = EntryMode::None;
    std::string sourceFile;
    std::string station;                  // X [m] of the line's section; empty when not known
    LineGeneratorParameters generator;    // set while entryMode is Generated

    QuantitySlot();
};

// How a post-tensioned tendon is stressed, as typed (types 1 to 4): from which
// end ("L" its first point, "R" its last, "LR" both), the jacking force P0
// [kN], the friction coefficient μ, the unintended angular displacement k
// [rad/m], the anchorage set Δs [mm], the strand's E_p [MPa] and A_p [mm²],
// the long-term losses [%] and the characteristic strength f_pk [MPa].
struct TendonStressing {
    std::string end;
    std::string jackingForce;
    std::string friction;
    std::string wobble;
    std::string anchorageSet;
    std::string modulus;
    std::string area;
    std::string longTermLoss;
    std::string strength;

    bool operator==(const TendonStressing&) const = default;
};

struct TendonSlot : SlotState {
    std::string name;
    std::string typeText;
    TendonType type = TendonType::None;
    TextTable points;       // store table: row 0 headings, rows 1..n station, eccentricity, force
                            // (types 2 to 4 add column 3, the mid-eccentricity of the segment from row r)
    std::string divisions;  // types 2 to 4: D, the chords each parabolic segment becomes
    // Set when the forces were computed from stressing; forces typed by hand have none.
    std::optional<TendonStressing> stressing;

    TendonSlot();
    bool typeBoxEnabled() const { return status != SlotStatus::Entered; }
};

// The loads placed on the influence lines, as typed: the self-weight g0, the
// other permanent load g1 and the uniform variable load q [kN/m] (an empty
// text counts 0), and the moving group of axle loads F_i [kN] at distances
// a_i [m] from the first axle.
struct LoadInput {
    std::string selfWeight;  // g0
    std::string permanent;   // g1
    std::string variable;    // q
    TextTable axles;         // row 0 headings; rows 1..n: F [kN], a [m]

    LoadInput();
    int axleCount() const { return axles.rowCount() > 0 ? axles.rowCount() - 1 : 0; }
    // Whether anything was entered: a load text or an axle.
    bool entered() const { return !selfWeight.empty() || !permanent.empty() || !variable.empty() || axleCount() > 0; }
};

// The concrete and the combination factor of the stress check, as typed: the
// characteristic strength f_ck and the mean tensile strength f_ctm [MPa], the
// same at transfer f_ck(t) and f_ctm(t) (an empty text: equal to f_ck and
// f_ctm), and ψ2 of the variable loads (an empty text: 0).
struct CheckInput {
    std::string strength;                   // f_ck
    std::string tensileStrength;            // f_ctm
    std::string strengthAtTransfer;         // f_ck(t)
    std::string tensileStrengthAtTransfer;  // f_ctm(t)
    std::string psi2;                       // ψ2

    bool operator==(const CheckInput&) const = default;
    // Whether anything was entered.
    bool entered() const { return *this != CheckInput{}; }
};

// What a quantity's block of the result window shows.
enum class BlockState { Initial, Evaluated, NotEvaluated };

struct EvaluationResult {
    std::array<BlockState, kSlotCount> block{};
    std::array<std::string, kSlotCount> caption;
    std::array<std::string, kSlotCount> comment;
    std::array<std::string, kSlotCount> unit;
    std::array<std::array<std::string, kSlotCount>, kSlotCount> value;  // [q][t]
    std::array<bool, kSlotCount> selectable{};  // group box of tendon t enabled
    std::array<bool, kSlotCount> group{};       // group box of tendon t ticked
    std::array<std::string, kSlotCount> groupSum;
    bool saved = false;

    // Working tables of the last run: derivative table per quantity,
    // tendon table per quantity and tendon.
    std::array<TextTable, kSlotCount> derivatives;
    std::array<std::array<TextTable, kSlotCount>, kSlotCount> tendonTables;  // [q][t]
    // Radio group "Typ kabelu" above each tendon column of the tendon tables: -1 none.
    std::array<int, kSlotCount> tendonTableType{};

    EvaluationResult();
    bool evaluated(int q) const { return block[q] == BlockState::Evaluated; }
};

struct Project {
    ProjectInfo info;
    BeamModel beam;
    CrossSection section;
    std::array<QuantitySlot, kSlotCount> quantities;  // index 0 is slot 1
    std::array<TendonSlot, kSlotCount> tendons;
    LoadInput loads;
    CheckInput check;
    EvaluationResult results;
    // The project file this run last opened or saved (a bare name in the
    // working directory); not stored in the file. Names the report by default.
    std::string fileName;

    Project();
};

// Labels of the kind and type boxes, in their order.
extern const std::array<const char*, 5> kQuantityKindLabels;  // "Ohybový moment", ...
extern const std::array<const char*, 5> kQuantityKindUnits;   // "[kNm]", ...
extern const std::array<const char*, 5> kTendonTypeLabels;    // "přímý kabel", ...
extern const std::array<const char*, 5> kTendonTableTypeLabels;  // "přímý kabel", ..., "parabolický prostý"
extern const std::array<const char*, 2> kAxleTableHeadings;       // "Síla F [kN]", "Vzdálenost a [m]"

// The kind whose label equals the text exactly, or None.
QuantityKind quantityKindOf(std::string_view kindText);
// The type whose label equals the text exactly, or None.
TendonType tendonTypeOf(std::string_view typeText);

}  // namespace kvor
