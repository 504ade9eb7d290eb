// The batch converter: every record equals what the conversion behind
// "Berechnung" gives for the same fields, faulty lines are reported and
// counted, and the order of the records does not depend on the threads.
#include <gtest/gtest.h>

#include <sstream>

#include "checks/Zonenfeld.h"
#include "geodesy/modKartovex.h"
#include "konvert/Strom.h"

using namespace kartovex;
using namespace kartovex::konvert;

namespace {

// ---- Reference: the calculation window's record, converted by the driver ----

struct Fenstereingabe {
    int format;
    std::map<std::string, std::string> texte;
    std::set<std::string> an;
};

// The output texts as the output window shows them after "Berechnung"; an
// empty vector when the check fails. The message boxes of the geodesy
// routines, joined by CR LF, go to `boxen`.
std::vector<std::string> Fenster(const Fenstereingabe& f, std::string* boxen = nullptr) {
    Eingabe e{f.texte, f.an, {}};
    if (f.format == Eingabeformat::UTMzivil && !ZoneVerlassen(e.text("texZone"), e.grenzen).ok)
        return {};
    std::string gezeigt;
    modKartovex::setMeldungsausgabe(
        [&](const std::string& text) { gezeigt += (gezeigt.empty() ? "" : "\r\n") + text; });
    const Berechnungsergebnis r = Berechnung(f.format, e);
    modKartovex::setMeldungsausgabe(nullptr);
    if (boxen) *boxen = gezeigt;
    if (!r.ausgabe) return {};
    std::vector<std::string> felder;
    for (std::size_t i = 0; i < Ausgabefelder.size(); ++i) {
        const auto it = r.ausgabe->texte.find(Ausgabefelder[i]);
        const bool gk = i >= ErstesGKFeld;
        felder.push_back(
            it == r.ausgabe->texte.end() || (gk && !r.ausgabe->gkSichtbar) ? "" : it->second);
    }
    return felder;
}

// ---- Running the converter and reading its CSV back ---------------------------

struct Lauf {
    std::string aus, meldungen;
    Bilanz bilanz;
};

Lauf Konvertiere(int format, const std::string& eingabe, unsigned threads = 1, bool json = false,
                 std::size_t block = 2048) {
    std::istringstream ein(eingabe);
    std::ostringstream aus, meldungen;
    Optionen o;
    o.format = format;
    o.form.json = json;
    o.threads = threads;
    o.zeilenJeBlock = block;
    Lauf l;
    l.bilanz = konvert::Konvertiere(ein, aus, meldungen, o);
    l.aus = aus.str();
    l.meldungen = meldungen.str();
    return l;
}

// RFC 4180 records with ';' and CR LF.
std::vector<std::vector<std::string>> Csv(const std::string& text) {
    std::vector<std::vector<std::string>> saetze;
    std::vector<std::string> satz(1);
    bool zitat = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (zitat) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                satz.back() += text[++i];
            else if (c == '"')
                zitat = false;
            else
                satz.back() += c;
        } else if (c == '"') {
            zitat = true;
        } else if (c == ';') {
            satz.emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            saetze.push_back(satz);
            satz.assign(1, "");
            ++i;
        } else {
            satz.back() += c;
        }
    }
    EXPECT_TRUE(satz.size() == 1 && satz[0].empty()) << "record without CR LF at the end";
    return saetze;
}

// The output texts of a data record (without line number and message).
std::vector<std::string> Texte(const std::vector<std::string>& satz) {
    return {satz.begin() + 1, satz.end() - 1};
}

const std::set<std::string> NordOst = {"optDezN",  "optDezE",  "optGMN", "optGME",
                                       "optGradN", "optGradE", "optDrei"};

struct Fall {
    std::string zeile;
    Fenstereingabe fenster;
};

