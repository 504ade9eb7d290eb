// The batch converter's line reader and record writers, and the UTF-8
// decoder under them, on any bytes.
//
// Input: the first byte picks the format (its value modulo 8; 0 is auto),
// the second the CSV separator among those the command line takes, the
// third the output form (bit 0 plain numbers, bit 1 a point that converts
// instead of empty coordinate fields). The rest is split at line feeds: the
// first text is a hostile line as it stands, the others are the user's own
// fields.
//
// Properties:
//  - the quoted-field reader gives back every own field that a line holds
//    quoted (quotes doubled), whatever bytes the field has;
//  - what the CSV writer writes, a strict RFC 4180 reader reads back as the
//    header and one record of the header's width, with the own fields, the
//    line number and the message that went in;
//  - what the JSON and GeoJSON writers write, a strict JSON reader
//    (nlohmann::json, which refuses invalid UTF-8) reads back with a key for
//    each column and the own fields as UTF-8;
//  - the hostile line gets a record of the header's width in every form;
//  - the decoder: a text is well-formed UTF-8 exactly when a JSON reader
//    takes it as a string, replacing the invalid bytes leaves a well-formed
//    text, and a well-formed text stays as it is.
#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "fuzz/Befund.h"
#include "geodesy/Zeichen.h"
#include "konvert/Datensatz.h"

