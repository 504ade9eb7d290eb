#include "karte/Lagetext.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "geodesy/modKartovex.h"

namespace kartovex::karte {

namespace {

std::string Halbkugelzahl(double wert, char plus, char minus, bool blank) {
    char text[32];
    std::snprintf(text, sizeof text, blank ? "%c %.6f" : "%c%.6f", wert < 0 ? minus : plus,
                  std::fabs(wert));
    return text;
}

// The value of "N48.436333": the letter gives the sign.
std::optional<double> Halbkugelwert(const std::string& text, char plus, char minus) {
    if (text.size() < 2 || (text[0] != plus && text[0] != minus)) return std::nullopt;
    const double wert = modKartovex::Zahlwert(text.substr(1));
    return text[0] == minus ? -wert : wert;
}

} // namespace

std::string UTMrefLesbar(const std::string& ausgabe) {
    std::istringstream teile(ausgabe);
    std::string zone, quadrat, ziffern;
    teile >> zone >> quadrat >> ziffern;
    if (zone.empty() || quadrat.empty() || ziffern.size() % 2 != 0) return ausgabe;
    const std::size_t halb = ziffern.size() / 2;
    return zone + " " + quadrat + " " + ziffern.substr(0, halb) + " " + ziffern.substr(halb);
}

std::string UTMref(Lage g) {
    if (g.breiteGrad < -80 || g.breiteGrad > 84) return {};
    std::string rechts = modKartovex::Zahltext(g.laengeGrad);
    std::string hoch = modKartovex::Zahltext(g.breiteGrad);
    std::string zone = "WGS";
    modKartovex::G_UTMziv(rechts, hoch, zone);
    modKartovex::UTMziv_UTMmil(zone, rechts, hoch);
    modKartovex::UTMmil_UTMref(zone);
    return UTMrefLesbar(zone);
}

std::string Gradtext(Lage g) {
    return Halbkugelzahl(g.breiteGrad, 'N', 'S', true) + "°  " +
           Halbkugelzahl(g.laengeGrad, 'E', 'W', true) + "°";
}

std::string Uebernahmetext(Lage g) {
    return Halbkugelzahl(g.breiteGrad, 'N', 'S', false) + " " +
           Halbkugelzahl(g.laengeGrad, 'E', 'W', false);
}

std::optional<Lage> LageAusAusgabe(const std::string& breite, const std::string& laenge) {
    const auto b = Halbkugelwert(breite, 'N', 'S');
    const auto l = Halbkugelwert(laenge, 'E', 'W');
    if (!b || !l) return std::nullopt;
    return Lage{*b, *l};
}

} // namespace kartovex::karte
