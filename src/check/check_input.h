#pragma once
// The concrete and the combination factor of the stress check as the engineer
// enters them (CheckInput of the project): the strength classes of EN 1992-1-1
// Table 3.1 that fill f_ck and f_ctm, the checks run when the focus leaves a
// field, and the inputs as numbers for the check.
//
// f_ck, f_ctm, f_ck(t) and f_ctm(t) [MPa] are numbers above 0; f_ck(t) and
// f_ctm(t) left empty equal f_ck and f_ctm. ψ2 lies in [0, 1], empty counting 0.

#include "model/project.h"
#include "model/report.h"

#include <array>
#include <optional>
#include <string>

namespace kvor {

// A strength class with f_ck and f_ctm [MPa] as texts with a decimal point.
struct ConcreteClass {
    const char* name;  // "C30/37"
    const char* strength;
    const char* tensileStrength;
};
// C20/25 to C50/60 (EN 1992-1-1, Table 3.1).
extern const std::array<ConcreteClass, 7> kConcreteClasses;

// Fills f_ck and f_ctm from class `index` of kConcreteClasses, with `sep`.
void setConcreteClass(CheckInput& input, size_t index, char sep);
// The class whose f_ck and f_ctm the input holds, if any.
std::optional<size_t> concreteClassOf(const CheckInput& input, char sep);

// The check when the focus leaves one of the five fields (Field CheckStrength
// … CheckPsi2): empty, or a number in its range. A fault puts the focus back
// and beeps after its message.
std::optional<Report> checkCheckField(const CheckInput& input, Field field, char sep);

// Every field at once, the first fault in the order of the fields: what a
// project file's input is judged by.
std::optional<Report> findCheckFault(const CheckInput& input, char sep);

// The inputs as numbers, the defaults applied. Nothing while f_ck or f_ctm is
// empty. Throws kvor::Error with the message of the first fault.
struct CheckValues {
    long double strength = 0;                   // f_ck
    long double tensileStrength = 0;            // f_ctm
    long double strengthAtTransfer = 0;         // f_ck(t)
    long double tensileStrengthAtTransfer = 0;  // f_ctm(t)
    long double psi2 = 0;
};
std::optional<CheckValues> checkValues(const CheckInput& input, char sep);

}  // namespace kvor
