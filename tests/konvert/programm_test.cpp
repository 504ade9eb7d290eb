// kartovex-konvert as a user calls it from a shell: options, exit codes, what
// reaches standard output and standard error.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

#include <fstream>
#include <sstream>
#include <string>

#include "geodesy/Zeichen.h"
#include "konvert/Programmhilfe.h"

using namespace programmhilfe;

// The first failed write ends the run with code 3 and one message naming the
// output and the reason; nothing after it is reported, and reading stops (an
// endless input ends).
TEST(Programm, SchreibfehlerBeendenDenLauf) {
    const std::string grund = "kartovex-konvert: Schreiben in die Standardausgabe gescheitert: ";
    const struct {
        const char* zeile;
        const char* ursache;
    } faelle[] = {
        {"timeout 20 $K --format 1 $EIN >/dev/full; echo $? >&2", "No space left on device"},
        {"yes '48.5;9x5' | timeout 20 $K --format 1 --threads 1 >/dev/full; echo $? >&2",
         "No space left on device"},
        {"yes '48.5;9.5' | timeout 20 $K --format 1 --threads 2 | true; echo ${PIPESTATUS[1]} >&2",
         "Broken pipe"},
        {"yes '48.5;9.5' | timeout 20 $K --format 1 --json | head -c 70000 >/dev/null;"
         "echo ${PIPESTATUS[1]} >&2",
         "Broken pipe"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        const Ergebnis e = Shell(f.zeile, "48.5;9.5\n48.5;9x5\n");
        EXPECT_EQ(e.fehler, grund + f.ursache + "\n3\n");
    }
}

// Format names, "--name=wert", "--", wrong calls, and the input checked before
// anything is written: a directory or an unreadable file leaves standard output empty.
TEST(Programm, AufrufWieUeblich) {
    const struct {
        const char* zeile;
        int status;
        const char* text; // in standard output for status 0, else in standard error
    } faelle[] = {
        {"$K --format=DEZIMAL --threads=1 $EIN", 0, "\r\n1;N48.500000;E009.500000;"},
        {"$K --format 'Grad (dezimal)' $EIN", 0, "\r\n1;N48.500000;E009.500000;"},
        {"$K --delimiter=, --format 1 -- - <$EIN", 0, "\r\n1,N48.500000,E009.500000,"},
        {"$K --help", 0, "  7, gk, \"Gauß - Krüger\":\n      Rechts;Hoch[;3|6]"},
        {"$K $EIN", 2, "--format fehlt"},
        {"$K --format 1 --threads 0 $EIN", 2, "--threads braucht eine Zahl von 1 bis 256"},
        {"$K --format 1 --delimiter ';;' $EIN", 2, "--delimiter braucht genau ein Zeichen"},
        {"$K --format 1 --schnell $EIN", 2, "unbekannte Option »--schnell«"},
        {"$K --format 1 -- --json", 2, "kartovex-konvert: --json: No such file"},
        {"$K --format 1 --json=ja $EIN", 2, "--json nimmt keinen Wert"},
        {"$K --format= $EIN", 2, "unbekanntes Format »«"},
        {"$K --format 1 /tmp", 2, "kartovex-konvert: /tmp: Is a directory"},
        {"$K --format 1 </tmp", 2, "kartovex-konvert: Standardeingabe: Is a directory"},
        {"$K --format 1 /proc/self/mem", 2, "/proc/self/mem: Input/output error"},
        // Each value read whole; '-' is a file like any other.
        {"$K --format 1 --threads 2abc $EIN", 2, "--threads braucht eine Zahl von 1 bis 256"},
        {"$K --format 1 --threads=1.5 $EIN", 2, "--threads braucht eine Zahl von 1 bis 256"},
        {"$K --format 1 --columns dezimal, $EIN", 2, "unbekannte Spaltengruppe »«"},
        {"$K --format 1 --columns=utm,,gk $EIN", 2, "unbekannte Spaltengruppe »«"},
        {"$K --format 1 --columns auto,utm $EIN", 2, "unbekannte Spaltengruppe »auto«"},
        {"$K --format 1 - $EIN", 2, "nur eine Eingabedatei"},
        {"$K --format 1 $EIN - <$EIN", 2, "nur eine Eingabedatei"},
        {"$K - --format 1 <$EIN", 0, "\r\n1;N48.500000;E009.500000;"},
        {"$K --format auto - --columns dezimal <$EIN", 0, "\r\n1;Grad (dezimal);N48.500000;"},
        // A separator that numbers, column names or line numbers hold is refused.
        {"$K --format 1 --numbers --delimiter - $EIN", 2, "--delimiter braucht genau ein Zeichen"},
        {"$K --format 1 --delimiter=1 $EIN", 2, "--delimiter braucht genau ein Zeichen"},
        {"$K --format 1 --delimiter a $EIN", 2, "--delimiter braucht genau ein Zeichen"},
        {"$K --format 1 --delimiter U $EIN", 2, "--delimiter braucht genau ein Zeichen"},
        {"$K --format 1 --delimiter . $EIN", 2, "--delimiter braucht genau ein Zeichen"},
        {"$K --format 1 --delimiter _ $EIN", 2, "--delimiter braucht genau ein Zeichen"},
        {"$K --format 1 --delimiter $'\\xb0' $EIN", 2, "--delimiter braucht genau ein Zeichen"},
        {"$K --format 1 --numbers --delimiter + $EIN", 0, "\r\n1+48.500000+9.500000+48+"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        const Ergebnis e = Shell(f.zeile, "48.5;9.5\n");
        EXPECT_EQ(e.status, f.status);
        EXPECT_NE((f.status == 0 ? e.aus : e.fehler).find(f.text), std::string::npos)
            << e.aus << e.fehler;
        EXPECT_TRUE(f.status == 0 || e.aus.empty()) << e.aus;
    }
}

// On a terminal the progress line shows after a second; Ctrl+C removes it
// before the program ends by the signal.
TEST(Programm, StrgCLaesstKeineFortschrittszeile) {
    int rohr[2];
    ASSERT_EQ(pipe(rohr), 0);
    int terminal = -1;
    const pid_t kind = forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(kind, 0);
    if (kind == 0) { // standard error stays on the terminal
        dup2(rohr[0], STDIN_FILENO);
        freopen("/dev/null", "w", stdout);
        close(rohr[1]);
        execl(KONVERT_PROGRAMM, "kartovex-konvert", "--format", "1", "--threads", "1", nullptr);
        _exit(127);
    }
    close(rohr[0]);
    std::string zeilen;
    for (int i = 0; i < 3 * 2048; ++i)
        zeilen += "48.5;9.5\n";
    std::string gesehen;
    const auto lies = [&](int ms) {
        pollfd p{terminal, POLLIN, 0};
        char puffer[4096];
        for (ssize_t n; poll(&p, 1, ms) > 0 && (n = read(terminal, puffer, sizeof puffer)) > 0;)
            gesehen.append(puffer, std::size_t(n));
    };
    // The input stays open: the program waits for more while its line shows.
    const auto bis = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (gesehen.find("Zeilen/s") == std::string::npos &&
           std::chrono::steady_clock::now() < bis) {
        ASSERT_EQ(write(rohr[1], zeilen.data(), zeilen.size()), ssize_t(zeilen.size()));
        lies(300);
    }
    ASSERT_NE(gesehen.find("Zeilen/s"), std::string::npos) << "no progress line";
    ASSERT_EQ(write(terminal, "\x03", 1), 1); // Ctrl+C as typed
    lies(3000);
    int status = 0;
    ASSERT_EQ(waitpid(kind, &status, 0), kind);
    close(rohr[1]);
    close(terminal);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT);
    const std::string danach = gesehen.substr(gesehen.rfind("Zeilen/s"));
    EXPECT_NE(danach.find("\r\033[K"), std::string::npos) << danach;
}

// Column names a person reads; --numbers gives signed degrees, metres without
// padding and references without blanks, in CSV as in JSON (numbers there).
TEST(Programm, LesbareSpaltenUndZahlen) {
    const std::string kopf =
        "zeile;breite;laenge;breite_grad;breite_minuten;laenge_grad;laenge_minuten;"
        "gms_breite_grad;gms_breite_minuten;gms_breite_sekunden;gms_laenge_grad;"
        "gms_laenge_minuten;gms_laenge_sekunden;utm_zone;utm_rechts;utm_hoch;utm_mil;utmref;"
        "gk_rechts;gk_hoch;gk_streifen;gk_meridian;meldung\r\n";
    const struct {
        const char *optionen, *eingabe, *ausgabe;
    } faelle[] = {
        {"--numbers", "48.4363326641023;9.96796724981198",
         "1;48.436333;9.967967;48;26.179960;9;58.078035;48;26;10.80;9;58;4.68;"
         "32U;571595;5365251;32UNU7615529551;32UNU7159565251;3571699;5366959;3;9;\r\n"},
        {"--numbers", "48.09;9.09",
         "1;48.090000;9.090000;48;5.400000;9;5.400000;48;5;24.00;9;5;24.00;32U;506702;5326307;"
         "32UNU0266730027;32UNU0670226307;3506781;5328000;3;9;\r\n"},
        {"--numbers", "0.5;0.25;S;W",
         "1;-0.500000;-0.250000;-0;30.000000;-0;15.000000;-0;30;0.00;-0;15;0.00;"
         "30M;806113;9944671;30MZE0464161731;30MZE0611344671;;;;;\r\n"},
        {"--numbers --json", "0.5;0.25;S;W",
         "{\"zeile\":1,\"breite\":-0.500000,\"laenge\":-0.250000,\"breite_grad\":-0,"
         "\"breite_minuten\":30.000000,\"laenge_grad\":-0,\"laenge_minuten\":15.000000,"
         "\"gms_breite_grad\":-0,\"gms_breite_minuten\":30,\"gms_breite_sekunden\":0.00,"
         "\"gms_laenge_grad\":-0,\"gms_laenge_minuten\":15,\"gms_laenge_sekunden\":0.00,"
         "\"utm_zone\":\"30M\",\"utm_rechts\":806113,\"utm_hoch\":9944671,"
         "\"utm_mil\":\"30MZE0464161731\",\"utmref\":\"30MZE0611344671\",\"gk_rechts\":null,"
         "\"gk_hoch\":null,\"gk_streifen\":null,\"gk_meridian\":null,\"meldung\":\"\"}\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.optionen);
        const Ergebnis e = Shell(std::string("$K --format 1 ") + f.optionen + " $EIN", f.eingabe);
        const bool json = std::string(f.optionen).find("json") != std::string::npos;
        EXPECT_EQ(e.aus, (json ? "" : kopf) + f.ausgabe);
    }
}

// The user's own fields after the format's ones go through, ahead of the
// results, named by --header or by their place; signed degrees; --separator;
// quoted fields.
TEST(Programm, EigeneSpaltenVorzeichenUndTrenner) {
    const struct {
        const char *optionen, *eingabe, *kopf, *satz, *fehler;
    } faelle[] = {
        {"--header", "b;l;ns;ew;name;nr\n-33.9;18.4;;;Kapstadt; 7 \n",
         "zeile;name;nr;breite;laenge;breite_grad;", "\r\n2;Kapstadt;7;S33.900000;E018.400000;S33;",
         ""},
        {"--header --json", "b;l;ns;ew;name\n48.5;9.5;;;Ulm\n", "",
         "{\"zeile\":2,\"name\":\"Ulm\",\"breite\":\"N48.500000\",", ""},
        // A JSON key of the user's that the record has already gets a free "_2", "_3", ...
        {"--header --json --columns dezimal", "b;l;ns;ew;breite;zeile;breite_2\n48.5;9.5;;;m;X;Y\n",
         "",
         "{\"zeile\":2,\"breite_3\":\"m\",\"zeile_2\":\"X\",\"breite_2\":\"Y\",\"breite\":\"N48."
         "500000\",",
         ""},
        {"--header --json", "b;l;ns;ew;n\"\\a\n48.5;9.5;;;x\"y\n", "",
         "{\"zeile\":2,\"n\\\"\\\\a\":\"x\\\"y\",\"breite\":\"N48.500000\",", ""},
        {"", "48.5;9.5;;;ID1\n\n48.5;9.5\n", "zeile;feld5;breite;laenge;",
         "\r\n1;ID1;N48.500000;E009.500000;N48;30.000000;E009;30.000000;N48;30;0.00;E009;30;"
         "0.00;32U;0536936;5371996;",
         ""},
        {"", "48.5;9x5;;;ID4\n", "", "\r\n1;ID4;;;",
         "Zeile 1: Die Eingabe von x ist für die Länge"},
        {"", "1;2;;;a\n1;2;;;a;b\n", "", "\r\n2;a;;;",
         "Zeile 2: Die Zeile hat 6 Felder, erlaubt sind höchstens 5: Breite;Länge[;N|S[;E|W]]"},
        {"--format 4", "32U;0571595;5365251;Ulm\n", "zeile;feld4;breite;", "\r\n1;Ulm;N48.436331;",
         ""},
        {"", "-33.9;-18.4\n", "", "\r\n1;S33.900000;W018.400000;", ""},
        {"--format 2", "-33;54;+18;24\n", "", "\r\n1;S33.900000;E018.400000;", ""},
        {"--format 3", "-0;30;0;-0;15;0;;\n", "", "\r\n1;S00.500000;W000.250000;", ""},
        {"", "-33.9;18.4;S\n", "", "\r\n1;;;",
         "Zeile 1: Vorzeichen und Halbkugel zugleich sind nicht zulässig: »-« und »S«!"},
        {"--format 2", "33;54;+18;24;N;E\n", "", "\r\n1;;;",
         "Zeile 1: Vorzeichen und Halbkugel zugleich sind nicht zulässig: »+« und »E«!"},
        {"--separator , --delimiter '|'", "48.5,9.5,S,,x;y\n", "zeile|feld5|breite|",
         "\r\n1|x;y|S48.500000|E009.500000|", ""},
        {"--separator=,", "48.5;9.5\n", "", "\r\n1;;;", "Die Eingabe von ; ist für die Breite"},
        // Quoted fields as spreadsheets write them.
        {"--separator ,", "\"48,5\",\"9,5\",,,\"Ulm, Münster\"\n", "zeile;feld5;breite;",
         "\r\n1;Ulm, Münster;N48.500000;E009.500000;", ""},
        {"", " \" 48.5 \" ; 9.5;;;\"a \"\"b\"\" c\"x\n", "", "\r\n1;\"a \"\"b\"\" cx\";N48.500000;",
         ""},
        {"", "\"48.5;9.5\n", "", "\r\n1;;;",
         "Zeile 1: Ein Feld beginnt mit einem Anführungszeichen, das nicht geschlossen wird."},
        {"", "\"4\"8\";9.5\n", "", "\r\n1;;;", "Die Eingabe von \" ist für die Breite"},
        // With auto the whole line is the coordinate: own fields are refused, saying why.
        {"--format auto", "48.5 9.5\n48.5;9.5;Ulm\n48.5\t9.5\tUlm\n", "zeile;format;breite;",
         "\r\n2;;;",
         "Zeile 2: Keine Koordinate in einer bekannten Schreibweise. Mit --format auto ist die "
         "ganze Zeile eine Koordinate; eigene Spalten sind nicht möglich.\nZeile 3: Keine "
         "Koordinate in einer bekannten Schreibweise. Mit --format auto"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.optionen) + " " + f.eingabe);
        const std::string format =
            std::string(f.optionen).find("--format") == std::string::npos ? "--format 1 " : "";
        const Ergebnis e = Shell("$K " + format + f.optionen + " $EIN", f.eingabe);
        EXPECT_TRUE(e.aus.starts_with(f.kopf)) << e.aus;
        EXPECT_NE(e.aus.find(f.satz), std::string::npos) << e.aus;
        EXPECT_NE(e.fehler.find(f.fehler), std::string::npos) << e.fehler;
        EXPECT_EQ(e.status, *f.fehler ? 1 : 0);
    }
}

// --columns picks groups in the order given; wrong lists are wrong calls.
TEST(Programm, Spaltenwahl) {
    const struct {
        const char *optionen, *text;
        int status;
    } faelle[] = {
        {"--columns utm,dezimal",
         "zeile;utm_zone;utm_rechts;utm_hoch;breite;laenge;meldung\r\n"
         "1;32U;0536936;5371996;N48.500000;E009.500000;\r\n",
         0},
        {"--columns=ref,7,mil --numbers",
         "zeile;utmref;gk_rechts;gk_hoch;gk_streifen;gk_meridian;utm_mil;meldung\r\n"
         "1;32UNU3693671996;3537027;5373707;3;9;32UNU3761993966;\r\n",
         0},
        {"--columns gradmin --json",
         "{\"zeile\":1,\"breite_grad\":\"N48\",\"breite_minuten\":\"30.000000\","
         "\"laenge_grad\":\"E009\",\"laenge_minuten\":\"30.000000\",\"meldung\":\"\"}\n",
         0},
        {"--columns utm,wgs84", "unbekannte Spaltengruppe »wgs84«", 2},
        {"--columns utm,4", "Spaltengruppe »4« doppelt", 2},
        {"--columns ,", "unbekannte Spaltengruppe »«", 2},
        {"--json --geojson", "--json oder --geojson, nicht beide", 2},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.optionen);
        const Ergebnis e = Shell(std::string("$K --format 1 ") + f.optionen + " $EIN", "48.5;9.5");
        EXPECT_EQ(e.status, f.status);
        if (f.status == 0)
            EXPECT_EQ(e.aus, f.text);
        else
            EXPECT_NE(e.fehler.find(f.text), std::string::npos) << e.fehler;
    }
}

