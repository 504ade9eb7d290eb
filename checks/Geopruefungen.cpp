#include "checks/Geopruefungen.h"

#include <initializer_list>
#include <optional>
#include <string_view>

#include "geodesy/modKartovex.h"

namespace kartovex {

namespace {

using modKartovex::IstDezimalzahl;
using modKartovex::IstZahlBis2;
using modKartovex::IstZahlBis3;

// One rule: the test that fails it, its message and the field for the focus.
// The rule only refers to its test and message, which live until the check
// has run: a check then costs no allocation until a rule fails.
class Regel {
public:
    template <class Test>
    Regel(const Test& test, std::string_view meldung, std::optional<Feld> fokus = std::nullopt)
        : test(&test), rufe([](const void* t) { return (*static_cast<const Test*>(t))(); }),
          meldung(meldung), fokus(fokus) {}
    bool verletzt() const { return rufe(test); }
    Pruefergebnis urteil() const { return {false, std::string(meldung), fokus, false}; }

private:
    const void* test;
    bool (*rufe)(const void*);
    std::string_view meldung;
    std::optional<Feld> fokus;
};

// Runs the rules in order; the first one that fails decides the verdict.
Pruefergebnis ersteVerletzte(std::initializer_list<Regel> regeln) {
    for (const Regel& regel : regeln)
        if (regel.verletzt()) return regel.urteil();
    return {};
}

double wert(const Eingabe& e, Feld feld) {
    return modKartovex::Zahlwert(e.text(feld));
}

void nullWennLeer(Eingabe& e, Feld feld) {
    std::string& text = e[feld];
    if (text.empty())
        text.assign(1, '0'); // assign(1, '0') rather than = "0": spares g++ 12 a false -Wrestrict
}

const std::string BreiteFehler = "Eingabefehler in der Breite!";
const std::string NordGrenze =
    "Die nördliche Breite muss kleiner sein als 84°.\r\n\r\nAb 84° beginnt UPS";
const std::string SuedGrenze = "Der Zahlenwert der südlichen Breite darf nicht größer sein als 80°."
                               "\r\n\r\nDanach beginnt UPS.";
const std::string LaengeFehler = "Eingabefehler in der Länge!";
const std::string NordGrenzePunkt = NordGrenze + ".";
const std::string LaengeFehlerUmbruch = LaengeFehler + "\r\n";
const std::string LaengeGrenze = "Die geographische Länge darf 180° nicht überschreiten!";

} // namespace

Pruefergebnis PruefeGradDezimal(Eingabe& e) {
    const Feld B = Feld::texBreite, L = Feld::texLaenge;
    return ersteVerletzte({
        {[&] { return !IstDezimalzahl(e.text(B)); }, BreiteFehler, B},
        {[&] { return e.istAn(Option::optDezN) && wert(e, B) >= 84; }, NordGrenze, B},
        {[&] { return e.istAn(Option::optDezS) && wert(e, B) > 80; }, SuedGrenze, B},
        {[&] { return !IstDezimalzahl(e.text(L)); }, LaengeFehler, L},
        {[&] { return wert(e, L) > 180; }, LaengeGrenze, L},
    });
}

Pruefergebnis PruefeGradMinuten(Eingabe& e) {
    nullWennLeer(e, Feld::texBreiteMinute);
    nullWennLeer(e, Feld::texLaengeMinute);
    // This format's wording: the 84° message ends with a point, and the two
    // longitude syntax messages end with a line break.
    return ersteVerletzte({
        {[&] { return !IstZahlBis2(e.text(Feld::texBreiteGrad)); }, BreiteFehler},
        {[&] { return e.istAn(Option::optGMN) && wert(e, Feld::texBreiteGrad) >= 84; },
         NordGrenzePunkt},
        {[&] { return e.istAn(Option::optGMS) && wert(e, Feld::texBreiteGrad) > 80; }, SuedGrenze,
         std::nullopt},
        {[&] { return !IstDezimalzahl(e.text(Feld::texBreiteMinute)); },
         "Eingabefehler im Minutenteil der Breite!"},
        {[&] { return wert(e, Feld::texBreiteMinute) > 59.999999; },
         "Der Minutenwert der Breite darf 59.999999 nicht überschreiten!"},
        {[&] { return !IstZahlBis3(e.text(Feld::texLaengeGrad)); }, LaengeFehlerUmbruch,
         std::nullopt},
        {[&] { return wert(e, Feld::texLaengeGrad) > 180; }, LaengeGrenze},
        {[&] { return !IstDezimalzahl(e.text(Feld::texLaengeMinute)); },
         "Eingabefehler im Minutenteil der Länge!\r\n"},
        {[&] { return wert(e, Feld::texLaengeMinute) > 59.999999; },
         "Der Minutenwert der Länge darf 59.999999 nicht überschreiten!"},
    });
}

Pruefergebnis PruefeGradMinSek(Eingabe& e) {
    // The degree syntax comes first; only then are empty minute and second
    // fields filled with "0".
    if (!IstZahlBis2(e.text(Feld::texBGrad))) return {false, BreiteFehler, std::nullopt, false};
    for (Feld feld : {Feld::texBMinute, Feld::texBSekunde, Feld::texLMinute, Feld::texLSekunde})
        nullWennLeer(e, feld);
    return ersteVerletzte({
        {[&] { return e.istAn(Option::optGradN) && wert(e, Feld::texBGrad) >= 84; }, NordGrenze,
         std::nullopt},
        {[&] { return e.istAn(Option::optGradS) && wert(e, Feld::texBGrad) > 80; }, SuedGrenze,
         std::nullopt},
        {[&] { return !IstZahlBis2(e.text(Feld::texBMinute)); },
         "Fehler in der Minuteneingabe der Breite!"},
        {[&] { return wert(e, Feld::texBMinute) > 59; },
         "Die Minuteneingabe der Breite darf 59' nicht überschreiten!"},
        {[&] { return !IstDezimalzahl(e.text(Feld::texBSekunde)); },
         "Eingabefehler im Sekundenteil der Breite!"},
        {[&] { return wert(e, Feld::texBSekunde) > 59.999999; },
         "Der Sekundenwert der Breite darf 59.999999 nicht überschreiten!"},
        {[&] { return !IstZahlBis3(e.text(Feld::texLGrad)); }, LaengeFehler},
        {[&] { return wert(e, Feld::texLGrad) > 180; }, LaengeGrenze},
        {[&] { return !IstZahlBis2(e.text(Feld::texLMinute)); },
         "Fehler in der Minuteneingabe der Länge!"},
        {[&] { return wert(e, Feld::texLMinute) > 59; },
         "Die Minuteneingabe der Länge darf 59' nicht überschreiten!"},
        {[&] { return !IstDezimalzahl(e.text(Feld::texLSekunde)); },
         "Eingabefehler im Sekundenteil der Länge!"},
        {[&] { return wert(e, Feld::texLSekunde) > 59.999999; },
         "Der Sekundenwert der Länge darf 59.999999 nicht überschreiten!"},
    });
}

} // namespace kartovex
