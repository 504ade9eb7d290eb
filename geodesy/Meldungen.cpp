// Message output and regional decimal separator of the module.
#include <iostream>
#include <utility>

#include "modKartovex.h"

namespace modKartovex {

const std::string FehlerMeldung =
    "Unmögliche Werte haben einen Fehler verursacht.\r\nÜberprüfen Sie Ihre Eingaben!";

namespace {
Meldungsausgabe& ausgabe() {
    static Meldungsausgabe installiert;
    return installiert;
}
char trenner = '.';
} // namespace

void setMeldungsausgabe(Meldungsausgabe neu) {
    ausgabe() = std::move(neu);
}

void Meldung(const std::string& text) {
    if (ausgabe())
        ausgabe()(text);
    else
        std::cerr << text << '\n';
}

void setDezimaltrenner(char neu) {
    trenner = neu;
}
char Dezimaltrenner() {
    return trenner;
}

} // namespace modKartovex
