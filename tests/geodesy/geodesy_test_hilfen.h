// Small fixtures shared by the geodesy tests.
#pragma once

#include <string>
#include <vector>

#include "geodesy/modKartovex.h"

// Records every module message while it lives.
struct MeldungsRekorder {
    std::vector<std::string> meldungen;
    MeldungsRekorder() {
        modKartovex::setMeldungsausgabe([this](const std::string& t) { meldungen.push_back(t); });
    }
    ~MeldungsRekorder() { modKartovex::setMeldungsausgabe(nullptr); }
    MeldungsRekorder(const MeldungsRekorder&) = delete;
    MeldungsRekorder& operator=(const MeldungsRekorder&) = delete;
};

// Sets the regional decimal separator while it lives.
struct MitDezimaltrenner {
    char vorher;
    explicit MitDezimaltrenner(char trenner) : vorher(modKartovex::Dezimaltrenner()) {
        modKartovex::setDezimaltrenner(trenner);
    }
    ~MitDezimaltrenner() { modKartovex::setDezimaltrenner(vorher); }
    MitDezimaltrenner(const MitDezimaltrenner&) = delete;
    MitDezimaltrenner& operator=(const MitDezimaltrenner&) = delete;
};
