// The manual page of kartovex-konvert against the program: its options, its
// formats and its exit codes, and the version it shares with the metainfo.
#include <gtest/gtest.h>

#include <regex>

#include "docs/Handbuch.h"
#include "konvert/Zeile.h"

using namespace kartovex::test;
using kartovex::konvert::Formatname;
using kartovex::konvert::Kurzname;
using kartovex::konvert::Zeilenaufbau;

namespace {

const std::map<std::string, std::string>& Seite() {
    static const auto seite = Handbuchseite(HANDBUCH_KONVERT);
    return seite;
}
std::string Abschnitt(const std::string& titel) {
    const auto a = Seite().find(titel);
    EXPECT_NE(a, Seite().end()) << "kein Abschnitt " << titel;
    return a == Seite().end() ? "" : a->second;
}
const std::string& Hilfe() {
    static const std::string hilfe = Ausgabe(KONVERT_PROGRAMM " --help");
    return hilfe;
}

// The exit codes a text names: every number that starts one of its items.
std::set<int> Codes(const std::string& text, const std::regex& eintrag) {
    std::set<int> codes;
    for (std::sregex_iterator i(text.begin(), text.end(), eintrag), e; i != e; ++i)
        codes.insert(std::stoi((*i)[1]));
    return codes;
}

} // namespace

// Every option of --help is described under OPTIONEN, and the page names no
// option that --help does not know.
TEST(HandbuchKonvert, OptionenWieHilfe) {
    const std::set<std::string> hilfe = Optionen(Hilfe());
    EXPECT_TRUE(hilfe.count("--format") && hilfe.count("--help")) << Hilfe();
    EXPECT_EQ(Optionen(Abschnitt("OPTIONEN")), hilfe);
    EXPECT_EQ(Optionen(Ganz(Seite())), hilfe);
}

// FORMATE lists each format of the program's table with number, short name,
// name and line layout, and no other.
TEST(HandbuchKonvert, FormateWieFormattabelle) {
    const std::string formate = Einzeilig(Abschnitt("FORMATE"));
    for (int f = 1; f <= 7; ++f) {
        const std::string kopf = std::to_string(f) + ", " + std::string(Kurzname(f)) + ", \"" +
                                 std::string(Formatname(f)) + "\" " + Zeilenaufbau(f) + " ";
        EXPECT_NE(formate.find(kopf), std::string::npos) << kopf << "\n" << formate;
    }
    EXPECT_EQ(Codes(formate, std::regex(R"((\d+), \w+, ")")).size(), 7u) << formate;
}

TEST(HandbuchKonvert, RueckgabewerteWieHilfe) {
    const auto anfang = Hilfe().find("Rückgabewert:");
    ASSERT_NE(anfang, std::string::npos) << Hilfe();
    const std::string hilfe = Einzeilig(Hilfe().substr(anfang));
    const std::set<int> codes = Codes(hilfe, std::regex(R"((?:: |, )(\d+) )"));
    EXPECT_EQ(codes, (std::set<int>{0, 1, 2, 3})) << hilfe;
    EXPECT_EQ(Codes(Abschnitt("RÜCKGABEWERT"), std::regex(R"((?:^|\n) +(\d+) +\S)")), codes);
}

// --version, the AppStream release and the footers of both pages carry the
// one version of the project.
TEST(HandbuchKonvert, EineVersion) {
    std::smatch release;
    const std::string metainfo = Dateiinhalt(METAINFO);
    ASSERT_TRUE(
        std::regex_search(metainfo, release, std::regex(R"x(<release version="([^"]+)")x")));
    const std::string version = release[1];
    EXPECT_TRUE(std::regex_match(version, std::regex(R"(\d+\.\d+\.\d+)"))) << version;
    const std::string ausgabe = Ausgabe(KONVERT_PROGRAMM " --version");
    EXPECT_EQ(ausgabe.substr(0, ausgabe.find('\n') + 1), "kartovex-konvert " + version + "\n");
    for (const char* datei : {HANDBUCH_KONVERT, HANDBUCH_KARTOVEX})
        EXPECT_NE(Einzeilig(Ganz(Handbuchseite(datei))).find("KartovexLE " + version + " "),
                  std::string::npos)
            << datei;
}

// The licence that the metainfo names is the one of LICENSE, of the Files: *
// paragraph of the copyright file, of --version and of both manual pages,
// with the same copyright holder everywhere.
TEST(HandbuchKonvert, EineLizenz) {
    std::smatch treffer;
    const std::string metainfo = Dateiinhalt(METAINFO);
    ASSERT_TRUE(std::regex_search(metainfo, treffer,
                                  std::regex("<project_license>([^<]+)</project_license>")));
    const std::string lizenz = treffer[1];
    const std::string copyright = Dateiinhalt(COPYRIGHTDATEI);
    ASSERT_TRUE(std::regex_search(
        copyright, treffer, std::regex(R"(Files: \*\nCopyright: ([^\n]+)\nLicense: (\S+)\n)")));
    const std::string inhaber = treffer[1];
    EXPECT_EQ(treffer[2], lizenz);
    EXPECT_NE(copyright.find("\nLicense: " + lizenz + "\n Permission is hereby granted"),
              std::string::npos);

    const std::string text = Dateiinhalt(LIZENZDATEI);
    EXPECT_EQ(text.substr(0, text.find('\n')), lizenz + " License");
    EXPECT_NE(text.find("Copyright (c) " + inhaber + "\n"), std::string::npos) << text;

    const std::string version = Ausgabe(KONVERT_PROGRAMM " --version");
    EXPECT_EQ(version.substr(version.find('\n') + 1),
              "Lizenz: " + lizenz + ", Copyright " + inhaber + "\n");
    for (const char* datei : {HANDBUCH_KONVERT, HANDBUCH_KARTOVEX}) {
        const std::string abschnitt = Einzeilig(Handbuchseite(datei)["LIZENZ"]);
        EXPECT_NE(abschnitt.find(lizenz + "-Lizenz, Copyright " + inhaber), std::string::npos)
            << datei << ": " << abschnitt;
        EXPECT_NE(abschnitt.find("/usr/share/doc/kartovex/copyright"), std::string::npos);
    }
}
