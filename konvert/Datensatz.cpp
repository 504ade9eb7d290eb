#include "konvert/Datensatz.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <set>

#include "checks/Textregeln.h"
#include "geodesy/Zeichen.h"

namespace kartovex::konvert {

using modKartovex::zeichen::GueltigesUtf8;

namespace {

std::string Meldungstext(const Punkt& p) {
    if (!p.meldung.empty()) return p.meldung;
    std::string text;
    for (const std::string& m : p.meldungen)
        text += (text.empty() ? "" : "\r\n") + m;
    return text;
}

// Whether a CSV field needs quotes: it holds the separator, a quote or a line
// break. (Only records that need quotes somewhere come here, field by field.)
bool BrauchtAnfuehrung(std::string_view text, char trenner) {
    const char besonders[] = {trenner, '"', '\r', '\n'};
    return text.find_first_of(std::string_view(besonders, sizeof besonders)) !=
           std::string_view::npos;
}

// RFC 4180: a field with the separator, a quote or a line break is quoted,
// its quotes doubled.
void CsvFeld(std::string& ziel, std::string_view text, char trenner) {
    if (!BrauchtAnfuehrung(text, trenner)) {
        ziel.append(text);
        return;
    }
    ziel += '"';
    for (char c : text) {
        if (c == '"') ziel += '"';
        ziel += c;
    }
    ziel += '"';
}

// A JSON string; the texts are UTF-8 already, only quotes, backslashes and
// control characters need escapes.
void JsonText(std::string& ziel, std::string_view text) {
    ziel += '"';
    for (char c : text) {
        switch (c) {
        case '"':
            ziel += "\\\"";
            break;
        case '\\':
            ziel += "\\\\";
            break;
        case '\n':
            ziel += "\\n";
            break;
        case '\r':
            ziel += "\\r";
            break;
        case '\t':
            ziel += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char u[8];
                std::snprintf(u, sizeof u, "\\u%04x", c);
                ziel += u;
            } else {
                ziel += c;
            }
        }
    }
    ziel += '"';
}

// Copies a text to w and returns its end. The texts of a record are mostly
// short: up to sixteen bytes go as two overlapping words, without the call
// of memcpy, which cost more than the copy itself (measured).
[[gnu::always_inline]] inline char* Kopiere(char* w, std::string_view text) {
    const char* s = text.data();
    const std::size_t n = text.size();
    const auto zweiWoerter = [&]<class Wort>(Wort) {
        Wort vorn, hinten;
        std::memcpy(&vorn, s, sizeof vorn);
        std::memcpy(&hinten, s + n - sizeof hinten, sizeof hinten);
        std::memcpy(w, &vorn, sizeof vorn);
        std::memcpy(w + n - sizeof hinten, &hinten, sizeof hinten);
    };
    if (n >= 8 && n <= 16) {
        zweiWoerter(std::uint64_t{});
    } else if (n >= 4 && n < 8) {
        zweiWoerter(std::uint32_t{});
    } else if (n > 16) {
        std::memcpy(w, s, n);
    } else if (n > 0) { // one to three bytes
        w[0] = s[0];
        w[n / 2] = s[n / 2];
        w[n - 1] = s[n - 1];
    }
    return w + n;
}

// A Zahl, Meter or Winkel text as a plain number, without a copy: its sign
// and its digits (empty when the text is no number in that form), and how
// many points the digits hold.
struct Zahlteile {
    bool negativ = false;
    std::string_view ziffern;
    std::size_t punkte = 0;
};

// What a byte adds up to over the digits of a plain number: nothing for a
// digit, one for the point, and for any other byte a one above the 32 bits
// that count the points.
constexpr std::array<std::uint64_t, 256> Ziffernart = [] {
    std::array<std::uint64_t, 256> art;
    art.fill(std::uint64_t{1} << 32);
    for (char z = '0'; z <= '9'; ++z)
        art[static_cast<unsigned char>(z)] = 0;
    art['.'] = 1;
    return art;
}();

// Inlined where it is used: it runs once per value, and the call cost about as
// much as its work (measured under --numbers).
[[gnu::always_inline]] inline Zahlteile Teile(Zahlform form, std::string_view text) {
    Zahlteile z;
    const char* p = text.data();
    const char* ende = p + text.size();
    while (p < ende && *p == ' ')
        ++p;
    const auto halbkugel = [](char c) { return c == 'N' || c == 'S' || c == 'E' || c == 'W'; };
    if (form == Zahlform::Winkel && p < ende && halbkugel(*p)) {
        z.negativ = *p == 'S' || *p == 'W';
        ++p;
        constexpr std::string_view grad = "°";
        if (std::string_view(p, ende).ends_with(grad)) ende -= grad.size();
    }
    while (ende - p > 1 && p[0] == '0' && p[1] != '.')
        ++p;
    if (p == ende || *p == '.') return z;
    // One pass, without a branch per byte: every byte must be a digit or the point.
    std::uint64_t summe = 0;
    for (const char* q = p; q < ende; ++q)
        summe += Ziffernart[static_cast<unsigned char>(*q)];
    if (summe >> 32 == 0) { // (the points of a text under 4 GB stay below)
        z.ziffern = std::string_view(p, ende);
        z.punkte = summe;
    }
    return z;
}

// The digits as a JSON number allows them after its sign, 0|[1-9][0-9]*
// then .[0-9]+ or nothing: Teile has left no leading zero and no point in
// front, so at most one point, and not at the end.
bool JsonZahl(const Zahlteile& z) {
    return !z.ziffern.empty() && z.punkte <= 1 && z.ziffern.back() != '.';
}

// A military or UTMREF text without its blanks and dots, written from w on;
// returns the end. Every byte is written and the end moves on only for those
// kept, so a byte that goes is overwritten by the next one.
char* OhneTrenner(char* w, std::string_view text) {
    constexpr std::array<unsigned char, 256> bleibt = [] {
        std::array<unsigned char, 256> b;
        b.fill(1);
        b[' '] = b['.'] = 0;
        return b;
    }();
    for (const char c : text) {
        *w = c;
        w += bleibt[static_cast<unsigned char>(c)];
    }
    return w;
}

// What AlsZahl gives, written from w on; returns the end. Never longer than
// the text: a hemisphere letter at most becomes the '-'. Inlined, as Teile,
// and each form on its own way, so that none asks for the form again.
[[gnu::always_inline]] inline char* SchreibeZahl(char* w, Zahlform form, std::string_view text) {
    const auto zahl = [&](Zahlform f) {
        if (const Zahlteile z = Teile(f, text); !z.ziffern.empty()) {
            *w = '-';
            return Kopiere(w + z.negativ, z.ziffern);
        }
        return Kopiere(w, text);
    };
    switch (form) {
    case Zahlform::Text:
        return Kopiere(w, text);
    case Zahlform::Referenz:
        return OhneTrenner(w, text);
    case Zahlform::Winkel:
        return zahl(Zahlform::Winkel);
    case Zahlform::Zahl:
    case Zahlform::Meter:
        break;
    }
    return zahl(Zahlform::Zahl); // a Meter text is read as a Zahl text
}

// One value of a CSV record with --numbers. A number or a reference without
// blanks holds no safe separator (SichererTrenner): it needs no quotes.
void CsvZahl(std::string& ziel, Zahlform form, std::string_view text, char trenner) {
    if (form == Zahlform::Text) return CsvFeld(ziel, text, trenner);
    if (form == Zahlform::Referenz) {
        const std::size_t vorher = ziel.size();
        ziel.resize(vorher + text.size());
        ziel.resize(std::size_t(OhneTrenner(ziel.data() + vorher, text) - ziel.data()));
        return;
    }
    if (const Zahlteile z = Teile(form, text); !z.ziffern.empty()) {
        if (z.negativ) ziel += '-';
        ziel.append(z.ziffern);
        return;
    }
    CsvFeld(ziel, AlsZahl(form, text), trenner);
}

// One value of a JSON record: a text, or under --numbers a number field
// (form other than Text) as a JSON number, null when empty.
void JsonWert(std::string& ziel, std::string_view text, Zahlform form) {
    if (form == Zahlform::Text) return JsonText(ziel, text);
    if (text.empty()) {
        ziel += "null";
        return;
    }
    if (form != Zahlform::Referenz) {
        const Zahlteile z = Teile(form, text);
        if (JsonZahl(z)) {
            if (z.negativ) ziel += '-';
            ziel.append(z.ziffern);
            return;
        }
    }
    JsonText(ziel, AlsZahl(form, text));
}

// The name of the format a line was read in; empty when it was not recognised.
std::string_view Formatspalte(const Punkt& p) {
    return p.format ? Formatname(p.format) : "";
}

} // namespace

