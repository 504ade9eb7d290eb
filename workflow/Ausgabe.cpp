#include "workflow/Ausgabe.h"

#include "geodesy/modKartovex.h"

namespace kartovex {

namespace {

// A latitude and a longitude differ only in their letters and degree width.
struct Achse {
    const char* plus;  // letter for north or east
    const char* minus; // letter for south or west
    std::size_t breite;
};
constexpr Achse Breite{"N", "S", 2};
constexpr Achse Laenge{"E", "W", 3};

// Zeros in front up to the width; a text of any other length does not fit
// and gives the empty text.
std::string nullenAuffuellen(const std::string& ziffern, std::size_t breite) {
    if (ziffern.empty() || ziffern.size() > breite) return {};
    return std::string(breite - ziffern.size(), '0') + ziffern;
}

std::string ohneRandleerzeichen(const std::string& text) {
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string::npos) return {};
    return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

std::string dezimal(const std::string& text, const Achse& achse) {
    const bool negativ = !text.empty() && text.front() == '-';
    std::string t = negativ ? text.substr(1) : ohneRandleerzeichen(text);
    t = modKartovex::Dezimaltext(t, 6);
    // Everything before the point and its six decimals is the integer part.
    const std::size_t ganz = t.size() >= 7 ? t.size() - 7 : 0;
    return (negativ ? achse.minus : achse.plus) +
           nullenAuffuellen(t.substr(0, ganz), achse.breite) + t.substr(ganz);
}

// The degree field: the hemisphere from the sign of the degree text, then the
// filled digits.
std::string gradfeld(std::string grad, const Achse& achse) {
    const bool negativ = !grad.empty() && grad.front() == '-';
    if (negativ) grad.erase(0, 1);
    return (negativ ? achse.minus : achse.plus) + nullenAuffuellen(grad, achse.breite);
}

void gradMin(const std::string& text, const Achse& achse, Aus gradFeld, Aus minFeld,
             Ausgabetexte& felder) {
    std::string dezimal = text, grad, minuten, frei;
    modKartovex::G_GM(dezimal, grad, minuten, frei);
    felder.setze(gradFeld, gradfeld(grad, achse));
    felder.setze(minFeld, modKartovex::Dezimaltext(minuten, 6));
}

void gradMinSek(const std::string& text, const Achse& achse, Aus gradFeld, Aus minFeld, Aus sekFeld,
                Ausgabetexte& felder) {
    std::string dezimal = text, grad, minuten, sekunden;
    modKartovex::G_GMS(dezimal, grad, minuten, sekunden);
    felder.setze(gradFeld, gradfeld(grad, achse));
    felder.setze(minFeld, minuten);
    felder.setze(sekFeld, modKartovex::Dezimaltext(sekunden, 2));
}

} // namespace

void AusgabeBreiteDezimal(const std::string& Breitentext, Ausgabetexte& felder) {
    felder.setze(Aus::texBreiteAUS, dezimal(Breitentext, Breite));
}

void AusgabeLaengeDezimal(const std::string& Laengentext, Ausgabetexte& felder) {
    felder.setze(Aus::texLaengeAUS, dezimal(Laengentext, Laenge));
}

void AusgabeBreiteGradMin(const std::string& Breitentext, Ausgabetexte& felder) {
    gradMin(Breitentext, Breite, Aus::texBreiteGradAUS, Aus::texBreiteMinuteAUS, felder);
}

void AusgabeLaengeGradMin(const std::string& Laengentext, Ausgabetexte& felder) {
    gradMin(Laengentext, Laenge, Aus::texLaengeGradAUS, Aus::texLaengeMinuteAUS, felder);
}

void AusgabeBreiteGradMinSek(const std::string& Breitentext, Ausgabetexte& felder) {
    gradMinSek(Breitentext, Breite, Aus::texBGradAUS, Aus::texBMinuteAUS, Aus::texBSekundeAUS,
               felder);
}

void AusgabeLaengeGradMinSek(const std::string& Laengentext, Ausgabetexte& felder) {
    gradMinSek(Laengentext, Laenge, Aus::texLGradAUS, Aus::texLMinuteAUS, Aus::texLSekundeAUS,
               felder);
}

} // namespace kartovex
