#include "karte/Weltdaten.h"

#include <QFile>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace kartovex::karte {

namespace {

// Reads the little-endian and varint fields one after the other; any read
// past the end marks the reader as failed.
class Leser {
public:
    explicit Leser(std::string_view b) : bytes(b) {}
    bool ok() const { return !fehler; }
    bool Kopf(std::string_view magie) {
        if (bytes.substr(0, magie.size()) != magie) fehler = true;
        pos += magie.size();
        return ok();
    }
    template <class T> T Fest() {
        T wert{};
        if (pos + sizeof(T) > bytes.size()) {
            fehler = true;
            return wert;
        }
        std::memcpy(&wert, bytes.data() + pos, sizeof(T)); // the file and x86 are little-endian
        pos += sizeof(T);
        return wert;
    }
    std::uint64_t Varint() {
        std::uint64_t wert = 0;
        for (int verschiebung = 0; verschiebung < 64; verschiebung += 7) {
            if (pos >= bytes.size()) break;
            const auto b = static_cast<unsigned char>(bytes[pos++]);
            wert |= std::uint64_t(b & 0x7F) << verschiebung;
            if (!(b & 0x80)) return wert;
        }
        fehler = true;
        return 0;
    }
    std::int64_t Zickzack() {
        const std::uint64_t n = Varint();
        return static_cast<std::int64_t>(n >> 1) ^ -static_cast<std::int64_t>(n & 1);
    }
    std::size_t Rest() const { return bytes.size() - std::min(pos, bytes.size()); }

private:
    std::string_view bytes;
    std::size_t pos = 0;
    bool fehler = false;
};

} // namespace

std::optional<Weltdaten> LiesWeltdaten(std::string_view bytes) {
    Leser l(bytes);
    if (!l.Kopf("KXW1")) return std::nullopt;
    const double skalaX = l.Fest<double>(), skalaY = l.Fest<double>();
    const double verschiebungX = l.Fest<double>(), verschiebungY = l.Fest<double>();
    const auto anzahl = l.Fest<std::uint32_t>();
    Weltdaten d;
    for (std::uint32_t i = 0; l.ok() && i < anzahl; ++i) {
        Weltlinie linie;
        const auto art = l.Fest<std::uint8_t>();
        if (art > 1) return std::nullopt;
        linie.art = art == 0 ? Weltlinie::Art::Land : Weltlinie::Art::Grenze;
        const std::uint64_t punkte = l.Varint();
        if (punkte > l.Rest()) return std::nullopt; // each point takes two bytes at least
        std::int64_t x = 0, y = 0;
        for (std::uint64_t j = 0; l.ok() && j < punkte; ++j) {
            x += l.Zickzack();
            y += l.Zickzack();
            linie.punkte.push_back(
                Welt({verschiebungY + skalaY * double(y), verschiebungX + skalaX * double(x)}));
        }
        if (linie.punkte.empty()) continue;
        linie.min = linie.max = linie.punkte.front();
        for (const Weltpunkt& p : linie.punkte) {
            linie.min = {std::min(linie.min.x, p.x), std::min(linie.min.y, p.y)};
            linie.max = {std::max(linie.max.x, p.x), std::max(linie.max.y, p.y)};
        }
        d.linien.push_back(std::move(linie));
    }
    if (!l.ok()) return std::nullopt;
    return d;
}

const Weltdaten& EingebauteWeltdaten() {
    static const Weltdaten daten = [] {
        QFile f(QStringLiteral(":/karte/welt.bin"));
        f.open(QIODevice::ReadOnly);
        const QByteArray b = f.readAll();
        return LiesWeltdaten(std::string_view(b.constData(), std::size_t(b.size())))
            .value_or(Weltdaten{});
    }();
    return daten;
}

} // namespace kartovex::karte
