#include "konvert/Zeile.h"

#include <algorithm>
#include <iostream>
#include <stdexcept>

#include "checks/Erkennung.h"
#include "checks/Tastatur.h"
#include "checks/Textregeln.h"
#include "checks/Zonenfeld.h"
#include "geodesy/Zeichen.h"
#include "geodesy/modKartovex.h"

namespace kartovex::konvert {

namespace {

namespace zeichen = modKartovex::zeichen;

// The format for its number; a number outside 1 to 7 throws std::out_of_range.
const Format& FormatFuer(int format) {
    if (const Format* f = FormatNr(format)) return *f;
    throw std::out_of_range("Eingabeformat " + std::to_string(format));
}

char klein(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string klein(std::string_view s) {
    std::string k(s);
    for (char& c : k)
        c = klein(c);
    return k;
}

// ---- Messages of the geodesy routines -----------------------------------------

// The list that collects the messages of the conversion running on this thread.
thread_local std::vector<std::string>* sammler = nullptr;

// ---- Typing a field -------------------------------------------------------------

// What the key filter of each field makes of each printable ASCII character
// (0: it refuses it, or it is no such character), asked once: a line then
// costs a byte look-up per character.
using Tastentabelle = std::array<char, 256>;

const Tastentabelle& TabelleFuer(Feld feld) {
    static const auto tabellen = [] {
        std::array<Tastentabelle, FeldAnzahl> t{};
        for (const Feldbeschreibung& f : Felder())
            for (int c = 32; c < 127; ++c)
                t[Index(f.feld)][std::size_t(c)] = char(Tastendruck(f.feld, c).code);
        return t;
    }();
    return tabellen[Index(feld)];
}

// Types the text into the field through its key filter. Returns the filter's
// message for the first refused character, or the empty text.
std::string Tippe(Feld feld, std::string_view text, std::string& inhalt) {
    const Tastentabelle& tabelle = TabelleFuer(feld);
    // The printable ASCII characters the filter takes in one run, written in place.
    const std::size_t vorher = inhalt.size();
    inhalt.resize(vorher + text.size());
    // Through plain pointers: a store to a char may alias the string itself,
    // which would make the compiler load its data pointer again for each byte.
    char* ziel = inhalt.data() + vorher;
    const char* quelle = text.data();
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char getippt = tabelle[static_cast<unsigned char>(quelle[i])];
        if (getippt == 0) break;
        ziel[i] = getippt;
    }
    inhalt.resize(vorher + i);
    while (i < text.size()) {
        const zeichen::Codepunkt c = zeichen::Dekodiere(text, i);
        const int code = static_cast<int>(c.code);
        i += c.bytes;
        // Backspace, Tab and Enter act on the field or the focus when typed;
        // inside a line they are no characters of the point.
        if (code < 32 || code == 127)
            return "Das Steuerzeichen " + std::to_string(code) + " ist nicht zulässig!";
        if (code < 127 && tabelle[std::size_t(code)] != 0) {
            inhalt += tabelle[std::size_t(code)];
            continue;
        }
        const Tastenentscheid e = Tastendruck(feld, code);
        if (!e.meldung.empty()) return e.meldung;
        if (e.code < 128)
            inhalt += static_cast<char>(e.code);
        else
            inhalt += text::Utf8(e.code);
    }
    return {};
}

// ---- The line -------------------------------------------------------------------

// The fields of a line; only the first few are kept, as no format has more.
struct Zeilenfelder {
    std::array<std::string_view, 10> feld;
    std::size_t anzahl = 0;
    bool offen = false; // a quoted field is never closed
    std::string_view operator[](std::size_t i) const {
        return i < std::min(anzahl, feld.size()) ? feld[i] : std::string_view();
    }
};

// Where a quoted field's closing quote stands, the text starting after its
// opening quote: the first quote that is not doubled; npos when there is none.
std::size_t SchliessendeAnfuehrung(std::string_view nachOeffnender) {
    for (std::size_t i = 0;; i += 2) {
        i = nachOeffnender.find('"', i);
        if (i == std::string_view::npos || i + 1 == nachOeffnender.size() ||
            nachOeffnender[i + 1] != '"')
            return i;
    }
}

// Where the separators of a quoted field at the start of the text count
// again: after its closing quote; 0 when the field is not quoted. `offen`
// tells of a quote never closed: then nothing of the text is a separator.
std::size_t NachAnfuehrung(std::string_view zeile, bool& offen) {
    const std::size_t anfang = std::min(zeile.find_first_not_of(' '), zeile.size());
    if (anfang == zeile.size() || zeile[anfang] != '"') return 0;
    const std::size_t zu = SchliessendeAnfuehrung(zeile.substr(anfang + 1));
    offen = zu == std::string_view::npos;
    return offen ? zeile.size() : anfang + zu + 2;
}

// Where the first field of the text ends: at its first separator, or at its
// end. A field that starts with a quote (blanks before it aside) is quoted,
// as CSV writes a field holding the separator (RFC 4180): separators up to
// its closing quote belong to it.
[[gnu::always_inline]] inline std::size_t Feldende(std::string_view zeile, char trenner,
                                                   bool& offen) {
    std::size_t ende =
        !zeile.empty() && (zeile[0] == ' ' || zeile[0] == '"') ? NachAnfuehrung(zeile, offen) : 0;
    if (trenner != 0) return std::min(zeile.find(trenner, ende), zeile.size());
    // A plain loop: find_first_of looks up each character in the set of separators.
    while (ende < zeile.size() && zeile[ende] != ';' && zeile[ende] != '\t')
        ++ende;
    return ende;
}

// The text of a field as the window's field gets it: without the blanks
// around it and, when quoted, without its quotes and the blanks inside them.
// A quoted field with more than its two quotes keeps everything after the
// first, so that the key filter refuses the quote the field still holds.
std::string_view Feldansicht(std::string_view feld) {
    feld = zeichen::OhneLeerzeichen(feld);
    if (!feld.starts_with('"')) return feld;
    feld.remove_prefix(1);
    if (const std::size_t zu = SchliessendeAnfuehrung(feld);
        zu != std::string_view::npos && zu + 1 == feld.size())
        feld.remove_suffix(1);
    return zeichen::OhneLeerzeichen(feld);
}

// The text of one of the user's own fields: without the blanks around it,
// and a quoted one as CSV means it: without its quotes, "" as one quote, and
// what follows the closing quote appended.
std::string Feldinhalt(std::string_view feld) {
    feld = zeichen::OhneLeerzeichen(feld);
    if (!feld.starts_with('"')) return std::string(feld);
    std::string inhalt;
    for (std::size_t i = 1; i < feld.size(); ++i) {
        if (feld[i] == '"') {
            if (i + 1 < feld.size() && feld[i + 1] == '"') {
                inhalt += '"';
                ++i;
                continue;
            }
            inhalt.append(feld.substr(i + 1));
            break;
        }
        inhalt += feld[i];
    }
    return inhalt;
}

Zeilenfelder Zerlege(std::string_view zeile, char trenner) {
    Zeilenfelder z;
    for (;;) {
        const std::size_t ende = Feldende(zeile, trenner, z.offen);
        if (z.anzahl < z.feld.size()) z.feld[z.anzahl] = Feldansicht(zeile.substr(0, ende));
        ++z.anzahl;
        if (ende == zeile.size()) return z;
        zeile.remove_prefix(ende + 1);
    }
}

// Turns on one button of an option group from an extra field: an empty field
// or a letter of the group's standard letters the button the window starts
// with, one of its other letters the other one; anything else is a fault.
std::string Option(std::string_view text, const Optionsgruppe& g, Eingabe& e) {
    const char k = text.size() == 1 ? klein(text[0]) : 0;
    const auto eines = [k](std::string_view menge) {
        return k != 0 && menge.find(k) != std::string_view::npos;
    };
    if (text.empty() || eines(g.standardZeichen))
        e.schalteAn(g.standard);
    else if (eines(g.andereZeichen))
        e.schalteAn(g.andere);
    else
        return "Für " + std::string(g.was) + " ist »" + std::string(text) + "« nicht zulässig!";
    return {};
}

std::size_t HoechsteFeldzahl(const Format& a) {
    return a.felder.size() + a.optionen.size();
}

// A leading sign of a degree field of the geographic formats: '-' for south
// or west, '+' for north or east; 0 without one.
char Vorzeichen(const Format& a, std::size_t feld, std::string_view text) {
    const bool grad =
        a.nummer <= Eingabeformat::GradMinSek && (feld == 0 || feld == a.felder.size() / 2);
    return grad && (text.starts_with('-') || text.starts_with('+')) ? text[0] : 0;
}

// Fills the calculation window's record from the line; returns the message of
// the first fault.
std::string Eintippen(const Format& a, std::string_view zeile, const Zeilenform& form, Eingabe& e) {
    const Zeilenfelder felder = Zerlege(zeile, form.trenner);
    if (felder.offen) return std::string(OffeneAnfuehrung);
    if (const std::size_t erlaubt = HoechsteFeldzahl(a) + form.eigeneSpalten;
        felder.anzahl > erlaubt)
        return "Die Zeile hat " + std::to_string(felder.anzahl) +
               " Felder, erlaubt sind höchstens " + std::to_string(erlaubt) + ": " +
               Zeilenaufbau(a.nummer);
    std::array<char, 2> vorzeichen{}; // of latitude and longitude
    for (std::size_t i = 0; i < a.felder.size() && i < felder.anzahl; ++i) {
        std::string_view text = felder[i];
        if (const char v = Vorzeichen(a, i, text)) {
            vorzeichen[i == 0 ? 0 : 1] = v;
            text.remove_prefix(1);
        }
        if (std::string m = Tippe(a.felder[i], text, e[a.felder[i]]); !m.empty()) return m;
    }
    // The option groups after the coordinates; left out, the window's start.
    for (std::size_t i = 0; i < a.optionen.size(); ++i) {
        const std::size_t k = a.felder.size() + i;
        const char v = i < vorzeichen.size() ? vorzeichen[i] : 0;
        if (v != 0 && !felder[k].empty())
            return "Vorzeichen und Halbkugel zugleich sind nicht zulässig: »" + std::string(1, v) +
                   "« und »" + std::string(felder[k]) + "«!";
        if (v == '-')
            e.schalteAn(a.optionen[i].andere);
        else if (std::string m = Option(felder[k], a.optionen[i], e); !m.empty())
            return m;
    }
    return {};
}

// The recognised field texts typed into their fields, the options taken over.
std::string EintippenErkannt(const Erkennung& r, Eingabe& e) {
    for (Feld f : FormatFuer(r.format).felder)
        if (std::string m = Tippe(f, r.eingabe.text(f), e[f]); !m.empty()) return m;
    e.an = r.eingabe.an;
    return {};
}

} // namespace

std::optional<int> FormatAusName(std::string_view name) {
    const std::string k = klein(name);
    if (k == "auto") return Automatisch;
    for (const Format& a : Formate())
        if (name == a.name || k == a.kurz || k == std::to_string(a.nummer)) return a.nummer;
    return std::nullopt;
}

std::string_view Formatname(int format) {
    return FormatFuer(format).name;
}

std::string_view Kurzname(int format) {
    return FormatFuer(format).kurz;
}

std::string Zeilenaufbau(int format) {
    const Format& a = FormatFuer(format);
    std::string text;
    for (Feld f : a.felder)
        text += std::string(text.empty() ? "" : ";") + std::string(Beschreibung(f).spalte);
    // Each option group may be left out, the later ones with it.
    for (const Optionsgruppe& g : a.optionen)
        text += "[;" + std::string(g.aufbau);
    text += std::string(a.optionen.size(), ']');
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

std::size_t Formatfelder(int format) {
    return HoechsteFeldzahl(FormatFuer(format));
}

std::vector<std::string> EigeneFelder(int format, std::string_view zeile, char trenner) {
    std::vector<std::string> eigene;
    // A recognised line is one coordinate text as a whole: it has no fields of its own.
    if (format == Automatisch) return eigene;
    bool offen = false;
    for (std::size_t n = 0, bis = Formatfelder(format);; ++n) {
        const std::size_t ende = Feldende(zeile, trenner, offen);
        if (n >= bis) eigene.emplace_back(Feldinhalt(zeile.substr(0, ende)));
        if (ende == zeile.size()) return eigene;
        zeile.remove_prefix(ende + 1);
    }
}

namespace {

// A line typed into the calculation window's record, before "Berechnung".
struct Getippt {
    int format = 0;      // the format it was read in; 0: not recognised
    std::string meldung; // the first fault; empty when the record is complete
};

Getippt TippeZeile(int format, std::string_view zeile, const Zeilenform& form, Eingabe& e) {
    Getippt g{format, {}};
    if (format == Automatisch) {
        const auto erkannt = Erkenne(zeile);
        if (!erkannt) {
            const bool felder =
                zeile.find_first_of(form.trenner ? std::string_view(&form.trenner, 1) : ";\t") !=
                std::string_view::npos;
            return {0, std::string(felder ? KeineKoordinateMitFeldern : KeineKoordinate)};
        }
        g.format = erkannt->format;
        g.meldung = EintippenErkannt(*erkannt, e);
    } else {
        g.meldung = Eintippen(FormatFuer(format), zeile, form, e);
    }
    if (g.meldung.empty() && g.format == Eingabeformat::UTMzivil) {
        // Leaving the zone field derives the bounds the check compares with.
        const Zonenentscheid z = ZoneVerlassen(e.text(Feld::texZone), e.grenzen);
        if (!z.ok) g.meldung = z.meldung;
    }
    return g;
}

// Empties the record as a new one is, keeping the room of its strings: one
// record per thread, emptied for each line, costs less than a new one.
void Leere(Eingabe& e) {
    static_assert(sizeof(Eingabe) ==
                      sizeof e.texte + sizeof e.an + sizeof e.grenzen + sizeof e.meridian,
                  "Leere empties every member of Eingabe");
    static_assert(sizeof(Grenzen) == 4 * sizeof(std::string), "and of Grenzen");
    for (std::string& text : e.texte)
        text.clear();
    e.an.reset();
    for (std::string* g :
         {&e.grenzen.RechtsMax, &e.grenzen.RechtsMin, &e.grenzen.HochMax, &e.grenzen.HochMin})
        g->clear();
    e.meridian.clear();
}

// Berechnung, the geodesy messages of the call collected in `meldungen`.
Berechnungsergebnis Berechne(int format, Eingabe& e, std::vector<std::string>& meldungen) {
    struct Sammeln {
        explicit Sammeln(std::vector<std::string>& ziel) { sammler = &ziel; }
        ~Sammeln() { sammler = nullptr; }
    } sammeln(meldungen);
    return Berechnung(format, e);
}

} // namespace

Punkt KonvertiereZeile(int format, std::string_view zeile, const Zeilenform& form) {
    thread_local Eingabe e;
    Leere(e);
    Getippt g = TippeZeile(format, zeile, form, e);
    const bool getippt = g.meldung.empty();
    std::vector<std::string> meldungen;
    // The result is built in its place in the record: its texts are not copied.
    Punkt p{.format = g.format,
            .meldung = std::move(g.meldung),
            .ergebnis = getippt ? Berechne(g.format, e, meldungen) : Berechnungsergebnis{},
            .meldungen = std::move(meldungen),
            .eigene = {},
            .sichtbar = 0};
    const Pruefergebnis& pruefung = p.ergebnis.pruefung;
    if (getippt && (!pruefung.ok || !p.ergebnis.ausgabe)) {
        // The empty zone of UTM civil ends its check without a message.
        p.meldung = pruefung.meldung.empty() ? "Die Eingabe ist unvollständig." : pruefung.meldung;
    }
    if (p.meldung.empty()) p.sichtbar = p.ergebnis.ausgabe->gkSichtbar ? AusAnzahl : ErstesGKFeld;
    // A message may quote the line's text: an invalid byte shows as U+FFFD, as
    // the key filter shows it, so that every output that quotes it is UTF-8.
    const auto alsUtf8 = [](std::string& m) {
        if (!zeichen::GueltigesUtf8(m)) m = zeichen::MitErsatzzeichen(m);
    };
    alsUtf8(p.meldung);
    std::ranges::for_each(p.meldungen, alsUtf8);
    if (form.eigeneSpalten > 0) {
        p.eigene = EigeneFelder(format, zeile, form.trenner);
        p.eigene.resize(form.eigeneSpalten);
    }
    return p;
}

} // namespace kartovex::konvert