bool SichererTrenner(char trenner) {
    constexpr std::string_view erlaubt = " \t!#$%&'()*+,/:;<=>?@[\\]^`{|}~";
    return trenner != 0 && erlaubt.find(trenner) != std::string_view::npos;
}

std::vector<Aus> AlleSpalten() {
    std::vector<Aus> alle;
    for (const Ausgabefeld& feld : Ausgabefelder())
        alle.push_back(feld.feld);
    return alle;
}

std::string AlsZahl(Zahlform form, std::string_view text) {
    std::string zahl(text.size(), '\0');
    zahl.resize(std::size_t(SchreibeZahl(zahl.data(), form, text) - zahl.data()));
    return zahl;
}

namespace {

// Sixteen bytes as one value of the compiler's vector type (SSE2 on x86-64,
// plain code elsewhere): a comparison gives 0xFF in each byte where it holds.
using Bytes16 = unsigned char __attribute__((vector_size(16)));

std::size_t Bytesumme(Bytes16 v) {
    std::size_t summe = 0;
    for (int haelfte = 0; haelfte < 2; ++haelfte) {
        std::uint64_t x;
        std::memcpy(&x, reinterpret_cast<const char*>(&v) + 8 * haelfte, sizeof x);
        // Pairs of bytes into four 16-bit sums, then the four added up in the top ones.
        constexpr std::uint64_t jedesZweite = 0x00FF00FF00FF00FFull;
        x = (x & jedesZweite) + ((x >> 8) & jedesZweite);
        summe += (x * 0x0001000100010001ull) >> 48;
    }
    return summe;
}

// What one pass over a record finds: whether a byte needs a quote or escape,
// and how many bytes are the one counted (separators or quotes).
struct Durchsicht {
    bool besonders = false;
    std::size_t anzahl = 0;
};

// One pass over the text, sixteen bytes at a time; the last sixteen bytes
// overlap the block before, their bytes seen already masked out. A text
// under sixteen bytes goes byte by byte. The two tests say the same, for
// sixteen bytes and for one.
template <class Test16, class Test1>
Durchsicht Sieh(std::string_view text, unsigned char gezaehlt, Test16 test16, Test1 test1) {
    Durchsicht d;
    if (text.size() < 16) {
        for (const char z : text) {
            const auto c = static_cast<unsigned char>(z);
            d.besonders |= test1(c);
            d.anzahl += c == gezaehlt;
        }
        return d;
    }
    const auto block = [&](std::size_t i) {
        Bytes16 x;
        std::memcpy(&x, text.data() + i, sizeof x);
        return x;
    };
    Bytes16 besonders{};
    std::size_t i = 0;
    while (i + 16 <= text.size()) {
        // Each byte of the counter counts one per block: summed up before it overflows.
        Bytes16 zaehler{};
        for (int n = 0; n < 255 && i + 16 <= text.size(); ++n, i += 16) {
            const Bytes16 x = block(i);
            besonders |= test16(x);
            zaehler -= Bytes16(x == gezaehlt); // 0xFF is -1: one more
        }
        d.anzahl += Bytesumme(zaehler);
    }
    if (i < text.size()) {
        constexpr Bytes16 stelle = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
        const Bytes16 neu = Bytes16(stelle >= static_cast<unsigned char>(i + 16 - text.size()));
        const Bytes16 x = block(text.size() - 16);
        besonders |= test16(x) & neu;
        d.anzahl += Bytesumme(Bytes16(x == gezaehlt) & neu & 1);
    }
    d.besonders = Bytesumme(besonders) != 0;
    return d;
}

} // namespace

