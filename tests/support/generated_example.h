#pragma once
// The second example project shipped in examples/: a continuous beam of three
// spans (10, 14 and 10 m) whose four influence lines come from kvor-il, read
// into the project as files: the moment in the middle of span 2, the moment
// and the reaction at support b, and the deflection in the middle of span 2
// (E = 30000 MPa with I of the section, EI = E·1000·I).

#include "analysis/line_generator.h"
#include "support/project_builders.h"
#include "influence/influence_file.h"

#include <string>
#include <vector>

namespace kvor::testing {

inline constexpr const char* kGeneratedExampleFileName = "spojity-nosnik-generovane-cary.txt";

struct GeneratedExampleLine {
    const char* kindText;
    const char* description;
    const char* file;                   // the file kvor-il wrote
    std::vector<std::string> arguments;  // kvor-il's arguments
};

// The kvor-il command lines of the four lines, as the README shows them.
inline std::vector<GeneratedExampleLine> generatedExampleLines()
{
    return {
        {"Ohybový moment", "Moment uprostřed 2. pole", "moment-pole2.txt", {"--step", "0.5", "M", "17", "10", "14", "10"}},
        {"Ohybový moment", "Moment nad podporou b", "moment-b.txt", {"--step", "0.5", "M", "10", "10", "14", "10"}},
        {"Reakce", "Reakce podpory b", "reakce-b.txt", {"--step", "0.5", "R", "10", "10", "14", "10"}},
        {"Průhyb", "Průhyb uprostřed 2. pole", "pruhyb-pole2.txt", {"--step", "0.5", "--ei", "999000", "w", "17", "10", "14", "10"}},
    };
}

// The project, with every line read from kvor-il's output as "Načíst" reads a file.
inline Project generatedExampleProject(const std::vector<std::string>& lineFiles)
{
    Project p;
    p.info.name = "Spojitý nosník o třech polích";
    p.info.description = "Příčinkové čáry vygenerované programem kvor-il, pole 10 + 14 + 10 m";
    p.info.author = "Ing. Petr Dvořák";
    p.info.createdOn = "8. 12. 2026";

    setContinuousBeam(p.beam, {"10", "14", "10"});
    setRectangleSection(p, "0,4", "1");

    const auto lines = generatedExampleLines();
    for (size_t k = 0; k < lines.size(); ++k) {
        if (k > 0)
            addSlotRow(p.quantities);
        QuantitySlot& slot = p.quantities[k];
        slot.kindText = lines[k].kindText;
        slot.description = lines[k].description;
        TextTable entry;
        readInfluenceText(lineFiles[k], entry, ',');
        // The station of the line's section is kvor-il's X (KIND X SPAN SPAN SPAN).
        const std::vector<std::string>& arguments = lines[k].arguments;
        storeInfluenceLine(slot, entry, EntryMode::FromFile, lines[k].file, arguments[arguments.size() - 4]);
        slot.draw = true;
    }

    storeStraight(p, 0, "0", "34", "0,3", "-3000", ',');
    storeBroken(p, 1,
                {{"0", "0", "-2800"}, {"4", "0,4", "-2800"}, {"10", "-0,35", "-2800"}, {"17", "0,4", "-2800"},
                 {"24", "-0,35", "-2800"}, {"30", "0,4", "-2800"}, {"34", "0", ""}},
                ',');
    nameAndDraw(p.tendons[0], "Přímý kabel");
    nameAndDraw(p.tendons[1], "Lomený kabel");
    return p;
}

}  // namespace kvor::testing
