// Fixtures shared by the geodesy tests, and a table runner for the routines
// that work on argument texts.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
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
};

// Sets the regional decimal separator while it lives.
struct MitDezimaltrenner {
    char vorher;
    explicit MitDezimaltrenner(char trenner) : vorher(modKartovex::Dezimaltrenner()) {
        modKartovex::setDezimaltrenner(trenner);
    }
    ~MitDezimaltrenner() { modKartovex::setDezimaltrenner(vorher); }
};

using Texte = std::vector<std::string>;

inline Texte teile(const std::string& text) {
    Texte teile(1);
    for (char z : text)
        z == '|' ? teile.push_back({}) : teile.back().push_back(z);
    return teile;
}

// The routines by name. UTMziv_G and UTMmil_UTMziv take the hemisphere flag
// as one more text ("N" or "S") and give it back there.
inline const std::map<std::string, std::function<void(Texte&)>>& Routinen() {
    using namespace modKartovex;
    auto halbkugel = [](std::size_t n, void (*f)(Texte&)) {
        return [n, f](Texte& t) {
            if (t.size() > n) NordHalbkugel = t[n] == "N";
            f(t);
            if (t.size() > n) t[n] = NordHalbkugel ? "N" : "S";
        };
    };
    static const std::map<std::string, std::function<void(Texte&)>> routinen = {
        {"GMS_G", [](Texte& t) { GMS_G(t[0], t[1], t[2]); }},
        {"GM_G", [](Texte& t) { GM_G(t[0], t[1]); }},
        {"G_GMS", [](Texte& t) { G_GMS(t[0], t[1], t[2], t[3]); }},
        {"G_GM", [](Texte& t) { G_GM(t[0], t[1], t[2], t[3]); }},
        {"G_UTMziv", [](Texte& t) { G_UTMziv(t[0], t[1], t[2]); }},
        {"UTMziv_G", halbkugel(4, [](Texte& t) { UTMziv_G(t[0], t[1], t[2], t[3]); })},
        {"DatumTrafo", [](Texte& t) { DatumTrafo(t[0], t[1], t[2], t[3]); }},
        {"G_GK", [](Texte& t) { G_GK(t[0], t[1], t[2]); }},
        {"GK_G", [](Texte& t) { GK_G(t[0], t[1], t[2]); }},
        {"UTMziv_UTMmil", [](Texte& t) { UTMziv_UTMmil(t[0], t[1], t[2]); }},
        {"UTMmil_UTMref", [](Texte& t) { UTMmil_UTMref(t[0]); }},
        {"UTMref_UTMmil",
         [](Texte& t) { UTMref_UTMmil(t[0], t[1], t[2], t[3], t[4], t[5], t[6]); }},
        {"UTMmil_UTMziv",
         halbkugel(7, [](Texte& t) { UTMmil_UTMziv(t[0], t[1], t[2], t[3], t[4], t[5], t[6]); })},
    };
    return routinen;
}

// One call: the argument texts before and after, joined by '|'. After the
// call "*" matches any text, and "~x" a number text with x's characters
// before the point and within half a unit of x's last digit. The message, if
// any, must show exactly once.
struct Fall {
    std::string ein, aus, meldung = {};
};

inline bool passt(const std::string& ist, const std::string& soll) {
    if (soll == "*") return true;
    if (soll.empty() || soll[0] != '~') return ist == soll;
    const std::string zahl = soll.substr(1);
    const auto punkt = zahl.find('.');
    const int stellen = punkt == std::string::npos ? 0 : int(zahl.size() - punkt - 1);
    return ist.substr(0, ist.find('.')) == zahl.substr(0, zahl.find('.')) &&
           std::fabs(modKartovex::Zahlwert(ist) - modKartovex::Zahlwert(zahl)) <=
               0.5 * std::pow(10.0, -stellen);
}

// Runs every case with either decimal separator: the results must not differ.
inline void pruefe(const std::string& routine, const std::vector<Fall>& faelle) {
    for (char trenner : {'.', ','})
        for (const Fall& f : faelle) {
            MitDezimaltrenner einstellung(trenner);
            MeldungsRekorder rekorder;
            Texte t = teile(f.ein);
            Routinen().at(routine)(t);
            const Texte soll = teile(f.aus);
            bool gleich = t.size() == soll.size();
            for (std::size_t i = 0; gleich && i < t.size(); ++i)
                gleich = passt(t[i], soll[i]);
            EXPECT_TRUE(gleich) << routine << ' ' << f.ein << " (" << trenner << ") -> "
                                << testing::PrintToString(t);
            EXPECT_EQ(rekorder.meldungen, f.meldung.empty() ? Texte{} : Texte{f.meldung})
                << routine << ' ' << f.ein;
        }
}
