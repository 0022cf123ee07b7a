#pragma once
// The stress check of the checked sections at transfer and in service
// (EN 1992-1-1, 5.10.2.2 and 7.2): for every evaluated bending-moment quantity
// whose section station X is known, the prestress of "Napětí v průřezu"
// combined with the loads' effects on the quantity, the fibre stresses against
// the code's limits.
//
// Prestress: P_t and M_t of tendon t at X are the normal force and the total
// moment (primary and secondary) that the section check takes from the stored,
// initial forces; in service each is reduced by its long-term loss,
// λ_t = 1 − loss_t/100 (1 for a tendon without stressing data).
//
// Rows, Mext from the effects on the quantity:
//   po předpětí            P = Σ P_t,      Mp = Σ M_t,      Mext = G0
//   charakteristická max   P = Σ λ_t·P_t,  Mp = Σ λ_t·M_t,  Mext = G0 + G1 + Q+ + T+
//   charakteristická min                                    Mext = G0 + G1 + Q− + T−
//   kvazistálá max                                          Mext = G0 + G1 + ψ2·(Q+ + T+)
//   kvazistálá min                                          Mext = G0 + G1 + ψ2·(Q− + T−)
// σ_h = (P/A + (Mp + Mext)·e_h/I)/1000 and σ_d likewise [MPa], tension
// positive (the signs of the section check). Limits:
//   transfer          −0,6·f_ck(t) ≤ σ ≤ f_ctm(t)
//   characteristic    −0,6·f_ck    ≤ σ ≤ f_ctm
//   quasi-permanent   −0,45·f_ck   ≤ σ ≤ 0   (decompression: no tension at all,
//                                            simpler than the code's check at the
//                                            tendon and on the safe side)
// A row passes when both fibres lie within its limits; a stress beyond a limit
// by less than 10⁻⁹ MPa (the rounding of the sums) still passes.
//
// Utilisation of a row: for each fibre the stress over the limit on its side
// (σ/σ_min in compression, σ/σ_max in tension), the larger of the two fibres;
// 1 is the limit reached. A tension against the quasi-permanent limit 0 has no
// such ratio: the row then reports the tension itself, the excess over the
// limit in MPa, besides the ratio of the other fibre.

#include "check/check_input.h"
#include "loads/load_effects.h"
#include "model/project.h"
#include "model/text_table.h"
#include "prestress/section_prestress.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kvor {

enum class CheckRow { Transfer, CharacteristicMax, CharacteristicMin, QuasiPermanentMax, QuasiPermanentMin };
inline constexpr size_t kCheckRowCount = 5;

// "po předpětí", "charakteristická max", … in the order of CheckRow.
extern const std::array<const char*, kCheckRowCount> kCheckRowNames;
// The columns of a check table: "kombinace", "Mext [kNm]", … "výsledek".
extern const std::array<const char*, 9> kStressCheckHeadings;
inline constexpr const char* kPassesText = "vyhovuje";
inline constexpr const char* kFailsText = "nevyhovuje";

// What is said under every check table.
extern const char* const kStressCheckNote;

// The prestress at a section: the sum of the tendons' normal forces [kN] and
// total moments [kNm], initial and after the long-term losses.
struct CheckPrestress {
    long double force = 0;
    long double moment = 0;
    long double longTermForce = 0;
    long double longTermMoment = 0;
};

struct StressCheckRow {
    long double externalMoment = 0;   // Mext [kNm]
    long double normalForce = 0;      // P [kN]
    long double prestressMoment = 0;  // Mp [kNm]
    long double stressTop = 0;        // σ_h [MPa]
    long double stressBottom = 0;     // σ_d [MPa]
    long double limitMin = 0;         // σ_min [MPa]
    long double limitMax = 0;         // σ_max [MPa]
    bool passes = false;
    long double utilisation = 0;            // the larger fibre's σ/σ_lim, 0 without a ratio
    std::optional<long double> tension;     // tension against the limit 0 [MPa]
};
using StressCheckRows = std::array<StressCheckRow, kCheckRowCount>;

// The five rows from the prestress, the loads' effects on the quantity, the
// concrete and the section.
StressCheckRows stressCheckRows(const CheckPrestress& prestress, const LoadEffects& loads, const CheckValues& concrete,
                                const SectionValues& section);

struct StressCheckTable {
    int quantity = 0;  // 0-based slot
    std::string station;
    SectionValues section{};
    StressCheckRows rows{};

    bool passes() const;
};

// Every check of the last evaluation in slot order, or only the one message
// that names everything missing (no table): an evaluated bending moment with
// its station X, the section values, the loads, f_ck and f_ctm. Throws
// kvor::Error for a fault of the inputs (its check's message), a text that is
// no number, and overflow.
struct StressChecks {
    std::string message;
    std::vector<StressCheckTable> tables;
};
StressChecks stressChecks(const Project& project, char decimalSeparator);

// The rows of each kind that govern the picture: the transfer row, the worse
// characteristic and the worse quasi-permanent row (a failing row before a
// passing one, then the larger tension, then the larger utilisation).
std::array<CheckRow, 3> governingRows(const StressCheckTable& table);

// The utilisation as shown: "0,85", "tah 0,3 MPa" or both ("tah 0,3 MPa; 1,2").
std::string utilisationText(const StressCheckRow& row, char decimalSeparator);

// A check table as text: row 0 the headings, then the five rows; with
// `withUtilisation` a last column "využití".
TextTable stressCheckTextTable(const StressCheckTable& table, char decimalSeparator, bool withUtilisation);

// The overall verdict of one quantity: "Průřez v X = 17 m vyhovuje." or
// "Průřez v X = 17 m nevyhovuje: charakteristická min, kvazistálá max."
std::string stressCheckVerdict(const StressCheckTable& table);

}  // namespace kvor
