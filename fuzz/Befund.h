// A broken property stops the fuzzer with the offending input saved.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "geodesy/modKartovex.h"

#define FUZZ_CHECK(bedingung)                                                                      \
    do {                                                                                           \
        if (!(bedingung)) {                                                                        \
            std::fprintf(stderr, "property failed: %s\n", #bedingung);                             \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace fuzz {

// The input split at line feeds; there is always at least one (maybe empty) text.
inline std::vector<std::string> Zeilen(const uint8_t* data, size_t size) {
    std::vector<std::string> zeilen(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            zeilen.emplace_back();
        else
            zeilen.back() += static_cast<char>(data[i]);
    }
    return zeilen;
}

inline std::string Klein(std::string t) {
    for (char& z : t)
        z = static_cast<char>(std::tolower(static_cast<unsigned char>(z)));
    return t;
}

// Whether a number went wrong on its way into a text: "nan" or "inf" in any case.
inline bool NanOderInf(const std::string& t) {
    const std::string k = Klein(t);
    return k.find("nan") != std::string::npos || k.find("inf") != std::string::npos;
}

// Several routines copy characters of their input texts into their results
// as they stand (square letters, digit groups, unchanged arguments), so a
// "nan" or "inf" in a result only points at a broken number when the inputs
// did not hold the letters to spell it. The guard remembers which of the two
// words the inputs could have supplied.
class NanInfWache {
public:
    explicit NanInfWache(std::initializer_list<std::string> eingaben)
        : NanInfWache(std::vector<std::string>(eingaben)) {}
    explicit NanInfWache(const std::vector<std::string>& eingaben) {
        std::string alle;
        for (const auto& t : eingaben)
            alle += Klein(t);
        auto hat = [&](char z) { return alle.find(z) != std::string::npos; };
        nanMoeglich_ = hat('n') && hat('a');
        infMoeglich_ = hat('i') && hat('n') && hat('f');
    }
    // Holds when the text has no "nan"/"inf" that the inputs cannot explain.
    bool sauber(const std::string& t) const {
        const std::string k = Klein(t);
        if (!nanMoeglich_ && k.find("nan") != std::string::npos) return false;
        if (!infMoeglich_ && k.find("inf") != std::string::npos) return false;
        return true;
    }

private:
    bool nanMoeglich_ = false;
    bool infMoeglich_ = false;
};

// Records every message of the geodesy module while it lives.
struct Meldungsrekorder {
    std::vector<std::string> meldungen;
    Meldungsrekorder() {
        modKartovex::setMeldungsausgabe(
            [this](const std::string& text) { meldungen.push_back(text); });
    }
    ~Meldungsrekorder() { modKartovex::setMeldungsausgabe({}); }
    Meldungsrekorder(const Meldungsrekorder&) = delete;
    Meldungsrekorder& operator=(const Meldungsrekorder&) = delete;
};

// The messages the geodesy routines may show, written out here on purpose
// (not taken from the module) so that a changed wording is caught too.
inline const std::string Unmoeglich =
    "Unmögliche Werte haben einen Fehler verursacht.\r\nÜberprüfen Sie Ihre Eingaben!";
inline const std::string Streifenbreite =
    "Die gewählte Streifenbreite führt zu einem Punkt ausserhalb von Deutschland.\r\n"
    "Wählen Sie eine kleinere Streifenbreite.";
inline const std::string RechtswertLaenge = "Der Rechtswert muss genau 7-stellig sein!";
inline const std::string HochwertLaenge = "Der Hochwert muss genau 7-stellig sein!";
inline const std::string Buchstabe1 = "Der 1. Buchstabe des 100km-Quadrates ist nicht zulässig";
inline const std::string Buchstabe2 = "Der 2. Buchstabe des 100km-Quadrates ist nicht zulässig.";

inline const std::vector<std::string>& ModulMeldungen() {
    static const std::vector<std::string> alle = {Unmoeglich,     Streifenbreite, RechtswertLaenge,
                                                  HochwertLaenge, Buchstabe1,     Buchstabe2};
    return alle;
}

inline bool Einer(const std::string& t, const std::vector<std::string>& erlaubt) {
    return std::find(erlaubt.begin(), erlaubt.end(), t) != erlaubt.end();
}

} // namespace fuzz
