// The batch converter: each record equals what "Berechnung" gives for the same
// fields, faulty lines are reported, order does not depend on the threads.
#include <gtest/gtest.h>

#include <sstream>

#include "checks/Zonenfeld.h"
#include "geodesy/Zeichen.h"
#include "geodesy/modKartovex.h"
#include "konvert/Strom.h"
#include "konvert/konvert_test_hilfen.h"

using namespace kartovex;
using namespace kartovex::konvert;
using kartovex::test::Teile;

namespace {

// The CSV record (without header) the calculation window's texts give after
// "Berechnung"; empty when the window refuses the point.
std::string Fensterdatensatz(int format, const std::string& werte, const std::string& an) {
    Eingabe e;
    const auto w = Teile(werte, '|');
    for (std::size_t i = 0; i < w.size(); ++i)
        e[FormatNr(format)->felder[i]] = w[i];
    for (const std::string& knopf : Teile(an, ' '))
        e.schalteAn(OptionNamens(knopf).value());
    if (format == Eingabeformat::UTMzivil && !ZoneVerlassen(e.text(Feld::texZone), e.grenzen).ok)
        return "";
    std::string boxen;
    modKartovex::setMeldungsausgabe(
        [&](const std::string& t) { boxen += (boxen.empty() ? "" : "\r\n") + t; });
    const Berechnungsergebnis r = Berechnung(format, e);
    modKartovex::setMeldungsausgabe(nullptr);
    if (!r.ausgabe) return "";
    std::string satz = "1";
    for (const Ausgabefeld& feld : Ausgabefelder())
        satz += ";" + r.ausgabe->texte[feld.feld];
    return satz + ";" + (boxen.empty() ? "" : '"' + boxen + '"') + "\r\n";
}

struct Lauf {
    std::string aus, meldungen;
    Bilanz bilanz;
};

Ausgabeform Form(bool json, char trenner) {
    Ausgabeform form;
    form.json = json;
    form.trenner = trenner;
    return form;
}

// Small blocks, so that a few lines already make several.
Lauf Konvertiere(const std::string& eingabe, int format, Ausgabeform form = {},
                 unsigned threads = 1) {
    std::istringstream ein(eingabe);
    std::ostringstream aus, meldungen;
    Optionen o;
    o.format = format;
    o.form = form;
    o.threads = threads;
    o.zeilenJeBlock = 64;
    o.bytesImFlug = 0; // each block ends at 64 KiB, the least
    const Bilanz b = konvert::Konvertiere(ein, aus, meldungen, o);
    return {aus.str(), meldungen.str(), b};
}

} // namespace