bool OhneAnfuehrungRichtig(std::string_view satz, char trenner, std::size_t trennerAnzahl) {
    const Durchsicht d = Sieh(
        satz, static_cast<unsigned char>(trenner),
        [](Bytes16 x) { return Bytes16((x == '"') | (x == '\r') | (x == '\n')); },
        [](unsigned char c) { return (c == '"') | (c == '\r') | (c == '\n'); });
    return !d.besonders && d.anzahl == trennerAnzahl;
}

bool OhneEscapesRichtig(std::string_view satz, std::size_t anfuehrungen) {
    const Durchsicht d = Sieh(
        satz, '"', [](Bytes16 x) { return Bytes16((x == '\\') | (x < 0x20)); },
        [](unsigned char c) { return (c == '\\') | (c < 0x20); });
    return !d.besonders && d.anzahl == anfuehrungen;
}

std::string Kopfzeile(const Ausgabeform& form) {
    if (form.geojson) return "{\"type\":\"FeatureCollection\",\"features\":[\n";
    if (form.json) return {};
    std::string kopf = form.formatSpalte ? std::string("zeile") + form.trenner + "format" : "zeile";
    for (const std::string& name : form.eigene) {
        kopf += form.trenner;
        CsvFeld(kopf, name, form.trenner);
    }
    for (Aus a : form.spalten)
        kopf += form.trenner + std::string(Ausgabefelder()[Index(a)].spalte);
    return kopf + form.trenner + "meldung\r\n";
}