// 1000 points as GeoJSON, read back by Python's json module: every point
// without a message is a feature at its signed position, with its own field.
TEST(Programm, GeoJsonFuerEinenParser) {
    std::string eingabe, erwartet;
    char zeile[96];
    for (int i = 1; i <= 1000; ++i) {
        const double breite = -79.5 + (i * 7919 % 159000) / 1000.0,
                     laenge = -179.5 + (i * 104729 % 359000) / 1000.0;
        if (i % 100 == 0) {
            eingabe += "kaputt;1;;;P" + std::to_string(i) + "\n";
            continue;
        }
        // Every seventh name in Windows-1252, as spreadsheets write it: UTF-8 in the output.
        const bool windows = i % 7 == 0;
        std::snprintf(zeile, sizeof zeile, "%.6f;%.6f;;;P%d%s\n", breite, laenge, i,
                      windows ? "M\xFC" : "");
        eingabe += zeile;
        std::snprintf(zeile, sizeof zeile, "%d %.6f %.6f P%d%s\n", i, laenge, breite, i,
                      windows ? "M\xC3\xBC" : "");
        erwartet += zeile;
    }
    const Ergebnis e =
        Shell("$K --format 1 --geojson --columns utm $EIN > $EIN.json; echo $? >&2; python3 -c '"
              "import json, sys\n"
              "sys.stdout.reconfigure(encoding=\"utf-8\")\n"
              "d = json.load(open(sys.argv[1], encoding=\"utf-8\"))\n"
              "assert d[\"type\"] == \"FeatureCollection\"\n"
              "for f in d[\"features\"]:\n"
              "    assert f[\"type\"] == \"Feature\" and f[\"geometry\"][\"type\"] == \"Point\"\n"
              "    p = f[\"properties\"]; x, y = f[\"geometry\"][\"coordinates\"]\n"
              "    assert p[\"utm_zone\"] != \"\"\n"
              "    print(p[\"zeile\"], \"%.6f %.6f\" % (x, y), p[\"feld5\"])\n"
              "' $EIN.json",
              eingabe);
    EXPECT_EQ(e.aus, erwartet);
    EXPECT_NE(e.fehler.find("10 Zeilen mit Meldung fehlen in der GeoJSON-Ausgabe.\n1\n"),
              std::string::npos)
        << e.fehler;
}

