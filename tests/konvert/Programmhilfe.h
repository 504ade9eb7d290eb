// kartovex-konvert run from a shell, as a user calls it: exit code, standard
// output and standard error.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace programmhilfe {

struct Ergebnis {
    int status = -1;
    std::string aus, fehler;
};

// A file name of this test process in the temporary folder.
inline std::string Datei(const std::string& name) {
    return testing::TempDir() + "programm_" + std::to_string(getpid()) + "_" + name;
}

inline std::string Lies(const std::string& datei) {
    std::ostringstream s;
    s << std::ifstream(datei, std::ios::binary).rdbuf();
    return s.str();
}

// Runs a bash command line in which $K stands for the program and $EIN for a
// file holding `eingabe`; standard output and error are caught unless the
// line redirects them itself.
inline Ergebnis Shell(const std::string& zeile, const std::string& eingabe = "") {
    const std::string ein = Datei("ein"), aus = Datei("aus"), fehler = Datei("fehler"),
                      skript = Datei("skript");
    std::ofstream(ein, std::ios::binary) << eingabe;
    std::ofstream(skript) << "K=" KONVERT_PROGRAMM "\nEIN=" << ein << "\n{ " << zeile << "\n} >"
                          << aus << " 2>" << fehler << "\n";
    const int s = std::system(("bash " + skript + " </dev/null").c_str());
    return {WIFEXITED(s) ? WEXITSTATUS(s) : -1, Lies(aus), Lies(fehler)};
}

} // namespace programmhilfe
