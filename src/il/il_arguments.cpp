#include "il/il_arguments.h"

#include <algorithm>

namespace kvor {

const std::string_view kIlUsage = "Použití: kvor-il [--step H] [--ei EI] VELIČINA X POLE [POLE ...]";

const std::string_view kIlHelp =
    "Použití: kvor-il [--step H] [--ei EI] VELIČINA X POLE [POLE ...]\n"
    "\n"
    "Vypočte příčinkovou čáru prostého nebo spojitého nosníku přesně (z momentů\n"
    "nad podporami podle rovnice tří momentů) a vypíše ji na standardní výstup\n"
    "jako soubor příčinkové čáry, který Kvor1.1 načte tlačítkem „Načíst“: jeden\n"
    "bod na řádek, staničení a pořadnice oddělené tabulátorem, desetinná tečka.\n"
    "\n"
    "Nosník: pole POLE [m] v pořadí od začátku nosníku, 1 až 15 délek větších\n"
    "než 0 (jedna délka je prostý nosník); kloubové podpory na začátku a na konci\n"
    "každého pole, ohybová tuhost EI stejná po celé délce. Jednotkové břemeno 1 kN\n"
    "působí svisle dolů ve staničení bodu, veličina se sleduje ve staničení X [m],\n"
    "0 <= X <= L.\n"
    "\n"
    "VELIČINA:\n"
    "  M   ohybový moment [kNm/kN], kladný táhne spodní vlákna\n"
    "  V   posouvající síla [kN/kN], V = dM/dx; X nesmí být v podpoře. Staničení X\n"
    "      je ve výstupu dvakrát: první řádek platí pro břemeno těsně vlevo od X,\n"
    "      druhý pro břemeno těsně vpravo.\n"
    "  R   reakce [kN/kN], kladná nahoru; X musí být staničení podpory\n"
    "  w   průhyb [m/kN], kladný dolů; potřebuje --ei\n"
    "  fi  pootočení [rad/kN], fi = dw/dx; potřebuje --ei\n"
    "\n"
    "Volby (před VELIČINOU):\n"
    "  --step H   vzdálenost bodů [m], výchozí 0.1, větší než 0. Body jsou k·H\n"
    "             (k = 0, 1, … dokud k·H < L), všechny podpory, X a konec nosníku L.\n"
    "  --ei EI    ohybová tuhost [kNm2], větší než 0; u M, V a R se nepoužije.\n"
    "  --help     vypíše tuto nápovědu.\n"
    "\n"
    "Čísla se píší s desetinnou tečkou nebo čárkou, bez mezer, případně\n"
    "s exponentem (2.1e5). Staničení X se s podporami porovnává po zaokrouhlení\n"
    "na 15 platných číslic. Příčinková čára má nejvýše 32750 bodů.\n"
    "\n"
    "Příklad: ohybový moment nad vnitřní podporou spojitého nosníku o polích\n"
    "12 m a 15 m, body po 0,5 m, uložený do souboru pro Kvor1.1:\n"
    "  kvor-il --step 0.5 M 12 12 15 > moment-b.txt\n"
    "a průhyb uprostřed prvního pole při EI = 1,2·10^6 kNm2:\n"
    "  kvor-il --ei 1.2e6 w 6 12 15 > pruhyb.txt\n"
    "\n"
    "Návratový kód: 0 úspěch; 1 chybné zadání nosníku nebo veličiny (jeden\n"
    "řádek zprávy na chybovém výstupu, na standardní výstup nic); 2 neznámá\n"
    "volba, volba bez hodnoty nebo zadaná dvakrát, nebo méně než tři operandy.\n";

IlArguments parseIlArguments(std::span<const std::string_view> args)
{
    IlArguments result;
    if (asksForHelp(args)) {
        result.help = true;
        return result;
    }
    size_t i = 0;
    for (; i < args.size() && args[i].starts_with("-") && args[i].size() > 1; ++i) {
        const std::string_view option = args[i];
        std::optional<std::string>* value = option == "--step" ? &result.step : option == "--ei" ? &result.ei : nullptr;
        if (!value)
            throw WrongArguments("Neznámá volba " + visibleArgument(option));
        if (*value)
            repeatedOption(option);
        if (i + 1 == args.size())
            throw WrongArguments("Za volbou " + std::string(option) + " chybí hodnota");
        *value = std::string(args[++i]);
    }
    if (args.size() - i < 3)
        throw WrongArguments("Zadejte veličinu, staničení X a alespoň jedno pole");
    result.kind = args[i++];
    result.station = args[i++];
    for (; i < args.size(); ++i)
        result.spans.emplace_back(args[i]);
    return result;
}

}  // namespace kvor
