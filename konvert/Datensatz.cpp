#include "konvert/Datensatz.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>

namespace kartovex::konvert {

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

// A JSON number as the grammar allows it: -?(0|[1-9][0-9]*)(.[0-9]+)?
bool JsonZahl(std::string_view t) {
    if (t.starts_with('-')) t.remove_prefix(1);
    const auto ziffern = [&t] {
        const std::size_t n = std::min(t.find_first_not_of("0123456789"), t.size());
        t.remove_prefix(n);
        return n;
    };
    const bool nullVorn = t.starts_with('0');
    const std::size_t ganz = ziffern();
    if (ganz == 0 || (nullVorn && ganz > 1)) return false;
    if (t.starts_with('.')) {
        t.remove_prefix(1);
        if (ziffern() == 0) return false;
    }
    return t.empty();
}

// A Zahl, Meter or Winkel text as a plain number, without a copy: its sign
// and its digits, empty when the text is no number in that form.
struct Zahlteile {
    bool negativ = false;
    std::string_view ziffern;
};

// Inlined where it is used: it runs once per value, and the call cost about as
// much as its work (measured under --numbers).
[[gnu::always_inline]] inline Zahlteile Teile(Zahlform form, std::string_view v) {
    Zahlteile z;
    while (v.starts_with(' '))
        v.remove_prefix(1);
    const auto halbkugel = [](char c) { return c == 'N' || c == 'S' || c == 'E' || c == 'W'; };
    if (form == Zahlform::Winkel && !v.empty() && halbkugel(v[0])) {
        z.negativ = v[0] == 'S' || v[0] == 'W';
        v.remove_prefix(1);
        if (v.ends_with("°")) v.remove_suffix(std::string_view("°").size());
    }
    while (v.size() > 1 && v[0] == '0' && v[1] != '.')
        v.remove_prefix(1);
    const auto zahlzeichen = [](char c) { return (c >= '0' && c <= '9') || c == '.'; };
    if (!v.empty() && v[0] != '.' && std::all_of(v.begin(), v.end(), zahlzeichen)) z.ziffern = v;
    return z;
}

// A military or UTMREF text without its blanks and dots, written from w on;
// returns the end.
char* OhneTrenner(char* w, std::string_view text) {
    for (char c : text)
        if (c != ' ' && c != '.') *w++ = c;
    return w;
}

// What AlsZahl gives, written from w on; returns the end. Never longer than
// the text: a hemisphere letter at most becomes the '-'. Inlined, as Teile.
[[gnu::always_inline]] inline char* SchreibeZahl(char* w, Zahlform form, std::string_view text) {
    if (form == Zahlform::Referenz) return OhneTrenner(w, text);
    if (form != Zahlform::Text) {
        if (const Zahlteile z = Teile(form, text); !z.ziffern.empty()) {
            if (z.negativ) *w++ = '-';
            return std::copy(z.ziffern.begin(), z.ziffern.end(), w);
        }
    }
    return std::copy(text.begin(), text.end(), w);
}

// One value of a CSV record with --numbers.
void CsvZahl(std::string& ziel, Zahlform form, std::string_view text, char trenner) {
    if (form == Zahlform::Text) return CsvFeld(ziel, text, trenner);
    const bool alphanumerisch =
        (trenner >= '0' && trenner <= '9') || (trenner >= 'A' && trenner <= 'Z') || trenner == '.';
    if (form == Zahlform::Referenz && !alphanumerisch) {
        const std::size_t vorher = ziel.size();
        ziel.resize(vorher + text.size());
        ziel.resize(std::size_t(OhneTrenner(ziel.data() + vorher, text) - ziel.data()));
        return;
    }
    if (form != Zahlform::Referenz) {
        const Zahlteile z = Teile(form, text);
        // The digits need quotes only when the separator is a digit or '.'.
        const bool zahlzeichen = (trenner >= '0' && trenner <= '9') || trenner == '.';
        if (!z.ziffern.empty() && !zahlzeichen) {
            if (z.negativ) ziel += '-';
            ziel.append(z.ziffern);
            return;
        }
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
        if (!z.ziffern.empty() && JsonZahl(z.ziffern)) {
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

// One pass over the text, sixteen bytes at a time, then byte by byte; the
// two tests say the same, for sixteen bytes and for one.
template <class Test16, class Test1>
Durchsicht Sieh(std::string_view text, unsigned char gezaehlt, Test16 test16, Test1 test1) {
    Durchsicht d;
    Bytes16 besonders{};
    std::size_t i = 0;
    while (i + 16 <= text.size()) {
        // Each byte of the counter counts one per block: summed up before it overflows.
        Bytes16 zaehler{};
        for (int n = 0; n < 255 && i + 16 <= text.size(); ++n, i += 16) {
            Bytes16 x;
            std::memcpy(&x, text.data() + i, sizeof x);
            besonders |= test16(x);
            zaehler -= Bytes16(x == gezaehlt); // 0xFF is -1: one more
        }
        d.anzahl += Bytesumme(zaehler);
    }
    d.besonders = Bytesumme(besonders) != 0;
    for (; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        d.besonders |= test1(c);
        d.anzahl += c == gezaehlt;
    }
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

// Calls wert(name, text, zahlform) for each property of a JSON record or
// GeoJSON feature after "zeile", in order; zahlform is Text unless --numbers
// makes the output field a number. JSON lines end with "meldung".
template <class F>
void JedeJsonEigenschaft(const Punkt& p, const Ausgabeform& form, std::string_view meldung,
                         F&& wert) {
    if (form.formatSpalte) wert("format", Formatspalte(p), Zahlform::Text);
    for (std::size_t k = 0; k < p.eigene.size() && k < form.eigene.size(); ++k)
        wert(form.eigene[k], p.eigene[k], Zahlform::Text);
    const auto felder = Ausgabefelder(); // asked once: the call is not inlined
    for (Aus a : form.spalten) {
        const Ausgabefeld& feld = felder[Index(a)];
        wert(feld.spalte, p.text(a), form.zahlen ? feld.zahl : Zahlform::Text);
    }
    if (!form.geojson) wert("meldung", meldung, Zahlform::Text);
}

char* Kopiere(char* w, std::string_view text) {
    std::memcpy(w, text.data(), text.size());
    return w + text.size();
}

// One value as JsonWert writes it when the text needs no escapes, from w on;
// returns the end and counts the quotes written. At most text.size() + 4 bytes.
char* SchreibeJsonWert(char* w, std::string_view text, Zahlform form, std::size_t& anfuehrungen) {
    if (form != Zahlform::Text) {
        if (text.empty()) return Kopiere(w, "null");
        if (form != Zahlform::Referenz) {
            if (const Zahlteile z = Teile(form, text); !z.ziffern.empty() && JsonZahl(z.ziffern)) {
                if (z.negativ) *w++ = '-';
                return Kopiere(w, z.ziffern);
            }
        }
    }
    anfuehrungen += 2;
    *w++ = '"';
    w = form == Zahlform::Text ? Kopiere(w, text) : SchreibeZahl(w, form, text);
    *w++ = '"';
    return w;
}

// Appends the properties of a JSON record from "zeile" on, without the
// closing brace, every text as it is, into room made once. Returns whether
// that is right (no text needs an escape), else the record is taken back.
bool JsonSatzOhneEscapes(std::string& ziel, std::string_view nummer, const Punkt& p,
                         const Ausgabeform& form, std::string_view meldung) {
    constexpr std::string_view anfang = "{\"zeile\":";
    std::size_t laenge = anfang.size() + nummer.size();
    JedeJsonEigenschaft(p, form, meldung,
                        [&](std::string_view name, std::string_view text, Zahlform) {
                            laenge += name.size() + text.size() + 8; // ,"name": and the value
                        });
    const std::size_t vorher = ziel.size();
    ziel.resize(vorher + laenge);
    char* w = Kopiere(Kopiere(ziel.data() + vorher, anfang), nummer);
    std::size_t anfuehrungen = 2;
    JedeJsonEigenschaft(p, form, meldung,
                        [&](std::string_view name, std::string_view text, Zahlform zahl) {
                            w = Kopiere(Kopiere(Kopiere(w, ",\""), name), "\":");
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
void JsonSatz(std::string& ziel, std::string_view nummer, const Punkt& p, const Ausgabeform& form,
              std::string_view meldung) {
    // As with CSV: written plainly and checked once, value by value only when needed.
    if (JsonSatzOhneEscapes(ziel, nummer, p, form, meldung)) return;
    ziel += "{\"zeile\":";
    ziel.append(nummer);
    JedeJsonEigenschaft(p, form, meldung,
                        [&](std::string_view name, std::string_view text, Zahlform zahl) {
                            ziel += ',';
                            JsonText(ziel, name);
                            ziel += ':';
                            JsonWert(ziel, text, zahl);
                        });
}

// A point feature at the position in signed decimal degrees.
void GeoJsonPunkt(std::string& ziel, std::string_view nummer, const Punkt& p,
                  const Ausgabeform& form) {
    if (!p.meldung.empty() || !p.meldungen.empty()) return;
    ziel += ",{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":[";
    for (Aus a : {Aus::texLaengeAUS, Aus::texBreiteAUS}) {
        const Zahlteile z = Teile(Zahlform::Winkel, p.text(a));
        if (z.negativ) ziel += '-';
        ziel.append(z.ziffern);
        ziel += a == Aus::texLaengeAUS ? "," : "";
    }
    ziel += "]},\"properties\":";
    JsonSatz(ziel, nummer, p, form, {});
    ziel += "}}\n";
}

// Calls wert(Zahlform, text) for each value of a CSV record after the line
// number, in order. A value is a number under --numbers only in an output
// field that has one; every other value is a Text.
template <class F>
void JederCsvWert(const Punkt& p, const Ausgabeform& form, std::string_view meldung, F&& wert) {
    if (form.formatSpalte) wert(Zahlform::Text, Formatspalte(p));
    for (const std::string& text : p.eigene)
        wert(Zahlform::Text, text);
    const auto felder = Ausgabefelder(); // asked once: the call is not inlined
    for (Aus a : form.spalten)
        wert(form.zahlen ? felder[Index(a)].zahl : Zahlform::Text, p.text(a));
    wert(Zahlform::Text, meldung);
}

// Appends a CSV record, every value as it is, without quotes, into room
// made once. Returns whether that is right, else the record is taken back.
bool CsvSatzOhneAnfuehrung(std::string& ziel, std::string_view nummer, const Punkt& p,
                           const Ausgabeform& form, std::string_view meldung) {
    // No value grows in writing (SchreibeZahl), so the texts' lengths bound the record.
    std::size_t laenge = nummer.size(), trennerAnzahl = 0;
    JederCsvWert(p, form, meldung, [&](Zahlform, std::string_view text) {
        laenge += 1 + text.size();
        ++trennerAnzahl;
    });
    const std::size_t anfang = ziel.size();
    ziel.resize(anfang + laenge);
    char* w = Kopiere(ziel.data() + anfang, nummer);
    JederCsvWert(p, form, meldung, [&](Zahlform zahl, std::string_view text) {
        *w++ = form.trenner;
        // Most values are texts: copied here, without the call.
        w = zahl == Zahlform::Text ? Kopiere(w, text) : SchreibeZahl(w, zahl, text);
    });
    ziel.resize(std::size_t(w - ziel.data()));
    if (OhneAnfuehrungRichtig(std::string_view(ziel).substr(anfang), form.trenner, trennerAnzahl))
        return true;
    ziel.resize(anfang);
    return false;
}

} // namespace

void HaengeDatensatzAn(std::string& ziel, std::uint64_t zeile, const Punkt& p,
                       const Ausgabeform& form) {
    char ziffern[24];
    const std::string_view nummer(ziffern,
                                  std::to_chars(ziffern, ziffern + sizeof ziffern, zeile).ptr);
    if (form.geojson) return GeoJsonPunkt(ziel, nummer, p, form);
    const std::string meldung = Meldungstext(p);
    if (form.json) {
        JsonSatz(ziel, nummer, p, form, meldung);
        ziel += "}\n";
        return;
    }
    // Almost no record needs a quote: written plainly and checked once, it
    // is written value by value, each quoted where it needs it, only when it does.
    if (!CsvSatzOhneAnfuehrung(ziel, nummer, p, form, meldung)) {
        ziel.append(nummer);
        JederCsvWert(p, form, meldung, [&](Zahlform zahl, std::string_view text) {
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

} // namespace kartovex::konvert
