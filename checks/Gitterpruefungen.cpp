#include "checks/Gitterpruefungen.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "checks/Textregeln.h"
#include "geodesy/Quadratbuchstaben.h"
#include "geodesy/UTMZonen.h"
#include "geodesy/modKartovex.h"

namespace kartovex {

namespace {
using modKartovex::Zahlwert;
using text::AlleIn;
using text::Laenge;
using text::Ziffern;

const std::string OhneZone = "Ohne Angabe der Zone kann die Berechnung nicht durchgeführt werden.";
const std::string OhneQuadrat =
    "Ohne Angabe des 100km-Quadrates kann die Berechnung nicht durchgeführt werden.";

Pruefergebnis Fehler(std::string meldung, Feld fokus, bool fokusVorMeldung = false) {
    return {false, std::move(meldung), fokus, fokusVorMeldung};
}

// A rule that ends the check without a message and without a focus move.
Pruefergebnis StillerFehler() {
    return {false, {}, std::nullopt, false};
}

// Letters of a 100 km square, after its length has been checked.
std::string QuadratFehler(const std::string& quadrat) {
    const auto z = text::Zeichen(quadrat);
    if (!text::InMenge(z[0], modKartovex::Spaltenbuchstaben))
        return "Die 1. Stelle im 100km Quadrat muss einer der Buchstaben\r\n\r\n" +
               text::Aufzaehlung(modKartovex::Spaltenbuchstaben) + "\r\n\r\nsein.";
    if (!text::InMenge(z[1], modKartovex::Zeilenbuchstaben))
        return "Die 2. Stelle im 100km Quadrat muss einer der Buchstaben\r\n\r\n" +
               text::Aufzaehlung(modKartovex::Zeilenbuchstaben) + "\r\n\r\nsein.";
    return {};
}

// A number written with one leading blank, as the messages show counts.
std::string MitBlank(std::size_t n) {
    return " " + std::to_string(n);
}

// The position (from 1) of the first '.' in an ASCII text, 0 when there is none.
std::size_t PunktPosition(const std::string& t) {
    const auto p = t.find('.');
    return p == std::string::npos ? 0 : p + 1;
}
} // namespace

Pruefergebnis PruefeUTMzivil(Eingabe& e) {
    const std::string& zone = e.text(Feld::texZone);
    if (zone.empty()) return StillerFehler();
    if (auto m = text::ZonenFehler(zone); !m.empty()) return Fehler(m, Feld::texZone);
    // Three ASCII characters from here on: two digits and the band letter.
    if (modKartovex::ZoneEntfaellt(zone[2], static_cast<int>(Zahlwert(zone.substr(0, 2)))))
        return Fehler("Das Zonenfeld " + zone + " entfällt auf Spitzbergen.", Feld::texZone);

    const std::string& rechts = e.text(Feld::texRechts);
    if (Laenge(rechts) != 7)
        return Fehler("Der Rechtswert muss aus genau 7 Ziffern bestehen,\r\n"
                      "wobei die erste Ziffer eine 0 sein muss!",
                      Feld::texRechts);
    if (rechts[0] != '0') return Fehler("Der Rechtswert muss mit 0 beginnen!", Feld::texRechts);
    if (!AlleIn(rechts, Ziffern))
        return Fehler("Im Rechtswert sind nur die Ziffern ( 0...9 ) zugelassen1", Feld::texRechts);
    const double r = Zahlwert(rechts);
    if (r == 0) return Fehler("Der Rechtswert kann nicht Null sein!", Feld::texRechts);
    if (r > Zahlwert(e.grenzen.RechtsMax))
        return Fehler("Der Rechtswert darf das angezeigte Maximum nicht überschreiten!",
                      Feld::texRechts);
    if (r < Zahlwert(e.grenzen.RechtsMin))
        return Fehler("Der Rechtswert darf das angezeigte Minimum nicht unterschreiten!",
                      Feld::texRechts);

    const std::string& hoch = e.text(Feld::texHoch);
    if (Laenge(hoch) != 7)
        return Fehler("Der Hochwert muss aus genau 7 Ziffern bestehen!", Feld::texHoch);
    if (!AlleIn(hoch, Ziffern))
        return Fehler("Im Hochwert sind nur die Ziffern ( 0...9 ) zugelassen!", Feld::texHoch);
    const double h = Zahlwert(hoch);
    if (h > Zahlwert(e.grenzen.HochMax))
        return Fehler("Der Hochwert darf das angezeigte Maximum nicht überschreiten!",
                      Feld::texHoch);
    if (h < Zahlwert(e.grenzen.HochMin))
        return Fehler("Der Hochwert darf das angezeigte Minimum nicht unterschreiten!",
                      Feld::texHoch);
    return {};
}

namespace {
struct Zifferngruppe {
    Feld feld;
    const char* name; // as the messages call the field
};
constexpr std::array<Zifferngruppe, 5> Zifferngruppen{{
    {Feld::tex10km, "10km"},
    {Feld::tex1km, "1km"},
    {Feld::tex100m, "100m"},
    {Feld::tex10m, "10m"},
    {Feld::tex1m, "1m"},
}};

// Zero-fills one 2-digit group in e.texte and checks it; the empty text when it passes.
std::string GruppeFehler(Eingabe& e, const Zifferngruppe& gruppe) {
    const std::string g = e.text(gruppe.feld);
    const std::size_t n = Laenge(g);
    const std::string feldname = std::string("Im ") + gruppe.name + " Feld sind ";
    if (n == 0) e[gruppe.feld] = "00";
    if (n == 1) e[gruppe.feld] = "0" + g;
    if (n > 2) return feldname + "keine" + MitBlank(n) + "-stelligen Eingaben zugelassen!";
    if (!AlleIn(e.text(gruppe.feld), Ziffern))
        return feldname + "nur ganze Zahlen aus den Ziffern\r\n\r\n0 1 2 3 4 5 6 7 8 9\r\n\r\n"
                          "zugelassen.";
    return {};
}
} // namespace

Pruefergebnis PruefeUTMmil(Eingabe& e) {
    const std::string& zone = e.text(Feld::texZoneM);
    const std::string& quadrat = e.text(Feld::tex100km);
    if (zone.empty()) return Fehler(OhneZone, Feld::texZoneM, true);
    if (quadrat.empty()) return Fehler(OhneQuadrat, Feld::tex100km, true);
    if (auto m = text::ZonenFehler(zone); !m.empty()) return Fehler(m, Feld::texZoneM);
    if (Laenge(quadrat) != 2)
        return Fehler("Für das 100km Quadrat sind genau 2 Buchstaben erforderlich.",
                      Feld::tex100km);
    if (auto m = QuadratFehler(quadrat); !m.empty()) return Fehler(m, Feld::tex100km);
    for (const auto& gruppe : Zifferngruppen)
        if (auto m = GruppeFehler(e, gruppe); !m.empty()) return Fehler(m, gruppe.feld);
    return {};
}

Pruefergebnis PruefeUTMref(Eingabe& e) {
    const std::string& zone = e.text(Feld::texREFZone);
    const std::string& quadrat = e.text(Feld::texREF100);
    if (zone.empty()) return Fehler(OhneZone, Feld::texREFZone, true);
    if (quadrat.empty()) return Fehler(OhneQuadrat, Feld::texREF100, true);
    if (e.text(Feld::texREFZiffern).empty()) e[Feld::texREFZiffern] = "0000000000";
    if (auto m = text::ZonenFehler(zone); !m.empty()) return Fehler(m, Feld::texREFZone);
    if (Laenge(quadrat) != 2)
        return Fehler("Genau 2 Buchstaben sind erforderlich. Beispiel: NU", Feld::texREF100);
    if (auto m = QuadratFehler(quadrat); !m.empty()) return Fehler(m, Feld::texREF100);

    const std::string& ziffern = e.text(Feld::texREFZiffern);
    if (!AlleIn(ziffern, Ziffern))
        return Fehler("In der Zifferngruppe sind nur ganze Zahlen aus den Ziffern\r\n\r\n"
                      "0 1 2 3 4 5 6 7 8 9\r\n\r\nzugelassen, also auch keine Leerstelle oder /",
                      Feld::texREFZiffern);
    // Only digits from here on, so bytes and characters agree.
    if (ziffern.size() > 10)
        return Fehler("Sie haben mehr als 10 Ziffern eingegeben!", Feld::texREFZiffern);
    if (ziffern.size() % 2 != 0)
        return Fehler("Die Zifferngruppe muss geradzahlig sein\r\n"
                      "2 oder 4 oder 6 oder 8 oder 10 Ziffern.\r\n\r\n" +
                          MitBlank(ziffern.size()) + " ist nicht geradzahlig.",
                      Feld::texREFZiffern);
    return {};
}

namespace {
constexpr std::string_view GKZeichen = ".0123456789";

// Character and separator rules of one Gauss-Krueger value; `wert` is
// "Rechtswert" or "Hochwert".
std::string GKZeichenFehler(const std::string& t, const std::string& wert) {
    if (!AlleIn(t, GKZeichen))
        return "Im " + wert +
               " sind nur die Zeichen\r\n\r\n0 1 2 3 4 5 6 7 8 9 und das Komma\r\n\r\nzugelassen.";
    if (std::count(t.begin(), t.end(), '.') > 1)
        return "Im " + wert + " ist nur 1 Komma zugelassen!";
    return {};
}

// Seven places before the separator; a value without one gets ".00" in e.texte.
bool GKStellenOK(Eingabe& e, Feld feld) {
    const std::string t = e.text(feld);
    const std::size_t p = PunktPosition(t);
    if (p == 0) e[feld] = t + ".00";
    return p == 0 || p == 8;
}
} // namespace

Pruefergebnis PruefeGK(Eingabe& e) {
    const std::string& rechts = e.text(Feld::texGKRechts);
    const std::string& hoch = e.text(Feld::texGKHoch);
    if (rechts.empty() || hoch.empty()) return StillerFehler();
    // The Gauss-Krueger bounds around Germany, which the UTM civil check also
    // sees until the zone field is left again.
    e.grenzen = {.RechtsMax = std::string(GKRechtsMax),
                 .RechtsMin = std::string(GKRechtsMin),
                 .HochMax = std::string(GKHochMax),
                 .HochMin = std::string(GKHochMin)};

    if (auto m = GKZeichenFehler(rechts, "Rechtswert"); !m.empty())
        return Fehler(m, Feld::texGKRechts);
    if (auto m = GKZeichenFehler(hoch, "Hochwert"); !m.empty()) return Fehler(m, Feld::texGKHoch);

    const double r = Zahlwert(rechts);
    const double h = Zahlwert(hoch);
    if (r < Zahlwert(e.grenzen.RechtsMin))
        return Fehler("Der Rechtswert ist zu klein.\r\nIhr Punkt liegt westlich von Deutschland.",
                      Feld::texGKRechts);
    if (r > Zahlwert(e.grenzen.RechtsMax))
        return Fehler("Der Rechtswert ist zu groß.\r\nIhr Punkt liegt östlich von Deutschland.",
                      Feld::texGKRechts);
    if (h < Zahlwert(e.grenzen.HochMin))
        return Fehler("Der Hochwert ist zu klein.\r\nIhr Punkt liegt südlich von Deutschland.",
                      Feld::texGKHoch);
    if (h > Zahlwert(e.grenzen.HochMax))
        return Fehler("Der Hochwert ist zu groß.\r\nIhr Punkt liegt nördlich von Deutschland.",
                      Feld::texGKHoch);

    if (!GKStellenOK(e, Feld::texGKRechts))
        return Fehler("Der Rechtswert muss genau 7 Stellen vor dem Komma haben!",
                      Feld::texGKRechts);
    if (!GKStellenOK(e, Feld::texGKHoch))
        return Fehler("Der Hochwert muss genau 7 Stellen vor dem Komma haben!", Feld::texGKHoch);
    return {};
}

} // namespace kartovex
