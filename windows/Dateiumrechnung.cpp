#include "windows/Dateiumrechnung.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "konvert/Gisnamen.h"

namespace kartovex::datei {

namespace fs = std::filesystem;
using konvert::GisformatVon;

bool IstGisdatei(const std::string& eingabe) {
    return GisformatVon(eingabe) != nullptr;
}

std::string Eingabeart(const std::string& eingabe) {
    if (eingabe.empty()) return {};
    if (const auto* f = GisformatVon(eingabe))
        return "GIS-Datei: " + std::string(f->name) + ", jedes Objekt ein Punkt";
    return "Textdatei: ein Punkt je Zeile";
}

std::string Vorgabeausgabe(const std::string& eingabe, bool alsCsv) {
    const fs::path p(eingabe);
    return (p.parent_path() / (p.stem().string() + "-umgerechnet" + (alsCsv ? ".csv" : ".gpkg")))
        .string();
}

bool IstCsvAusgabe(const std::string& ausgabe) {
    const std::string e = konvert::Endung(ausgabe);
    return e == ".csv" || e == ".txt";
}

std::vector<std::string> Argumente(const Auftrag& a) {
    std::vector<std::string> arg = {"--progress"};
    if (IstGisdatei(a.eingabe)) {
        arg.insert(arg.end(), {"--in", a.eingabe});
        if (!a.ebene.empty()) arg.insert(arg.end(), {"--layer", a.ebene});
    } else {
        arg.insert(arg.end(), {"--format", a.format});
    }
    if (!IstCsvAusgabe(a.ausgabe)) {
        arg.insert(arg.end(), {"--out", a.ausgabe});
        if (a.ueberschreiben) arg.push_back("--overwrite");
    }
    if (!IstGisdatei(a.eingabe)) arg.insert(arg.end(), {"--", a.eingabe});
    return arg;
}

namespace {

// "<wort> <zahl> <zahl>" with nothing else; the two numbers, if it is.
std::optional<std::pair<std::uint64_t, std::int64_t>> Zahlenzeile(const std::string& zeile,
                                                                  std::string_view wort) {
    if (!zeile.starts_with(wort) || zeile.size() <= wort.size() || zeile[wort.size()] != ' ')
        return std::nullopt;
    const char* p = zeile.data() + wort.size() + 1;
    const char* ende = zeile.data() + zeile.size();
    std::uint64_t a = 0;
    std::int64_t b = 0;
    auto r = std::from_chars(p, ende, a);
    if (r.ec != std::errc() || r.ptr == ende || *r.ptr != ' ') return std::nullopt;
    r = std::from_chars(r.ptr + 1, ende, b);
    if (r.ec != std::errc() || r.ptr != ende) return std::nullopt;
    return std::pair{a, b};
}

} // namespace

Meldezeile LiesMeldezeile(const std::string& zeile) {
    using Art = Meldezeile::Art;
    if (const auto z = Zahlenzeile(zeile, "Fortschritt"))
        return {Art::Fortschritt, z->first, z->second, {}};
    if (const auto z = Zahlenzeile(zeile, "Ergebnis"))
        return {Art::Ergebnis, z->first, z->second, {}};
    const bool meldung = (zeile.starts_with("Zeile ") || zeile.starts_with("Objekt ")) &&
                         zeile.find(": ") != std::string::npos;
    return {meldung ? Art::Meldung : Art::Sonstiges, 0, 0, zeile};
}

std::string Tausender(std::uint64_t zahl) {
    std::string ziffern = std::to_string(zahl), text;
    for (std::size_t i = 0; i < ziffern.size(); ++i) {
        if (i > 0 && (ziffern.size() - i) % 3 == 0) text += ' ';
        text += ziffern[i];
    }
    return text;
}

std::string Fortschrittstext(std::uint64_t punkte, double sekunden, std::int64_t promille) {
    std::string text = Tausender(punkte) + (punkte == 1 ? " Punkt" : " Punkte");
    if (sekunden <= 0) return text;
    text += " · " + Tausender(std::uint64_t(double(punkte) / sekunden)) + " Punkte/s";
    if (promille > 0 && promille < 1000) {
        const double rest = sekunden * double(1000 - promille) / double(promille);
        text += " · noch " + Tausender(std::uint64_t(std::ceil(rest))) + " s";
    }
    return text;
}

std::string Ergebnistext(std::uint64_t gerechnet, std::uint64_t mitMeldung,
                         const std::vector<std::string>& ersteMeldungen) {
    std::string text = Tausender(gerechnet) +
                       (gerechnet == 1 ? " Punkt umgerechnet" : " Punkte umgerechnet") + ", " +
                       Tausender(mitMeldung) + " mit Meldung";
    text += '.';
    if (!ersteMeldungen.empty()) {
        text += ersteMeldungen.size() < mitMeldung ? "\nDie ersten Meldungen:" : "\nMeldungen:";
        for (const std::string& m : ersteMeldungen)
            text += "\n" + m;
    }
    return text;
}

} // namespace kartovex::datei
