#pragma once
// The loads' effects on the project's entered quantities, and their texts:
// what kvor-calc prints and what a table of the effects shows.

#include "loads/load_effects.h"
#include "loads/load_input.h"
#include "model/project.h"

#include <array>
#include <string>
#include <vector>

namespace kvor {

// The effects on the quantity of slot `slot` (0-based) through its stored line.
struct QuantityLoadEffects {
    int slot = 0;
    LoadEffects effects;
};

// For every entered quantity in slot order, through its stored influence
// line on the beam's total length. The lines are computed on all cores. Throws
// kvor::Error: the first fault of the loads (their check's message), a length
// or a line's text that is no number (the conversion error), a value that is
// not finite.
std::vector<QuantityLoadEffects> projectLoadEffects(const Project& project, char sep);

// The same for given loads, without checking them.
std::vector<QuantityLoadEffects> projectLoadEffects(const Project& project, const LoadValues& loads, char sep);

// The line of a slot as numbers: the rows of its store table. Throws the
// conversion error of the first text that is no number.
LinePoints slotLinePoints(const QuantitySlot& slot, char sep);

// The texts of the effects in the order G0, G1, Q+, Q−, T+, p+, d+, T−, p−, d−:
// numbers in general format, a direction as "+" or "-"; T, p and d empty
// without axles.
std::array<std::string, 10> loadEffectTexts(const LoadEffects& effects, char sep);

// The unit of the effects on a quantity: the unit of its kind ("[-]" for a
// kind text that names no kind), as the result window shows it.
std::string loadEffectUnit(const QuantitySlot& slot);

// "+" for the direction +1, "-" for −1.
const char* directionText(int direction);

}  // namespace kvor
