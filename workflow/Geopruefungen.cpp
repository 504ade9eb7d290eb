#include "workflow/Geopruefungen.h"

#include <functional>
#include <initializer_list>

#include "geodesy/modKartovex.h"

namespace kartovex {

namespace {

using modKartovex::IstDezimalzahl;
using modKartovex::IstZahlBis2;
using modKartovex::IstZahlBis3;

// One rule: the test that fails it, its message and the field for the focus.
struct Regel {
    std::function<bool()> verletzt;
    std::string meldung;
    std::string fokus;
};

// Runs the rules in order; the first one that fails decides the verdict.
Pruefergebnis ersteVerletzte(std::initializer_list<Regel> regeln) {
    for (const Regel& regel : regeln)
        if (regel.verletzt()) return {false, regel.meldung, regel.fokus, false};
    return {};
}

double wert(const Eingabe& e, const std::string& feld) {
    return modKartovex::Zahlwert(e.text(feld));
}

void nullWennLeer(Eingabe& e, const std::string& feld) {
    std::string& text = e.texte[feld];
    if (text.empty())
        text.assign(1, '0'); // assign(1, '0') rather than = "0": spares g++ 12 a false -Wrestrict
}

const std::string BreiteFehler = "Eingabefehler in der Breite!";
const std::string NordGrenze =
    "Die nördliche Breite muss kleiner sein als 84°.\r\n\r\nAb 84° beginnt UPS";
const std::string SuedGrenze = "Der Zahlenwert der südlichen Breite darf nicht größer sein als 80°."
                               "\r\n\r\nDanach beginnt UPS.";
const std::string LaengeFehler = "Eingabefehler in der Länge!";
const std::string LaengeGrenze = "Die geographische Länge darf 180° nicht überschreiten!";

} // namespace

Pruefergebnis PruefeGradDezimal(Eingabe& e) {
    const std::string B = "texBreite", L = "texLaenge";
    return ersteVerletzte({
        {[&] { return !IstDezimalzahl(e.text(B)); }, BreiteFehler, B},
        {[&] { return e.istAn("optDezN") && wert(e, B) >= 84; }, NordGrenze, B},
        {[&] { return e.istAn("optDezS") && wert(e, B) > 80; }, SuedGrenze, B},
        {[&] { return !IstDezimalzahl(e.text(L)); }, LaengeFehler, L},
        {[&] { return wert(e, L) > 180; }, LaengeGrenze, L},
    });
}

Pruefergebnis PruefeGradMinuten(Eingabe& e) {
    nullWennLeer(e, "texBreiteMinute");
    nullWennLeer(e, "texLaengeMinute");
    // This format's wording: the 84° message ends with a point, and the two
    // longitude syntax messages end with a line break.
    return ersteVerletzte({
        {[&] { return !IstZahlBis2(e.text("texBreiteGrad")); }, BreiteFehler, ""},
        {[&] { return e.istAn("optGMN") && wert(e, "texBreiteGrad") >= 84; }, NordGrenze + ".", ""},
        {[&] { return e.istAn("optGMS") && wert(e, "texBreiteGrad") > 80; }, SuedGrenze, ""},
        {[&] { return !IstDezimalzahl(e.text("texBreiteMinute")); },
         "Eingabefehler im Minutenteil der Breite!", ""},
        {[&] { return wert(e, "texBreiteMinute") > 59.999999; },
         "Der Minutenwert der Breite darf 59.999999 nicht überschreiten!", ""},
        {[&] { return !IstZahlBis3(e.text("texLaengeGrad")); }, LaengeFehler + "\r\n", ""},
        {[&] { return wert(e, "texLaengeGrad") > 180; }, LaengeGrenze, ""},
        {[&] { return !IstDezimalzahl(e.text("texLaengeMinute")); },
         "Eingabefehler im Minutenteil der Länge!\r\n", ""},
        {[&] { return wert(e, "texLaengeMinute") > 59.999999; },
         "Der Minutenwert der Länge darf 59.999999 nicht überschreiten!", ""},
    });
}

Pruefergebnis PruefeGradMinSek(Eingabe& e) {
    // The degree syntax comes first; only then are empty minute and second
    // fields filled with "0".
    if (!IstZahlBis2(e.text("texBGrad"))) return {false, BreiteFehler, "", false};
    for (const char* feld : {"texBMinute", "texBSekunde", "texLMinute", "texLSekunde"})
        nullWennLeer(e, feld);
    return ersteVerletzte({
        {[&] { return e.istAn("optGradN") && wert(e, "texBGrad") >= 84; }, NordGrenze, ""},
        {[&] { return e.istAn("optGradS") && wert(e, "texBGrad") > 80; }, SuedGrenze, ""},
        {[&] { return !IstZahlBis2(e.text("texBMinute")); },
         "Fehler in der Minuteneingabe der Breite!", ""},
        {[&] { return wert(e, "texBMinute") > 59; },
         "Die Minuteneingabe der Breite darf 59' nicht überschreiten!", ""},
        {[&] { return !IstDezimalzahl(e.text("texBSekunde")); },
         "Eingabefehler im Sekundenteil der Breite!", ""},
        {[&] { return wert(e, "texBSekunde") > 59.999999; },
         "Der Sekundenwert der Breite darf 59.999999 nicht überschreiten!", ""},
        {[&] { return !IstZahlBis3(e.text("texLGrad")); }, LaengeFehler, ""},
        {[&] { return wert(e, "texLGrad") > 180; }, LaengeGrenze, ""},
        {[&] { return !IstZahlBis2(e.text("texLMinute")); },
         "Fehler in der Minuteneingabe der Länge!", ""},
        {[&] { return wert(e, "texLMinute") > 59; },
         "Die Minuteneingabe der Länge darf 59' nicht überschreiten!", ""},
        {[&] { return !IstDezimalzahl(e.text("texLSekunde")); },
         "Eingabefehler im Sekundenteil der Länge!", ""},
        {[&] { return wert(e, "texLSekunde") > 59.999999; },
         "Der Sekundenwert der Länge darf 59.999999 nicht überschreiten!", ""},
    });
}

} // namespace kartovex
