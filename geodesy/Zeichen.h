// Characters of UTF-8 texts, for every part of the program that counts,
// picks or checks characters as the user sees them.
//
// A character is one code point: a lead byte with exactly the continuation
// bytes it announces. A byte that starts no complete sequence (a stray
// continuation byte, a lead byte cut short, a byte that never leads) counts
// as one character of its own, so every byte belongs to exactly one
// character and no character is ever cut in two. ASCII texts, the usual
// case, are recognised first and indexed directly.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace modKartovex::zeichen {

inline bool IstFolgebyte(char z) {
    return (static_cast<unsigned char>(z) & 0xC0) == 0x80;
}

inline bool IstAscii(std::string_view text) {
    return std::none_of(text.begin(), text.end(),
                        [](char z) { return (static_cast<unsigned char>(z) & 0x80) != 0; });
}

// Whether a character code (a byte or a typed code) is one of the digits 0 to 9.
constexpr bool IstZiffer(int z) {
    return z >= '0' && z <= '9';
}

// Number of bytes of the character that starts at byte i (i < text.size()).
inline std::size_t Bytes(std::string_view text, std::size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) return 1;
    const std::size_t n = b >= 0xF0 && b <= 0xF4   ? 4
                          : b >= 0xE0 && b <= 0xEF ? 3
                          : b >= 0xC2 && b <= 0xDF ? 2
                                                   : 1;
    if (i + n > text.size()) return 1;
    for (std::size_t k = 1; k < n; ++k)
        if (!IstFolgebyte(text[i + k])) return 1;
    return n;
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