namespace {

using namespace kartovex;
using namespace kartovex::konvert;
namespace zeichen = modKartovex::zeichen;
using Json = nlohmann::ordered_json;

using Satz = std::vector<std::string>;

// A strict RFC 4180 reader: records end with CR LF, a field is either quoted
// whole (quotes inside doubled) or holds no quote, CR or LF. Nothing when
// the text breaks the grammar.
std::optional<std::vector<Satz>> LiesCsv(std::string_view t, char trenner) {
    std::vector<Satz> saetze;
    Satz satz;
    std::size_t i = 0;
    while (i < t.size()) {
        std::string feld;
        if (t[i] == '"') {
            for (++i;; ++i) {
                if (i >= t.size()) return std::nullopt;
                if (t[i] == '"') {
                    if (i + 1 < t.size() && t[i + 1] == '"') {
                        feld += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                feld += t[i];
            }
        } else {
            for (; i < t.size() && t[i] != trenner && t[i] != '\r'; ++i) {
                if (t[i] == '"' || t[i] == '\n') return std::nullopt;
                feld += t[i];
            }
        }
        satz.push_back(std::move(feld));
        if (i < t.size() && t[i] == trenner) {
            ++i;
            if (i == t.size()) return std::nullopt; // a record never ends with a separator
            continue;
        }
        if (t.substr(i, 2) != "\r\n") return std::nullopt;
        i += 2;
        saetze.push_back(std::move(satz));
        satz.clear();
    }
    return saetze;
}

std::optional<Json> LiesJson(std::string_view text) {
    try {
        return Json::parse(text);
    } catch (const Json::parse_error&) {
        return std::nullopt;
    }
}

// A JSON string literal with only what JSON itself must escape escaped: a
// reader takes it exactly when the bytes are UTF-8.
std::string JsonLiteral(std::string_view text) {
    std::string j = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            j += '\\';
            j += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            j += "\\u00";
            j += "0123456789abcdef"[(c >> 4) & 0xF];
            j += "0123456789abcdef"[c & 0xF];
        } else {
            j += c;
        }
    }
    return j + '"';
}

// The format's fields of a line (1 to 7): a point that converts, or all empty.
std::string Punktzeile(int format, bool gut) {
    static const std::array<std::string, 8> punkte = {"",
                                                      "48.5;9.5",
                                                      "48;30;9;30",
                                                      "48;30;0;9;30;0",
                                                      "32U;0536936;5371996",
                                                      "32U;NU;37;61;99;39;66",
                                                      "32U;NU;3693671996",
                                                      "3537027;5373707"};
    std::string zeile = gut ? punkte[std::size_t(format)] : "";
    const auto felder = std::size_t(std::ranges::count(zeile, ';')) + 1;
    return zeile + std::string(Formatfelder(format) - felder, ';');
}

std::string Angefuehrt(std::string_view feld) {
    std::string a = "\"";
    for (const char c : feld)
        a += c == '"' ? std::string("\"\"") : std::string(1, c);
    return a + '"';
}

// The record of a point in CSV, read back: the header and one record of its
// width, with the line number 1 and the own fields the point holds.
void PruefeCsv(const Ausgabeform& form, const Punkt& p) {
    std::string text = Kopfzeile(form);
    Satzschreiber(form).haengeAn(text, 1, p);
    const auto saetze = LiesCsv(text, form.trenner);
    FUZZ_CHECK(saetze && saetze->size() == 2);
    const Satz& kopf = (*saetze)[0];
    const Satz& satz = (*saetze)[1];
    FUZZ_CHECK(satz.size() == kopf.size());
    FUZZ_CHECK(kopf.size() == 2 + form.formatSpalte + form.eigene.size() + form.spalten.size());
    FUZZ_CHECK(satz[0] == "1");
    const std::size_t erstes = 1 + form.formatSpalte;
    for (std::size_t k = 0; k < form.eigene.size(); ++k) {
        FUZZ_CHECK(kopf[erstes + k] == form.eigene[k]);
        FUZZ_CHECK(satz[erstes + k] == (k < p.eigene.size() ? p.eigene[k] : ""));
    }
    FUZZ_CHECK(satz.back() == p.meldung || !p.meldungen.empty());
}

// The record in JSON lines and as a GeoJSON feature, read back: one key per
// column, the own fields as UTF-8, the message as it is.
void PruefeJson(Ausgabeform form, const Punkt& p) {
    form.json = true;
    std::string text;
    Satzschreiber(form).haengeAn(text, 1, p);
    const auto satz = LiesJson(text);
    FUZZ_CHECK(satz && satz->is_object());
    const std::size_t spalten = 2 + form.formatSpalte + form.eigene.size() + form.spalten.size();
    FUZZ_CHECK(satz->size() == spalten);
    FUZZ_CHECK(satz->at("zeile") == 1);
    auto wert = std::next(satz->begin(), 1 + form.formatSpalte);
    for (std::size_t k = 0; k < form.eigene.size(); ++k, ++wert)
        FUZZ_CHECK(*wert == AlsUtf8(k < p.eigene.size() ? p.eigene[k] : ""));
    if (p.meldungen.empty()) FUZZ_CHECK(satz->at("meldung") == p.meldung);

    form.json = false;
    form.geojson = true;
    std::string merkmal;
    Satzschreiber(form).haengeAn(merkmal, 1, p);
    if (merkmal.empty()) return; // a line with a message is no feature
    const auto sammlung = LiesJson(Kopfzeile(form) + merkmal.substr(1) + Schluss(form));
    FUZZ_CHECK(sammlung && sammlung->at("features").size() == 1);
    FUZZ_CHECK(sammlung->at("features").at(0).at("properties").size() == spalten - 1);
}

void PruefeDecoder(std::string_view text) {
    const bool gueltig = zeichen::GueltigesUtf8(text);
    FUZZ_CHECK(LiesJson(JsonLiteral(text)).has_value() == gueltig);
    const std::string ersetzt = zeichen::MitErsatzzeichen(text);
    FUZZ_CHECK(zeichen::GueltigesUtf8(ersetzt));
    FUZZ_CHECK(gueltig == (ersetzt == text));
    std::size_t zeichen = 0;
    zeichen::JedesZeichen(text, [&](std::string_view z) {
        FUZZ_CHECK(!z.empty() && z.size() <= 4);
        ++zeichen;
        return true;
    });
    FUZZ_CHECK(zeichen == zeichen::Anzahl(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool gesammelt = (SammleMeldungen(), true);
    (void)gesammelt;
    if (size < 3) return 0;
    const int format = data[0] % 8;
    constexpr std::string_view trenner = ";,\t |:'+/\\#";
    Ausgabeform form;
    form.trenner = trenner[data[1] % trenner.size()];
    FUZZ_CHECK(SichererTrenner(form.trenner));
    form.zahlen = (data[2] & 1) != 0;
    form.formatSpalte = format == Automatisch;
    const std::vector<std::string> texte = fuzz::Zeilen(data + 3, size - 3);
    const std::string& feindlich = texte[0];
    const std::vector<std::string> eigene(texte.begin() + 1, texte.end());
    PruefeDecoder(feindlich);

    // The own fields of a point: read back from their quoted form, then
    // written as CSV, JSON and GeoJSON and read back again.
    Zeilenform zeilenform;
    if (format != Automatisch) {
        std::string zeile = Punktzeile(format, (data[2] & 2) != 0);
        for (const std::string& e : eigene)
            zeile += ';' + Angefuehrt(e);
        zeilenform.eigeneSpalten = eigene.size();
        form.eigene = eigene; // their names as a header line would give them
        const Punkt p = KonvertiereZeile(format, zeile, zeilenform);
        FUZZ_CHECK(p.eigene == eigene);
        FUZZ_CHECK(zeichen::GueltigesUtf8(p.meldung));
        PruefeCsv(form, p);
        PruefeJson(form, p);
    }

    // The hostile line itself, with as many own columns.
    const Punkt p = KonvertiereZeile(format, feindlich, zeilenform);
    FUZZ_CHECK(p.eigene.size() == zeilenform.eigeneSpalten);
    FUZZ_CHECK(zeichen::GueltigesUtf8(p.meldung));
    PruefeCsv(form, p);
    PruefeJson(form, p);
    return 0;
}
