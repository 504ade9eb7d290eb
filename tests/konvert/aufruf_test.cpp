// The command line of kartovex-konvert read as a plain function: each value
// whole, each fault named, the options of a right call where the run expects them.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>

#include "konvert/Aufruf.h"
#include "konvert/konvert_test_hilfen.h"

using namespace kartovex;
using namespace kartovex::konvert;

namespace {

// The words of a command line split at single blanks; '' is an empty word.
std::vector<std::string> Worte(const std::string& zeile) {
    std::vector<std::string> worte = kartovex::test::Teile(zeile, ' ');
    for (std::string& w : worte)
        if (w == "''") w.clear();
    return worte;
}

} // namespace

// Wrong calls: the fault's text, whatever the order of the options.
TEST(Aufruf, FalscheWerteWerdenAbgelehnt) {
    const struct {
        const char *zeile, *fehler;
    } faelle[] = {
        {"--format 1 --threads 2abc", "--threads braucht eine Zahl von 1 bis 256"},
        {"--format 1 --threads=4x", "--threads braucht eine Zahl von 1 bis 256"},
        {"--format 1 --threads +2", "--threads braucht eine Zahl von 1 bis 256"},
        {"--format 1 --threads 257", "--threads braucht eine Zahl von 1 bis 256"},
        {"--format 1 --threads ''", "--threads braucht eine Zahl von 1 bis 256"},
        {"--format 1 --threads", "--threads braucht eine Zahl von 1 bis 256"},
        {"--format 1 --columns dezimal,", "unbekannte Spaltengruppe »«"},
        {"--format 1 --columns ,dezimal", "unbekannte Spaltengruppe »«"},
        {"--format 1 --columns dezimal,,utm", "unbekannte Spaltengruppe »«"},
        {"--format 1 --columns ''", "unbekannte Spaltengruppe »«"},
        {"--format 1 --columns auto,utm", "unbekannte Spaltengruppe »auto«"},
        {"--format 1 --columns utm,AUTO", "unbekannte Spaltengruppe »AUTO«"},
        {"--format 1 --columns utm,zivil", "unbekannte Spaltengruppe »zivil«"},
        {"--format 1 --columns 4,utm", "Spaltengruppe »utm« doppelt"},
        {"--format 1 --columns", "--columns braucht eine Liste von Spaltengruppen"},
        {"--format 1 - datei", "nur eine Eingabedatei"},
        {"--format 1 datei -", "nur eine Eingabedatei"},
        {"- --format 1 -", "nur eine Eingabedatei"},
        {"--format 1 -- - datei", "nur eine Eingabedatei"},
        {"--format 8", "unbekanntes Format »8«"},
        {"--format", "unbekanntes Format »«"},
        {"--json=1 --format 1", "--json nimmt keinen Wert"},
        {"--threads 2", "--format fehlt"},
        {"--format 1 --json --geojson", "--json oder --geojson, nicht beide"},
        {"--format 1 -x", "unbekannte Option »-x«"},
        {"--format 1 --separator \"", "--separator braucht genau ein Zeichen"},
        {"--format 1 --separator ,,", "--separator braucht genau ein Zeichen"},
        {"--in a.gpx datei", "--in oder DATEI, nicht beide"},
        {"--in a.gpx -", "--in oder DATEI, nicht beide"},
        {"--in", "--in braucht einen Wert"},
        {"--in ''", "--in braucht einen Wert"},
        {"--format 1 --out", "--out braucht einen Wert"},
        {"--in a.gpx --layer=", "--layer braucht einen Wert"},
        {"--format 1 --driver", "--driver braucht einen Wert"},
        {"--out a.gpkg", "--format fehlt"},
        {"--format 1 --overwrite=ja", "--overwrite nimmt keinen Wert"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        EXPECT_EQ(LiesAufruf(Worte(f.zeile), 1).fehler.substr(0, std::strlen(f.fehler)), f.fehler);
    }
}

// Every separator that a number, a column name or a line number may hold is
// refused; the other punctuation marks, the blank and the tab are taken.
TEST(Aufruf, NurSichereTrennzeichen) {
    for (int c = 1; c < 256; ++c) {
        const char z = static_cast<char>(c);
        const Aufruf a = LiesAufruf({"--format", "1", "--delimiter", std::string(1, z)}, 1);
        const bool sicher = c == ' ' || c == '\t' ||
                            (c > ' ' && c < 0x7F && !std::isalnum(c) && !std::strchr("\"-._", c));
        SCOPED_TRACE(c);
        EXPECT_EQ(a.fehler.empty(), sicher) << a.fehler;
        if (sicher) {
            EXPECT_EQ(a.optionen.form.trenner, z);
        }
    }
}

// Right calls: where each value lands.
TEST(Aufruf, RichtigeAufrufe) {
    const Aufruf standard = LiesAufruf(Worte("--format utm"), 6);
    EXPECT_EQ(standard.fehler, "");
    EXPECT_EQ(standard.tun, Aufruf::Tun::Konvertieren);
    EXPECT_EQ(standard.optionen.format, 4);
    EXPECT_EQ(standard.optionen.threads, 6u);
    EXPECT_EQ(standard.datei, "-");
    EXPECT_EQ(standard.optionen.form.spalten, AlleSpalten());

    const Aufruf voll = LiesAufruf(Worte("--threads=3 --json --numbers --header --separator=, "
                                         "--columns ref,dezimal -- --format=auto"),
                                   6);
    EXPECT_EQ(voll.fehler, "--format fehlt"); // after "--" only the file

    const Aufruf a = LiesAufruf(Worte("- --threads=3 --json --numbers --header --separator=, "
                                      "--delimiter | --format=auto --columns 6,1"),
                                6);
    EXPECT_EQ(a.fehler, "");
    EXPECT_EQ(a.datei, "-");
    EXPECT_EQ(a.optionen.threads, 3u);
    EXPECT_EQ(a.optionen.format, Automatisch);
    EXPECT_TRUE(a.optionen.form.formatSpalte);
    EXPECT_TRUE(a.optionen.form.json && a.optionen.form.zahlen && a.optionen.kopfzeile);
    EXPECT_EQ(a.optionen.zeile.trenner, ',');
    EXPECT_EQ(a.optionen.form.trenner, '|');
    EXPECT_EQ(a.optionen.form.spalten,
              (std::vector<Aus>{Aus::texREFAUS, Aus::texBreiteAUS, Aus::texLaengeAUS}));

    const Aufruf gis = LiesAufruf(
        Worte("--in=a.gpx --layer tracks --out b.gpkg --driver GPKG --overwrite --progress"), 1);
    EXPECT_EQ(gis.fehler, "");
    EXPECT_EQ(gis.gis.ein, "a.gpx");
    EXPECT_EQ(gis.gis.ebene, "tracks");
    EXPECT_EQ(gis.gis.aus, "b.gpkg");
    EXPECT_EQ(gis.gis.treiber, "GPKG");
    EXPECT_TRUE(gis.gis.ueberschreiben && gis.gis.fortschritt && gis.gis.aktiv());
    EXPECT_FALSE(standard.gis.aktiv());

    EXPECT_EQ(LiesAufruf(Worte("--format 1 -- --json"), 1).datei, "--json");
    EXPECT_EQ(LiesAufruf(Worte("--format 1 datei --help"), 1).tun, Aufruf::Tun::Hilfe);
    EXPECT_EQ(LiesAufruf(Worte("--version --threads x"), 1).tun, Aufruf::Tun::Version);
}
