// Degrees, minutes and seconds to decimal degrees and back.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "Ausgabewege.h"
#include "Fehlerbehandlung.h"
#include "Zahlform.h"
#include "Zeichen.h"
#include "modKartovex.h"

namespace modKartovex {

namespace {

using intern::mitWertpruefung;
using intern::pruefeWerte;

void kommaZuPunkt(std::string& text) {
    std::replace(text.begin(), text.end(), ',', '.');
}

// Writes Zahltext(wert) without blanks into the text, with '0' in front of
// a single character, after an optional minus sign. The characters are built
// in a fixed buffer, so the text's own buffer is reused.
void setzeZweistellig(std::string& text, double wert, bool minus = false) {
    if (wert >= 0 && wert < 1000 && static_cast<int>(wert) == wert) {
        // Whole numbers below 1000: the digits of Zahltext, filled to two
        // (appended one by one, which stays within the text's own buffer).
        const int zahl = static_cast<int>(wert);
        text.clear();
        if (minus) text += '-';
        if (zahl >= 100) text += static_cast<char>('0' + zahl / 100);
        text += static_cast<char>('0' + zahl / 10 % 10);
        text += static_cast<char>('0' + zahl % 10);
        return;
    }
    const intern::Zahlzeichen zahl = intern::Zahltextzeichen(wert);
    const std::string_view ohne = zeichen::OhneLeerzeichen(zahl.text());
    text.assign(minus ? "-" : "");
    if (ohne.size() == 1) text += '0';
    text += ohne;
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

double intern::WertMitPunkt(std::string& Dezimal) {
    kommaZuPunkt(Dezimal);
    return Zahlwert(Dezimal);
}

bool intern::GradMinSekWerte(double wert, std::string& GradAus, std::string& MinAus,
                             double& sekunden) {
    bool ok = false;
    mitWertpruefung([&] {
        const bool minus = wert < 0;
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
        setzeZweistellig(GradAus, d, minus);
        setzeZweistellig(MinAus, m);
        sekunden = s;
        ok = true;
    });
    return ok;
}

void G_GMS(std::string& Dezimal, std::string& GradAus, std::string& MinAus, std::string& SekAus) {
    double s = 0;
    if (!intern::GradMinSekWerte(intern::WertMitPunkt(Dezimal), GradAus, MinAus, s)) return;
    const intern::Zahlzeichen sekunden = intern::Zahltextzeichen(s);
    SekAus.assign(s < 10 ? "0" : "");
    SekAus += zeichen::OhneLeerzeichen(sekunden.text());
    if (s == 0) SekAus = "0.00";
}

bool intern::GradMinWerte(double wert, std::string& GradAus, double& minuten) {
    bool ok = false;
    mitWertpruefung([&] {
        const bool minus = wert < 0;
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
        setzeZweistellig(GradAus, d, minus);
        minuten = mR;
        ok = true;
    });
    return ok;
}

void G_GM(std::string& Dezimal, std::string& GradAus, std::string& MinAus, std::string& /*Frei*/) {
    double mR = 0;
    if (!intern::GradMinWerte(intern::WertMitPunkt(Dezimal), GradAus, mR)) return;
    setzeZweistellig(MinAus, mR);
    if (mR == 0) MinAus = "0.000000";
}

} // namespace modKartovex
