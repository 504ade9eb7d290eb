#include "konvert/Datensatz.h"

#include <algorithm>
#include <cstdio>

namespace kartovex::konvert {

namespace {

std::string Meldungstext(const Punkt& p) {
    if (!p.meldung.empty()) return p.meldung;
    std::string text;
    for (const std::string& m : p.meldungen)
        text += (text.empty() ? "" : "\r\n") + m;
    return text;
}

// RFC 4180: a field with the separator, a quote or a line break is quoted,
// its quotes doubled.
void CsvFeld(std::string& ziel, const std::string& text, char trenner) {
    const auto besonders = [trenner](char c) {
        return c == trenner || c == '"' || c == '\r' || c == '\n';
    };
    if (std::none_of(text.begin(), text.end(), besonders)) {
        ziel += text;
        return;
    }
    ziel += '"';
    for (char c : text) {
        if (c == '"') ziel += '"';
        ziel += c;
    }
    ziel += '"';
}

// A JSON string; the texts are UTF-8 already, only quotes, backslashes and
// control characters need escapes.
void JsonText(std::string& ziel, const std::string& text) {
    ziel += '"';
    for (char c : text) {
        switch (c) {
        case '"':
            ziel += "\\\"";
            break;
        case '\\':
            ziel += "\\\\";
            break;
        case '\n':
            ziel += "\\n";
            break;
        case '\r':
            ziel += "\\r";
            break;
        case '\t':
            ziel += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char u[8];
                std::snprintf(u, sizeof u, "\\u%04x", c);
                ziel += u;
            } else {
                ziel += c;
            }
        }
    }
    ziel += '"';
}

} // namespace

std::string Kopfzeile(const Ausgabeform& form) {
    if (form.json) return {};
    std::string kopf = "Zeile";
    for (const Ausgabefeld& feld : Ausgabefelder())
        kopf += form.trenner + std::string(feld.name);
    return kopf + form.trenner + "Meldung\r\n";
}

void HaengeDatensatzAn(std::string& ziel, std::uint64_t zeile, const Punkt& p,
                       const Ausgabeform& form) {
    if (form.json) {
        ziel += "{\"Zeile\":" + std::to_string(zeile);
        for (const Ausgabefeld& feld : Ausgabefelder()) {
            ziel += ",\"";
            ziel += feld.name;
            ziel += "\":";
            JsonText(ziel, p.felder[Index(feld.feld)]);
        }
        ziel += ",\"Meldung\":";
        JsonText(ziel, Meldungstext(p));
        ziel += "}\n";
        return;
    }
    ziel += std::to_string(zeile);
    for (const std::string& text : p.felder) {
        ziel += form.trenner;
        CsvFeld(ziel, text, form.trenner);
    }
    ziel += form.trenner;
    CsvFeld(ziel, Meldungstext(p), form.trenner);
    ziel += "\r\n";
}

std::string Einzeilig(const std::string& meldung) {
    std::string zeile;
    bool umbruch = false;
    for (char c : meldung) {
        if (c == '\r' || c == '\n') {
            umbruch = true;
            continue;
        }
        if (umbruch) zeile += ' ';
        umbruch = false;
        zeile += c;
    }
    return zeile;
}

} // namespace kartovex::konvert
