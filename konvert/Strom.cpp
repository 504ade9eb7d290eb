#include "konvert/Strom.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <istream>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace kartovex::konvert {

namespace {

// Reads lines from a stream through a fixed buffer. Of a line longer than
// LaengsteZeile the first LaengsteZeile bytes are kept, the rest is read
// but not kept.
class Zeilenleser {
public:
    explicit Zeilenleser(std::istream& ein) : ein(ein), puffer(1 << 16) {}

    // Appends the next line without its LF (and CR before it) to `ziel`;
    // false at the end.
    bool naechste(std::string& ziel, bool& zuLang) {
        if (zurueckgelegt) {
            zurueckgelegt = false;
            ziel += gemerkt;
            zuLang = gemerktZuLang;
            return true;
        }
        const std::size_t anfang = ziel.size();
        zuLang = false;
        bool etwas = false;
        for (;;) {
            if (pos == ende && !fuelle()) break;
            etwas = true;
            const char* text = puffer.data() + pos;
            const auto* lf = static_cast<const char*>(std::memchr(text, '\n', ende - pos));
            const std::size_t n = lf ? std::size_t(lf - text) : ende - pos;
            // +1: a CR may still go
            const std::size_t platz = LaengsteZeile + 1 - (ziel.size() - anfang);
            ziel.append(text, std::min(n, platz));
            zuLang = zuLang || n > platz;
            pos += n;
            if (lf) {
                ++pos;
                break;
            }
        }
        if (ziel.size() > anfang && ziel.back() == '\r' && !zuLang) ziel.pop_back();
        // Spreadsheets often start a UTF-8 file with a byte order mark.
        if (ersteZeile && std::string_view(ziel).substr(anfang).starts_with("\xEF\xBB\xBF"))
            ziel.erase(anfang, 3);
        ersteZeile = false;
        if (ziel.size() - anfang > LaengsteZeile) {
            zuLang = true;
            ziel.resize(anfang + LaengsteZeile);
        }
        return etwas;
    }

    // The line comes again with the next call.
    void legeZurueck(std::string_view zeile, bool zuLang) {
        gemerkt = zeile;
        gemerktZuLang = zuLang;
        zurueckgelegt = true;
    }

private:
    bool fuelle() {
        ein.read(puffer.data(), std::streamsize(puffer.size()));
        pos = 0;
        ende = std::size_t(ein.gcount());
        return ende > 0;
    }
    std::istream& ein;
    std::vector<char> puffer;
    std::size_t pos = 0, ende = 0;
    bool ersteZeile = true;
    std::string gemerkt;
    bool gemerktZuLang = false, zurueckgelegt = false;
};

// A block of lines, kept one after the other in one text, so that its memory
// follows the bytes it holds, not the longest line each place once held.
struct Block {
    struct Zeile {
        std::size_t anfang = 0, laenge = 0;
        bool zuLang = false;
    };
    std::uint64_t ersteZeile = 0;
    std::string text;
    std::vector<Zeile> zeilen;
    // Results, written by the thread that converts the block.
    std::string aus, meldungen;
    std::uint64_t punkte = 0, fehler = 0;
    bool fertig = false;

