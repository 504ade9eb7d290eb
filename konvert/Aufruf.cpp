#include "konvert/Aufruf.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <locale>
#include <optional>
#include <utility>

namespace kartovex::konvert {

namespace {

// The output fields of the groups of --columns ("dezimal,utm,gk": format
// names or numbers) in the order given; returns the fault or the empty text.
// Every group between commas counts, an empty one too.
std::string Spaltenwahl(std::string_view liste, std::vector<Aus>& spalten) {
    spalten.clear();
    std::vector<int> gewaehlt;
    for (std::size_t anfang = 0; anfang <= liste.size();) {
        const std::size_t ende = std::min(liste.find(',', anfang), liste.size());
        const std::string_view gruppe = liste.substr(anfang, ende - anfang);
        anfang = ende + 1;
        const auto f = FormatAusName(gruppe);
        if (!f || *f == Automatisch)
            return "unbekannte Spaltengruppe »" + std::string(gruppe) +
                   "« (dezimal, gradmin, gradminsek, utm, mil, ref, gk)";
        if (std::ranges::find(gewaehlt, *f) != gewaehlt.end())
            return "Spaltengruppe »" + std::string(gruppe) + "« doppelt";
        gewaehlt.push_back(*f);
        for (const Ausgabefeld& feld : Ausgabefelder())
            if (feld.format == *f) spalten.push_back(feld.feld);
    }
    return {};
}

// A whole number from 1 to 256, nothing before or after it.
std::optional<unsigned> Threadzahl(std::string_view text) {
    unsigned n = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (fehler != std::errc() || ende != text.data() + text.size() || n == 0 || n > 256)
        return std::nullopt;
    return n;
}

} // namespace

Aufruf LiesAufruf(const std::vector<std::string>& argumente, unsigned threads) {
    Aufruf r;
    Optionen& o = r.optionen;
    o.threads = threads;
    const auto falsch = [&r](std::string text) {
        r.fehler = std::move(text);
        return r;
    };
    bool formatDa = false, dateiDa = false, nurDateien = false;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        std::string a = argumente[i];
        // "--name=wert" and "--name wert" alike.
        std::optional<std::string> angehaengt;
        if (const auto gleich = a.find('=');
            !nurDateien && a.starts_with("--") && gleich != std::string::npos) {
            angehaengt = a.substr(gleich + 1);
            a.resize(gleich);
        }
        const auto wert = [&]() -> std::optional<std::string> {
            if (angehaengt) return std::exchange(angehaengt, std::nullopt);
            if (i + 1 < argumente.size()) return argumente[++i];
            return std::nullopt;
        };
        if (nurDateien || a == "-" || a.empty() || a[0] != '-') {
            if (dateiDa) return falsch("nur eine Eingabedatei");
            r.datei = a;
            dateiDa = true;
            continue;
        }
        if (a == "--") {
            nurDateien = true;
        } else if (a == "--help" || a == "-h") {
            r.tun = Aufruf::Tun::Hilfe;
            return r;
        } else if (a == "--version") {
            r.tun = Aufruf::Tun::Version;
            return r;
        } else if (a == "--format") {
            const auto w = wert();
            const auto f = w ? FormatAusName(*w) : std::nullopt;
            if (!f) return falsch("unbekanntes Format »" + w.value_or("") + "«");
            o.format = *f;
            o.form.formatSpalte = *f == Automatisch;
            formatDa = true;
        } else if (a == "--json") {
            o.form.json = true;
        } else if (a == "--numbers") {
            o.form.zahlen = true;
        } else if (a == "--geojson") {
            o.form.geojson = true;
        } else if (a == "--columns") {
            const auto w = wert();
            if (!w) return falsch("--columns braucht eine Liste von Spaltengruppen");
            if (std::string fehler = Spaltenwahl(*w, o.form.spalten); !fehler.empty())
                return falsch(fehler);
        } else if (a == "--in" || a == "--layer" || a == "--out" || a == "--driver") {
            const auto w = wert();
            if (!w || w->empty()) return falsch(a + " braucht einen Wert");
            (a == "--in"      ? r.gis.ein
             : a == "--layer" ? r.gis.ebene
             : a == "--out"   ? r.gis.aus
                              : r.gis.treiber) = *w;
        } else if (a == "--overwrite") {
            r.gis.ueberschreiben = true;
        } else if (a == "--progress") {
            r.gis.fortschritt = true;
        } else if (a == "--header") {
            o.kopfzeile = true;
        } else if (a == "--separator") {
            const auto w = wert();
            if (!w || w->size() != 1 || std::strchr("\"\r\n", (*w)[0]))
                return falsch(a + " braucht genau ein Zeichen (nicht \" oder Zeilenende)");
            o.zeile.trenner = (*w)[0];
        } else if (a == "--delimiter") {
            const auto w = wert();
            if (!w || w->size() != 1 || !SichererTrenner((*w)[0]))
                return falsch(a + " braucht genau ein Zeichen: " + std::string(SichereTrenner));
            o.form.trenner = (*w)[0];
        } else if (a == "--threads") {
            const auto w = wert();
            const auto n = w ? Threadzahl(*w) : std::nullopt;
            if (!n) return falsch("--threads braucht eine Zahl von 1 bis 256");
            o.threads = *n;
        } else {
            return falsch("unbekannte Option »" + a + "«");
        }
        if (angehaengt) return falsch(a + " nimmt keinen Wert");
    }
    if (!r.gis.ein.empty() && dateiDa) return falsch("--in oder DATEI, nicht beide");
    if (!formatDa && r.gis.ein.empty()) return falsch("--format fehlt");
    if (o.form.json && o.form.geojson) return falsch("--json oder --geojson, nicht beide");
    return r;
}

char RegionalerDezimaltrenner() {
    try {
        return std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point();
    } catch (const std::exception&) {
        return '.';
    }
}

} // namespace kartovex::konvert
