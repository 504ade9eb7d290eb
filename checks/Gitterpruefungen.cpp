#include "checks/Gitterpruefungen.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "checks/Textregeln.h"
#include "geodesy/modKartovex.h"

namespace kartovex {

namespace {
using modKartovex::Zahlwert;
using text::AlleIn;
using text::Laenge;
using text::Ziffern;

constexpr std::string_view ErsterQuadratbuchstabe = "ABCDEFGHJKLMNPQRSTUVWXYZ";
constexpr std::string_view ZweiterQuadratbuchstabe = "ABCDEFGHJKLMNPQRSTUV";

const std::string OhneZone = "Ohne Angabe der Zone kann die Berechnung nicht durchgeführt werden.";
const std::string OhneQuadrat =
    "Ohne Angabe des 100km-Quadrates kann die Berechnung nicht durchgeführt werden.";

Pruefergebnis Fehler(std::string meldung, std::string fokus, bool fokusVorMeldung = false) {
    return {false, std::move(meldung), std::move(fokus), fokusVorMeldung};
}

// A rule that ends the check without a message and without a focus move.
Pruefergebnis StillerFehler() {
    return {false, {}, {}, false};
}

// Letters of a 100 km square, after its length has been checked.
std::string QuadratFehler(const std::string& quadrat) {
    const auto z = text::Zeichen(quadrat);
    if (!text::InMenge(z[0], ErsterQuadratbuchstabe))
        return "Die 1. Stelle im 100km Quadrat muss einer der Buchstaben\r\n\r\n"
               "A B C D E F G H J K L M N P Q R S T U V W X Y Z\r\n\r\nsein.";
    if (!text::InMenge(z[1], ZweiterQuadratbuchstabe))
        return "Die 2. Stelle im 100km Quadrat muss einer der Buchstaben\r\n\r\n"
               "A B C D E F G H J K L M N P Q R S T U V\r\n\r\nsein.";
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
    const std::string zone = e.text("texZone");
    if (zone.empty()) return StillerFehler();
    if (auto m = text::ZonenFehler(zone); !m.empty()) return Fehler(m, "texZone");
    if (zone == "32X" || zone == "34X" || zone == "36X")
        return Fehler("Das Zonenfeld " + zone + " entfällt auf Spitzbergen.", "texZone");

    const std::string rechts = e.text("texRechts");
    if (Laenge(rechts) != 7)
        return Fehler("Der Rechtswert muss aus genau 7 Ziffern bestehen,\r\n"
                      "wobei die erste Ziffer eine 0 sein muss!",
                      "texRechts");
    if (rechts[0] != '0') return Fehler("Der Rechtswert muss mit 0 beginnen!", "texRechts");
    if (!AlleIn(rechts, Ziffern))
        return Fehler("Im Rechtswert sind nur die Ziffern ( 0...9 ) zugelassen1", "texRechts");
    const double r = Zahlwert(rechts);
    if (r == 0) return Fehler("Der Rechtswert kann nicht Null sein!", "texRechts");
    if (r > Zahlwert(e.grenzen.RechtsMax))
        return Fehler("Der Rechtswert darf das angezeigte Maximum nicht überschreiten!",
                      "texRechts");
    if (r < Zahlwert(e.grenzen.RechtsMin))
        return Fehler("Der Rechtswert darf das angezeigte Minimum nicht unterschreiten!",
                      "texRechts");

    const std::string hoch = e.text("texHoch");
    if (Laenge(hoch) != 7)
        return Fehler("Der Hochwert muss aus genau 7 Ziffern bestehen!", "texHoch");
    if (!AlleIn(hoch, Ziffern))
        return Fehler("Im Hochwert sind nur die Ziffern ( 0...9 ) zugelassen!", "texHoch");
    const double h = Zahlwert(hoch);
    if (h > Zahlwert(e.grenzen.HochMax))
        return Fehler("Der Hochwert darf das angezeigte Maximum nicht überschreiten!", "texHoch");
    if (h < Zahlwert(e.grenzen.HochMin))
        return Fehler("Der Hochwert darf das angezeigte Minimum nicht unterschreiten!", "texHoch");
    return {};
}

namespace {
struct Zifferngruppe {
    const char* feld;
    const char* name; // as the messages call the field
};
constexpr std::array<Zifferngruppe, 5> Zifferngruppen{{
    {"tex10km", "10km"},
    {"tex1km", "1km"},
    {"tex100m", "100m"},
    {"tex10m", "10m"},
    {"tex1m", "1m"},
}};

// Zero-fills one 2-digit group in e.texte and checks it; the empty text when it passes.
std::string GruppeFehler(Eingabe& e, const Zifferngruppe& gruppe) {
    const std::string g = e.text(gruppe.feld);
    const std::size_t n = Laenge(g);
    const std::string feldname = std::string("Im ") + gruppe.name + " Feld sind ";
    if (n == 0) e.texte[gruppe.feld] = "00";
    if (n == 1) e.texte[gruppe.feld] = "0" + g;
    if (n > 2) return feldname + "keine" + MitBlank(n) + "-stelligen Eingaben zugelassen!";
    if (!AlleIn(e.text(gruppe.feld), Ziffern))
        return feldname + "nur ganze Zahlen aus den Ziffern\r\n\r\n0 1 2 3 4 5 6 7 8 9\r\n\r\n"
                          "zugelassen.";
    return {};
}
} // namespace

Pruefergebnis PruefeUTMmil(Eingabe& e) {
    const std::string zone = e.text("texZoneM");
    const std::string quadrat = e.text("tex100km");
    if (zone.empty()) return Fehler(OhneZone, "texZoneM", true);
    if (quadrat.empty()) return Fehler(OhneQuadrat, "tex100km", true);
    if (auto m = text::ZonenFehler(zone); !m.empty()) return Fehler(m, "texZoneM");
    if (Laenge(quadrat) != 2)
        return Fehler("Für das 100km Quadrat sind genau 2 Buchstaben erforderlich.", "tex100km");
    if (auto m = QuadratFehler(quadrat); !m.empty()) return Fehler(m, "tex100km");
    for (const auto& gruppe : Zifferngruppen)
        if (auto m = GruppeFehler(e, gruppe); !m.empty()) return Fehler(m, gruppe.feld);
    return {};
}

Pruefergebnis PruefeUTMref(Eingabe& e) {
    const std::string zone = e.text("texREFZone");
    const std::string quadrat = e.text("texREF100");
    if (zone.empty()) return Fehler(OhneZone, "texREFZone", true);
    if (quadrat.empty()) return Fehler(OhneQuadrat, "texREF100", true);
    if (e.text("texREFZiffern").empty()) e.texte["texREFZiffern"] = "0000000000";
    if (auto m = text::ZonenFehler(zone); !m.empty()) return Fehler(m, "texREFZone");
    if (Laenge(quadrat) != 2)
        return Fehler("Genau 2 Buchstaben sind erforderlich. Beispiel: NU", "texREF100");
    if (auto m = QuadratFehler(quadrat); !m.empty()) return Fehler(m, "texREF100");

    const std::string ziffern = e.text("texREFZiffern");
    if (!AlleIn(ziffern, Ziffern))
        return Fehler("In der Zifferngruppe sind nur ganze Zahlen aus den Ziffern\r\n\r\n"
                      "0 1 2 3 4 5 6 7 8 9\r\n\r\nzugelassen, also auch keine Leerstelle oder /",
                      "texREFZiffern");
    // Only digits from here on, so bytes and characters agree.
    if (ziffern.size() > 10)
        return Fehler("Sie haben mehr als 10 Ziffern eingegeben!", "texREFZiffern");
    if (ziffern.size() % 2 != 0)
        return Fehler("Die Zifferngruppe muss geradzahlig sein\r\n"
                      "2 oder 4 oder 6 oder 8 oder 10 Ziffern.\r\n\r\n" +
                          MitBlank(ziffern.size()) + " ist nicht geradzahlig.",
                      "texREFZiffern");
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
bool GKStellenOK(Eingabe& e, const std::string& feld) {
    const std::string t = e.text(feld);
    const std::size_t p = PunktPosition(t);
    if (p == 0) e.texte[feld] = t + ".00";
    return p == 0 || p == 8;
}
} // namespace

Pruefergebnis PruefeGK(Eingabe& e) {
    const std::string rechts = e.text("texGKRechts");
    const std::string hoch = e.text("texGKHoch");
    if (rechts.empty() || hoch.empty()) return StillerFehler();
    // The Gauss-Krueger bounds around Germany, which the UTM civil check also
    // sees until the zone field is left again.
    e.grenzen = {
        .RechtsMax = "5538200", .RechtsMin = "2484700", .HochMax = "6197355", .HochMin = "5107150"};

    if (auto m = GKZeichenFehler(rechts, "Rechtswert"); !m.empty()) return Fehler(m, "texGKRechts");
    if (auto m = GKZeichenFehler(hoch, "Hochwert"); !m.empty()) return Fehler(m, "texGKHoch");

    const double r = Zahlwert(rechts);
    const double h = Zahlwert(hoch);
    if (r < Zahlwert(e.grenzen.RechtsMin))
        return Fehler("Der Rechtswert ist zu klein.\r\nIhr Punkt liegt westlich von Deutschland.",
                      "texGKRechts");
    if (r > Zahlwert(e.grenzen.RechtsMax))
        return Fehler("Der Rechtswert ist zu groß.\r\nIhr Punkt liegt östlich von Deutschland.",
                      "texGKRechts");
    if (h < Zahlwert(e.grenzen.HochMin))
        return Fehler("Der Hochwert ist zu klein.\r\nIhr Punkt liegt südlich von Deutschland.",
                      "texGKHoch");
    if (h > Zahlwert(e.grenzen.HochMax))
        return Fehler("Der Hochwert ist zu groß.\r\nIhr Punkt liegt nördlich von Deutschland.",
                      "texGKHoch");

    if (!GKStellenOK(e, "texGKRechts"))
        return Fehler("Der Rechtswert muss genau 7 Stellen vor dem Komma haben!", "texGKRechts");
    if (!GKStellenOK(e, "texGKHoch"))
        return Fehler("Der Hochwert muss genau 7 Stellen vor dem Komma haben!", "texGKHoch");
    return {};
}

} // namespace kartovex
