// modKartovex: the geodetic routines of KartovexLE.
//
// Every routine takes its arguments as texts passed by reference and delivers
// its results by overwriting some of them; callers pass working copies.
// Numbers inside texts always use '.' as decimal point. Routines that have the
// common error handler report a fault through the message output once and
// return normally, leaving each text new or old as the routine documents.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace modKartovex {

// ---- Messages and regional settings --------------------------------------

// Where the module's messages go (the program shows them as message boxes,
// tests record them). Without one installed they go to standard error.
// Install it before other threads use the module; the output is shared by
// all threads and must be safe to call from each of them.
using Meldungsausgabe = std::function<void(const std::string&)>;
void setMeldungsausgabe(Meldungsausgabe ausgabe);

// Shows one message through the installed output.
void Meldung(const std::string& text);

// The common two-line fault message (lines separated by CR LF).
extern const std::string FehlerMeldung;

// The user's decimal separator, used only by Regionalzahltext and
// Dezimaltext before their ',' is turned into '.'. Default '.'.
void setDezimaltrenner(char trenner);
char Dezimaltrenner();

// ---- Numbers and texts ----------------------------------------------------

// Value of the longest leading decimal number of a text; blanks, tabs and
// line feeds skipped anywhere; 0 when there is none.
double Zahlwert(const std::string& text);

// General number text: leading blank for values >= 0, 15 significant digits,
// '.' as decimal point, no "0" before the point below 1.
std::string Zahltext(double wert);

// Regional number text: no leading blank, "0" before the point, the user's
// decimal separator.
std::string Regionalzahltext(double wert);

// x rounded to n decimals, halves away from zero.
double Runden(double x, int16_t n);

// Number value of t with exactly n decimals (0 to 14), '.' as decimal point;
// the empty text when the value is too large for a double.
std::string Dezimaltext(const std::string& t, int16_t n);

// ---- Angles ---------------------------------------------------------------

void GMS_G(std::string& Grad, std::string& Minuten, std::string& Sekunden);
void GM_G(std::string& Grad, std::string& Minuten);
void G_GMS(std::string& Dezimal, std::string& GradAus, std::string& MinAus, std::string& SekAus);
void G_GM(std::string& Dezimal, std::string& GradAus, std::string& MinAus, std::string& Frei);

// ---- Text checks of the geographic input formats --------------------------

bool IstDezimalzahl(const std::string& text);
bool IstZahlBis2(const std::string& text);
bool IstZahlBis3(const std::string& text);

// ---- UTM ------------------------------------------------------------------

std::string Breitenband(const std::string& Breite);
std::string Zonennummer(const std::string& Laenge);
void G_UTMziv(std::string& Laenge, std::string& Breite, std::string& Ellipsoid);
void UTMziv_G(std::string& Rechts, std::string& Hoch, std::string& Zone, std::string& Ellipsoid);

// Hemisphere of the last zone designation read by UTMziv_G or UTMmil_UTMziv.
// One per thread, so that conversions on several threads do not mix it up.
extern thread_local bool NordHalbkugel;

// ---- Datum transformation and Gauss-Krueger -------------------------------

void DatumTrafo(std::string& Breite, std::string& Laenge, std::string& Hoehe,
                std::string& Richtung);
void G_GK(std::string& Breite, std::string& Laenge, std::string& Streifen);
void GK_G(std::string& Hoch, std::string& Rechts, std::string& Streifen);

// ---- 100 km squares ---------------------------------------------------------

void UTMziv_UTMmil(std::string& Zone, std::string& Rechts, std::string& Hoch);
void UTMmil_UTMref(std::string& Text);
void UTMref_UTMmil(std::string& Frei1, std::string& Frei2, std::string& Ziffern, std::string& G1km,
                   std::string& G100m, std::string& G10m, std::string& G1m);
void UTMmil_UTMziv(std::string& Zone, std::string& Quadrat, std::string& G10km, std::string& G1km,
                   std::string& G100m, std::string& G10m, std::string& G1m);

} // namespace modKartovex