// The example point in every format, then points of every kind: hemispheres,
// typed commas and lower case, empty and missing fields, both strip widths,
// and 6° strips that lead out of Germany (message boxes in the record).
TEST(Konvert, PunkteWieDasFenster) {
    const char* nordOst = "optDezN optDezE optGMN optGME optGradN optGradE optDrei";
    const struct {
        int format;
        const char *zeile, *werte, *an;
    } faelle[] = {
        {1, "48.4363326641023;9.96796724981198", "48.4363326641023|9.96796724981198", nordOst},
        {2, "48;26.179960;9;58.078035", "48|26.179960|9|58.078035", nordOst},
        {3, "48\t26\t10.80\t9\t58\t4.68", "48|26|10.80|9|58|4.68", nordOst},
        {4, "32U;0571595;5365251", "32U|0571595|5365251", nordOst},
        {5, "32U;NU;76;15;52;95;51", "32U|NU|76|15|52|95|51", nordOst},
        {6, "32U;NU;7159565251", "32U|NU|7159565251", nordOst},
        {7, "3571699.06;5366959.20", "3571699.06|5366959.20", nordOst},
        {1, "48,5 ; 9,5", "48.5|9.5", nordOst},
        {1, "33.9;151.2;s;w", "33.9|151.2", "optDezS optDezW"},
        {1, "79.5;179.99;N;O", "79.5|179.99", nordOst},
        {2, "64;;22;;n;w", "64||22|", "optGMN optGMW"},
        {4, "56h;0334186;6253300", "56H|0334186|6253300", ""},
        {5, "33u;uv;1;2", "33U|UV|1|2", ""},
        {6, "18T;wl;83124567", "18T|WL|83124567", ""},
        {7, "2500000,5;5200000;3", "2500000.5|5200000", "optDrei"},
        {7, "5538200;6197355;6", "5538200|6197355", "optSechs"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        const std::string fenster = Fensterdatensatz(f.format, f.werte, f.an);
        ASSERT_NE(fenster, "") << "the window refuses this point";
        const Lauf l = Konvertiere(f.zeile + std::string("\n"), f.format);
        EXPECT_EQ(l.aus.substr(l.aus.find("\r\n") + 2), fenster);
        const bool boxen = fenster.find('"') != std::string::npos;
        EXPECT_EQ(l.meldungen.rfind("Zeile 1: ", 0), boxen ? 0 : std::string::npos);
        EXPECT_EQ(l.bilanz.fehler, boxen ? 1u : 0u);
    }
}

// One row per input line ("-": empty, no record), converted as one input.
TEST(Konvert, FehlerhafteLeereUndUeberlangeZeilen) {
    const std::pair<std::string, std::string> zeilen[] = {
        {"\uFEFF48.5;9.5", ""}, // a UTF-8 file's byte order mark (EF BB BF)
        {"", "-"},
        {"   ", "-"},
        {" \t \t", "-"}, // blanks and tabs alike
        {"48.5;9x5", "Die Eingabe von x ist für die Länge nicht zulässig!"},
        {"48.5;9.5;N;E;7",
         "Die Zeile hat 5 Felder, erlaubt sind höchstens 4: Breite;Länge[;N|S[;E|W]]"},
        {"48.5;9.5;Q", "Für die Halbkugel der Breite (N oder S) ist »Q« nicht zulässig!"},
        {"84;9.5", "Die nördliche Breite muss kleiner sein als 84°. Ab 84° beginnt UPS"},
        {"48.5;9\b5", "Das Steuerzeichen 8 ist nicht zulässig!"},
        {std::string(LaengsteZeile + 1, '1'), "Die Zeile ist länger als 65536 Bytes."},
        {std::string(LaengsteZeile - 3, ' ').append("1;1"), ""}, // as long as allowed
        {"47;8", ""},                                            // the last, without line end
    };
    std::string eingabe, meldungen, nummern, gelesen;
    for (std::size_t i = 0; i < std::size(zeilen); ++i) {
        const auto& [zeile, meldung] = zeilen[i];
        eingabe.append(zeile).append(i + 1 < std::size(zeilen) ? "\r\n" : "");
        if (meldung == "-") continue;
        nummern += std::to_string(i + 1) + " ";
        if (!meldung.empty()) meldungen += "Zeile " + std::to_string(i + 1) + ": " + meldung + "\n";
    }
    const Lauf l = Konvertiere(eingabe, 1, Form(true, ';'));
    EXPECT_EQ(l.meldungen, meldungen);
    for (const std::string& satz : Teile(l.aus, '\n'))
        if (!satz.empty()) gelesen += satz.substr(9, satz.find(',') - 9) + " ";
    EXPECT_EQ(gelesen, nummern);
    EXPECT_EQ(l.bilanz.fehler, 6u);
}

TEST(Konvert, CsvNachRfc4180UndJsonMitEscapes) {
    const struct {
        bool json;
        char trenner;
        const char *zeile, *ende;
    } faelle[] = {
        {false, ';', "1;1;x\"",
         ";\"Für die Halbkugel der Breite (N oder S) ist »x\"\"« nicht zulässig!\"\r\n"},
        {false, ',', "1;2;3;4;5\n1;2;3;4;5;6",
         ",\"Die Zeile hat 6 Felder, erlaubt sind höchstens 5: Breite;Länge[;N|S[;E|W]]\"\r\n"},
        {true, ';', "1;1;\\",
         "\"meldung\":\"Für die Halbkugel der Breite (N oder S) ist »\\\\« nicht zulässig!\"}\n"},
        {true, ';', "48.5;9\"5",
         "\"meldung\":\"Die Eingabe von\\r\\n\\\"\\r\\nist für die Länge nicht zulässig!\"}\n"},
        {true, ';', "48.5;9.5", "\"gk_meridian\":\"E009°\",\"meldung\":\"\"}\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        const Lauf l = Konvertiere(f.zeile, 1, Form(f.json, f.trenner));
        EXPECT_TRUE(l.aus.ends_with(f.ende)) << l.aus;
    }
}

// The check of a whole record finds a quote, a line break or a separator too
// many at every place of records of every length: in the sixteen-byte steps
// and in the bytes after the last one.
TEST(Konvert, CsvSatzPruefungFindetJedesBesondereZeichen) {
    for (const char trenner : {';', ',', ' ', '.', ':', '\t', '\xB0'}) {
        for (std::size_t laenge = 1; laenge <= 40; ++laenge) {
            SCOPED_TRACE(std::string("Trenner ") + trenner + ", Länge " + std::to_string(laenge));
            // Plain bytes with a separator every fifth byte.
            std::string satz;
            std::size_t trennerAnzahl = 0;
            for (std::size_t i = 0; i < laenge; ++i) {
                const bool trennt = i % 5 == 4;
                satz += trennt ? trenner : "0123456789ANSUEW"[i % 16];
                trennerAnzahl += trennt;
            }
            EXPECT_TRUE(OhneAnfuehrungRichtig(satz, trenner, trennerAnzahl));
            EXPECT_FALSE(OhneAnfuehrungRichtig(satz, trenner, trennerAnzahl + 1));
            EXPECT_FALSE(OhneAnfuehrungRichtig(satz, trenner, trennerAnzahl - 1));
            for (std::size_t stelle = 0; stelle < laenge; ++stelle) {
                if (satz[stelle] == trenner) continue;
                for (const char besonders : {'"', '\r', '\n', trenner}) {
                    std::string falsch = satz;
                    falsch[stelle] = besonders;
                    EXPECT_FALSE(OhneAnfuehrungRichtig(falsch, trenner, trennerAnzahl)) << stelle;
                }
            }
        }
    }
}

// A long record with a separator in every other byte: more than 255 of them
// fall on the same place of the sixteen-byte steps, and each one counts.
TEST(Konvert, CsvSatzPruefungZaehltInLangenSaetzen) {
    for (const std::size_t laenge : {4079, 4080, 4096, 4097, 8200, 70001}) {
        std::string satz;
        for (std::size_t i = 0; i < laenge; ++i)
            satz += i % 2 ? ';' : 'x';
        const std::size_t trennerAnzahl = laenge / 2;
        EXPECT_TRUE(OhneAnfuehrungRichtig(satz, ';', trennerAnzahl)) << laenge;
        EXPECT_FALSE(OhneAnfuehrungRichtig(satz, ';', trennerAnzahl + 1)) << laenge;
        satz[laenge - 2] = '"';
        EXPECT_FALSE(OhneAnfuehrungRichtig(satz, ';', trennerAnzahl)) << laenge;
    }
}

// Likewise for JSON: a backslash, a control character or a quote too many is
// found at every place; bytes of UTF-8 characters and DEL need no escape.
TEST(Konvert, JsonSatzPruefungFindetJedesBesondereZeichen) {
    for (std::size_t laenge = 1; laenge <= 40; ++laenge) {
        SCOPED_TRACE("Länge " + std::to_string(laenge));
        std::string satz;
        std::size_t anfuehrungen = 0;
        for (std::size_t i = 0; i < laenge; ++i) {
            const bool anfuehrung = i % 5 == 4;
            satz += anfuehrung ? '"' : "09.:,{} N\xC2\xB0\x7F\xFFzZa"[i % 16];
            anfuehrungen += anfuehrung;
        }
        EXPECT_TRUE(OhneEscapesRichtig(satz, anfuehrungen));
        EXPECT_FALSE(OhneEscapesRichtig(satz, anfuehrungen + 1));
        for (std::size_t stelle = 0; stelle < laenge; ++stelle) {
            if (satz[stelle] == '"') continue;
            for (const char besonders : {'\\', '\0', '\x01', '\t', '\n', '\r', '\x1F', '"'}) {
                std::string falsch = satz;
                falsch[stelle] = besonders;
                EXPECT_FALSE(OhneEscapesRichtig(falsch, anfuehrungen)) << stelle << int(besonders);
            }
        }
    }
}

// JSON takes the user's texts as UTF-8: well-formed UTF-8 as it is, any
// other text byte by byte as Windows-1252. The cases at the edges of
// well-formed UTF-8 are those a strict reader (Python's) refuses or takes.
TEST(Konvert, EigeneTexteAlsUtf8) {
    const struct {
        const char *text, *utf8;
    } faelle[] = {
        {"Ulm", "Ulm"},
        {"M\xFCller", "M\xC3\xBCller"},
        {"\x80\x81\x9F\xA0\xFF", "\xE2\x82\xAC\xC2\x81\xC5\xB8\xC2\xA0\xC3\xBF"},
        {"\xC3", "\xC3\x83"},                                             // cut off
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                                 // overlong
        {"\xE0\x9F\xBF", "\xC3\xA0\xC5\xB8\xC2\xBF"},                     // overlong
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},                 // surrogate
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"}, // above U+10FFFF
        {"\xE0\xA0\x80\xED\x9F\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", nullptr},
        {"M\xC3\xBCller \xE2\x82\xAC", nullptr},
    };
    for (const auto& f : faelle) {
        const std::string utf8 = f.utf8 ? f.utf8 : f.text;
        EXPECT_EQ(modKartovex::zeichen::GueltigesUtf8(f.text), f.utf8 == nullptr || utf8 == f.text)
            << f.text;
        EXPECT_EQ(AlsUtf8(f.text), utf8) << f.text;
        EXPECT_TRUE(modKartovex::zeichen::GueltigesUtf8(utf8)) << f.text;
    }
}

// The records of a CSV output after RFC 4180, each a list of fields; a quote
// inside a field that is not quoted makes the field "<fehler>".
std::vector<std::vector<std::string>> LiesCsv(std::string_view text, char trenner) {
    std::vector<std::vector<std::string>> saetze;
    std::vector<std::string> satz(1);
    bool angefuehrt = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (angefuehrt && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            satz.back() += '"';
            ++i;
        } else if (c == '"') {
            if (!angefuehrt && !satz.back().empty()) satz.back() = "<fehler>";
            angefuehrt = !angefuehrt;
        } else if (!angefuehrt && c == trenner) {
            satz.emplace_back();
        } else if (!angefuehrt && text.substr(i, 2) == "\r\n") {
            saetze.push_back(std::exchange(satz, std::vector<std::string>(1)));
            ++i;
        } else {
            satz.back() += c;
        }
    }
    return saetze;
}

