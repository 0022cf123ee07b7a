#include "cli/calc_arguments.h"

#include <algorithm>
#include <utility>

namespace kvor {

const std::string_view kCalcUsage = "Použití: kvor-calc [--group SEZNAM] [--tables] [--stresses] [--loads] [--forces] [--check] SOUBOR";

const std::string_view kCalcHelp =
    "Použití: kvor-calc [--group SEZNAM] [--tables] [--stresses] [--loads] [--forces] [--check] SOUBOR\n"
    "\n"
    "Načte soubor projektu Kvor1.1 uložený i s datovou částí, provede na něm\n"
    "stejný výpočet jako příkaz „Výpočet“ a vypíše výsledky na standardní výstup\n"
    "v kódování UTF-8. Do souboru nic nezapisuje.\n"
    "\n"
    "Pro každou posuzovanou veličinu q = 1 až 5 vypíše jeden řádek, pole oddělená\n"
    "tabulátorem:\n"
    "  q  popisek  komentář  jednotka  v1  v2  v3  v4  v5\n"
    "kde v1 až v5 jsou účinky kabelů 1 až 5 („###“ u nezadaného kabelu), nebo\n"
    "  q  Veličina nebyla vyhodnocována!\n"
    "u veličiny, která není zadána. Čísla mají desetinný oddělovač uložený\n"
    "v souboru projektu.\n"
    "\n"
    "Vyhodnotí všechny typy kabelů: přímý, lomený, prostý parabolický, složený\n"
    "parabolický a kombinovaný. Parabolický úsek se nahradí D tětivami (D je\n"
    "počet dělení paraboly uložený u kabelu) a kabel se vyhodnotí jako lomený\n"
    "kabel s body tohoto polygonu; tabulky kabelů (--tables) vypíší jeho body.\n"
    "Parabolické kabely se před výpočtem kontrolují jako při zadání; chyba\n"
    "výpočet ukončí s touto zprávou.\n"
    "\n"
    "Volby:\n"
    "  --group SEZNAM  čísla kabelů skupiny oddělená čárkou, např. 1,3; přidá řádek\n"
    "                  „skupina“ se součtem účinků kabelů skupiny pro každou\n"
    "                  veličinu 1 až 5 („###“ u nezadané veličiny). Nezadaný kabel\n"
    "                  se pomine, prázdný seznam dá součet 0.\n"
    "  --tables        vypíše také tabulky derivací příčinkových čar (řádek\n"
    "                  „[derivace]  q“) a tabulky kabelů (řádek „[kabel]  q  t“)\n"
    "                  včetně řádku nadpisů, buňky oddělené tabulátorem.\n"
    "  --stresses      vypíše také napětí v průřezu od předpětí: pro každou\n"
    "                  vyhodnocenou veličinu typu „Ohybový moment“ se známým\n"
    "                  staničením průřezu X řádek „[napětí]  q  X“, řádek nadpisů\n"
    "                  „Kabel  X [m]  P [kN]  e [m]  M1 [kNm]  M2 [kNm]  M [kNm]\n"
    "                  σ_h [MPa]  σ_d [MPa]“ a řádky kabelů 1 až 5 („###“\n"
    "                  u nezadaného kabelu), „skupina“ (je-li ve skupině některý\n"
    "                  zadaný kabel) a „celkem“. P tlak záporný, e kladná dolů,\n"
    "                  M1 = P·e, M2 = M − M1, M kladný při tahu dole, napětí tah\n"
    "                  kladný. Chybí-li plocha, moment setrvačnosti nebo\n"
    "                  vzdálenosti krajních vláken průřezu, vypíše místo tabulek\n"
    "                  jediný řádek „[napětí]  zpráva“. Tabulky následují za\n"
    "                  řádky veličin (a řádkem „skupina“), před tabulkami --tables.\n"
    "  --loads         vypíše také účinky zatížení uloženého v projektu na každou\n"
    "                  zadanou veličinu. Za řádky veličin (a řádkem „skupina“),\n"
    "                  před tabulkami --stresses a --tables, řádek\n"
    "                  „[zatížení]  g0  g1  q  nápravy  n“ se zadanými hodnotami\n"
    "                  (g0 vlastní tíha, g1 ostatní stálé, q rovnoměrné proměnné\n"
    "                  zatížení v kN/m, prázdné jako 0; n počet náprav), řádek\n"
    "                  nadpisů „veličina  G0  G1  Q+  Q-  T+  p+  d+  T-  p-  d-“\n"
    "                  a pro každou zadanou veličinu q řádek\n"
    "                  „q  G0  G1  Q+  Q-  T+  p+  d+  T-  p-  d-“ v jednotce\n"
    "                  veličiny. G0 = g0·∫η, G1 = g1·∫η, Q+ a Q- = q krát integrál\n"
    "                  kladných a záporných úseků příčinkové čáry; T+ a T- největší\n"
    "                  a nejmenší účinek skupiny náprav v kterékoli poloze a obou\n"
    "                  směrech, p staničení první nápravy [m], d „+“, když ostatní\n"
    "                  nápravy jsou za ní ve větším staničení, jinak „-“. Bez náprav\n"
    "                  jsou T, p a d prázdné.\n"
    "  --forces        vypíše síly kabelů z napínání: pro každý zadaný kabel\n"
    "                  s údaji o napínání řádek „[síly]  t“, řádek nadpisů „úsek\n"
    "                  od [m]  do [m]  P0 [kN]  P∞ [kN]“, pro každý úsek polygonu\n"
    "                  kabelu (u paraboly každou tětivu) jeho číslo, staničení\n"
    "                  začátku a konce a průměrnou sílu po tření a pokluzu\n"
    "                  v kotvě a po dlouhodobých ztrátách (kladné), a řádek\n"
    "                  „kotva  PaL  PaR“ se silami v kotvách po zakotvení\n"
    "                  (u pasivní kotvy prázdné). Síly se počítají z údajů\n"
    "                  o napínání, ne z uložených sil; chybné údaje ukončí výpočet\n"
    "                  zprávou, která jmenuje kabel a údaj. Tření: μ, neúmyslná\n"
    "                  úhlová odchylka k [rad/m] (součinitel vlnitosti jiných\n"
    "                  norem je μ·k). Následují za tabulkami --stresses, před\n"
    "                  tabulkami --tables.\n"
    "  --check         vypíše posouzení napětí v průřezu při předpětí a v provozu\n"
    "                  (EN 1992-1-1) pro každou vyhodnocenou veličinu typu\n"
    "                  „Ohybový moment“ se známým staničením X: řádek\n"
    "                  „[posouzení]  q  X“, řádek nadpisů „kombinace  Mext [kNm]\n"
    "                  P [kN]  Mp [kNm]  σ_h [MPa]  σ_d [MPa]  σ_min [MPa]\n"
    "                  σ_max [MPa]  výsledek“ a řádky „po předpětí“ (počáteční\n"
    "                  síly, Mext = G0, meze −0,6·f_ck(t) a f_ctm(t)),\n"
    "                  „charakteristická max“ a „min“ (síly po dlouhodobých\n"
    "                  ztrátách, Mext = G0 + G1 + Q+ + T+, resp. Q- a T-, meze\n"
    "                  −0,6·f_ck a f_ctm), „kvazistálá max“ a „min“ (Mext = G0 +\n"
    "                  G1 + ψ2·(Q + T), meze −0,45·f_ck a 0: dekomprese)\n"
    "                  s výsledkem „vyhovuje“ nebo „nevyhovuje“. Napětí tah\n"
    "                  kladný. Chybí-li zatížení, beton, staničení X nebo hodnoty\n"
    "                  průřezu, vypíše místo tabulek jediný řádek\n"
    "                  „[posouzení]  zpráva“, která je jmenuje. Nevyhovující\n"
    "                  průřez je výsledek, ne chyba (návratový kód 0). Tabulky\n"
    "                  následují za tabulkami --forces, před tabulkami --tables.\n"
    "  --help          vypíše tuto nápovědu.\n"
    "\n"
    "Soubor projektu se čte po znak konce textu 0x1A (za ním už nic); delší text\n"
    "než 1 GB (1073741824 bajtů) program odmítne.\n"
    "\n"
    "Návratový kód: 0 úspěch; 1 soubor nelze přečíst, je příliš velký, není soubor\n"
    "projektu, nemá datovou část, je poškozen, nebo výpočet skončil chybou (zpráva\n"
    "je na prvním řádku chybového výstupu); 2 chybné argumenty.\n";

namespace {

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// "1,3" -> tendons 1 and 3; "" -> none.
std::array<bool, kSlotCount> parseGroupList(std::string_view list)
{
    std::array<bool, kSlotCount> group{};
    if (trimBlanks(list).empty())
        return group;
    // The message quotes the list as given, not the part still unread.
    std::string_view rest = list;
    for (;;) {
        const size_t comma = rest.find(',');
        const std::string_view item = trimBlanks(rest.substr(0, comma));
        if (item.size() != 1 || item[0] < '1' || item[0] > '0' + kSlotCount)
            throw WrongArguments("Seznam kabelů „" + visibleArgument(list) +
                                 "“ má obsahovat čísla kabelů 1 až 5 oddělená čárkou");
        group[static_cast<size_t>(item[0] - '1')] = true;
        if (comma == std::string_view::npos)
            return group;
        rest.remove_prefix(comma + 1);
    }
}

// The options that each add a part to the output, or nullptr.
bool CalcArguments::*outputPart(std::string_view option)
{
    static constexpr std::pair<std::string_view, bool CalcArguments::*> kParts[] = {
        {"--tables", &CalcArguments::tables}, {"--loads", &CalcArguments::loads},
        {"--stresses", &CalcArguments::stresses}, {"--check", &CalcArguments::check},
        {"--forces", &CalcArguments::forces},
    };
    for (const auto& [name, part] : kParts)
        if (option == name)
            return part;
    return nullptr;
}

}  // namespace

CalcArguments parseCalcArguments(std::span<const std::string_view> args)
{
    CalcArguments result;
    if (asksForHelp(args)) {
        result.help = true;
        return result;
    }
    bool fileGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--group") {
            if (result.groupGiven)
                repeatedOption(arg);
            if (i + 1 == args.size())
                throw WrongArguments("Za volbou --group chybí seznam kabelů");
            result.groupGiven = true;
            result.group = parseGroupList(args[++i]);
        } else if (bool CalcArguments::*part = outputPart(arg)) {
            if (result.*part)
                repeatedOption(arg);
            result.*part = true;
        } else if (arg.starts_with("-")) {
            throw WrongArguments("Neznámá volba " + visibleArgument(arg));
        } else {
            if (fileGiven)
                throw WrongArguments("Zadejte jen jeden soubor projektu");
            fileGiven = true;
            result.file = arg;
        }
    }
    if (!fileGiven)
        throw WrongArguments("Chybí soubor projektu");
    return result;
}

}  // namespace kvor
