#include "workflow/Berechnung.h"

#include <cmath>
#include <optional>

#include "geodesy/Ausgabewege.h"
#include "geodesy/modKartovex.h"
#include "workflow/Ausgabe.h"

namespace kartovex {

namespace mk = modKartovex;

namespace {

// ---- The three output stages ------------------------------------------------

// The position's values, where both texts are plain numbers: every stage
// then reads them as these values, and is given them instead of reading the
// texts again. Empty otherwise; the stages then read the texts.
struct Werte {
    double breite, laenge;
};

std::optional<Werte> schlichteWerte(const Position& p) {
    Werte w{};
    if (mk::intern::SchlichteZahl(p.Breitentext, w.breite) &&
        mk::intern::SchlichteZahl(p.Laengentext, w.laenge))
        return w;
    return std::nullopt;
}

void stufeG(const Position& p, const std::optional<Werte>& w, Ausgabetexte& t) {
    if (w) {
        AusgabeGeographisch(w->breite, w->laenge, t);
        return;
    }
    AusgabeBreiteDezimal(p.Breitentext, t);
    AusgabeLaengeDezimal(p.Laengentext, t);
    AusgabeBreiteGradMin(p.Breitentext, t);
    AusgabeLaengeGradMin(p.Laengentext, t);
    AusgabeBreiteGradMinSek(p.Breitentext, t);
    AusgabeLaengeGradMinSek(p.Laengentext, t);
}

void stufeU(const Position& p, const std::optional<Werte>& w, Ausgabetexte& t) {
    std::string a = p.Laengentext, b = p.Breitentext, c = "WGS";
    if (w)
        mk::intern::G_UTMzivWerte(w->breite, w->laenge, a, b, c);
    else
        mk::G_UTMziv(a, b, c);
    t.setze(Aus::texRechts2, a);
    t.setze(Aus::texHoch2, b);
    t.setze(Aus::texZone2, c);
    mk::UTMziv_UTMmil(c, a, b);
    t.setze(Aus::texMilUTM, c);
    mk::UTMmil_UTMref(c);
    t.setze(Aus::texREFAUS, std::move(c));
}

// The datum shift moves a point by less than 2 km: under 0.02° of latitude,
// and under 0.04° of longitude at latitudes below 57°. A position more than a
// degree outside the Germany rectangle therefore cannot be shifted into it
// and needs no shift. A value that is no finite number still goes through
// the shift, whose value check reports it.
bool weitAusserhalb(const Position& p, const std::optional<Werte>& w) {
    const double breite = w ? w->breite : mk::Zahlwert(p.Breitentext);
    const double laenge = w ? w->laenge : mk::Zahlwert(p.Laengentext);
    if (!std::isfinite(breite) || !std::isfinite(laenge)) return false;
    return breite <= 45 || breite >= 57 || laenge <= 4 || laenge >= 17;
}

// Gauss-Krueger values in 3° strips, only inside Germany; returns whether the
// frame is to be shown.
bool stufeK(const Position& p, const std::optional<Werte>& w, Ausgabetexte& t) {
    if (weitAusserhalb(p, w)) return false;
    std::string breite = p.Breitentext, laenge = p.Laengentext, hoehe = "300", richtung = "GB";
    // The height of the shifted point is not shown.
    mk::intern::DatumTrafoOhneHoehe(breite, laenge, hoehe, richtung);
    if (!DeutschlandRechteck(breite, laenge)) return false;
    std::string streifen = "3";
    mk::G_GK(breite, laenge, streifen);
    t.setze(Aus::texGKRechtsAUS, std::move(laenge));
    t.setze(Aus::texGKHochAUS, std::move(breite));
    t.setze(Aus::texMeridianAUS, std::move(streifen));
    t.setze(Aus::labStreifenbreite, "3");
    return true;
}

} // namespace

bool DeutschlandRechteck(const std::string& BesselBreite, const std::string& BesselLaenge) {
    const double breite = mk::Zahlwert(BesselBreite), laenge = mk::Zahlwert(BesselLaenge);
    return 46 < breite && breite < 56 && 5 < laenge && laenge < 16;
}

Berechnungsergebnis Berechnung(int InputFormat, Eingabe& e) {
    const Format* format = FormatNr(InputFormat);
    if (format == nullptr) return {};
    Berechnungsergebnis ergebnis{format->pruefe(e), std::nullopt};
    if (!ergebnis.pruefung.ok) return ergebnis;
    Ausgabe& aus = ergebnis.ausgabe.emplace();
    const Position p = format->lies(e, aus.texte);
    const std::optional<Werte> w = schlichteWerte(p);
    stufeG(p, w, aus.texte);
    if (format->utmAusPosition) stufeU(p, w, aus.texte);
    if (format->gkAusPosition) aus.gkSichtbar = stufeK(p, w, aus.texte);
    return ergebnis;
}

} // namespace kartovex