// Bytes that are no UTF-8, in every place of a line that a message quotes or
// a digit could hide: each is U+FFFD in the message, no line converts, and
// the JSON output reads with a strict reader (Python's UTF-8 codec and json).
TEST(Programm, UngueltigesUtf8WirdErsatzzeichen) {
    const char* bytes[] = {"\xFF",
                           "\xFE",
                           "\xF5\x80\x80\x80",
                           "\xF8\x88\x80\x80\x80",
                           "\xC0\xB4",
                           "\xE0\x80\xB4",
                           "\xF0\x80\x80\xB4",
                           "\xE0\x80\x80",
                           "\xED\xA0\x80",
                           "\xF4\x90\x80\x80",
                           "\x80",
                           "\xC3",
                           "\xE2\x82"};
    const struct {
        const char *format, *zeile; // the bytes stand for %s
        bool zitiert;               // the message quotes the field
    } orte[] = {
        {"1", "%s48.5;9.5", true},
        {"1", "4%s8.5;9.5", true},
        {"1", "48.5;9%s", true},
        {"1", "48.5;9.5;%s", true},
        {"1", "48.5;9.5;N;%s", true},
        {"1", "-48.5;9.5;%s", true},
        {"1", "48.5;+9.5;N;%sE", true},
        {"7", "3571699;5366959;%s", true},
        {"4", "32%s;0571595;5365251", true},
        {"5", "32U;N%s;71;59;52;65;51", false}, // the square field counts characters
    };
    const std::string pruefer =
        "python3 -c 'import json, sys\n"
        "for z in open(sys.argv[1], encoding=\"utf-8\", errors=\"strict\"): json.loads(z)\n"
        "print(\"json gut\")' $EIN.json";
    for (const auto& o : orte) {
        SCOPED_TRACE(o.zeile);
        std::string eingabe;
        for (const char* b : bytes) {
            char zeile[96];
            std::snprintf(zeile, sizeof zeile, o.zeile, b);
            eingabe += zeile + std::string("\n");
        }
        const Ergebnis e = Shell(std::string("$K --json --format ") + o.format +
                                     " $EIN >$EIN.json; echo $? >&2; " + pruefer,
                                 eingabe);
        EXPECT_EQ(e.aus, "json gut\n");
        std::istringstream meldungen(e.fehler);
        std::size_t n = 0;
        for (std::string m; std::getline(meldungen, m) && m.starts_with("Zeile ");) {
            ++n;
            EXPECT_TRUE(modKartovex::zeichen::GueltigesUtf8(m)) << m;
            EXPECT_EQ(m.find("\xEF\xBF\xBD") != std::string::npos, o.zitiert) << m;
            EXPECT_EQ(m.find("Steuerzeichen"), std::string::npos) << m;
        }
        EXPECT_EQ(n, std::size(bytes)) << e.fehler;
        EXPECT_TRUE(e.fehler.ends_with("\n1\n")) << e.fehler;
    }
}

