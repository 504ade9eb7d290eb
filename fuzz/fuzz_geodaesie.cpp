// Every routine of the geodesy module on arbitrary argument texts. The first
// byte picks the routine (its value modulo 16, see Routinen below), the rest
// is split at line feeds into the routine's arguments (missing ones are
// empty). After the call:
//  - no text holds a "nan" or "inf" that the inputs could not spell;
//  - the routine has shown at most one message, and only one of those it may
//    show at all;
//  - the texts a routine must not write are unchanged, and after a message
//    the texts its failure handling names still hold their input.
// Crashes, sanitizer reports and hangs are caught by libFuzzer itself.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/Befund.h"

namespace {
namespace mk = modKartovex;
using Texte = std::vector<std::string>;
using fuzz::Buchstabe1;
using fuzz::Buchstabe2;
using fuzz::HochwertLaenge;
using fuzz::RechtswertLaenge;
using fuzz::Streifenbreite;
using fuzz::Unmoeglich;

struct Routine {
    const char* name;
    size_t argumente;
    std::vector<std::string> meldungen; // the messages it may show
};

// Index = first byte modulo 16.
const std::array<Routine, 16> Routinen = {{
    {"GMS_G", 3, {Unmoeglich}},
    {"GM_G", 2, {Unmoeglich}},
    {"G_GMS", 4, {Unmoeglich}},
    {"G_GM", 4, {Unmoeglich}},
    {"G_UTMziv", 3, {Unmoeglich}},
    {"UTMziv_G", 4, {Unmoeglich}},
    {"DatumTrafo", 4, {Unmoeglich}},
    {"G_GK", 3, {Unmoeglich}},
    {"GK_G", 3, {Unmoeglich, Streifenbreite}},
    {"UTMziv_UTMmil", 3, {Unmoeglich, RechtswertLaenge, HochwertLaenge}},
    {"UTMmil_UTMref", 1, {}},
    {"UTMref_UTMmil", 7, {}},
    {"UTMmil_UTMziv", 7, {Buchstabe1, Buchstabe2}},
    {"Breitenband", 1, {}},
    {"Zonennummer", 1, {}},
    {"Textpruefungen", 1, {}},
}};

std::string OhneKomma(std::string t) {
    for (char& z : t)
        if (z == ',') z = '.';
    return t;
}

// Runs routine r on a; returns the texts it returns (not its arguments).
Texte Rufe(size_t r, Texte& a) {
    switch (r) {
    case 0:
        mk::GMS_G(a[0], a[1], a[2]);
        break;
    case 1:
        mk::GM_G(a[0], a[1]);
        break;
    case 2:
        mk::G_GMS(a[0], a[1], a[2], a[3]);
        break;
    case 3:
        mk::G_GM(a[0], a[1], a[2], a[3]);
        break;
    case 4:
        mk::G_UTMziv(a[0], a[1], a[2]);
        break;
    case 5:
        mk::UTMziv_G(a[0], a[1], a[2], a[3]);
        break;
    case 6:
        mk::DatumTrafo(a[0], a[1], a[2], a[3]);
        break;
    case 7:
        mk::G_GK(a[0], a[1], a[2]);
        break;
    case 8:
        mk::GK_G(a[0], a[1], a[2]);
        break;
    case 9:
        mk::UTMziv_UTMmil(a[0], a[1], a[2]);
        break;
    case 10:
        mk::UTMmil_UTMref(a[0]);
        break;
    case 11:
        mk::UTMref_UTMmil(a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
        break;
    case 12:
        mk::UTMmil_UTMziv(a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
        break;
    case 13:
        return {mk::Breitenband(a[0])};
    case 14:
        return {mk::Zonennummer(a[0])};
    default:
        (void)mk::IstDezimalzahl(a[0]);
        (void)mk::IstZahlBis2(a[0]);
        (void)mk::IstZahlBis3(a[0]);
        break;
    }
    return {};
}

bool IstBand(const std::string& t) {
    return t.empty() ||
           (t.size() == 1 && std::string("CDEFGHJKLMNPQRSTUVWX").find(t) != std::string::npos);
}

bool IstZonennummer(const std::string& t) {
    if (t.empty()) return true;
    if (t.size() != 2 || !std::isdigit(static_cast<unsigned char>(t[0])) ||
        !std::isdigit(static_cast<unsigned char>(t[1])))
        return false;
    const int z = std::stoi(t);
    return z >= 1 && z <= 60;
}

// What the routine must leave alone (v: texts before, a: after, m: message
// shown or empty).
void PruefeSchreibrechte(size_t r, const Texte& v, const Texte& a, const std::string& m) {
    const bool gemeldet = !m.empty();
    switch (r) {
    case 0: // Minuten and Sekunden are only read.
        FUZZ_CHECK(a[1] == v[1] && a[2] == v[2]);
        break;
    case 1: // Minuten ends empty unless the fault came first.
        if (!gemeldet) FUZZ_CHECK(a[1].empty());
        break;
    case 2: // Dezimal always gets its ',' turned into '.'.
        FUZZ_CHECK(a[0] == OhneKomma(v[0]));
        break;
    case 3: // The same, and the fourth text is neither read nor written.
        FUZZ_CHECK(a[0] == OhneKomma(v[0]) && a[3] == v[3]);
        break;
    case 4: // The zone designation comes first; the coordinates only at the end.
        if (gemeldet) FUZZ_CHECK(a[0] == v[0] && a[1] == v[1]);
        break;
    case 5:
        if (gemeldet) FUZZ_CHECK(a == v);
        break;
    case 6:
        FUZZ_CHECK(a[3] == v[3]);
        if (gemeldet) FUZZ_CHECK(a == v);
        break;
    case 7:
        if (gemeldet) FUZZ_CHECK(a[0] == v[0] && a[1] == v[1]);
        break;
    case 8:
        if (m == Streifenbreite) FUZZ_CHECK(a == v);
        if (m == Unmoeglich) FUZZ_CHECK(a[0] == v[0] && a[1] == v[1]);
        if (!gemeldet && a[2] == "Fehler") FUZZ_CHECK(a[0].empty() && a[1].empty());
        break;
    case 9:
        FUZZ_CHECK(a[1] == v[1] && a[2] == v[2]);
        if (gemeldet) FUZZ_CHECK(a[0] == v[0]);
        break;
    case 11: // Frei1 and Frei2 are neither read nor written.
        FUZZ_CHECK(a[0] == v[0] && a[1] == v[1]);
        break;
    case 12: // G1km, G10m, G1m stay; a letter fault leaves "Fehler" in G100m only.
        FUZZ_CHECK(a[3] == v[3] && a[5] == v[5] && a[6] == v[6]);
        if (gemeldet)
            FUZZ_CHECK(a[0] == v[0] && a[1] == v[1] && a[2] == v[2] && a[4] == "Fehler");
        else
            FUZZ_CHECK(a[4] == v[4]);
        break;
    case 13:
    case 14:
    case 15:
        FUZZ_CHECK(a == v);
        break;
    default:
        break;
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const size_t r = data[0] % Routinen.size();
    const Routine& routine = Routinen[r];
    Texte a = fuzz::Zeilen(data + 1, size - 1);
    a.resize(routine.argumente);
    const Texte vorher = a;
    const fuzz::NanInfWache wache(vorher);

    Texte rueckgabe;
    std::string meldung;
    {
        fuzz::Meldungsrekorder rekorder;
        rueckgabe = Rufe(r, a);
        FUZZ_CHECK(rekorder.meldungen.size() <= 1);
        if (!rekorder.meldungen.empty()) meldung = rekorder.meldungen.front();
    }
    if (!meldung.empty() && !fuzz::Einer(meldung, routine.meldungen)) {
        std::fprintf(stderr, "%s showed: %s\n", routine.name, meldung.c_str());
        FUZZ_CHECK(!"a message the routine may not show");
    }
    for (const auto& t : a)
        FUZZ_CHECK(wache.sauber(t));
    for (const auto& t : rueckgabe)
        FUZZ_CHECK(!fuzz::NanOderInf(t));
    if (r == 13) FUZZ_CHECK(IstBand(rueckgabe[0]));
    if (r == 14) FUZZ_CHECK(IstZonennummer(rueckgabe[0]));
    PruefeSchreibrechte(r, vorher, a, meldung);
    return 0;
}
