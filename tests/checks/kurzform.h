// Inputs of the calculation window in a short form, and tables of
// whole-input checks over them, for the checks and workflow tests.
#pragma once

#include <gtest/gtest.h>

#include <sstream>

#include "checks/Eingabe.h"

namespace kartovex {

// "Zone=32U|Rechts=|optDezS" sets texZone to "32U" and texRechts to the empty
// text and turns optDezS on. A '*' in front of a field marks the focus after
// the message, a '^' the focus before it; the result holds that focus.
inline Pruefergebnis Setze(Eingabe& e, const std::string& kurz) {
    Pruefergebnis fokus;
    std::istringstream ein(kurz);
    for (std::string teil; std::getline(ein, teil, '|');) {
        const auto gleich = teil.find('=');
        const bool markiert = teil[0] == '*' || teil[0] == '^';
        if (gleich == std::string::npos) {
            e.schalteAn(OptionNamens(teil).value());
            continue;
        }
        const Feld feld = FeldNamens("tex" + teil.substr(markiert, gleich - markiert)).value();
        e[feld] = teil.substr(gleich + 1);
        if (markiert) fokus = {true, "", feld, teil[0] == '^'};
    }
    return fokus;
}

inline Eingabe Kurz(const std::string& kurz, const Grenzen& grenzen = {}) {
    Eingabe e;
    e.grenzen = grenzen;
    Setze(e, kurz);
    return e;
}

// A row of a check table: the changes to the good input; the message (empty:
// the check passes, "-": it fails silently); the field texts it changes.
struct Fall {
    std::string eingabe, meldung, danach = "";
};

inline void PruefeTabelle(Pruefergebnis (*pruefe)(Eingabe&), const Eingabe& gut,
                          const std::vector<Fall>& faelle) {
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.eingabe);
        Eingabe e = gut;
        const Pruefergebnis soll = Setze(e, f.eingabe);
        Eingabe danach = e;
        Setze(danach, f.danach);
        const Pruefergebnis ist = pruefe(e);
        EXPECT_EQ(ist.ok, f.meldung.empty());
        EXPECT_EQ(ist.meldung, f.meldung == "-" ? "" : f.meldung);
        EXPECT_EQ(ist.fokus, soll.fokus);
        EXPECT_EQ(ist.fokusVorMeldung, soll.fokusVorMeldung);
        EXPECT_EQ(e.texte, danach.texte);
    }
}

} // namespace kartovex
