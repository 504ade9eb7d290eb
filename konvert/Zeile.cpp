#include "konvert/Zeile.h"

#include <algorithm>
#include <iostream>

#include "checks/Tastatur.h"
#include "checks/Textregeln.h"
#include "checks/Zonenfeld.h"
#include "geodesy/modKartovex.h"

namespace kartovex::konvert {

namespace {

// ---- Formats and their line layout ------------------------------------------

struct Halbkugeln {
    const char* nord; // option buttons of the frame
    const char* sued;
    const char* ost;
    const char* west;
};

struct Aufbau {
    const char* name;                     // caption of the entry window's button
    const char* kurz;                     // short alias
    std::vector<const char*> felder;      // input fields in the window's order
    std::vector<const char*> spalten;     // their names in the usage text
    std::optional<Halbkugeln> halbkugeln; // geographic formats
    bool streifen = false;                // Gauss-Krueger: strip width
};

const std::array<Aufbau, 7>& Aufbauten() {
    static const std::array<Aufbau, 7> aufbauten{{
        {"Grad (dezimal)",
         "dezimal",
         {"texBreite", "texLaenge"},
         {"Breite", "Länge"},
         Halbkugeln{"optDezN", "optDezS", "optDezE", "optDezW"}},
        {"Grad/Minuten",
         "gradmin",
         {"texBreiteGrad", "texBreiteMinute", "texLaengeGrad", "texLaengeMinute"},
         {"Grad", "Minuten", "Grad", "Minuten"},
         Halbkugeln{"optGMN", "optGMS", "optGME", "optGMW"}},
        {"Grad/Minuten/Sekunden",
         "gradminsek",
         {"texBGrad", "texBMinute", "texBSekunde", "texLGrad", "texLMinute", "texLSekunde"},
         {"Grad", "Minuten", "Sekunden", "Grad", "Minuten", "Sekunden"},
         Halbkugeln{"optGradN", "optGradS", "optGradE", "optGradW"}},
        {"UTM zivil",
         "utm",
         {"texZone", "texRechts", "texHoch"},
         {"Zone", "Rechts", "Hoch"},
         std::nullopt},
        {"UTM mil",
         "mil",
         {"texZoneM", "tex100km", "tex10km", "tex1km", "tex100m", "tex10m", "tex1m"},
         {"Zone", "100km", "10km", "1km", "100m", "10m", "1m"},
         std::nullopt},
        {"UTM ref",
         "ref",
         {"texREFZone", "texREF100", "texREFZiffern"},
         {"Zone", "100km", "Ziffern"},
         std::nullopt},
        {"Gauß - Krüger",
         "gk",
         {"texGKRechts", "texGKHoch"},
         {"Rechts", "Hoch"},
         std::nullopt,
         true},
    }};
    return aufbauten;
}

std::string klein(std::string_view s) {
    std::string k(s);
    for (char& c : k)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return k;
}

// ---- Messages of the geodesy routines -----------------------------------------

// The list that collects the messages of the conversion running on this thread.
thread_local std::vector<std::string>* sammler = nullptr;

// ---- Typing a field -------------------------------------------------------------

// One code point of UTF-8 text from position i on; a byte that starts no
// complete sequence reads as U+FFFD and counts as one character.
int Codepunkt(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = b < 0x80 ? 1 : b >= 0xF0 && b <= 0xF4 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
    if (n == 0 || i + n > s.size()) {
        ++i;
        return n == 1 ? b : 0xFFFD;
    }
    int code = n == 1 ? b : b & (0xFF >> (n + 1));
    for (std::size_t k = 1; k < n; ++k) {
        const auto f = static_cast<unsigned char>(s[i + k]);
        if ((f & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        code = (code << 6) | (f & 0x3F);
    }
    i += n;
    return code;
}

// The key filter's decisions for the printable ASCII characters of one field,
// asked once: a line then costs a table look-up per character.
struct Tastentabelle {
    std::array<Tastenentscheid, 128> ascii;
    explicit Tastentabelle(std::string_view feld) {
        for (int c = 0; c < 128; ++c)
            ascii[static_cast<std::size_t>(c)] = Tastendruck(feld, c);
    }
};

const Tastentabelle& TabelleFuer(std::string_view feld) {
    static const auto tabellen = [] {
        std::vector<std::pair<std::string_view, Tastentabelle>> t;
        for (const Aufbau& a : Aufbauten())
            for (const char* f : a.felder)
                t.emplace_back(f, Tastentabelle(f));
        return t;
    }();
    return std::find_if(tabellen.begin(), tabellen.end(),
                        [&](const auto& p) { return p.first == feld; })
        ->second;
}

// The tables of a format's fields, in the order of its line.
const std::vector<const Tastentabelle*>& TabellenFuer(const Aufbau& a) {
    static const auto alle = [] {
        std::array<std::vector<const Tastentabelle*>, 7> t;
        for (std::size_t i = 0; i < t.size(); ++i)
            for (const char* f : Aufbauten()[i].felder)
                t[i].push_back(&TabelleFuer(f));
        return t;
    }();
    return alle[std::size_t(&a - Aufbauten().data())];
}

// Types the text into the field through its key filter. Returns the filter's
// message for the first refused character, or the empty text.
std::string Tippe(std::string_view feld, const Tastentabelle& tabelle, std::string_view text,
                  std::string& inhalt) {
    for (std::size_t i = 0; i < text.size();) {
        const int code = Codepunkt(text, i);
        // Backspace, Tab and Enter act on the field or the focus when typed;
        // inside a line they are no characters of the point.
        if (code < 32 || code == 127)
            return "Das Steuerzeichen " + std::to_string(code) + " ist nicht zulässig!";
        const Tastenentscheid e =
            code < 128 ? tabelle.ascii[static_cast<std::size_t>(code)] : Tastendruck(feld, code);
        if (!e.meldung.empty()) return e.meldung;
        if (e.code < 128)
            inhalt += static_cast<char>(e.code);
        else
            inhalt += text::Utf8(e.code);
    }
    return {};
}

// Index of an output field in Ausgabefelder (its size for other names), by
// binary search over the names sorted once.
std::size_t Ausgabeplatz(std::string_view feld) {
    static const auto sortiert = [] {
        std::array<std::pair<std::string_view, std::size_t>, Ausgabefelder.size()> s;
        for (std::size_t i = 0; i < s.size(); ++i)
            s[i] = {Ausgabefelder[i], i};
        std::sort(s.begin(), s.end());
        return s;
    }();
    const auto it = std::lower_bound(sortiert.begin(), sortiert.end(), feld,
                                     [](const auto& p, std::string_view f) { return p.first < f; });
    return it != sortiert.end() && it->first == feld ? it->second : Ausgabefelder.size();
}

// ---- The line -------------------------------------------------------------------

std::string_view ohneBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> Felder(std::string_view zeile) {
    std::vector<std::string_view> felder;
    for (;;) {
        const std::size_t ende = zeile.find_first_of(";\t");
        felder.push_back(ohneBlanks(zeile.substr(0, ende)));
        if (ende == std::string_view::npos) return felder;
        zeile.remove_prefix(ende + 1);
    }
}

// Turns on one option button from an extra field: an empty field or a letter
// of `standard` the button the window starts with, a letter of `anders` the
// other one; anything else is a fault.
std::string Option(std::string_view text, const char* was, std::string_view standard,
                   std::string_view anders, const char* standardKnopf, const char* andererKnopf,
                   Eingabe& e) {
    const std::string k = klein(text);
    const auto eines = [&](std::string_view menge) {
        return k.size() == 1 && menge.find(k[0]) != std::string_view::npos;
    };
    if (k.empty() || eines(standard))
        e.an.insert(standardKnopf);
    else if (eines(anders))
        e.an.insert(andererKnopf);
    else
        return "Für " + std::string(was) + " ist »" + std::string(text) + "« nicht zulässig!";
    return {};
}

// The extra fields after the coordinates.
std::string Zusatzfelder(const Aufbau& a, const std::vector<std::string_view>& felder, Eingabe& e) {
    const std::size_t n = a.felder.size();
    const auto zusatz = [&](std::size_t i) {
        return n + i < felder.size() ? felder[n + i] : std::string_view();
    };
    if (a.halbkugeln) {
        const Halbkugeln& h = *a.halbkugeln;
        std::string m =
            Option(zusatz(0), "die Halbkugel der Breite (N oder S)", "n", "s", h.nord, h.sued, e);
        if (m.empty())
            m = Option(zusatz(1), "die Halbkugel der Länge (E oder W)", "eo", "w", h.ost, h.west,
                       e);
        return m;
    }
    if (a.streifen)
        return Option(zusatz(0), "die Streifenbreite (3 oder 6)", "3", "6", "optDrei", "optSechs",
                      e);
    return {};
}

std::size_t HoechsteFeldzahl(const Aufbau& a) {
    return a.felder.size() + (a.halbkugeln ? 2 : 0) + (a.streifen ? 1 : 0);
}

// Fills the calculation window's record from the line; returns the message of
// the first fault.
std::string Eintippen(const Aufbau& a, std::string_view zeile, Eingabe& e) {
    const std::vector<std::string_view> felder = Felder(zeile);
    if (felder.size() > HoechsteFeldzahl(a))
        return "Die Zeile hat " + std::to_string(felder.size()) +
               " Felder, erlaubt sind höchstens " + std::to_string(HoechsteFeldzahl(a)) + ": " +
               Zeilenaufbau(int(&a - Aufbauten().data()) + 1);
    for (std::size_t i = 0; i < a.felder.size(); ++i) {
        std::string& inhalt = e.texte[a.felder[i]];
        if (i < felder.size())
            if (std::string m = Tippe(a.felder[i], *TabellenFuer(a)[i], felder[i], inhalt);
                !m.empty())
                return m;
    }
    return Zusatzfelder(a, felder, e);
}

} // namespace

std::optional<int> FormatAusName(std::string_view name) {
    const std::string k = klein(name);
    for (std::size_t i = 0; i < Aufbauten().size(); ++i) {
        const Aufbau& a = Aufbauten()[i];
        if (name == a.name || k == a.kurz || k == std::to_string(i + 1)) return int(i) + 1;
    }
    return std::nullopt;
}

std::string_view Formatname(int format) {
    return Aufbauten().at(std::size_t(format - 1)).name;
}

std::string_view Kurzname(int format) {
    return Aufbauten().at(std::size_t(format - 1)).kurz;
}

std::string Zeilenaufbau(int format) {
    const Aufbau& a = Aufbauten().at(std::size_t(format - 1));
    std::string text;
    for (const char* s : a.spalten)
        text += std::string(text.empty() ? "" : ";") + s;
    if (a.halbkugeln) text += "[;N|S[;E|W]]";
    if (a.streifen) text += "[;3|6]";
    return text;
}

void SammleMeldungen() {
    modKartovex::setMeldungsausgabe([](const std::string& text) {
        if (sammler)
            sammler->push_back(text);
        else
            std::cerr << text << '\n';
    });
}

Punkt KonvertiereZeile(int format, std::string_view zeile) {
    const Aufbau& a = Aufbauten().at(std::size_t(format - 1));
    Punkt p;
    Eingabe e;
    p.meldung = Eintippen(a, zeile, e);
    if (p.meldung.empty() && format == Eingabeformat::UTMzivil) {
        // Leaving the zone field derives the bounds the check compares with.
        const Zonenentscheid z = ZoneVerlassen(e.text("texZone"), e.grenzen);
        if (!z.ok) p.meldung = z.meldung;
    }
    if (!p.meldung.empty()) return p;

    Berechnungsergebnis r = [&] {
        struct Sammeln {
            explicit Sammeln(std::vector<std::string>& ziel) { sammler = &ziel; }
            ~Sammeln() { sammler = nullptr; }
        } sammeln(p.meldungen);
        return Berechnung(format, e);
    }();
    if (!r.pruefung.ok || !r.ausgabe) {
        // The empty zone of UTM civil ends its check without a message.
        p.meldung =
            r.pruefung.meldung.empty() ? "Die Eingabe ist unvollständig." : r.pruefung.meldung;
        return p;
    }
    p.ok = true;
    for (auto& [feld, text] : r.ausgabe->texte) {
        const std::size_t i = Ausgabeplatz(feld);
        if (i < ErstesGKFeld || (i < Ausgabefelder.size() && r.ausgabe->gkSichtbar))
            p.felder[i] = std::move(text);
    }
    return p;
}

} // namespace kartovex::konvert
