#include "checks/Formate.h"

#include <algorithm>
#include <array>

#include "checks/Eingabe.h"
#include "checks/Geopruefungen.h"
#include "checks/Gitterpruefungen.h"
#include "geodesy/modKartovex.h"

namespace kartovex {

namespace {

namespace mk = modKartovex;
using F = Tastenfilter;
using R = Farbrolle;
using enum Feld;

constexpr std::string_view Breite = "ist für die Breite nicht zulässig!";
constexpr std::string_view Laenge = "ist für die Länge nicht zulässig!";
constexpr std::string_view Zone = "ist für die Zone nicht zulässig!";
constexpr std::string_view Rechtswert = "ist für den Rechtswert nicht zulässig!";
constexpr std::string_view Hochwert = "ist für den Hochwert nicht zulässig!";
constexpr std::optional<Feld> Rechnen; // Enter presses "Berechnung"

// What each field accepts, in the words of its format's hint.
constexpr std::string_view BreiteDezimal =
    "Dezimalzahl, nördliche Breite kleiner als 84 Grad, südliche nicht größer als 80 Grad";
constexpr std::string_view LaengeDezimal = "Dezimalzahl, höchstens 180 Grad";
constexpr std::string_view BreiteGrad = "ganze Zahl, zum Beispiel 47; nördliche Gesamtbreite "
                                        "kleiner als 84 Grad, südliche höchstens 80 Grad";
constexpr std::string_view LaengeGrad = "ganze Zahl, Gesamtlänge höchstens 180 Grad";
constexpr std::string_view GanzOderDezimal = "ganze Zahl oder Dezimalzahl, höchstens 59.999999";
constexpr std::string_view MinutenGanz = "ganze Zahl, höchstens 59";
constexpr std::string_view ZonenRegel = "2 Ziffern und 1 Buchstabe, zum Beispiel 32U";
constexpr std::string_view QuadratRegel = "2 Buchstaben, zum Beispiel NU";
constexpr std::string_view GruppenRegel = "2 Ziffern";

// clang-format off
constexpr std::array<Feldbeschreibung, FeldAnzahl> Feldtabelle{{
    {texBreite, "texBreite", F::ZiffernUndKomma, false, Breite, texLaenge, R::Breite, "48.4363326641023", "Breite", "Breite in Grad (dezimal)", BreiteDezimal},
    {texLaenge, "texLaenge", F::ZiffernUndKomma, false, Laenge, Rechnen, R::Laenge, "9.96796724981198", "Länge", "Länge in Grad (dezimal)", LaengeDezimal},
    {texBreiteGrad, "texBreiteGrad", F::NurZiffern, false, Breite, texBreiteMinute, R::Breite, "48", "Grad", "Breite, Grad (Mercator)", BreiteGrad},
    {texBreiteMinute, "texBreiteMinute", F::ZiffernUndKomma, false, "ist für die Minuten der Breite nicht zulässig!", texLaengeGrad, R::Breite, "26.179960", "Minuten", "Breite, Minuten (Mercator)", GanzOderDezimal},
    {texLaengeGrad, "texLaengeGrad", F::NurZiffern, false, Laenge, texLaengeMinute, R::Laenge, "9", "Grad", "Länge, Grad (Mercator)", LaengeGrad},
    {texLaengeMinute, "texLaengeMinute", F::ZiffernUndKomma, false, "ist für die Minuteneingabe der Länge nicht zulässig!", Rechnen, R::Laenge, "58.078035", "Minuten", "Länge, Minuten (Mercator)", GanzOderDezimal},
    {texBGrad, "texBGrad", F::NurZiffern, false, Breite, texBMinute, R::Breite, "48", "Grad", "Breite, Grad", BreiteGrad},
    {texBMinute, "texBMinute", F::NurZiffern, false, "ist für die Minuteneingabe nicht zulässig!", texBSekunde, R::Breite, "26", "Minuten", "Breite, Minuten", MinutenGanz},
    {texBSekunde, "texBSekunde", F::ZiffernUndKomma, false, "ist für die Sekunden der Breite nicht zulässig!", texLGrad, R::Breite, "10.80", "Sekunden", "Breite, Sekunden", GanzOderDezimal},
    {texLGrad, "texLGrad", F::NurZiffern, false, Laenge, texLMinute, R::Laenge, "9", "Grad", "Länge, Grad", LaengeGrad},
    {texLMinute, "texLMinute", F::NurZiffern, false, "ist für die Minuteneingabe der Länge nicht zulässig!", texLSekunde, R::Laenge, "58", "Minuten", "Länge, Minuten", MinutenGanz},
    {texLSekunde, "texLSekunde", F::ZiffernUndKomma, false, "ist für die Sekunden der Länge nicht zulässig!", Rechnen, R::Laenge, "4.68", "Sekunden", "Länge, Sekunden", GanzOderDezimal},
    {texZone, "texZone", F::ZiffernUndBuchstaben, true, Zone, texRechts, R::Zone, "32U", "Zone", "UTM-Zone", ZonenRegel},
    {texRechts, "texRechts", F::NurZiffern, false, Rechtswert, texHoch, R::Laenge, "0571595", "Rechts", "UTM Rechtswert", "genau 7 Ziffern, zum Beispiel 0123456"},
    {texHoch, "texHoch", F::NurZiffern, false, Hochwert, Rechnen, R::Breite, "5365251", "Hoch", "UTM Hochwert", "genau 7 Ziffern, zum Beispiel 1234567"},
    {texZoneM, "texZoneM", F::ZiffernUndBuchstaben, true, Zone, tex100km, R::Zone, "32U", "Zone", "UTM-Zone (militärisch)", ZonenRegel},
    {tex100km, "tex100km", F::Keiner, true, "", tex10km, R::Quadrat, "NU", "100km", "100-km-Quadrat", QuadratRegel},
    {tex10km, "tex10km", F::Keiner, false, "", tex1km, R::Gruppe, "76", "10km", "10-km-Gruppe", GruppenRegel},
    {tex1km, "tex1km", F::Keiner, false, "", tex100m, R::Gruppe, "15", "1km", "1-km-Gruppe", GruppenRegel},
    {tex100m, "tex100m", F::Keiner, false, "", tex10m, R::Gruppe, "52", "100m", "100-m-Gruppe", GruppenRegel},
    {tex10m, "tex10m", F::Keiner, false, "", tex1m, R::Gruppe, "95", "10m", "10-m-Gruppe", GruppenRegel},
    {tex1m, "tex1m", F::Keiner, false, "", Rechnen, R::Gruppe, "51", "1m", "1-m-Gruppe", GruppenRegel},
    {texREFZone, "texREFZone", F::ZiffernUndBuchstaben, true, Zone, texREF100, R::Zone, "32U", "Zone", "UTMREF-Zone", ZonenRegel},
    {texREF100, "texREF100", F::NurBuchstaben, true, "ist bei 100km nicht zulässig!", texREFZiffern, R::Quadrat, "NU", "100km", "UTMREF 100-km-Quadrat", QuadratRegel},
    {texREFZiffern, "texREFZiffern", F::NurZiffern, false, "ist für die Ziffern nicht zulässig!", Rechnen, R::Quadrat, "7159565251", "Ziffern", "UTMREF Ziffern", "gerade Anzahl von Ziffern: 2, 4, 6, 8 oder 10"},
    {texGKRechts, "texGKRechts", F::ZiffernUndKomma, false, Rechtswert, texGKHoch, R::Laenge, "3571699.06", "Rechts", "Gauß-Krüger Rechtswert", "Meter, dezimal möglich; Extremwerte beachten: höchstens 5538200, mindestens 2484700"},
    {texGKHoch, "texGKHoch", F::ZiffernUndKomma, false, Hochwert, Rechnen, R::Breite, "5366959.20", "Hoch", "Gauß-Krüger Hochwert", "Meter, dezimal möglich; Extremwerte beachten: höchstens 6197355, mindestens 5107150"},
}};
// clang-format on

constexpr bool TabelleInOrdnung() {
    for (std::size_t i = 0; i < Feldtabelle.size(); ++i)
        if (Index(Feldtabelle[i].feld) != i) return false;
    return true;
}
static_assert(TabelleInOrdnung(), "the field table follows the order of Feld");

constexpr std::string_view Nord = "Nördliche Breite", Sued = "Südliche Breite";
constexpr std::string_view Ost = "Östliche Länge", West = "Westliche Länge";
constexpr std::array<Optionsbeschreibung, OptionAnzahl> Optionstabelle{{
    {"optDezN", Nord},
    {"optDezS", Sued},
    {"optDezE", Ost},
    {"optDezW", West},
    {"optGMN", Nord},
    {"optGMS", Sued},
    {"optGME", Ost},
    {"optGMW", West},
    {"optGradN", Nord},
    {"optGradS", Sued},
    {"optGradE", Ost},
    {"optGradW", West},
    {"optDrei", "3°-Streifen"},
    {"optSechs", "6°-Streifen"},
}};

constexpr std::string_view BreiteWas = "die Halbkugel der Breite (N oder S)";
constexpr std::string_view LaengeWas = "die Halbkugel der Länge (E oder W)";
constexpr std::string_view BreiteGruppe = "Halbkugel der Breite";
constexpr std::string_view LaengeGruppe = "Halbkugel der Länge";
using enum Option;
// clang-format off
constexpr Optionsgruppe DezOptionen[] = {{optDezN, optDezS, BreiteWas, "n", "s", "N|S", BreiteGruppe},
                                         {optDezE, optDezW, LaengeWas, "eo", "w", "E|W", LaengeGruppe}};
constexpr Optionsgruppe GMOptionen[] = {{optGMN, optGMS, BreiteWas, "n", "s", "N|S", BreiteGruppe},
                                        {optGME, optGMW, LaengeWas, "eo", "w", "E|W", LaengeGruppe}};
constexpr Optionsgruppe GMSOptionen[] = {{optGradN, optGradS, BreiteWas, "n", "s", "N|S", BreiteGruppe},
                                         {optGradE, optGradW, LaengeWas, "eo", "w", "E|W", LaengeGruppe}};
constexpr Optionsgruppe GKOptionen[] = {
    {optDrei, optSechs, "die Streifenbreite (3 oder 6)", "3", "6", "3|6", "Streifenbreite"}};
// clang-format on

constexpr Feld DezFelder[] = {texBreite, texLaenge};
constexpr Feld GMFelder[] = {texBreiteGrad, texBreiteMinute, texLaengeGrad, texLaengeMinute};
constexpr Feld GMSFelder[] = {texBGrad, texBMinute, texBSekunde, texLGrad, texLMinute, texLSekunde};
constexpr Feld ZIVFelder[] = {texZone, texRechts, texHoch};
constexpr Feld MILFelder[] = {texZoneM, tex100km, tex10km, tex1km, tex100m, tex10m, tex1m};
constexpr Feld REFFelder[] = {texREFZone, texREF100, texREFZiffern};
constexpr Feld GKFelder[] = {texGKRechts, texGKHoch};

// ---- How the texts of each format become the position -----------------------
// Every reader runs after its check has passed and takes the field texts
// exactly as they stand then.

std::string mitVorzeichen(std::string text, bool negativ) {
    if (negativ) text.insert(text.begin(), '-');
    return text;
}

// Civil UTM texts to the position on the UTM ellipsoid.
Position ausUTM(std::string rechts, std::string hoch, std::string zone) {
    std::string ellipsoid = "WGS";
    mk::UTMziv_G(rechts, hoch, zone, ellipsoid);
    return {std::move(ellipsoid), std::move(zone)};
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
Position ausQuadrat(std::string zone, std::string quadrat, Gruppen g, Ausgabetexte& t) {
    mk::UTMmil_UTMziv(zone, quadrat, g.g10km, g.g1km, g.g100m, g.g10m, g.g1m);
    // Now zone holds the Rechts text, quadrat the Hoch text, g10km the zone.
    t.setze(Aus::texZone2, g.g10km);
    t.setze(Aus::texRechts2, zone);
    t.setze(Aus::texHoch2, quadrat);
    return ausUTM(std::move(zone), std::move(quadrat), std::move(g.g10km));
}

Position ausGradDezimal(Eingabe& e, Ausgabetexte&) {
    return {mitVorzeichen(e.text(texBreite), e.istAn(optDezS)),
            mitVorzeichen(e.text(texLaenge), e.istAn(optDezW))};
}

std::string gradMinuten(const Eingabe& e, Feld grad, Feld minuten) {
    std::string g = e.text(grad), m = e.text(minuten);
    mk::GM_G(g, m);
    return g;
}

Position ausGradMinuten(Eingabe& e, Ausgabetexte&) {
    return {mitVorzeichen(gradMinuten(e, texBreiteGrad, texBreiteMinute), e.istAn(optGMS)),
            mitVorzeichen(gradMinuten(e, texLaengeGrad, texLaengeMinute), e.istAn(optGMW))};
}

std::string gradMinSek(const Eingabe& e, Feld grad, Feld minuten, Feld sekunden) {
    std::string g = e.text(grad), m = e.text(minuten), s = e.text(sekunden);
    mk::GMS_G(g, m, s);
    return g;
}

Position ausGradMinSek(Eingabe& e, Ausgabetexte&) {
    std::string breite = gradMinSek(e, texBGrad, texBMinute, texBSekunde);
    std::string laenge = gradMinSek(e, texLGrad, texLMinute, texLSekunde);
    return {mitVorzeichen(std::move(breite), e.istAn(optGradS)),
            mitVorzeichen(std::move(laenge), e.istAn(optGradW))};
}

// The civil, military and UTMREF output repeat the input; only the other
// notations are derived.
Position ausUTMzivil(Eingabe& e, Ausgabetexte& t) {
    const std::string &zone = e.text(texZone), &rechts = e.text(texRechts), &hoch = e.text(texHoch);
    t.setze(Aus::texZone2, zone);
    t.setze(Aus::texRechts2, rechts);
    t.setze(Aus::texHoch2, hoch);
    Position p = ausUTM(rechts, hoch, zone);
    std::string c = zone, a = rechts, b = hoch;
    mk::UTMziv_UTMmil(c, a, b);
    t.setze(Aus::texMilUTM, c);
    mk::UTMmil_UTMref(c);
    t.setze(Aus::texREFAUS, std::move(c));
    return p;
}

Position ausUTMmil(Eingabe& e, Ausgabetexte& t) {
    const std::string &zone = e.text(texZoneM), &quadrat = e.text(tex100km);
    Gruppen g{e.text(tex10km), e.text(tex1km), e.text(tex100m), e.text(tex10m), e.text(tex1m)};
    std::string text = zone + "  " + quadrat + "  " + g.verbunden();
    t.setze(Aus::texMilUTM, text);
    mk::UTMmil_UTMref(text);
    t.setze(Aus::texREFAUS, std::move(text));
    return ausQuadrat(zone, quadrat, std::move(g), t);
}

Position ausUTMref(Eingabe& e, Ausgabetexte& t) {
    std::string zone = e.text(texREFZone), quadrat = e.text(texREF100);
    Gruppen g{e.text(texREFZiffern), "", "", "", ""};
    t.setze(Aus::texREFAUS, zone + " " + quadrat + " " + g.g10km);
    mk::UTMref_UTMmil(zone, quadrat, g.g10km, g.g1km, g.g100m, g.g10m, g.g1m);
    t.setze(Aus::texMilUTM, zone + " " + quadrat + " " + g.verbunden());
    return ausQuadrat(std::move(zone), std::move(quadrat), std::move(g), t);
}

std::string ganzeMeter(const std::string& text) {
    return mk::Regionalzahltext(mk::Runden(mk::Zahlwert(text), 0));
}

// The Gauss-Krueger output keeps the user's strip width; the meridian text
// also goes back into texMeridian of the calculation window.
Position ausGK(Eingabe& e, Ausgabetexte& t) {
    std::string hoch = e.text(texGKHoch), rechts = e.text(texGKRechts);
    // One of the two buttons is always on; should neither be, the empty width
    // lets the inverse projection report "Fehler" as the meridian.
    std::string streifen;
    if (e.istAn(optDrei)) streifen = "3";
    if (e.istAn(optSechs)) streifen = "6";
    t.setze(Aus::texGKHochAUS, ganzeMeter(hoch));
    t.setze(Aus::texGKRechtsAUS, ganzeMeter(rechts));
    t.setze(Aus::labStreifenbreite, streifen);
    mk::GK_G(hoch, rechts, streifen);
    t.setze(Aus::texMeridianAUS, streifen);
    e.meridian = streifen;
    std::string hoehe = "300", richtung = "BG";
    mk::DatumTrafo(hoch, rechts, hoehe, richtung);
    return {std::move(hoch), std::move(rechts)};
}

const std::array<Format, FormatAnzahl> Formattabelle{{
    {1, "Grad (dezimal)", "dezimal", "fraGrad", "Eingabe: Grad (dezimal)", DezFelder, DezOptionen,
     PruefeGradDezimal, ausGradDezimal, true, true},
    {2, "Grad/Minuten", "gradmin", "fraGradMin", "Eingabe: Grad und Minuten (Mercator)", GMFelder,
     GMOptionen, PruefeGradMinuten, ausGradMinuten, true, true},
    {3, "Grad/Minuten/Sekunden", "gradminsek", "fraGradMinSek",
     "Eingabe: Grad, Minuten und Sekunden", GMSFelder, GMSOptionen, PruefeGradMinSek, ausGradMinSek,
     true, true},
    {4,
     "UTM zivil",
     "utm",
     "fraZIV",
     "Eingabe: UTM zivil",
     ZIVFelder,
     {},
     PruefeUTMzivil,
     ausUTMzivil,
     false,
     true},
    {5,
     "UTM mil",
     "mil",
     "fraMIL",
     "Eingabe: UTM militärisch",
     MILFelder,
     {},
     PruefeUTMmil,
     ausUTMmil,
     false,
     true},
    {6,
     "UTM ref",
     "ref",
     "fraREF",
     "Eingabe: UTMREF",
     REFFelder,
     {},
     PruefeUTMref,
     ausUTMref,
     false,
     true},
    {7, "Gauß - Krüger", "gk", "fraGK", "Eingabe: Gauß-Krüger (nur für Deutschland)", GKFelder,
     GKOptionen, PruefeGK, ausGK, true, false},
}};

using Z = Zahlform;
// clang-format off
constexpr std::array<Ausgabefeld, AusAnzahl> Ausgabetabelle{{
    {Aus::texBreiteAUS, "texBreiteAUS", 1, "breite", Z::Winkel, "Breite dezimal"},
    {Aus::texLaengeAUS, "texLaengeAUS", 1, "laenge", Z::Winkel, "Länge dezimal"},
    {Aus::texBreiteGradAUS, "texBreiteGradAUS", 2, "breite_grad", Z::Winkel, "Breite Grad (Mercator)"},
    {Aus::texBreiteMinuteAUS, "texBreiteMinuteAUS", 2, "breite_minuten", Z::Zahl, "Breite Minuten (Mercator)"},
    {Aus::texLaengeGradAUS, "texLaengeGradAUS", 2, "laenge_grad", Z::Winkel, "Länge Grad (Mercator)"},
    {Aus::texLaengeMinuteAUS, "texLaengeMinuteAUS", 2, "laenge_minuten", Z::Zahl, "Länge Minuten (Mercator)"},
    {Aus::texBGradAUS, "texBGradAUS", 3, "gms_breite_grad", Z::Winkel, "Breite Grad"},
    {Aus::texBMinuteAUS, "texBMinuteAUS", 3, "gms_breite_minuten", Z::Zahl, "Breite Minuten"},
    {Aus::texBSekundeAUS, "texBSekundeAUS", 3, "gms_breite_sekunden", Z::Zahl, "Breite Sekunden"},
    {Aus::texLGradAUS, "texLGradAUS", 3, "gms_laenge_grad", Z::Winkel, "Länge Grad"},
    {Aus::texLMinuteAUS, "texLMinuteAUS", 3, "gms_laenge_minuten", Z::Zahl, "Länge Minuten"},
    {Aus::texLSekundeAUS, "texLSekundeAUS", 3, "gms_laenge_sekunden", Z::Zahl, "Länge Sekunden"},
    {Aus::texZone2, "texZone2", 4, "utm_zone", Z::Text, "UTM-Zone"},
    {Aus::texRechts2, "texRechts2", 4, "utm_rechts", Z::Meter, "UTM Rechtswert"},
    {Aus::texHoch2, "texHoch2", 4, "utm_hoch", Z::Meter, "UTM Hochwert"},
    {Aus::texMilUTM, "texMilUTM", 5, "utm_mil", Z::Referenz, "UTM militärisch"},
    {Aus::texREFAUS, "texREFAUS", 6, "utmref", Z::Referenz, "UTMREF"},
    {Aus::texGKRechtsAUS, "texGKRechtsAUS", 7, "gk_rechts", Z::Meter, "Gauß-Krüger Rechtswert"},
    {Aus::texGKHochAUS, "texGKHochAUS", 7, "gk_hoch", Z::Meter, "Gauß-Krüger Hochwert"},
    {Aus::labStreifenbreite, "labStreifenbreite", 7, "gk_streifen", Z::Zahl, ""},
    {Aus::texMeridianAUS, "texMeridianAUS", 7, "gk_meridian", Z::Winkel, "Bezugsmeridian"},
}};
// clang-format on

constexpr bool AusgabeInOrdnung() {
    for (std::size_t i = 0; i < Ausgabetabelle.size(); ++i)
        if (Index(Ausgabetabelle[i].feld) != i) return false;
    return true;
}
static_assert(AusgabeInOrdnung(), "the output table follows the order of Aus");

template <typename T, typename Tabelle, typename NameVon>
std::optional<T> Suche(const Tabelle& tabelle, std::string_view name, NameVon nameVon) {
    for (std::size_t i = 0; i < tabelle.size(); ++i)
        if (nameVon(tabelle[i]) == name) return T(i);
    return std::nullopt;
}

} // namespace

const Feldbeschreibung& Beschreibung(Feld f) {
    return Feldtabelle[Index(f)];
}
std::span<const Feldbeschreibung> Felder() {
    return Feldtabelle;
}
std::span<const Format> Formate() {
    return Formattabelle;
}
const Format* FormatNr(int nummer) {
    if (nummer < 1 || nummer > int(FormatAnzahl)) return nullptr;
    return &Formattabelle[std::size_t(nummer - 1)];
}
std::span<const Ausgabefeld> Ausgabefelder() {
    return Ausgabetabelle;
}

std::string_view Name(Feld f) {
    return Feldtabelle[Index(f)].name;
}
std::string_view Name(Option o) {
    return Optionstabelle[Index(o)].name;
}
std::string_view Sprechname(Option o) {
    return Optionstabelle[Index(o)].sprechname;
}
std::string_view Name(Aus a) {
    return Ausgabetabelle[Index(a)].name;
}

std::optional<Feld> FeldNamens(std::string_view name) {
    return Suche<Feld>(Feldtabelle, name, [](const auto& f) { return f.name; });
}
std::optional<Option> OptionNamens(std::string_view name) {
    return Suche<Option>(Optionstabelle, name, [](const auto& o) { return o.name; });
}
std::optional<Aus> AusNamens(std::string_view name) {
    return Suche<Aus>(Ausgabetabelle, name, [](const auto& a) { return a.name; });
}

} // namespace kartovex