std::string Schluss(const Ausgabeform& form) {
    return form.geojson ? "]}\n" : "";
}

namespace {

// The JSON names of the user's own columns: as UTF-8, and one that another
// key of the record has already (such as "breite", "zeile" or a column of
// the same name before it) gets the first free "_2", "_3", ... after it, so
// that no key stands twice and a reader loses no value.
std::vector<std::string> EindeutigeNamen(const Ausgabeform& form) {
    std::set<std::string> fest = {"zeile"};
    if (form.formatSpalte) fest.insert("format");
    if (!form.geojson) fest.insert("meldung");
    for (Aus a : form.spalten)
        fest.insert(std::string(Ausgabefelder()[Index(a)].spalte));
    std::vector<std::string> namen;
    std::set<std::string> vergeben = fest;
    for (const std::string& eigen : form.eigene)
        vergeben.insert(AlsUtf8(eigen));
    std::set<std::string> schon;
    for (const std::string& eigen : form.eigene) {
        std::string name = AlsUtf8(eigen);
        if (fest.contains(name) || schon.contains(name)) {
            std::string frei;
            for (int n = 2; vergeben.contains(frei = name + '_' + std::to_string(n)); ++n) {}
            name = frei;
            vergeben.insert(name);
        }
        schon.insert(name);
        namen.push_back(name);
    }
    return namen;
}

} // namespace

Satzschreiber::Satzschreiber(const Ausgabeform& form) : form(form) {
    const auto felder = Ausgabefelder();
    for (Aus a : form.spalten)
        spalten.push_back({a, form.zahlen ? felder[Index(a)].zahl : Zahlform::Text});
    const auto name = [this](std::string_view text) {
        std::string n = ",";
        JsonText(n, text);
        namenSchlicht = namenSchlicht && n.size() == text.size() + 3;
        namen.push_back(n + ':');
    };
    if (form.formatSpalte) name("format");
    for (const std::string& eigen : EindeutigeNamen(form))
        name(eigen);
    for (Aus a : form.spalten)
        name(felder[Index(a)].spalte);
    name("meldung");
}

// Calls wert(i, zahlform, text) for each value of a record after the line
// number, in order: the format (formatSpalte only), the user's own fields
// (one for each column of the header, empty where the line has none), the
// chosen output fields and, but in GeoJSON, the message. i is the value's
// place among the names. (Inlined with the callers' lambdas: called as
// functions, they cost more than their work.)
template <class F>
[[gnu::always_inline]] inline void
Satzschreiber::jederWert(const Punkt& p, std::string_view meldung, F&& wert) const {
    std::size_t i = 0;
    if (form.formatSpalte) wert(i++, Zahlform::Text, Formatspalte(p));
    for (std::size_t k = 0; k < form.eigene.size(); ++k)
        wert(i++, Zahlform::Text,
             k < p.eigene.size() ? std::string_view(p.eigene[k]) : std::string_view());
    for (const Spalte& s : spalten)
        wert(i++, s.zahl, std::string_view(p.text(s.feld)));
    if (!form.geojson) wert(i, Zahlform::Text, meldung);
}

