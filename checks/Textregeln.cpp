#include "checks/Textregeln.h"

#include "geodesy/UTMZonen.h"
#include "geodesy/Zeichen.h"
#include "geodesy/modKartovex.h"

namespace kartovex::text {

namespace zeichen = modKartovex::zeichen;

std::vector<std::string> Zeichen(const std::string& text) {
    std::vector<std::string> teile;
    zeichen::JedesZeichen(text, [&](std::string_view z) {
        teile.emplace_back(z);
        return true;
    });
    return teile;
}

std::size_t Laenge(const std::string& text) {
    return zeichen::Anzahl(text);
}

std::string Anfang(const std::string& text, std::size_t n) {
    return std::string(zeichen::Anfang(text, n));
}

bool InMenge(std::string_view zeichen, std::string_view menge) {
    if (zeichen.empty()) return true;
    return zeichen.size() == 1 && menge.find(zeichen[0]) != std::string_view::npos;
}

bool AlleIn(const std::string& text, std::string_view menge) {
    return zeichen::JedesZeichen(text, [&](std::string_view z) { return InMenge(z, menge); });
}

std::string Aufzaehlung(std::string_view buchstaben) {
    std::string liste;
    for (const char b : buchstaben) {
        if (!liste.empty()) liste += ' ';
        liste += b;
    }
    return liste;
}

std::string Utf8(int code) {
    if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
    const auto c = static_cast<unsigned>(code);
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

std::string ZeichenFehlerDerZone(const std::string& zone) {
    const auto z = Zeichen(zone);
    auto an = [&](std::size_t i) { return i < z.size() ? z[i] : std::string(); };
    if (!InMenge(an(0), ErsteZonenziffer))
        return "Das 1. Zeichen der Zone muss eine Ziffer ( 0...6 ) sein!";
    if (!InMenge(an(1), Ziffern)) return "Das 2. Zeichen der Zone muss eine Ziffer ( 0...9 ) sein!";
    if (!InMenge(z.empty() ? std::string() : z.back(), modKartovex::Bandbuchstaben))
        return "Das 3. Zeichen der Zone muss einer der Buchstaben\r\n\r\n" +
               Aufzaehlung(modKartovex::Bandbuchstaben) + "\r\n\r\nsein";
    return {};
}

std::string ZonenFehler(const std::string& zone) {
    if (Laenge(zone) != 3) return "Das Zonenfeld muss aus genau 3 Zeichen bestehen!";
    const std::string nummer = Anfang(zone, 2);
    if (nummer == "00") return "Es gibt keine Zone 00!";
    if (modKartovex::Zahlwert(nummer) > 60) return "Es gibt keine Zone " + nummer + "!";
    // With exactly three characters the last one is the third.
    return ZeichenFehlerDerZone(zone);
}

} // namespace kartovex::text
