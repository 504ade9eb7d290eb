// Characters of UTF-8 texts, for every part of the program that counts,
// picks or checks characters as the user sees them, and the one UTF-8
// decoder of the program.
//
// A character is one code point: a well-formed sequence after RFC 3629. A
// byte that starts none (a stray continuation byte, a lead byte cut short, a
// byte that never leads, an overlong form, a surrogate, a code point above
// U+10FFFF) counts as one character of its own, read as U+FFFD, so every
// byte belongs to exactly one character and no character is ever cut in
// two. ASCII texts, the usual case, are recognised first and indexed directly.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace modKartovex::zeichen {

inline constexpr char32_t Ersatzzeichen = 0xFFFD;
inline constexpr std::string_view ErsatzzeichenUtf8 = "\xEF\xBF\xBD";

// The character that starts at byte i (i < text.size()): its code point and
// its bytes; a byte that starts no well-formed sequence is U+FFFD of one byte.
struct Codepunkt {
    char32_t code = Ersatzzeichen;
    std::size_t bytes = 1;
    bool gueltig = false; // a well-formed sequence (a U+FFFD typed as such, too)
};

constexpr Codepunkt Dekodiere(std::string_view text, std::size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) return {b, 1, true};
    // The length from the lead byte, and the range of the byte after it that
    // leaves out overlong forms, surrogates and code points above U+10FFFF.
    std::size_t n = 0;
    unsigned char von = 0x80, bis = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        von = b == 0xE0 ? 0xA0 : 0x80;
        bis = b == 0xED ? 0x9F : 0xBF;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        von = b == 0xF0 ? 0x90 : 0x80;
        bis = b == 0xF4 ? 0x8F : 0xBF;
    }
    if (n == 0 || i + n > text.size()) return {};
    char32_t code = b & (0xFF >> (n + 1));
    for (std::size_t k = 1; k < n; ++k) {
        const auto f = static_cast<unsigned char>(text[i + k]);
        if (f < (k == 1 ? von : 0x80) || f > (k == 1 ? bis : 0xBF)) return {};
        code = (code << 6) | (f & 0x3F);
    }
    return {code, n, true};
}

inline bool IstAscii(std::string_view text) {
    return std::none_of(text.begin(), text.end(),
                        [](char z) { return (static_cast<unsigned char>(z) & 0x80) != 0; });
}

// Whether every byte belongs to a well-formed sequence.
constexpr bool GueltigesUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const Codepunkt c = Dekodiere(text, i);
        if (!c.gueltig) return false;
        i += c.bytes;
    }
    return true;
}

// The text with each byte that starts no well-formed sequence as U+FFFD.
inline std::string MitErsatzzeichen(std::string_view text) {
    std::string gueltig;
    for (std::size_t i = 0; i < text.size();) {
        const Codepunkt c = Dekodiere(text, i);
        gueltig += c.gueltig ? text.substr(i, c.bytes) : ErsatzzeichenUtf8;
        i += c.bytes;
    }
    return gueltig;
}

// Whether a character code (a byte or a typed code) is one of the digits 0 to 9.
constexpr bool IstZiffer(int z) {
    return z >= '0' && z <= '9';
}

// Number of bytes of the character that starts at byte i (i < text.size()).
constexpr std::size_t Bytes(std::string_view text, std::size_t i) {
    return Dekodiere(text, i).bytes;
}

// Byte offset of the character after the one that starts at i (the text's
// size at and beyond its end).
inline std::size_t Naechstes(std::string_view text, std::size_t i) {
    return i < text.size() ? i + Bytes(text, i) : text.size();
}

// Number of characters.
inline std::size_t Anzahl(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); i = Naechstes(text, i))
        ++n;
    return n;
}

// Byte offset where the character at a 0-based position starts (the text's
// size beyond its end).
inline std::size_t Start(std::string_view text, std::size_t position) {
    std::size_t i = 0;
    for (; position > 0 && i < text.size(); --position)
        i = Naechstes(text, i);
    return i;
}

// The character at a 0-based position, empty beyond the end.
inline std::string_view An(std::string_view text, std::size_t position) {
    const std::size_t i = Start(text, position);
    return text.substr(i, Naechstes(text, i) - i);
}

// The first n characters (all of them when the text is shorter).
inline std::string_view Anfang(std::string_view text, std::size_t n) {
    return text.substr(0, Start(text, n));
}

// The last character, empty for an empty text.
inline std::string_view Letztes(std::string_view text) {
    // An ASCII byte is always a character of its own.
    if (!text.empty() && (static_cast<unsigned char>(text.back()) & 0x80) == 0)
        return text.substr(text.size() - 1);
    std::size_t i = 0, letztes = 0;
    for (; i < text.size(); i = Naechstes(text, i))
        letztes = i;
    return text.substr(letztes);
}

// Calls f with each character in turn; stops early when f returns false.
// Returns whether it went through the whole text.
template <class F> bool JedesZeichen(std::string_view text, F&& f) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = Bytes(text, i);
        if (!f(text.substr(i, n))) return false;
        i += n;
    }
    return true;
}

// The text without blanks (' ' only) at either end.
inline std::string_view OhneLeerzeichen(std::string_view text) {
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string_view::npos) return {};
    return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

// The characters of a text by 1-based position, as the military and UTMREF
// notations count them; an ASCII text is indexed directly.
class Zeichenfolge {
public:
    explicit Zeichenfolge(std::string_view text) : text_(text), ascii_(IstAscii(text)) {}

    // Byte offset where the character at this position starts (the text's
    // size beyond its end).
    std::size_t start(std::size_t position) const {
        if (ascii_) return std::min(position - 1, text_.size());
        return Start(text_, position - 1);
    }

    // The character at a position, empty beyond the end of the text.
    std::string_view operator[](std::size_t position) const {
        if (ascii_)
            return position - 1 < text_.size() ? std::string_view(text_.data() + position - 1, 1)
                                               : std::string_view{};
        return An(text_, position - 1);
    }

    bool ascii() const { return ascii_; }

private:
    std::string_view text_;
    bool ascii_;
};

} // namespace modKartovex::zeichen