namespace {

// One value as JsonWert writes it when the text needs no escapes, from w on;
// returns the end and counts the quotes written. At most text.size() + 4 bytes.
char* SchreibeJsonWert(char* w, std::string_view text, Zahlform form, std::size_t& anfuehrungen) {
    if (form != Zahlform::Text) {
        if (text.empty()) return Kopiere(w, "null");
        if (form != Zahlform::Referenz) {
            if (const Zahlteile z = Teile(form, text); JsonZahl(z)) {
                *w = '-';
                return Kopiere(w + z.negativ, z.ziffern);
            }
        }
    }
    anfuehrungen += 2;
    *w++ = '"';
    w = form == Zahlform::Text ? Kopiere(w, text) : SchreibeZahl(w, form, text);
    *w++ = '"';
    return w;
}

} // namespace

// Appends the properties of a JSON record from "zeile" on, without the
// closing brace, every text as it is, into room made once. Returns whether
// that is right (no text needs an escape), else the record is taken back.
[[gnu::flatten]] bool Satzschreiber::jsonOhneEscapes(std::string& ziel, std::string_view nummer,
                                                     const Punkt& p,
                                                     std::string_view meldung) const {
    if (!namenSchlicht) return false;
    constexpr std::string_view anfang = "{\"zeile\":";
    std::size_t laenge = anfang.size() + nummer.size();
    jederWert(p, meldung, [&](std::size_t i, Zahlform, std::string_view text) {
        laenge += namen[i].size() + text.size() + 4; // the quotes, or "null" for nothing
    });
    const std::size_t vorher = ziel.size();
    ziel.resize(vorher + laenge);
    char* w = Kopiere(Kopiere(ziel.data() + vorher, anfang), nummer);
    std::size_t anfuehrungen = 2;
    jederWert(p, meldung, [&](std::size_t i, Zahlform zahl, std::string_view text) {
        w = Kopiere(w, namen[i]);
        anfuehrungen += 2;
        w = SchreibeJsonWert(w, text, zahl, anfuehrungen);
    });
    ziel.resize(std::size_t(w - ziel.data()));
    if (OhneEscapesRichtig(std::string_view(ziel).substr(vorher), anfuehrungen)) return true;
    ziel.resize(vorher);
    return false;
}

// The properties of a JSON record or GeoJSON feature from "zeile" on, without
// the closing brace.
void Satzschreiber::jsonSatz(std::string& ziel, std::string_view nummer, const Punkt& p,
                             std::string_view meldung) const {
    // As with CSV: written plainly and checked once, value by value only when needed.
    if (jsonOhneEscapes(ziel, nummer, p, meldung)) return;
    ziel += "{\"zeile\":";
    ziel.append(nummer);
    jederWert(p, meldung, [&](std::size_t i, Zahlform zahl, std::string_view text) {
        ziel += namen[i];
        JsonWert(ziel, text, zahl);
    });
}