namespace {

// The most resident memory, in KiB, of a run of the program with these
// options whose standard input is the line repeated up to `bytes` bytes.
long HoechsterSpeicher(std::vector<std::string> optionen, const std::string& zeile,
                       std::size_t bytes) {
    int rohr[2];
    if (pipe(rohr) != 0) return -1;
    optionen.insert(optionen.begin(), "kartovex-konvert");
    std::vector<char*> argv;
    for (std::string& o : optionen)
        argv.push_back(o.data());
    argv.push_back(nullptr);
    const pid_t kind = fork();
    if (kind == 0) {
        dup2(rohr[0], STDIN_FILENO);
        const int nichts = open("/dev/null", O_WRONLY);
        dup2(nichts, STDOUT_FILENO);
        dup2(nichts, STDERR_FILENO);
        close(rohr[1]);
        execv(KONVERT_PROGRAMM, argv.data());
        _exit(127);
    }
    close(rohr[0]);
    std::string block;
    while (block.size() < (1 << 20))
        block += zeile;
    for (std::size_t n = 0; n < bytes; n += block.size())
        if (write(rohr[1], block.data(), block.size()) != ssize_t(block.size())) break;
    close(rohr[1]);
    int status = 0;
    rusage r{};
    if (wait4(kind, &status, 0, &r) != kind || !WIFEXITED(status)) return -1;
    return r.ru_maxrss;
}

} // namespace

