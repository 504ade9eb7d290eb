#include "workflow/Berechnung.h"

#include "checks/Gitterpruefungen.h"
#include "geodesy/modKartovex.h"
#include "workflow/Geopruefungen.h"

namespace kartovex {

namespace mk = modKartovex;

namespace {

// The position on the UTM ellipsoid in decimal degrees, '-' in front for
// south and west. Every later stage starts from these two texts.
struct Position {
    std::string Breitentext;
    std::string Laengentext;
};

// ---- The three output stages ------------------------------------------------

void stufeG(const Position& p, Feldtexte& t) {
    AusgabeBreiteDezimal(p.Breitentext, t);
    AusgabeLaengeDezimal(p.Laengentext, t);
    AusgabeBreiteGradMin(p.Breitentext, t);
    AusgabeLaengeGradMin(p.Laengentext, t);
    AusgabeBreiteGradMinSek(p.Breitentext, t);
    AusgabeLaengeGradMinSek(p.Laengentext, t);
}

void stufeU(const Position& p, Feldtexte& t) {
    std::string a = p.Laengentext, b = p.Breitentext, c = "WGS";
    mk::G_UTMziv(a, b, c);
    t["texRechts2"] = a;
    t["texHoch2"] = b;
    t["texZone2"] = c;
    mk::UTMziv_UTMmil(c, a, b);
    t["texMilUTM"] = c;
    mk::UTMmil_UTMref(c);
    t["texREFAUS"] = c;
}

// Gauss-Krueger values in 3° strips, only inside Germany; returns whether the
// frame is to be shown.
bool stufeK(const Position& p, Feldtexte& t) {
    std::string breite = p.Breitentext, laenge = p.Laengentext, hoehe = "300", richtung = "GB";
    mk::DatumTrafo(breite, laenge, hoehe, richtung);
    if (!DeutschlandRechteck(breite, laenge)) return false;
    std::string streifen = "3";
    mk::G_GK(breite, laenge, streifen);
    t["texGKRechtsAUS"] = laenge;
    t["texGKHochAUS"] = breite;
    t["texMeridianAUS"] = streifen;
    t["labStreifenbreite"] = "3";
    return true;
}

// Civil UTM texts to the position on the UTM ellipsoid.
Position ausUTM(std::string rechts, std::string hoch, std::string zone) {
    std::string ellipsoid = "WGS";
    mk::UTMziv_G(rechts, hoch, zone, ellipsoid);
    return {ellipsoid, zone};
}

// The five 2-digit groups of the military notation.
struct Gruppen {
    std::string g10km, g1km, g100m, g10m, g1m;
    std::string verbunden() const {
        return g10km + "." + g1km + "." + g100m + "." + g10m + "." + g1m;
    }
};

// Decodes zone, square and groups and writes the civil output fields from the
// result; returns the position.
Position ausQuadrat(std::string zone, std::string quadrat, Gruppen g, Feldtexte& t) {
    mk::UTMmil_UTMziv(zone, quadrat, g.g10km, g.g1km, g.g100m, g.g10m, g.g1m);
    // Now zone holds the Rechts text, quadrat the Hoch text, g10km the zone.
    t["texZone2"] = g.g10km;
    t["texRechts2"] = zone;
    t["texHoch2"] = quadrat;
    return ausUTM(zone, quadrat, g.g10km);
}

// ---- Input of each format to the position -----------------------------------
// Every reader runs after its check has passed and takes the field texts
// exactly as they stand then.

std::string mitVorzeichen(const std::string& text, bool negativ) {
    return negativ ? "-" + text : text;
}

Position ausGradDezimal(Eingabe& e, Feldtexte&) {
    return {mitVorzeichen(e.text("texBreite"), e.istAn("optDezS")),
            mitVorzeichen(e.text("texLaenge"), e.istAn("optDezW"))};
}

std::string gradMinuten(const Eingabe& e, const char* grad, const char* minuten) {
    std::string g = e.text(grad), m = e.text(minuten);
    mk::GM_G(g, m);
    return g;
}

Position ausGradMinuten(Eingabe& e, Feldtexte&) {
    return {mitVorzeichen(gradMinuten(e, "texBreiteGrad", "texBreiteMinute"), e.istAn("optGMS")),
            mitVorzeichen(gradMinuten(e, "texLaengeGrad", "texLaengeMinute"), e.istAn("optGMW"))};
}

std::string gradMinSek(const Eingabe& e, const char* grad, const char* minuten,
                       const char* sekunden) {
    std::string g = e.text(grad), m = e.text(minuten), s = e.text(sekunden);
    mk::GMS_G(g, m, s);
    return g;
}

Position ausGradMinSek(Eingabe& e, Feldtexte&) {
    const std::string breite = gradMinSek(e, "texBGrad", "texBMinute", "texBSekunde");
    const std::string laenge = gradMinSek(e, "texLGrad", "texLMinute", "texLSekunde");
    return {mitVorzeichen(breite, e.istAn("optGradS")), mitVorzeichen(laenge, e.istAn("optGradW"))};
}

// The civil, military and UTMREF output repeat the input; only the other
// notations are derived.
Position ausUTMzivil(Eingabe& e, Feldtexte& t) {
    const std::string zone = e.text("texZone"), rechts = e.text("texRechts"),
                      hoch = e.text("texHoch");
    t["texZone2"] = zone;
    t["texRechts2"] = rechts;
    t["texHoch2"] = hoch;
    const Position p = ausUTM(rechts, hoch, zone);
    std::string c = zone, a = rechts, b = hoch;
    mk::UTMziv_UTMmil(c, a, b);
    t["texMilUTM"] = c;
    mk::UTMmil_UTMref(c);
    t["texREFAUS"] = c;
    return p;
}

Position ausUTMmil(Eingabe& e, Feldtexte& t) {
    const std::string zone = e.text("texZoneM"), quadrat = e.text("tex100km");
    const Gruppen g{e.text("tex10km"), e.text("tex1km"), e.text("tex100m"), e.text("tex10m"),
                    e.text("tex1m")};
    std::string text = zone + "  " + quadrat + "  " + g.verbunden();
    t["texMilUTM"] = text;
    mk::UTMmil_UTMref(text);
    t["texREFAUS"] = text;
    return ausQuadrat(zone, quadrat, g, t);
}

Position ausUTMref(Eingabe& e, Feldtexte& t) {
    std::string zone = e.text("texREFZone"), quadrat = e.text("texREF100");
    Gruppen g{e.text("texREFZiffern"), "", "", "", ""};
    t["texREFAUS"] = zone + " " + quadrat + " " + g.g10km;
    mk::UTMref_UTMmil(zone, quadrat, g.g10km, g.g1km, g.g100m, g.g10m, g.g1m);
    t["texMilUTM"] = zone + " " + quadrat + " " + g.verbunden();
    return ausQuadrat(zone, quadrat, g, t);
}

std::string ganzeMeter(const std::string& text) {
    return mk::Regionalzahltext(mk::Runden(mk::Zahlwert(text), 0));
}

// The Gauss-Krueger output keeps the user's strip width; the meridian text
// also goes back into texMeridian of the calculation window.
Position ausGK(Eingabe& e, Feldtexte& t) {
    std::string hoch = e.text("texGKHoch"), rechts = e.text("texGKRechts");
    // One of the two buttons is always on; should neither be, the empty width
    // lets the inverse projection report "Fehler" as the meridian.
    std::string streifen;
    if (e.istAn("optDrei")) streifen = "3";
    if (e.istAn("optSechs")) streifen = "6";
    t["texGKHochAUS"] = ganzeMeter(hoch);
    t["texGKRechtsAUS"] = ganzeMeter(rechts);
    t["labStreifenbreite"] = streifen;
    mk::GK_G(hoch, rechts, streifen);
    t["texMeridianAUS"] = streifen;
    e.texte["texMeridian"] = streifen;
    std::string hoehe = "300", richtung = "BG";
    mk::DatumTrafo(hoch, rechts, hoehe, richtung);
    return {hoch, rechts};
}

// ---- One run ------------------------------------------------------------------

struct Ablauf {
    Pruefergebnis (*pruefe)(Eingabe&);
    Position (*lies)(Eingabe&, Feldtexte&);
    bool stufeU; // the UTM fields come from the position
    bool stufeK; // the Gauss-Krueger fields come from the position
};

const Ablauf* ablaufFuer(int InputFormat) {
    static const Ablauf ablaeufe[] = {
        {PruefeGradDezimal, ausGradDezimal, true, true},
        {PruefeGradMinuten, ausGradMinuten, true, true},
        {PruefeGradMinSek, ausGradMinSek, true, true},
        {PruefeUTMzivil, ausUTMzivil, false, true},
        {PruefeUTMmil, ausUTMmil, false, true},
        {PruefeUTMref, ausUTMref, false, true},
        {PruefeGK, ausGK, true, false},
    };
    if (InputFormat < 1 || InputFormat > 7) return nullptr;
    return &ablaeufe[InputFormat - 1];
}

} // namespace

bool DeutschlandRechteck(const std::string& BesselBreite, const std::string& BesselLaenge) {
    const double breite = mk::Zahlwert(BesselBreite), laenge = mk::Zahlwert(BesselLaenge);
    return 46 < breite && breite < 56 && 5 < laenge && laenge < 16;
}

Berechnungsergebnis Berechnung(int InputFormat, Eingabe& e) {
    const Ablauf* ablauf = ablaufFuer(InputFormat);
    if (ablauf == nullptr) return {};
    Berechnungsergebnis ergebnis{ablauf->pruefe(e), std::nullopt};
    if (!ergebnis.pruefung.ok) return ergebnis;
    Ausgabe aus;
    const Position p = ablauf->lies(e, aus.texte);
    stufeG(p, aus.texte);
    if (ablauf->stufeU) stufeU(p, aus.texte);
    if (ablauf->stufeK) aus.gkSichtbar = stufeK(p, aus.texte);
    ergebnis.ausgabe = std::move(aus);
    return ergebnis;
}

} // namespace kartovex