// Whatever separator is taken, every record reads back into the fields it was
// written from: a field with the separator, a quote or a line break is quoted,
// wherever it stands in the field and in the record, and no other field is.
TEST(Konvert, CsvFelderLesenSichMitJedemTrennerZurueck) {
    // The user's own fields of a line go into its record unchanged: the texts
    // to be quoted, with the special character at the start, at the end and
    // around the eight-byte steps of a longer field.
    std::vector<std::string> eigene = {"", "ohne", "N48.500000"};
    for (const char besonders : {';', ',', ' ', '.', 'N', '3', ':', '"', '\r'})
        for (const std::size_t stelle : {0, 1, 6, 7, 8, 9, 15, 16, 20})
            // (blanks around a field are not part of it, a quote at its start quotes it)
            if ((besonders != ' ' || (stelle != 0 && stelle != 20)) &&
                (besonders != '"' || stelle != 0))
                eigene.push_back(std::string(stelle, 'x') + besonders +
                                 std::string(20 - stelle, 'y'));
    std::string eingabe;
    for (std::size_t i = 0; i < eigene.size(); ++i)
        eingabe += (i % 3 == 2 ? "kaputt\t9.5" : "48.5\t9.5") + std::string("\t\t\t") + eigene[i] +
                   "\t" + eigene[eigene.size() - 1 - i] + "\tende\n";
    for (const bool zahlen : {false, true}) {
        std::vector<std::vector<std::string>> vorlage;
        // (the separators that are taken: SichererTrenner)
        for (const char trenner : {';', ',', ' ', ':', '\t', '|', '\'', '+', '/', '\\'}) {
            SCOPED_TRACE(std::string("Trenner ") + trenner + (zahlen ? " --numbers" : ""));
            std::istringstream ein(eingabe);
            std::ostringstream aus, meldungen;
            Optionen o;
            o.form.trenner = trenner;
            o.form.zahlen = zahlen;
            o.zeile.trenner = '\t';
            konvert::Konvertiere(ein, aus, meldungen, o);
            const auto saetze = LiesCsv(aus.str(), trenner);
            ASSERT_EQ(saetze.size(), eigene.size() + 1);
            for (std::size_t i = 0; i < eigene.size(); ++i) {
                ASSERT_EQ(saetze[i + 1].size(), saetze[0].size());
                EXPECT_EQ(saetze[i + 1][1], eigene[i]);
                EXPECT_EQ(saetze[i + 1][2], eigene[eigene.size() - 1 - i]);
                EXPECT_EQ(saetze[i + 1][3], "ende");
            }
            // The same fields as with the first separator.
            if (vorlage.empty()) vorlage = saetze;
            EXPECT_EQ(saetze, vorlage);
        }
    }
}

