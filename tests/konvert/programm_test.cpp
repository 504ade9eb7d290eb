// kartovex-konvert as a user calls it from a shell: options, exit codes, what
// reaches standard output and standard error.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Ergebnis {
    int status = -1;
    std::string aus, fehler;
};

std::string Datei(const std::string& name) {
    return testing::TempDir() + "programm_" + std::to_string(getpid()) + "_" + name;
}

std::string Lies(const std::string& datei) {
    std::ostringstream s;
    s << std::ifstream(datei, std::ios::binary).rdbuf();
    return s.str();
}

// Runs a bash command line in which $K stands for the program and $EIN for a
// file holding `eingabe`; standard output and error are caught unless the
// line redirects them itself.
Ergebnis Shell(const std::string& zeile, const std::string& eingabe = "") {
    const std::string ein = Datei("ein"), aus = Datei("aus"), fehler = Datei("fehler"),
                      skript = Datei("skript");
    std::ofstream(ein, std::ios::binary) << eingabe;
    std::ofstream(skript) << "K=" KONVERT_PROGRAMM "\nEIN=" << ein << "\n{ " << zeile << "\n} >"
                          << aus << " 2>" << fehler << "\n";
    const int s = std::system(("bash " + skript + " </dev/null").c_str());
    return {WIFEXITED(s) ? WEXITSTATUS(s) : -1, Lies(aus), Lies(fehler)};
}

std::size_t Anzahl(const std::string& text, const std::string& teil) {
    std::size_t n = 0;
    for (auto i = text.find(teil); i != std::string::npos; i = text.find(teil, i + 1))
        ++n;
    return n;
}

} // namespace

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
        EXPECT_EQ(Anzahl(e.fehler, "Zeile"), 0u);
    }
}
