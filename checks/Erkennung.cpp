#include "checks/Erkennung.h"

#include <array>
#include <cstdlib>
#include <regex>
#include <vector>

#include "checks/Textregeln.h"
#include "geodesy/UTMZonen.h"
#include "geodesy/Zeichen.h"

namespace kartovex {

namespace {

constexpr std::size_t LaengsteZeile = 200;

// Signs and blanks that other programs write, as the one ASCII character the
// reading below knows: degree '*', minute '\'', second '"', blank, '-'.
struct Ersatz {
    std::string_view utf8;
    char ascii;
};
constexpr std::array<Ersatz, 14> Ersetzungen{{
    {"\u00B0", '*'},
    {"\u00BA", '*'},
    {"\u02DA", '*'}, // ° º ˚
    {"\u2032", '\''},
    {"\u2019", '\''},
    {"\u2018", '\''}, // ′ ’ ‘
    {"\u00B4", '\''},
    {"\u2033", '"'},
    {"\u201C", '"'}, // ´ ″ “
    {"\u201D", '"'},
    {"\u201E", '"'},
    {"\u00A0", ' '}, // ” „ no-break blank
    {"\u2212", '-'},
    {"\u2013", '-'}, // − –
}};

using modKartovex::zeichen::IstZiffer;
bool istBuchstabe(char z) {
    return z >= 'A' && z <= 'Z';
}

// The line in upper case with the signs above, '`' as minute and "''" as
// second sign; ';' and a ',' before a blank or at the end separate like a
// blank; blanks collapsed. Nothing for a character outside this set.
std::optional<std::string> Normiert(std::string_view zeile) {
    std::string roh;
    for (std::size_t i = 0; i < zeile.size();) {
        const unsigned char z = static_cast<unsigned char>(zeile[i]);
        if (z >= 0x80) {
            bool bekannt = false;
            for (const Ersatz& e : Ersetzungen)
                if (zeile.substr(i, e.utf8.size()) == e.utf8) {
                    roh += e.ascii;
                    i += e.utf8.size();
                    bekannt = true;
                    break;
                }
            if (!bekannt) return std::nullopt;
            continue;
        }
        if (z == '\t' || z == ';')
            roh += ' ';
        else if (z == '`')
            roh += '\'';
        else if (z < 0x20 || z == 0x7F)
            return std::nullopt;
        else
            roh += static_cast<char>(z >= 'a' && z <= 'z' ? z - 32 : z);
        ++i;
    }
    std::string text;
    for (std::size_t i = 0; i < roh.size(); ++i) {
        char z = roh[i];
        if (z == '\'' && i + 1 < roh.size() && roh[i + 1] == '\'') z = '"', ++i;
        if (z == ',' && (i + 1 == roh.size() || roh[i + 1] == ' ')) z = ' ';
        if (z == ' ' && (text.empty() || text.back() == ' ')) continue;
        text += z;
    }
    if (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string mitPunkt(std::string zahl) {
    for (char& z : zahl)
        if (z == ',') z = '.';
    return zahl;
}

std::string vorneNullen(std::string text, std::size_t laenge) {
    if (text.size() < laenge) text.insert(0, laenge - text.size(), '0');
    return text;
}

// ---- Grid notations ----------------------------------------------------------

Erkennung Ergebnis(int format, std::initializer_list<std::string> texte) {
    Erkennung r;
    r.format = format;
    auto text = texte.begin();
    for (Feld f : FormatNr(format)->felder)
        r.eingabe[f] = *text++;
    return r;
}

// Zone number 1 to 60 and band letter as the zone fields take them ("09U").
std::optional<std::string> Zone(const std::string& nummer, const std::string& band) {
    const int n = std::atoi(nummer.c_str());
    if (n < 1 || n > 60 || band.size() != 1 || !text::InMenge(band, modKartovex::Bandbuchstaben))
        return std::nullopt;
    return vorneNullen(nummer, 2) + band;
}

bool Quadrat(const std::string& q) {
    return q.find_first_of("IO") == std::string::npos;
}

const std::string ZoneMuster = R"(^(\d{1,2}) ?([A-Z]) ?)";

std::optional<Erkennung> UTM(const std::string& s) {
    static const std::regex ziv(ZoneMuster + R"((\d{6,7}) (\d{1,7})$)");
    static const std::regex mil(ZoneMuster +
                                R"(([A-Z]{2}) ?(\d\d)[. ](\d\d)[. ](\d\d)[. ](\d\d)[. ](\d\d)$)");
    static const std::regex ref(ZoneMuster + R"(([A-Z]{2}) ?(\d{1,10})(?: (\d{1,5}))?$)");
    static const std::regex vorne(ZoneMuster + ".*");
    std::smatch m;
    if (!std::regex_match(s, m, vorne)) return std::nullopt;
    const auto zone = Zone(m[1], m[2]);
    if (!zone) return std::nullopt;
    if (std::regex_match(s, m, ziv)) {
        if (m[3].length() == 7 && m.str(3)[0] != '0') return std::nullopt;
        return Ergebnis(Eingabeformat::UTMzivil,
                        {*zone, vorneNullen(m[3], 7), vorneNullen(m[4], 7)});
    }
    if (std::regex_match(s, m, mil) && Quadrat(m[3]))
        return Ergebnis(Eingabeformat::UTMmil, {*zone, m[3], m[4], m[5], m[6], m[7], m[8]});
    if (std::regex_match(s, m, ref) && Quadrat(m[3])) {
        const bool geteilt = m[5].matched;
        if (geteilt ? m[4].length() != m[5].length() || m[4].length() > 5 : m[4].length() % 2 != 0)
            return std::nullopt;
        return Ergebnis(Eingabeformat::UTMref, {*zone, m[3], m.str(4) + m.str(5)});
    }
    return std::nullopt;
}

// Rechts and Hoch with 7-digit whole parts; a copied line adds the strip
// width and the meridian.
std::optional<Erkennung> GaussKrueger(const std::string& s) {
    static const std::regex gk(
        R"(^(?:R ?:? ?)?(\d{7}(?:[.,]\d+)?)(?: ?H ?:? ?| )(\d{7}(?:[.,]\d+)?))"
        R"((?: ([36])(?: [EW]\d{1,3}\*?)?)?$)");
    std::smatch m;
    if (!std::regex_match(s, m, gk)) return std::nullopt;
    Erkennung r = Ergebnis(Eingabeformat::GaussKrueger, {mitPunkt(m[1]), mitPunkt(m[2])});
    r.eingabe.schalteAn(m.str(3) == "6" ? Option::optSechs : Option::optDrei);
    return r;
}

// ---- Geographic notations ----------------------------------------------------

struct Wert {
    std::string text; // digits with '.' as decimal point
    bool ganz = true;
    bool negativ = false;
    char zeichen = 0; // '*', '\'' or '"' behind the value
};

// A value or a hemisphere letter.
struct Element {
    char buchstabe = 0;
    Wert wert;
};

std::optional<std::vector<Element>> Elemente(const std::string& s) {
    std::vector<Element> elemente;
    for (std::size_t i = 0; i < s.size();) {
        const char z = s[i];
        if (z == ' ' || z == ',') {
            ++i;
        } else if (istBuchstabe(z)) {
            if ((i + 1 < s.size() && istBuchstabe(s[i + 1])) ||
                std::string_view("NSEWO").find(z) == std::string_view::npos)
                return std::nullopt;
            elemente.push_back({z, {}});
            ++i;
        } else if (IstZiffer(z) || z == '-' || z == '+') {
            Wert w;
            if (!IstZiffer(z)) w.negativ = z == '-', ++i;
            const std::size_t anfang = i;
            while (i < s.size() && IstZiffer(s[i]))
                ++i;
            if (i == anfang) return std::nullopt;
            if (i + 1 < s.size() && (s[i] == '.' || s[i] == ',') && IstZiffer(s[i + 1])) {
                w.ganz = false;
                for (++i; i < s.size() && IstZiffer(s[i]);)
                    ++i;
                if (i < s.size() && s[i] == '.') return std::nullopt; // dotted groups
            }
            w.text = mitPunkt(std::string(s.substr(anfang, i - anfang)));
            if (i < s.size() && std::string_view("*'\"").find(s[i]) != std::string_view::npos)
                w.zeichen = s[i++];
            elemente.push_back({0, std::move(w)});
        } else {
            return std::nullopt;
        }
    }
    return elemente;
}

using Haelfte = std::vector<Wert>;

Haelfte Werte(const std::vector<Element>& e, std::size_t von, std::size_t bis) {
    Haelfte h;
    for (std::size_t i = von; i < bis; ++i)
        h.push_back(e[i].wert);
    return h;
}

// The two halves and their hemisphere letters (0 without letters).
struct Zerlegung {
    Haelfte erste, zweite;
    char erstesZeichen = 0, zweitesZeichen = 0;
};

std::optional<Zerlegung> Zerlege(const std::vector<Element>& e) {
    std::vector<std::size_t> buchstaben, grade;
    for (std::size_t i = 0; i < e.size(); ++i) {
        if (e[i].buchstabe)
            buchstaben.push_back(i);
        else if (e[i].wert.zeichen == '*')
            grade.push_back(i);
    }
    const std::size_t n = e.size();
    if (buchstaben.empty()) {
        std::size_t mitte = n / 2;
        if (!grade.empty()) {
            if (grade.size() != 2 || grade[0] != 0) return std::nullopt;
            mitte = grade[1];
        }
        return Zerlegung{Werte(e, 0, mitte), Werte(e, mitte, n)};
    }
    if (buchstaben.size() != 2) return std::nullopt;
    const std::size_t a = buchstaben[0], b = buchstaben[1];
    if (a == 0) // letters in front
        return Zerlegung{Werte(e, 1, b), Werte(e, b + 1, n), e[a].buchstabe, e[b].buchstabe};
    if (b == n - 1) // letters behind
        return Zerlegung{Werte(e, 0, a), Werte(e, a + 1, b), e[a].buchstabe, e[b].buchstabe};
    return std::nullopt;
}

// Values of one half: degrees first, only the last value with decimals,
// signs only in their places, a sign or a letter for the hemisphere.
bool Gueltig(const Haelfte& h, char buchstabe) {
    static constexpr std::string_view Zeichen = "*'\"";
    if (h.empty() || h.size() > 3) return false;
    for (std::size_t i = 0; i < h.size(); ++i) {
        if (h[i].zeichen && h[i].zeichen != Zeichen[i]) return false;
        if (i + 1 < h.size() && !h[i].ganz) return false;
        if (i > 0 && h[i].negativ) return false;
    }
    return std::atof(h[0].text.c_str()) <= 180 && !(buchstabe && h[0].negativ);
}

bool istBreite(char b) {
    return b == 'N' || b == 'S';
}

std::string Gradtext(const Wert& w, std::size_t stellen, bool ganzeGrade) {
    std::string t = w.text;
    while (ganzeGrade && t.size() > stellen && t[0] == '0')
        t.erase(0, 1);
    return t;
}

std::optional<Erkennung> Geographisch(const std::string& s) {
    const auto elemente = Elemente(s);
    if (!elemente) return std::nullopt;
    auto z = Zerlege(*elemente);
    if (!z || z->erste.size() != z->zweite.size() || !Gueltig(z->erste, z->erstesZeichen) ||
        !Gueltig(z->zweite, z->zweitesZeichen))
        return std::nullopt;
    if (z->erstesZeichen && istBreite(z->erstesZeichen) == istBreite(z->zweitesZeichen))
        return std::nullopt;
    if (z->erstesZeichen && !istBreite(z->erstesZeichen)) {
        std::swap(z->erste, z->zweite);
        std::swap(z->erstesZeichen, z->zweitesZeichen);
    }
    const Haelfte &breite = z->erste, &laenge = z->zweite;
    const std::size_t n = breite.size();
    Erkennung r;
    r.format = int(n); // 1, 2 or 3 values: the formats 1 to 3
    const Format& f = *FormatNr(r.format);
    for (std::size_t i = 0; i < n; ++i) {
        const bool grad = i == 0 && n > 1;
        r.eingabe[f.felder[i]] = Gradtext(breite[i], 2, grad);
        r.eingabe[f.felder[n + i]] = Gradtext(laenge[i], 3, grad);
    }
    const bool sued = breite[0].negativ || z->erstesZeichen == 'S';
    const bool west = laenge[0].negativ || z->zweitesZeichen == 'W';
    r.eingabe.schalteAn(sued ? f.optionen[0].andere : f.optionen[0].standard);
    r.eingabe.schalteAn(west ? f.optionen[1].andere : f.optionen[1].standard);
    return r;
}

std::optional<Erkennung> ErkenneZeile(std::string_view zeile) {
    // A line of the output window's copy names its format.
    int genannt = 0;
    for (const Format& f : Formate())
        if (zeile.size() > f.name.size() && zeile.substr(0, f.name.size()) == f.name &&
            zeile[f.name.size()] == '\t') {
            genannt = f.nummer;
            zeile.remove_prefix(f.name.size() + 1);
        }
    if (zeile.size() > LaengsteZeile) return std::nullopt;
    const auto s = Normiert(zeile);
    if (!s || s->empty()) return std::nullopt;
    auto r = GaussKrueger(*s);
    if (!r) r = UTM(*s);
    if (!r) r = Geographisch(*s);
    if (r && genannt && r->format != genannt) return std::nullopt;
    return r;
}

} // namespace

std::optional<Erkennung> Erkenne(std::string_view text) {
    while (!text.empty()) {
        const std::size_t ende = text.find('\n');
        std::string_view zeile = text.substr(0, ende);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        if (auto r = ErkenneZeile(zeile)) return r;
        if (ende == std::string_view::npos) break;
        text.remove_prefix(ende + 1);
    }
    return std::nullopt;
}

const std::string NichtErkanntMeldung =
    "In der Zwischenablage steht keine Koordinate, die ich lesen kann.\r\n"
    "\r\n"
    "Ich verstehe zum Beispiel:\r\n"
    "Grad (dezimal):  48.436333, 9.967967\r\n"
    "Grad/Minuten:  N 48° 26.179980' E 9° 58.078035'\r\n"
    "Grad/Minuten/Sekunden:  48°26'10.80\"N 9°58'04.68\"E\r\n"
    "UTM zivil:  32U 0571595 5365251\r\n"
    "UTM mil:  32U NU 76.15.52.95.51\r\n"
    "UTM ref:  32U NU 7159565251\r\n"
    "Gauß - Krüger:  3571699,04 5366959,16\r\n"
    "\r\n"
    "und jede Zeile, die das Ausgabefenster mit Strg+Umschalt+C kopiert.";

} // namespace kartovex