// Lines of every kind through several threads and small blocks, some ending
// at their bytes: the same records and messages in the same order as on one
// thread.
TEST(Konvert, ReihenfolgeUnabhaengigVonThreads) {
    std::string eingabe;
    for (int i = 0; i < 10000; ++i)
        eingabe += i % 97 == 0   ? "kaputt\n"
                   : i % 89 == 0 ? "\n"
                   : i % 83 == 0 ? " \t\n"
                   // long lines, so that blocks end at their bytes before their line count
                   : i % 13 == 5 ? std::string(20000 + i, 'x') + "\n"
                                 : std::to_string(10 + i % 50) + "CDEFGHJKLMNPQRSTUVWX"[i % 20] +
                                       ";0" + std::to_string(400000 + (i * 37) % 200000) + ";" +
                                       std::to_string(1000000 * (i % 9 + 1) + i) + "\n";
    const Lauf einer = Konvertiere(eingabe, 4);
    ASSERT_GT(einer.bilanz.fehler, 100u);
    for (unsigned threads : {2u, 4u}) {
        const Lauf viele = Konvertiere(eingabe, 4, {}, threads);
        EXPECT_TRUE(viele.aus == einer.aus && viele.meldungen == einer.meldungen) << threads;
    }
}

// --format auto: each line in its own notation gives the window's record for
// the texts it stands for, the recognised format in the column after the line
// number; a line that is no coordinate gets a record with the message.
TEST(Konvert, AutoErkenntJedeZeileFuerSich) {
    const std::tuple<std::string, int, std::string, std::string> zeilen[] = {
        {"48,4363327° N 9,9679672° O", 1, "48.4363327|9.9679672", "optDezN optDezE"},
        {"48°26'10.80\"S 9°58'04.69\"W", 3, "48|26|10.80|9|58|04.69", "optGradS optGradW"},
        {"32 U 571595 5365251", 4, "32U|0571595|5365251", ""},
        {"R 3571699.04 H 5366959.16", 7, "3571699.04|5366959.16", "optDrei"},
    };
    std::string eingabe, erwartet;
    int nummer = 0;
    for (const auto& [zeile, format, werte, an] : zeilen) {
        eingabe += zeile + "\n";
        std::string satz = Fensterdatensatz(format, werte, an);
        ASSERT_FALSE(satz.empty()) << zeile;
        erwartet +=
            std::to_string(++nummer) + ";" + std::string(Formatname(format)) + satz.substr(1);
    }
    eingabe += "48.5 9.5 12\n";
    erwartet += "5;" + std::string(AusAnzahl + 1, ';') + std::string(KeineKoordinate) + "\r\n";

    Ausgabeform form;
    form.formatSpalte = true;
    const Lauf l = Konvertiere(eingabe, Automatisch, form);
    EXPECT_EQ(l.aus, Kopfzeile(form) + erwartet);
    EXPECT_TRUE(Kopfzeile(form).starts_with("zeile;format;"));
    EXPECT_EQ(l.meldungen, "Zeile 5: " + std::string(KeineKoordinate) + "\n");
    EXPECT_EQ(FormatAusName("AUTO"), Automatisch);
}