// Memory stays flat in bytes whatever the lines look like: long lines with
// and without fields, too long ones, own fields that JSON escapes six times
// over or CSV quotes twice over, long and short lines by turns.
TEST(Programm, SpeicherFlachBeiLangenZeilen) {
    // (the program is built like this test: gcc and clang tell AddressSanitizer differently)
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's shadow memory is no measure";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    GTEST_SKIP() << "the sanitizer's shadow memory is no measure";
#endif
#endif
    const std::string lang(60000, 'x');
    const struct {
        const char* was;
        std::string zeile;
        std::vector<std::string> optionen;
        std::size_t megabytes;
    } faelle[] = {
        {"eigenes Feld", "48.5;9.5;;;" + lang + "\n", {"--threads", "2"}, 40},
        {"ohne Felder", lang + "\n", {"--threads", "2"}, 40},
        {"zu lang", "48.5;9.5;;;" + lang + lang + "\n", {"--threads", "2", "--json"}, 40},
        {"Steuerzeichen",
         "48.5;9.5;;;" + std::string(60000, '\x01') + "\n",
         {"--threads", "2", "--json"},
         10},
        {"Anführungszeichen",
         "48.5;9.5;;;\"" + std::string(60000, '"') + "\"\n",
         {"--threads", "2"},
         40},
        {"im Wechsel", "48.5;9.5;;;" + lang + "\n48.5;9.5;;;x\n", {"--threads", "1"}, 40},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        std::vector<std::string> optionen = f.optionen;
        optionen.insert(optionen.end(), {"--format", "1"});
        const long kib = HoechsterSpeicher(optionen, f.zeile, f.megabytes << 20);
        EXPECT_GT(kib, 0);
        EXPECT_LT(kib, 30 * 1024);
    }
}