// The example point in each format, as the example buttons enter it.
const std::vector<Fall>& Beispiele() {
    static const std::vector<Fall> f = {
        {"48.4363326641023;9.96796724981198",
         {1, {{"texBreite", "48.4363326641023"}, {"texLaenge", "9.96796724981198"}}, NordOst}},
        {"48;26.179960;9;58.078035",
         {2,
          {{"texBreiteGrad", "48"},
           {"texBreiteMinute", "26.179960"},
           {"texLaengeGrad", "9"},
           {"texLaengeMinute", "58.078035"}},
          NordOst}},
        {"48\t26\t10.80\t9\t58\t4.68",
         {3,
          {{"texBGrad", "48"},
           {"texBMinute", "26"},
           {"texBSekunde", "10.80"},
           {"texLGrad", "9"},
           {"texLMinute", "58"},
           {"texLSekunde", "4.68"}},
          NordOst}},
        {"32U;0571595;5365251",
         {4, {{"texZone", "32U"}, {"texRechts", "0571595"}, {"texHoch", "5365251"}}, NordOst}},
        {"32U;NU;76;15;52;95;51",
         {5,
          {{"texZoneM", "32U"},
           {"tex100km", "NU"},
           {"tex10km", "76"},
           {"tex1km", "15"},
           {"tex100m", "52"},
           {"tex10m", "95"},
           {"tex1m", "51"}},
          NordOst}},
        {"32U;NU;7159565251",
         {6,
          {{"texREFZone", "32U"}, {"texREF100", "NU"}, {"texREFZiffern", "7159565251"}},
          NordOst}},
        {"3571699.06;5366959.20",
         {7, {{"texGKRechts", "3571699.06"}, {"texGKHoch", "5366959.20"}}, NordOst}},
    };
    return f;
}

} // namespace

TEST(Konvert, BeispielpunktInAllenSiebenFormatenWieDasFenster) {
    for (const Fall& f : Beispiele()) {
        SCOPED_TRACE(f.zeile);
        const Lauf l = Konvertiere(f.fenster.format, f.zeile + "\n");
        const auto saetze = Csv(l.aus);
        ASSERT_EQ(saetze.size(), 2u);
        EXPECT_EQ(saetze[0].front(), "Zeile");
        EXPECT_EQ(saetze[0][1], "texBreiteAUS");
        EXPECT_EQ(saetze[0].back(), "Meldung");
        EXPECT_EQ(saetze[1].front(), "1");
        EXPECT_EQ(Texte(saetze[1]), Fenster(f.fenster));
        EXPECT_EQ(saetze[1].back(), "");
        EXPECT_EQ(l.meldungen, "");
        EXPECT_EQ(l.bilanz.fehler, 0u);
    }
}