// A point feature at the position in signed decimal degrees. Its head, up
// to the properties, is written into room made once, as the records are.
void Satzschreiber::geoJsonPunkt(std::string& ziel, std::string_view nummer, const Punkt& p) const {
    if (!p.meldung.empty() || !p.meldungen.empty()) return;
    constexpr std::string_view anfang =
        ",{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":[";
    constexpr std::string_view mitte = "]},\"properties\":";
    const Zahlteile laenge = Teile(Zahlform::Winkel, p.text(Aus::texLaengeAUS));
    const Zahlteile breite = Teile(Zahlform::Winkel, p.text(Aus::texBreiteAUS));
    const std::size_t vorher = ziel.size();
    ziel.resize(vorher + anfang.size() + laenge.ziffern.size() + breite.ziffern.size() + 3 +
                mitte.size());
    char* w = Kopiere(ziel.data() + vorher, anfang);
    for (const Zahlteile* z : {&laenge, &breite}) {
        *w = '-';
        w = Kopiere(w + z->negativ, z->ziffern);
        *w++ = ',';
    }
    w = Kopiere(w - 1, mitte); // over the ',' after the latitude
    ziel.resize(std::size_t(w - ziel.data()));
    jsonSatz(ziel, nummer, p, {});
    ziel += "}}\n";
}

// Appends a CSV record, every value as it is, without quotes, into room
// made once. Returns whether that is right, else the record is taken back.
[[gnu::flatten]] bool Satzschreiber::csvOhneAnfuehrung(std::string& ziel, std::string_view nummer,
                                                       const Punkt& p,
                                                       std::string_view meldung) const {
    // No value grows in writing (SchreibeZahl), so the texts' lengths bound the record.
    std::size_t laenge = nummer.size(), trennerAnzahl = 0;
    jederWert(p, meldung, [&](std::size_t, Zahlform, std::string_view text) {
        laenge += 1 + text.size();
        ++trennerAnzahl;
    });
    const std::size_t anfang = ziel.size();
    ziel.resize(anfang + laenge);
    char* w = Kopiere(ziel.data() + anfang, nummer);
    jederWert(p, meldung, [&](std::size_t, Zahlform zahl, std::string_view text) {
        *w++ = form.trenner;
        // Most values are texts: copied here, without the switch.
        w = zahl == Zahlform::Text ? Kopiere(w, text) : SchreibeZahl(w, zahl, text);
    });
    ziel.resize(std::size_t(w - ziel.data()));
    if (OhneAnfuehrungRichtig(std::string_view(ziel).substr(anfang), form.trenner, trennerAnzahl))
        return true;
    ziel.resize(anfang);
    return false;
}

void Satzschreiber::haengeAn(std::string& ziel, std::uint64_t zeile, const Punkt& p) const {
    char ziffern[24];
    const std::string_view nummer(ziffern,
                                  std::to_chars(ziffern, ziffern + sizeof ziffern, zeile).ptr);
    if ((form.json || form.geojson) && !std::ranges::all_of(p.eigene, GueltigesUtf8)) {
        // JSON is UTF-8: the record is written from a point whose own fields are.
        Punkt utf8 = p;
        for (std::string& eigen : utf8.eigene)
            eigen = AlsUtf8(eigen);
        return haengeAn(ziel, zeile, utf8);
    }
    if (form.geojson) return geoJsonPunkt(ziel, nummer, p);
    const std::string meldung = Meldungstext(p);
    if (form.json) {
        jsonSatz(ziel, nummer, p, meldung);
        ziel += "}\n";
        return;
    }
    // Almost no record needs a quote: written plainly and checked once, it
    // is written value by value, each quoted where it needs it, only when it does.
    if (!csvOhneAnfuehrung(ziel, nummer, p, meldung)) {
        ziel.append(nummer);
        jederWert(p, meldung, [&](std::size_t, Zahlform zahl, std::string_view text) {
            ziel += form.trenner;
            CsvZahl(ziel, zahl, text, form.trenner);
        });
    }
    ziel += "\r\n";
}

std::string Einzeilig(const std::string& meldung) {
    std::string zeile;
    bool umbruch = false;
    for (char c : meldung) {
        if (c == '\r' || c == '\n') {
            umbruch = true;
            continue;
        }
        if (umbruch) zeile += ' ';
        umbruch = false;
        zeile += c;
    }
    return zeile;
}

std::string AlsUtf8(std::string_view text) {
    if (GueltigesUtf8(text)) return std::string(text);
    // 0x80 to 0x9F of Windows-1252; its five unused bytes stand for the
    // control characters of the same number, as web browsers read them.
    static constexpr char16_t windows1252[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string utf8;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        utf8 += text::Utf8(b >= 0x80 && b < 0xA0 ? windows1252[b - 0x80] : b);
    }
    return utf8;
}

} // namespace kartovex::konvert
