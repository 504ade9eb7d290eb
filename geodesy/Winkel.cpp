// Degrees, minutes and seconds to decimal degrees and back.
#include <algorithm>
#include <cmath>
#include <string>

#include "Fehlerbehandlung.h"
#include "Zeichen.h"
#include "modKartovex.h"

namespace modKartovex {

namespace {

using intern::mitWertpruefung;
using intern::pruefeWerte;

void kommaZuPunkt(std::string& text) {
    std::replace(text.begin(), text.end(), ',', '.');
}

// Zahltext without blanks, at least two characters.
std::string zweistellig(double wert) {
    std::string text(zeichen::OhneLeerzeichen(Zahltext(wert)));
    if (text.size() == 1) text.insert(text.begin(), '0');
    return text;
}

std::string gradText(double grad, const std::string& vorzeichen) {
    return vorzeichen + zweistellig(grad);
}

} // namespace

void GMS_G(std::string& Grad, std::string& Minuten, std::string& Sekunden) {
    mitWertpruefung([&] {
        const double m = Zahlwert(Minuten);
        const double s = Zahlwert(Sekunden);
        const double g = Zahlwert(Grad);
        const double v = (g + m / 60) + s / 3600;
        pruefeWerte(v);
        Grad = Zahltext(v);
    });
}

void GM_G(std::string& Grad, std::string& Minuten) {
    mitWertpruefung([&] {
        kommaZuPunkt(Minuten);
        const double v = Zahlwert(Grad) + Zahlwert(Minuten) / 60;
        pruefeWerte(v);
        Grad = Zahltext(v);
        Minuten.clear();
    });
}

void G_GMS(std::string& Dezimal, std::string& GradAus, std::string& MinAus, std::string& SekAus) {
    mitWertpruefung([&] {
        kommaZuPunkt(Dezimal);
        const double wert = Zahlwert(Dezimal);
        const std::string vorzeichen = wert < 0 ? "-" : "";
        const double a = std::fabs(wert);
        double d = std::floor(a);
        const double m0 = (a - d) * 60;
        double m = std::floor(m0);
        double s = (m0 - m) * 60;
        if (s > 59.999999) {
            s = 0;
            m = m + 1;
        }
        if (m > 59.999999) {
            m = 0;
            d = d + 1;
        }
        pruefeWerte(d, m, s);
        GradAus = gradText(d, vorzeichen);
        MinAus = zweistellig(m);
        SekAus = zeichen::OhneLeerzeichen(Zahltext(s));
        if (s < 10) SekAus.insert(SekAus.begin(), '0');
        if (s == 0) SekAus = "0.00";
    });
}

void G_GM(std::string& Dezimal, std::string& GradAus, std::string& MinAus, std::string& /*Frei*/) {
    mitWertpruefung([&] {
        kommaZuPunkt(Dezimal);
        const double wert = Zahlwert(Dezimal);
        const std::string vorzeichen = wert < 0 ? "-" : "";
        const double a = std::fabs(wert);
        double d = std::floor(a);
        const double m0 = (a - d) * 60;
        // Six decimals, halves to even (the default rounding mode).
        double mR = std::nearbyint(m0 * 1e6) / 1e6;
        if (mR > 59.999999) {
            mR = 0;
            d = d + 1;
        }
        pruefeWerte(d, mR);
        GradAus = gradText(d, vorzeichen);
        MinAus = zweistellig(mR);
        if (mR == 0) MinAus = "0.000000";
    });
}

} // namespace modKartovex
