// The 100 km square letters: civil UTM to the military notation, and the
// military notation to UTMREF.
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "Fehlerbehandlung.h"
#include "Quadratbuchstaben.h"
#include "Zeichen.h"
#include "modKartovex.h"

namespace modKartovex {

namespace {

using intern::Fehler;
using intern::mitWertpruefung;
using intern::pruefeWerte;

using zeichen::OhneLeerzeichen;
using zeichen::Zeichenfolge;

// Number value of one character (0 for anything but a digit).
int ziffer(std::string_view z) {
    return z.size() == 1 && zeichen::IstZiffer(z[0]) ? z[0] - '0' : 0;
}

// Column letters by zone number modulo 3, for the 100 km digit 1 to 8.
std::string_view Spaltensatz(long zone) {
    switch (zone % 3) {
    case 1:
        return intern::Spaltensaetze[0];
    case 2:
        return intern::Spaltensaetze[1];
    case 0:
        return intern::Spaltensaetze[2];
    default:
        return {}; // negative zone numbers: no column set
    }
}

// Row letters by parity of the millions digit and of the zone number, for
// the 100 km digit 0 to 9.
std::string_view Zeilensatz(int millionen, long zone) {
    const std::string_view zyklus =
        zone % 2 == 0 ? intern::ZeilenGeradeZone : intern::ZeilenUngeradeZone;
    return zyklus.substr(millionen % 2 == 0 ? 0 : 10, 10);
}

// The n-th letter (1-based) of a set. Position 0 is outside every set and
// is a fault; a position past the end selects nothing.
std::string_view Buchstabe(std::string_view satz, int n) {
    if (n < 1) throw Fehler{};
    return static_cast<std::size_t>(n) <= satz.size()
               ? satz.substr(static_cast<std::size_t>(n - 1), 1)
               : std::string_view{};
}

// A few characters collected without the heap; the caller knows they fit.
struct Kurztext {
    std::array<char, 32> zeichen;
    std::size_t laenge = 0;
    Kurztext& operator+=(std::string_view teil) {
        for (const char z : teil)
            zeichen[laenge++] = z;
        return *this;
    }
    Kurztext& operator+=(char z) {
        zeichen[laenge++] = z;
        return *this;
    }
    std::string_view text() const { return {zeichen.data(), laenge}; }
};

} // namespace

void UTMziv_UTMmil(std::string& Zone, std::string& Rechts, std::string& Hoch) {
    mitWertpruefung([&] {
        if (zeichen::Anzahl(OhneLeerzeichen(Rechts)) != 7) {
            Meldung("Der Rechtswert muss genau 7-stellig sein!");
            return;
        }
        if (zeichen::Anzahl(OhneLeerzeichen(Hoch)) != 7) {
            Meldung("Der Hochwert muss genau 7-stellig sein!");
            return;
        }
        const double zoneWert = std::nearbyint(Zahlwert(Zone));
        pruefeWerte(zoneWert);
        if (std::fabs(zoneWert) > 1e9) throw Fehler{}; // a zone number no integer holds
        const long z = static_cast<long>(zoneWert);

        const Zeichenfolge rechts(Rechts), hoch(Hoch);
        const std::string_view spalte = Buchstabe(Spaltensatz(z), ziffer(rechts[2]));
        const std::string_view zeile =
            Buchstabe(Zeilensatz(ziffer(hoch[1]), z), ziffer(hoch[2]) + 1);

        // Nothing can fail from here. The tail is put together first and
        // appended at once: in a fixed buffer when both texts are ASCII (each
        // character one byte, at most 20 bytes), else in a string, since a
        // "character" of a malformed text may span many bytes.
        auto schreibeTeil = [&](auto& teil) {
            teil += "  ";
            teil += spalte;
            teil += zeile;
            teil += "  ";
            for (std::size_t stelle = 3; stelle <= 7; ++stelle) {
                if (stelle > 3) teil += '.';
                teil += rechts[stelle];
                teil += hoch[stelle];
            }
        };
        if (rechts.ascii() && hoch.ascii()) {
            Kurztext teil;
            schreibeTeil(teil);
            Zone += teil.text();
        } else {
            std::string teil;
            schreibeTeil(teil);
            Zone += teil;
        }
    });
}

void UTMmil_UTMref(std::string& Text) {
    mitWertpruefung([&] {
        // Missing groups read as zeros.
        constexpr std::string_view Nullgruppen = ".00.00.00.00.00";
        constexpr std::size_t Ostziffern[] = {10, 13, 16, 19, 22};
        constexpr std::size_t Nordziffern[] = {11, 14, 17, 20, 23};
        const Zeichenfolge text(Text);
        if (text.ascii()) {
            // Every position is a byte: pick them from the text or the zeros
            // after it; a position beyond both gives nothing.
            const std::size_t laenge = Text.size();
            std::array<char, 24> ref;
            std::size_t n = 0;
            auto nimm = [&](std::size_t stelle) {
                if (stelle <= laenge)
                    ref[n++] = Text[stelle - 1];
                else if (stelle - laenge <= Nullgruppen.size())
                    ref[n++] = Nullgruppen[stelle - laenge - 1];
            };
            for (std::size_t stelle = 1; stelle <= 9; ++stelle)
                nimm(stelle);
            for (std::size_t stelle : Ostziffern)
                nimm(stelle);
            for (std::size_t stelle : Nordziffern)
                nimm(stelle);
            Text.assign(ref.data(), n);
            return;
        }
        const std::string t = Text + std::string(Nullgruppen);
        const Zeichenfolge folge(t);
        std::string ref(t, 0, folge.start(10));
        for (std::size_t stelle : Ostziffern)
            ref += folge[stelle];
        for (std::size_t stelle : Nordziffern)
            ref += folge[stelle];
        Text = std::move(ref);
    });
}

} // namespace modKartovex