// Every record has the header's columns, whatever way the line failed: too
// long (its own fields as far as its start holds them), a quote never
// closed, too many fields, a refused character, fields missing. Python's
// csv and json modules read the output back.
TEST(Programm, JederSatzHatDieSpaltenDerKopfzeile) {
    const std::string lang(70000, '0');
    const std::string eingabe = "b;l;ns;ew;name;nr\n" + lang + "\n48.5;9.5;;;Ulm;" + lang +
                                "\n\"48.5;9.5;;;Ulm\n48.5;9.5;;;a;b;c\n\xFF;9.5;;;a;b\n48.5;9.5\n"
                                "48.5;9.5;;;x;" +
                                lang + "\n";
    const std::string leser =
        "python3 -c 'import csv, json, sys\n"
        "t = open(sys.argv[1], newline=\"\", encoding=\"utf-8\", errors=\"strict\")\n"
        "if sys.argv[2] == \"csv\":\n"
        "    s = list(csv.reader(t, delimiter=\";\"))\n"
        "    namen, s = s[0], s[1:]\n"
        "    s = [dict(zip(namen, z)) for z in s if len(z) == len(namen)] + [z for z in s if "
        "len(z) "
        "!= len(namen)]\n"
        "else:\n"
        "    s = [json.loads(z) for z in t]\n"
        "for z in s: print(z[\"zeile\"], z[\"name\"][:5] + \"|\" + z[\"nr\"][:5], len(z))\n"
        "' $EIN.aus ";
    // line, the start of each own field, the number of columns (zeile, two
    // own ones, breite, laenge, meldung)
    const std::string erwartet =
        "2 | 6\n3 Ulm|00000 6\n4 | 6\n5 a|b 6\n6 a|b 6\n7 | 6\n8 x|00000 6\n";
    for (const char* optionen : {"--threads 1", "--threads 2 --json"}) {
        SCOPED_TRACE(optionen);
        const bool json = std::string(optionen).find("json") != std::string::npos;
        const Ergebnis e =
            Shell(std::string("$K --format 1 --header --columns dezimal ") + optionen +
                      " $EIN >$EIN.aus; echo $? >&2; " + leser + (json ? "json" : "csv"),
                  eingabe);
        EXPECT_EQ(e.aus, erwartet);
        EXPECT_TRUE(e.fehler.ends_with("\n1\n")) << e.fehler;
    }
}

