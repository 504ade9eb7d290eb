// Manual pages as `man` shows them, for comparing with the programs' own texts.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace kartovex::test {

// What a command writes on standard output; its standard error must stay empty.
inline std::string Ausgabe(const std::string& befehl) {
    // One file per process: ctest runs the test programs side by side.
    const std::string fehler = testing::TempDir() + "handbuch_fehler_" + std::to_string(getpid());
    std::string text;
    if (FILE* p = popen((befehl + " 2>" + fehler).c_str(), "r")) {
        char puffer[4096];
        for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, p)) > 0;)
            text.append(puffer, n);
        EXPECT_EQ(pclose(p), 0) << befehl;
    } else {
        ADD_FAILURE() << befehl;
    }
    std::ostringstream f;
    f << std::ifstream(fehler).rdbuf();
    EXPECT_EQ(f.str(), "") << befehl;
    return text;
}

// The whole content of a file.
inline std::string Dateiinhalt(const std::string& pfad) {
    std::ostringstream text;
    text << std::ifstream(pfad).rdbuf();
    return text.str();
}

// Runs of blanks and line breaks become one blank.
inline std::string Einzeilig(const std::string& text) {
    return std::regex_replace(text, std::regex(R"(\s+)"), " ");
}

// The page as `man` renders it (warnings count as failures), wide enough that
// no line breaks inside a name, without hyphenation and formatting; split into
// its sections by their unindented headings ("" for the running head).
inline std::map<std::string, std::string> Handbuchseite(const std::string& datei) {
    const std::string seite = Ausgabe("MANWIDTH=1000 MAN_KEEP_FORMATTING= man --warnings -E UTF-8 "
                                      "--no-hyphenation --no-justification -l '" +
                                      datei + "'");
    std::map<std::string, std::string> abschnitte;
    std::string* aktuell = &abschnitte[""];
    std::istringstream zeilen(seite);
    for (std::string zeile; std::getline(zeilen, zeile);) {
        if (!zeile.empty() && zeile[0] != ' ')
            aktuell = &abschnitte[zeile];
        else
            *aktuell += zeile + "\n";
    }
    return abschnitte;
}

inline std::string Ganz(const std::map<std::string, std::string>& seite) {
    std::string text;
    for (const auto& [titel, inhalt] : seite)
        text += titel + "\n" + inhalt;
    return text;
}

// Every option word (-h, --format ...) that stands on its own in a text.
inline std::set<std::string> Optionen(const std::string& text) {
    static const std::regex option(R"((?:^|[\s\[|,(])(--?[A-Za-z][A-Za-z0-9-]*))");
    std::set<std::string> gefunden;
    for (std::sregex_iterator i(text.begin(), text.end(), option), e; i != e; ++i)
        gefunden.insert((*i)[1]);
    return gefunden;
}

} // namespace kartovex::test
