// The program kartovex-konvert as a user calls it: arguments, files, exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

struct Aufruf {
    int status;
    std::string aus, fehler;
};

std::string Lies(const std::string& datei) {
    std::ifstream ein(datei, std::ios::binary);
    std::ostringstream s;
    s << ein.rdbuf();
    return s.str();
}

// Runs the program with the arguments (already quoted for the shell).
Aufruf Rufe(const std::string& argumente, const std::string& eingabe = "") {
    const std::string ordner = testing::TempDir();
    const std::string ein = ordner + "konvert_ein", aus = ordner + "konvert_aus",
                      fehler = ordner + "konvert_fehler";
    std::ofstream(ein, std::ios::binary) << eingabe;
    const std::string befehl =
        std::string(KONVERT_PROGRAMM) + " " + argumente + " <" + ein + " >" + aus + " 2>" + fehler;
    const int status = std::system(befehl.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Lies(aus), Lies(fehler)};
}

} // namespace

TEST(Programm, DateiOderStandardeingabeExitstatusNachMeldungen) {
    const std::string datei = testing::TempDir() + "konvert_punkte.txt";
    std::ofstream(datei) << "32U;0571595;5365251\n";
    const Aufruf gut = Rufe("--format 'UTM zivil' " + datei);
    EXPECT_EQ(gut.status, 0) << gut.fehler;
    EXPECT_EQ(gut.fehler, "");
    EXPECT_NE(gut.aus.find("\r\n1;N48.43633"), std::string::npos) << gut.aus;

    const Aufruf schlecht = Rufe("--format utm --json --threads 2", "32U;0571595;5365251\n99Z\n");
    EXPECT_EQ(schlecht.status, 1);
    // Leaving the zone field tests its characters before the whole-input check.
    EXPECT_EQ(schlecht.fehler,
              "Zeile 2: Das 1. Zeichen der Zone muss eine Ziffer ( 0...6 ) sein!\n");
    EXPECT_EQ(schlecht.aus.rfind("{\"Zeile\":1,", 0), 0u);
    EXPECT_NE(schlecht.aus.find("\n{\"Zeile\":2,"), std::string::npos);
}

TEST(Programm, Aufruffehler) {
    const struct {
        const char* argumente;
        const char* meldung;
    } faelle[] = {
        {"", "--format fehlt"},
        {"--format wgs84", "unbekanntes Format »wgs84«"},
        {"--format dezimal --threads 0", "--threads braucht eine Zahl von 1 bis 256"},
        {"--format dezimal --delimiter ';;'", "--delimiter braucht genau ein Zeichen"},
        {"--format dezimal --schnell", "unbekannte Option »--schnell«"},
        {"--format dezimal /gibt/es/nicht", "/gibt/es/nicht: No such file or directory"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.argumente);
        const Aufruf a = Rufe(f.argumente, "48;9\n");
        EXPECT_EQ(a.status, 2);
        EXPECT_EQ(a.aus, "");
        EXPECT_NE(a.fehler.find(f.meldung), std::string::npos) << a.fehler;
    }
}

TEST(Programm, HilfeNenntJedesFormat) {
    const Aufruf a = Rufe("--help");
    EXPECT_EQ(a.status, 0);
    for (const char* s : {"Grad (dezimal)", "gradminsek", "Zone;100km;10km;1km;100m;10m;1m",
                          "Rechts;Hoch[;3|6]", "Breite;Länge[;N|S[;E|W]]"})
        EXPECT_NE(a.aus.find(s), std::string::npos) << s;
}

TEST(Programm, TrennzeichenDerAusgabe) {
    const Aufruf a = Rufe("--format dezimal --delimiter ,", "48.5;9.5\n");
    EXPECT_EQ(a.status, 0);
    EXPECT_EQ(a.aus.rfind("Zeile,texBreiteAUS,texLaengeAUS,", 0), 0u);
    EXPECT_NE(a.aus.find("\r\n1,N48.500000,E009.500000,"), std::string::npos) << a.aus;
}