// The first line that counts is the first that is not empty; a line of
// blanks and tabs is empty wherever it stands; a header line too long for
// a line is refused before anything is written.
TEST(Programm, LeereZeilenZaehlenNicht) {
    const std::string lang(70000, 'x');
    const struct {
        const char* optionen;
        std::string eingabe;
        int status;
        const char *aus, *fehler;
    } faelle[] = {
        {"", "\n48.5;9.5;;;Ulm\n48.5;9.5;;;Ulm\n", 0,
         "zeile;feld5;breite;laenge;meldung\r\n2;Ulm;N48.500000;E009.500000;\r\n3;Ulm;", ""},
        {"", " \t \n\t\n48.5;9.5;;;Ulm\n", 0,
         "zeile;feld5;breite;laenge;meldung\r\n3;Ulm;N48.500000;E009.500000;\r\n", ""},
        {"--header", "\t\n\nb;l;ns;ew;name\n \n48.5;9.5;;;Ulm\n", 0,
         "zeile;name;breite;laenge;meldung\r\n5;Ulm;N48.500000;E009.500000;\r\n", ""},
        {"--separator=$'\\t'", "\t\t\t\n48.5\t9.5\t\t\tUlm\n", 0,
         "zeile;feld5;breite;laenge;meldung\r\n2;Ulm;N48.500000;E009.500000;\r\n", ""},
        {"", "48.5;9.5\n\t \t\n   \n48.5;9.5\n", 0,
         "zeile;breite;laenge;meldung\r\n1;N48.500000;E009.500000;\r\n4;N48.500000;", ""},
        {"--header", "\n" + lang + ";name\n48.5;9.5;;;Ulm\n", 2, "",
         "Zeile 2: Die Kopfzeile ist länger als 65536 Bytes.\n"},
        {"--header --json", "b;" + lang + "\n48.5;9.5\n", 2, "",
         "Zeile 1: Die Kopfzeile ist länger als 65536 Bytes.\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.optionen + (" " + f.eingabe.substr(0, 40)));
        const Ergebnis e = Shell(
            std::string("$K --format 1 --columns dezimal ") + f.optionen + " $EIN", f.eingabe);
        EXPECT_EQ(e.status, f.status);
        EXPECT_TRUE(e.aus.starts_with(f.aus)) << e.aus;
        if (!*f.aus) {
            EXPECT_EQ(e.aus, "");
        }
        EXPECT_EQ(e.fehler, f.fehler);
    }
}
