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
        {"\xE0\x80\xB4"
         "8",
         "\xE0|\x80|\xB4|8"},               // an overlong '4'
        {"\xED\xA0\x80", "\xED|\xA0|\x80"}, // a surrogate
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

// The decoder over every class of lead byte and of the byte after it: each
// row a text, the code point read at its start, its length and whether it is
// well-formed. Whatever is not well-formed is U+FFFD of one byte.
TEST(Zeichen, DecoderOverEveryByteClass) {
    const struct {
        const char* text;
        char32_t code;
        std::size_t bytes;
        bool gueltig;
    } faelle[] = {
        {"A", 'A', 1, true},
        {"\x7F", 0x7F, 1, true},
        {"\x80", 0xFFFD, 1, false},     // stray continuation byte
        {"\xBF\xBF", 0xFFFD, 1, false}, // stray continuation byte
        {"\xC0\x80", 0xFFFD, 1, false}, // overlong NUL
        {"\xC1\xBF", 0xFFFD, 1, false}, // overlong 0x7F
        {"\xC2\x80", 0x80, 2, true},    // smallest two-byte form
        {"\xC3\xBC", 0xFC, 2, true},    // ü
        {"\xDF\xBF", 0x7FF, 2, true},   // largest two-byte form
        {"\xC3", 0xFFFD, 1, false},     // cut short by the end
        {"\xC3"
         "A",
         0xFFFD, 1, false},                 // cut short by ASCII
        {"\xC3\xC3\xBC", 0xFFFD, 1, false}, // cut short by a lead byte
        {"\xE0\x80\x80", 0xFFFD, 1, false}, // overlong NUL
        {"\xE0\x80\xB4", 0xFFFD, 1, false}, // overlong '4'
        {"\xE0\x9F\xBF", 0xFFFD, 1, false}, // overlong 0x7FF
        {"\xE0\xA0\x80", 0x800, 3, true},   // smallest three-byte form
        {"\xE2\x82\xAC", 0x20AC, 3, true},  // €
        {"\xE2\x82", 0xFFFD, 1, false},     // cut short by the end
        {"\xE2\x82"
         "A",
         0xFFFD, 1, false},                      // third byte no continuation
        {"\xED\x9F\xBF", 0xD7FF, 3, true},       // last before the surrogates
        {"\xED\xA0\x80", 0xFFFD, 1, false},      // first surrogate
        {"\xED\xBF\xBF", 0xFFFD, 1, false},      // last surrogate
        {"\xEE\x80\x80", 0xE000, 3, true},       // first after the surrogates
        {"\xEF\xBF\xBD", 0xFFFD, 3, true},       // U+FFFD itself
        {"\xEF\xBF\xBF", 0xFFFF, 3, true},       // largest three-byte form
        {"\xF0\x80\x80\x80", 0xFFFD, 1, false},  // overlong NUL
        {"\xF0\x8F\xBF\xBF", 0xFFFD, 1, false},  // overlong 0xFFFF
        {"\xF0\x90\x80\x80", 0x10000, 4, true},  // smallest four-byte form
        {"\xF0\x9F\x98\x80", 0x1F600, 4, true},  // 😀
        {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4, true}, // largest code point
        {"\xF4\x90\x80\x80", 0xFFFD, 1, false},  // above U+10FFFF
        {"\xF0\x9F\x98", 0xFFFD, 1, false},      // cut short by the end
        {"\xF0\x9F\x98"
         "A",
         0xFFFD, 1, false},                     // fourth byte no continuation
        {"\xF5\x80\x80\x80", 0xFFFD, 1, false}, // never a lead byte from here on
        {"\xF7\xBF\xBF\xBF", 0xFFFD, 1, false},
        {"\xF8\x88\x80\x80\x80", 0xFFFD, 1, false},
        {"\xFC\x84\x80\x80\x80\x80", 0xFFFD, 1, false},
        {"\xFE", 0xFFFD, 1, false},
        {"\xFF", 0xFFFD, 1, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::PrintToString(f.text));
        const std::string_view text = f.text;
        const Codepunkt c = Dekodiere(text, 0);
        EXPECT_EQ(c.code, f.code);
        EXPECT_EQ(c.bytes, f.bytes);
        EXPECT_EQ(c.gueltig, f.gueltig);
        EXPECT_EQ(Bytes(text, 0), f.bytes);
        // The whole text: well-formed when its first character is and the rest,
        // if any, is ASCII or a well-formed sequence of the table.
        const std::string rest(text.substr(f.bytes));
        if (GueltigesUtf8(rest)) {
            EXPECT_EQ(GueltigesUtf8(text), f.gueltig);
            EXPECT_EQ(MitErsatzzeichen(text), (f.gueltig ? std::string(text.substr(0, f.bytes))
                                                         : std::string(ErsatzzeichenUtf8)) +
                                                  rest);
        }
        EXPECT_TRUE(GueltigesUtf8(MitErsatzzeichen(text)));
    }
}

TEST(Zeichen, BlanksAtEitherEnd) {
    for (const auto& [text, soll] : std::vector<std::pair<std::string, std::string>>{
             {"", ""}, {"   ", ""}, {" 48.5 ", "48.5"}, {"\t1 2 ", "\t1 2"}})
        EXPECT_EQ(OhneLeerzeichen(text), soll) << '"' << text << '"';
}
} // namespace