    std::string_view zeile(std::size_t i) const {
        return std::string_view(text).substr(zeilen[i].anfang, zeilen[i].laenge);
    }
};

// Reads lines into the block until it holds `max` lines or `bytes` bytes.
bool Fuelle(Block& b, Zeilenleser& leser, std::uint64_t& gelesen, std::size_t max,
            std::size_t bytes) {
    b.ersteZeile = gelesen + 1;
    b.text.clear();
    b.zeilen.clear();
    for (bool lang = false; b.zeilen.size() < max && b.text.size() < bytes;) {
        const std::size_t anfang = b.text.size();
        if (!leser.naechste(b.text, lang)) break;
        b.zeilen.push_back({anfang, b.text.size() - anfang, lang});
    }
    gelesen += b.zeilen.size();
    return !b.zeilen.empty();
}

// Only blanks and tabs: a line that is skipped wherever it stands.
bool Leer(std::string_view zeile) {
    return zeile.find_first_not_of(" \t") == std::string_view::npos;
}

void Melde(Block& b, std::uint64_t zeile, const std::string& text) {
    b.meldungen += "Zeile " + std::to_string(zeile) + ": " + Einzeilig(text) + '\n';
}

std::string ZuLangText(std::string_view was) {
    return std::string(was) + " ist länger als " + std::to_string(LaengsteZeile) + " Bytes.";
}

// A line too long to be converted: its record has the user's own fields as
// far as its first LaengsteZeile bytes hold them.
Punkt ZuLang(std::string_view anfang, const Optionen& o) {
    Punkt p;
    p.meldung = ZuLangText("Die Zeile");
    if (o.zeile.eigeneSpalten > 0) {
        p.eigene = EigeneFelder(o.format, anfang, o.zeile.trenner);
        p.eigene.resize(o.zeile.eigeneSpalten);
    }
    return p;
}

void Verarbeite(Block& b, const Optionen& o, const Satzschreiber& schreiber) {
    b.aus.clear();
    b.meldungen.clear();
    b.punkte = b.fehler = 0;
    for (std::size_t i = 0; i < b.zeilen.size(); ++i) {
        const std::uint64_t nummer = b.ersteZeile + i;
        const std::string_view zeile = b.zeile(i);
        const bool zuLang = b.zeilen[i].zuLang;
        if (!zuLang && Leer(zeile)) continue;
        const Punkt p = zuLang ? ZuLang(zeile, o) : KonvertiereZeile(o.format, zeile, o.zeile);
        if (!p.meldung.empty()) Melde(b, nummer, p.meldung);
        for (const std::string& m : p.meldungen)
            Melde(b, nummer, m);
        if (!p.meldung.empty() || !p.meldungen.empty()) ++b.fehler;
        ++b.punkte;
        schreiber.haengeAn(b.aus, nummer, p);
    }
}

// The progress line on a terminal: shown once the run takes longer than a
// second, rewritten at most five times a second, removed before messages.
class Fortschritt {
public:
    Fortschritt(std::ostream& ziel, bool an) : ziel(ziel), an(an) {}
    void zeige(std::uint64_t zeilen) {
        if (!an) return;
        const auto jetzt = Uhr::now();
        if (jetzt - start < std::chrono::seconds(1) ||
            jetzt - zuletzt < std::chrono::milliseconds(200))
            return;
        zuletzt = jetzt;
        const double s = std::chrono::duration<double>(jetzt - start).count();
        ziel << "\r" << zeilen << " Zeilen, " << std::uint64_t(double(zeilen) / s) << " Zeilen/s"
             << std::flush;
        sichtbar = true;
    }
    void loesche() {
        if (sichtbar) ziel << "\r\033[K" << std::flush;
        sichtbar = false;
    }

private:
    using Uhr = std::chrono::steady_clock;
    std::ostream& ziel;
    bool an;
    bool sichtbar = false;
    Uhr::time_point start = Uhr::now(), zuletzt = start;
};

class Ausgeber {
public:
    Ausgeber(std::ostream& aus, std::ostream& meldungen, const Optionen& o)
        : aus(aus), meldungen(meldungen), fortschritt(meldungen, o.fortschritt),
          ohneErstesKomma(o.form.geojson) {}
    // After the first failed write nothing more is written or reported: a
    // message stands only for a record that reached the output.
    void schreibe(const Block& b) {
        if (!laeuft()) return;
        // GeoJSON features follow each other with a ',' in front, but the first.
        const std::size_t weg = ohneErstesKomma && !b.aus.empty() ? 1 : 0;
        if (weg) ohneErstesKomma = false;
        aus.write(b.aus.data() + weg, std::streamsize(b.aus.size() - weg));
        if (!b.meldungen.empty()) {
            fortschritt.loesche();
            aus.flush(); // records before the messages about them, when both go to one terminal
            if (!laeuft()) return;
            meldungen << b.meldungen << std::flush;
        }
        bilanz.zeilen += b.zeilen.size();
        bilanz.punkte += b.punkte;
        bilanz.fehler += b.fehler;
        fortschritt.zeige(bilanz.zeilen);
    }
    bool laeuft() const { return aus.good(); }
    Bilanz ende() {
        fortschritt.loesche();
        aus.flush();
        return bilanz;
    }

private:
    std::ostream& aus;
    std::ostream& meldungen;
    Fortschritt fortschritt;
    bool ohneErstesKomma;
    Bilanz bilanz;
};

// The bytes of input after which a block ends, when `bloecke` blocks may be
// in flight at once: together they hold about `imFlug` bytes, whatever the
// number of threads, but each at most 1 MiB and room for a line at least.
std::size_t BytesJeBlock(std::size_t imFlug, std::size_t bloecke) {
    return std::clamp<std::size_t>(imFlug / bloecke, LaengsteZeile, 1 << 20);
}

Bilanz Einfaedig(Zeilenleser& leser, Ausgeber& ausgeber, const Optionen& o, std::uint64_t gelesen) {
    const Satzschreiber schreiber(o.form);
    Block b;
    while (ausgeber.laeuft() &&
           Fuelle(b, leser, gelesen, o.zeilenJeBlock, BytesJeBlock(o.bytesImFlug, 1))) {
        Verarbeite(b, o, schreiber);
        ausgeber.schreibe(b);
    }
    return ausgeber.ende();
}

// The calling thread reads and writes; the workers convert. A ring of blocks
// bounds the memory: block k lives in slot k modulo the ring size and is
// written, in order, before its slot takes a new block.
Bilanz Parallel(Zeilenleser& leser, Ausgeber& ausgeber, const Optionen& o, std::uint64_t gelesen) {
    const Satzschreiber schreiber(o.form);
    std::vector<Block> ring(2 * std::size_t(o.threads) + 2);
    const std::size_t bytes = BytesJeBlock(o.bytesImFlug, ring.size());
    std::mutex m;
    std::condition_variable arbeit, fertig;
    std::deque<std::size_t> warteschlange;
    bool schluss = false;

    std::vector<std::thread> arbeiter;
    for (unsigned t = 0; t < o.threads; ++t)
        arbeiter.emplace_back([&] {
            for (;;) {
                std::unique_lock sperre(m);
                arbeit.wait(sperre, [&] { return schluss || !warteschlange.empty(); });
                if (warteschlange.empty()) return;
                Block& b = ring[warteschlange.front()];
                warteschlange.pop_front();
                sperre.unlock();
                Verarbeite(b, o, schreiber);
                sperre.lock();
                b.fertig = true;
                fertig.notify_one();
            }
        });

    std::uint64_t angefangen = 0, geschrieben = 0;
    const auto schreibeFertige = [&](bool warten) {
        while (geschrieben < angefangen) {
            Block& b = ring[geschrieben % ring.size()];
            {
                std::unique_lock sperre(m);
                if (warten) fertig.wait(sperre, [&] { return b.fertig; });
                if (!b.fertig) return;
            }
            ausgeber.schreibe(b);
            ++geschrieben;
            warten = false; // only for the one block whose slot is needed
        }
    };
    for (;;) {
        if (angefangen - geschrieben == ring.size()) schreibeFertige(true);
        if (!ausgeber.laeuft()) break; // a write failed: read no further
        Block& b = ring[angefangen % ring.size()];
        if (!Fuelle(b, leser, gelesen, o.zeilenJeBlock, bytes)) break;
        {
            std::lock_guard sperre(m);
            b.fertig = false;
            warteschlange.push_back(angefangen % ring.size());
        }
        arbeit.notify_one();
        ++angefangen;
        schreibeFertige(false);
    }
    while (geschrieben < angefangen)
        schreibeFertige(true);
    {
        std::lock_guard sperre(m);
        schluss = true;
    }
    arbeit.notify_all();
    for (std::thread& t : arbeiter)
        t.join();
    return ausgeber.ende();
}

} // namespace