// Points of every kind: both hemispheres, the extra fields, typed commas and
// lower case that the key filters normalise, the empty fields the checks fill
// in, points outside Germany and the 6° strips.
TEST(Konvert, TabelleVonPunktenWieDasFenster) {
    const std::set<std::string> SuedWest = {"optDezS",  "optDezW",  "optGMS",  "optGMW",
                                            "optGradS", "optGradW", "optSechs"};
    const Fall faelle[] = {
        {"48,5 ; 9,5", {1, {{"texBreite", "48.5"}, {"texLaenge", "9.5"}}, NordOst}},
        {"33.9;151.2;s;E",
         {1, {{"texBreite", "33.9"}, {"texLaenge", "151.2"}}, {"optDezS", "optDezE"}}},
        {"0;0;S;W", {1, {{"texBreite", "0"}, {"texLaenge", "0"}}, SuedWest}},
        {"79.5;179.99;N;O", {1, {{"texBreite", "79.5"}, {"texLaenge", "179.99"}}, NordOst}},
        {"64;;22;;n;w",
         {2,
          {{"texBreiteGrad", "64"},
           {"texBreiteMinute", ""},
           {"texLaengeGrad", "22"},
           {"texLaengeMinute", ""}},
          {"optGMN", "optGMW"}}},
        {"12;30;15,5;77;5;0;S;E",
         {3,
          {{"texBGrad", "12"},
           {"texBMinute", "30"},
           {"texBSekunde", "15.5"},
           {"texLGrad", "77"},
           {"texLMinute", "5"},
           {"texLSekunde", "0"}},
          {"optGradS", "optGradE"}}},
        {"56h;0334186;6253300",
         {4, {{"texZone", "56H"}, {"texRechts", "0334186"}, {"texHoch", "6253300"}}, {}}},
        {"31v;0400000;6700000",
         {4, {{"texZone", "31V"}, {"texRechts", "0400000"}, {"texHoch", "6700000"}}, {}}},
        {"33u;uv;1;2",
         {5, {{"texZoneM", "33U"}, {"tex100km", "UV"}, {"tex10km", "1"}, {"tex1km", "2"}}, {}}},
        {"18T;wl;83124567",
         {6, {{"texREFZone", "18T"}, {"texREF100", "WL"}, {"texREFZiffern", "83124567"}}, {}}},
        {"4468000;5333000;6",
         {7, {{"texGKRechts", "4468000"}, {"texGKHoch", "5333000"}}, {"optSechs"}}},
        {"2500000,5;5200000;3",
         {7, {{"texGKRechts", "2500000.5"}, {"texGKHoch", "5200000"}}, {"optDrei"}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.zeile);
        std::string boxen;
        const std::vector<std::string> fenster = Fenster(f.fenster, &boxen);
        const Lauf l = Konvertiere(f.fenster.format, f.zeile + "\r\n");
        const auto saetze = Csv(l.aus);
        ASSERT_EQ(saetze.size(), 2u);
        if (fenster.empty()) {
            ADD_FAILURE() << "the window refuses this point";
            continue;
        }
        EXPECT_EQ(Texte(saetze[1]), fenster);
        EXPECT_EQ(saetze[1].back(), boxen);
    }
}

TEST(Konvert, FehlerhafteZeilenMitNummerUndMeldungDerLaufGehtWeiter) {
    const std::string eingabe = "\xEF\xBB\xBF"
                                "48.5;9.5\n" // with the byte order mark of a UTF-8 file
                                "\n"
                                "   \n"
                                "48.5;9x5\n"
                                "48.5;9.5;N;E;7\n"
                                "48.5;9.5;Q\n"
                                "84;9.5\n"
                                "48.5;9\b5\n"
                                "48.5\n"
                                "47;8";
    const Lauf l = Konvertiere(1, eingabe);
    const std::string erwartet =
        "Zeile 4: Die Eingabe von x ist für die Länge nicht zulässig!\n"
        "Zeile 5: Die Zeile hat 5 Felder, erlaubt sind höchstens 4: Breite;Länge[;N|S[;E|W]]\n"
        "Zeile 6: Für die Halbkugel der Breite (N oder S) ist »Q« nicht zulässig!\n"
        "Zeile 7: Die nördliche Breite muss kleiner sein als 84°. Ab 84° beginnt UPS\n"
        "Zeile 8: Das Steuerzeichen 8 ist nicht zulässig!\n";
    EXPECT_EQ(l.meldungen.substr(0, erwartet.size()), erwartet);
    // Empty lines give no record but keep the numbering.
    const auto saetze = Csv(l.aus);
    std::vector<std::string> nummern;
    for (std::size_t i = 1; i < saetze.size(); ++i)
        nummern.push_back(saetze[i].front());
    EXPECT_EQ(nummern, (std::vector<std::string>{"1", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(l.bilanz.zeilen, 10u);
    EXPECT_EQ(l.bilanz.punkte, 8u);
    EXPECT_EQ(l.bilanz.fehler, 6u);
    // A failed record has no texts and the exact message, CR LF included.
    EXPECT_EQ(saetze[2][1], "");
    EXPECT_EQ(saetze[2].back(), "Die Eingabe von\r\nx\r\nist für die Länge nicht zulässig!");
    EXPECT_NE(saetze.back()[1], ""); // the last line, without line end, is converted
}

TEST(Konvert, UeberlangeZeileWirdUebersprungenNichtGespeichert) {
    const std::string lang(LaengsteZeile + 1, '1');
    const std::string gerade(LaengsteZeile - 3, ' '); // with "1;1" as long as allowed
    const Lauf l = Konvertiere(1, "48.5;9.5\n" + lang + "\n" + gerade + "1;1\r\n47;8\n");
    EXPECT_EQ(l.meldungen, "Zeile 2: Die Zeile ist länger als 65536 Bytes.\n");
    const auto saetze = Csv(l.aus);
    ASSERT_EQ(saetze.size(), 5u);
    EXPECT_EQ(saetze[2].front(), "2");
    EXPECT_EQ(saetze[3].front(), "3"); // exactly as long as allowed: converted
    EXPECT_EQ(saetze[3][1], "N01.000000");
    EXPECT_EQ(saetze[4].front(), "4");
}

TEST(Konvert, GeodaesieMeldungenJeZeile) {
    // 6° strips from the eastern German bound lead out of Germany: the inverse
    // projection reports it, the line is still converted as in the window.
    const Lauf l = Konvertiere(7, "3571699.06;5366959.20\n5538200;6197355;6\n");
    const std::string strecke = "Die gewählte Streifenbreite führt zu einem Punkt ausserhalb von "
                                "Deutschland.\r\nWählen Sie eine kleinere Streifenbreite.";
    EXPECT_EQ(l.meldungen.rfind("Zeile 2: Die gewählte Streifenbreite führt zu einem Punkt "
                                "ausserhalb von Deutschland. Wählen Sie eine kleinere "
                                "Streifenbreite.\nZeile 2: ",
                                0),
              0u)
        << l.meldungen;
    EXPECT_EQ(l.meldungen.find("Zeile 1"), std::string::npos);
    EXPECT_EQ(l.bilanz.fehler, 1u);
    const auto saetze = Csv(l.aus);
    ASSERT_EQ(saetze.size(), 3u);
    EXPECT_EQ(saetze[1].back(), "");
    Fenstereingabe f{7, {{"texGKRechts", "5538200"}, {"texGKHoch", "6197355"}}, {"optSechs"}};
    std::string boxen;
    EXPECT_EQ(Texte(saetze[2]), Fenster(f, &boxen));
    EXPECT_EQ(saetze[2].back().rfind(strecke + "\r\n", 0), 0u) << saetze[2].back();
    EXPECT_EQ(saetze[2].back(), boxen);
}

TEST(Konvert, JsonZeilen) {
    const Lauf l = Konvertiere(4, "32U;0571595;5365251\n32U;05715\"5;5365251\n", 1, true);
    std::istringstream zeilen(l.aus);
    std::string eins, zwei, rest;
    std::getline(zeilen, eins);
    std::getline(zeilen, zwei);
    EXPECT_FALSE(std::getline(zeilen, rest));
    EXPECT_EQ(eins.rfind("{\"Zeile\":1,\"texBreiteAUS\":\"N48.43633", 0), 0u) << eins;
    EXPECT_NE(eins.find(",\"texMilUTM\":\"32U  NU  76.15.52.95.51\","), std::string::npos);
    EXPECT_NE(eins.find(",\"texMeridianAUS\":\"E009°\",\"Meldung\":\"\"}"), std::string::npos);
    EXPECT_NE(zwei.find("\"Meldung\":\"Die Eingabe von\\r\\n\\\"\\r\\nist für den Rechtswert nicht "
                        "zulässig!\"}"),
              std::string::npos)
        << zwei;
}

// Many lines of every kind, northern and southern, through several threads
// and small blocks: the same records and messages in the same order as on
// one thread.
TEST(Konvert, ReihenfolgeUnabhaengigVonThreads) {
    std::string eingabe;
    for (int i = 0; i < 10000; ++i) {
        const int zone = 1 + i % 60;
        const char band = "CDEFGHJKLMNPQRSTUVWX"[i % 20];
        if (i % 97 == 0)
            eingabe += "kaputt\n";
        else if (i % 89 == 0)
            eingabe += "\n";
        else
            eingabe += (zone < 10 ? "0" : "") + std::to_string(zone) + band + ";0" +
                       std::to_string(400000 + (i * 37) % 200000) + ";" +
                       std::to_string(1000000 * (i % 9 + 1) + i) + "\n";
    }
    const Lauf einer = Konvertiere(4, eingabe, 1);
    ASSERT_GT(einer.bilanz.punkte, 9800u);
    ASSERT_GT(einer.bilanz.fehler, 100u);
    for (unsigned threads : {2u, 4u}) {
        SCOPED_TRACE(threads);
        const Lauf viele = Konvertiere(4, eingabe, threads, false, 64);
        EXPECT_TRUE(viele.aus == einer.aus);
        EXPECT_TRUE(viele.meldungen == einer.meldungen);
        EXPECT_EQ(viele.bilanz.fehler, einer.bilanz.fehler);
    }
}

TEST(Konvert, FormatnamenWieDieKnoepfeUndKurz) {
    const std::pair<const char*, int> namen[] = {{"Grad (dezimal)", 1},
                                                 {"dezimal", 1},
                                                 {"Grad/Minuten", 2},
                                                 {"GRADMIN", 2},
                                                 {"gradminsek", 3},
                                                 {"UTM zivil", 4},
                                                 {"utm", 4},
                                                 {"UTM mil", 5},
                                                 {"mil", 5},
                                                 {"UTM ref", 6},
                                                 {"ref", 6},
                                                 {"Gauß - Krüger", 7},
                                                 {"gk", 7},
                                                 {"7", 7}};
    for (const auto& [name, format] : namen)
        EXPECT_EQ(FormatAusName(name), format) << name;
    for (const char* falsch : {"", "8", "0", "grad", "utm zivil "})
        EXPECT_EQ(FormatAusName(falsch), std::nullopt) << falsch;
}
