#include "workflow/Ausgabe.h"

#include <cmath>
#include <string_view>

#include "geodesy/Ausgabewege.h"
#include "geodesy/modKartovex.h"

namespace kartovex {

namespace {

// A latitude and a longitude differ only in their letters and degree width.
struct Achse {
    char plus;  // letter for north or east
    char minus; // letter for south or west
    std::size_t breite;
};
constexpr Achse Breite{'N', 'S', 2};
constexpr Achse Laenge{'E', 'W', 3};

// The hemisphere letter, the digits with zeros in front up to the width,
// then the rest. Digits of any other length do not fit and are left out.
// (Character by character: these short fields stay in the string's own
// buffer, and each step is cheaper than a general append.)
std::string feld(char buchstabe, std::string_view ziffern, std::size_t breite,
                 std::string_view rest = {}) {
    std::string aus(1, buchstabe);
    if (!ziffern.empty() && ziffern.size() <= breite) {
        for (std::size_t i = ziffern.size(); i < breite; ++i)
            aus += '0';
        for (const char z : ziffern)
            aus += z;
    }
    aus.append(rest);
    return aus;
}

// The decimal field: the hemisphere letter, then the value behind the sign
// with six decimals, its integer part filled with zeros to the width.
std::string dezimal(bool negativ, double betrag, const Achse& achse) {
    const std::string t = modKartovex::intern::Dezimaltext(betrag, 6);
    // Everything before the point and its six decimals is the integer part.
    const std::size_t ganz = t.size() >= 7 ? t.size() - 7 : 0;
    const std::string_view text = t;
    return feld(negativ ? achse.minus : achse.plus, text.substr(0, ganz), achse.breite,
                text.substr(ganz));
}

// Of a text, the hemisphere is its leading '-', and the value is that of the
// rest (which reads blanks anywhere as nothing).
std::string dezimal(const std::string& text, const Achse& achse) {
    const bool negativ = text.starts_with('-');
    return dezimal(negativ, modKartovex::Zahlwert(negativ ? text.substr(1) : text), achse);
}

// The degree field: the hemisphere from the sign of the degree text, then the
// filled digits.
std::string gradfeld(std::string_view grad, const Achse& achse) {
    const bool negativ = !grad.empty() && grad.front() == '-';
    if (negativ) grad.remove_prefix(1);
    return feld(negativ ? achse.minus : achse.plus, grad, achse.breite);
}

// The minutes and seconds fields round the number that G_GM or G_GMS end
// with; the same digits as rounding their texts, without reading them back.
// The value is the one G_GM and G_GMS read from a text (WertMitPunkt).
void gradMin(double wert, const Achse& achse, Aus gradFeld, Aus minFeld, Ausgabetexte& felder) {
    std::string grad;
    double minuten = 0;
    if (!modKartovex::intern::GradMinWerte(wert, grad, minuten)) minuten = 0;
    felder.setze(gradFeld, gradfeld(grad, achse));
    felder.setze(minFeld, modKartovex::intern::Dezimaltext(minuten, 6));
}

void gradMinSek(double wert, const Achse& achse, Aus gradFeld, Aus minFeld, Aus sekFeld,
                Ausgabetexte& felder) {
    std::string grad, minuten;
    double sekunden = 0;
    if (!modKartovex::intern::GradMinSekWerte(wert, grad, minuten, sekunden)) sekunden = 0;
    felder.setze(gradFeld, gradfeld(grad, achse));
    felder.setze(minFeld, std::move(minuten));
    felder.setze(sekFeld, modKartovex::intern::Dezimaltext(sekunden, 2));
}

double wertMitPunkt(std::string text) {
    return modKartovex::intern::WertMitPunkt(text);
}

} // namespace

void AusgabeBreiteDezimal(const std::string& Breitentext, Ausgabetexte& felder) {
    felder.setze(Aus::texBreiteAUS, dezimal(Breitentext, Breite));
}

void AusgabeLaengeDezimal(const std::string& Laengentext, Ausgabetexte& felder) {
    felder.setze(Aus::texLaengeAUS, dezimal(Laengentext, Laenge));
}

void AusgabeBreiteGradMin(const std::string& Breitentext, Ausgabetexte& felder) {
    gradMin(wertMitPunkt(Breitentext), Breite, Aus::texBreiteGradAUS, Aus::texBreiteMinuteAUS,
            felder);
}

void AusgabeLaengeGradMin(const std::string& Laengentext, Ausgabetexte& felder) {
    gradMin(wertMitPunkt(Laengentext), Laenge, Aus::texLaengeGradAUS, Aus::texLaengeMinuteAUS,
            felder);
}

void AusgabeBreiteGradMinSek(const std::string& Breitentext, Ausgabetexte& felder) {
    gradMinSek(wertMitPunkt(Breitentext), Breite, Aus::texBGradAUS, Aus::texBMinuteAUS,
               Aus::texBSekundeAUS, felder);
}

void AusgabeLaengeGradMinSek(const std::string& Laengentext, Ausgabetexte& felder) {
    gradMinSek(wertMitPunkt(Laengentext), Laenge, Aus::texLGradAUS, Aus::texLMinuteAUS,
               Aus::texLSekundeAUS, felder);
}

void AusgabeGeographisch(double breite, double laenge, Ausgabetexte& felder) {
    felder.setze(Aus::texBreiteAUS, dezimal(std::signbit(breite), std::fabs(breite), Breite));
    felder.setze(Aus::texLaengeAUS, dezimal(std::signbit(laenge), std::fabs(laenge), Laenge));
    gradMin(breite, Breite, Aus::texBreiteGradAUS, Aus::texBreiteMinuteAUS, felder);
    gradMin(laenge, Laenge, Aus::texLaengeGradAUS, Aus::texLaengeMinuteAUS, felder);
    gradMinSek(breite, Breite, Aus::texBGradAUS, Aus::texBMinuteAUS, Aus::texBSekundeAUS, felder);
    gradMinSek(laenge, Laenge, Aus::texLGradAUS, Aus::texLMinuteAUS, Aus::texLSekundeAUS, felder);
}

} // namespace kartovex