Bilanz Konvertiere(std::istream& ein, std::ostream& aus, std::ostream& meldungen,
                   const Optionen& optionen) {
    SammleMeldungen();
    Zeilenleser leser(ein);
    Optionen o = optionen;
    std::uint64_t gelesen = 0;
    // The first line that is not empty counts: the header line, or the first
    // point, whose fields after the format's ones are the user's own columns.
    std::string erste;
    bool zuLang = false, da = false;
    while ((da = leser.naechste(erste, zuLang)) && !zuLang && Leer(erste)) {
        ++gelesen;
        erste.clear();
    }
    if (da) {
        if (o.kopfzeile && zuLang) {
            meldungen << "Zeile " << gelesen + 1 << ": " << ZuLangText("Die Kopfzeile") << '\n';
            return {.zeilen = gelesen + 1, .abgebrochen = true};
        }
        const std::vector<std::string> eigene = EigeneFelder(o.format, erste, o.zeile.trenner);
        o.zeile.eigeneSpalten = eigene.size();
        if (o.kopfzeile) {
            o.form.eigene = eigene;
            ++gelesen;
        } else {
            for (std::size_t k = 0; k < eigene.size(); ++k)
                o.form.eigene.push_back("feld" + std::to_string(Formatfelder(o.format) + k + 1));
            leser.legeZurueck(erste, zuLang);
        }
    }
    aus << Kopfzeile(o.form);
    Ausgeber ausgeber(aus, meldungen, o);
    Bilanz bilanz = o.threads <= 1 ? Einfaedig(leser, ausgeber, o, gelesen)
                                   : Parallel(leser, ausgeber, o, gelesen);
    if (aus.good()) aus << Schluss(o.form) << std::flush;
    return bilanz;
}

} // namespace kartovex::konvert
