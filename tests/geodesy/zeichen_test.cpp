// The UTF-8 character walker: characters as the user sees them, and one byte
// per character wherever a sequence is broken.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "geodesy/Zeichen.h"

namespace {
using namespace modKartovex::zeichen;

// Each case: the text, its characters separated by '|'.
TEST(Zeichen, CharactersCountsAndPositions) {
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {"", ""},
        {"32U", "3|2|U"},
        {"NÜ", "N|Ü"},
        {"1€2", "1|€|2"},
        {"a😀", "a|😀"},
        {"\x80\x80", "\x80|\x80"}, // stray continuation bytes
        {"\xC3"
         "A",
         "\xC3|A"},                // a lead byte cut short by ASCII
        {"\xE2\x82", "\xE2|\x82"}, // a sequence cut short by the end
        {"\xC0\xAF", "\xC0|\xAF"}, // never a lead byte
        {"\xF5\x80\x80\x80", "\xF5|\x80|\x80|\x80"},
        {"\xC3\xA4\xA4", "\xC3\xA4|\xA4"}, // one continuation byte too many
    };
    for (const auto& fall : faelle) {
        const std::string& text = fall.first; // captured below, so no structured binding
        const std::string& soll = fall.second;
        std::string ist;
        std::size_t n = 0;
        JedesZeichen(text, [&](std::string_view z) {
            ist += (n++ ? "|" : "") + std::string(z);
            EXPECT_EQ(An(text, n - 1), z) << text;
            EXPECT_EQ(Zeichenfolge(text)[n], z) << text;
            return true;
        });
        EXPECT_EQ(ist, soll);
        EXPECT_EQ(Anzahl(text), n) << text;
        EXPECT_EQ(An(text, n), "") << text;
        EXPECT_EQ(Letztes(text), n ? An(text, n - 1) : "") << text;
        EXPECT_EQ(Anfang(text, 1), An(text, 0)) << text;
        EXPECT_EQ(Anfang(text, n + 1), text) << text;
    }
}

TEST(Zeichen, BlanksAtEitherEnd) {
    for (const auto& [text, soll] : std::vector<std::pair<std::string, std::string>>{
             {"", ""}, {"   ", ""}, {" 48.5 ", "48.5"}, {"\t1 2 ", "\t1 2"}})
        EXPECT_EQ(OhneLeerzeichen(text), soll) << '"' << text << '"';
}
} // namespace
