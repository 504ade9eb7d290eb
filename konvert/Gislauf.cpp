#include "konvert/Gislauf.h"

#include <algorithm>
#include <chrono>
#include <future>
#include <ostream>

namespace kartovex::konvert {

Textziel::Textziel(std::ostream& aus, const Ausgabeform& form)
    : aus(aus), schreiber(form), form(form), puffer(Kopfzeile(form)) {}

void Textziel::schreibe(std::uint64_t nummer, const Punkt& p) {
    const std::size_t vorher = puffer.size();
    schreiber.haengeAn(puffer, nummer, p);
    // GeoJSON features follow each other with a ',' in front, but the first.
    if (form.geojson && erstes && puffer.size() > vorher) {
        puffer.erase(vorher, 1);
        erstes = false;
    }
    if (puffer.size() >= (1 << 16)) leere();
}

void Textziel::leere() {
    aus.write(puffer.data(), std::streamsize(puffer.size()));
    puffer.clear();
    if (!aus.good()) throw Gisfehler("Schreiben in die Ausgabe gescheitert");
}

void Textziel::schliesse() {
    puffer += Schluss(form);
    leere();
    aus.flush();
    if (!aus.good()) throw Gisfehler("Schreiben in die Ausgabe gescheitert");
}

Punkt KonvertiereObjekt(Objekt o) {
    Punkt p;
    if (o.meldung.empty()) {
        p = KonvertiereZeile(o.format, o.zeile);
    } else {
        p.meldung = std::move(o.meldung);
    }
    p.eigene = std::move(o.eigene);
    return p;
}

namespace {

constexpr std::size_t ObjekteJeBlock = 4096;

struct Block {
    std::vector<Objekt> objekte;
    std::vector<Punkt> punkte;
};

bool Lies(Gisquelle& quelle, Block& b) {
    b.objekte.resize(ObjekteJeBlock);
    std::size_t n = 0;
    while (n < ObjekteJeBlock && quelle.naechstes(b.objekte[n]))
        ++n;
    b.objekte.resize(n);
    return n > 0;
}

// Converts a block on `threads` threads, each a contiguous share.
std::future<void> Starte(Block& b, unsigned threads) {
    return std::async(std::launch::async, [&b, threads] {
        b.punkte.resize(b.objekte.size());
        const std::size_t teil = (b.objekte.size() + threads - 1) / threads;
        std::vector<std::future<void>> teile;
        for (std::size_t von = 0; von < b.objekte.size(); von += teil)
            teile.push_back(std::async(std::launch::async, [&b, von, teil] {
                const std::size_t bis = std::min(b.objekte.size(), von + teil);
                for (std::size_t i = von; i < bis; ++i)
                    b.punkte[i] = KonvertiereObjekt(std::move(b.objekte[i]));
            }));
        for (auto& t : teile)
            t.get();
    });
}

void Melde(Laufstand& stand, std::ostream* meldungen, std::uint64_t nummer,
           const std::string& text) {
    const std::string zeile = "Objekt " + std::to_string(nummer) + ": " + Einzeilig(text);
    if (stand.ersteMeldungen.size() < GemerkteMeldungen) stand.ersteMeldungen.push_back(zeile);
    if (meldungen) *meldungen << zeile << '\n';
}

void Schreibe(const Block& b, Punktziel& ziel, Laufstand& stand, std::ostream* meldungen) {
    for (const Punkt& p : b.punkte) {
        const std::uint64_t nummer = ++stand.objekte;
        if (!p.meldung.empty()) Melde(stand, meldungen, nummer, p.meldung);
        for (const std::string& m : p.meldungen)
            Melde(stand, meldungen, nummer, m);
        if (!p.meldung.empty() || !p.meldungen.empty()) ++stand.fehler;
        ++stand.punkte;
        ziel.schreibe(nummer, p);
    }
    if (meldungen) meldungen->flush();
}

} // namespace

// The calling thread reads the next block and writes the last one while the
// workers convert the current one: GDAL sees one thread only, and at most
// two blocks are in memory.
Laufstand KonvertiereObjekte(Gisquelle& quelle, Punktziel& ziel, std::ostream* meldungen,
                             unsigned threads,
                             const std::function<bool(const Laufstand&)>& weiter) {
    SammleMeldungen();
    using Uhr = std::chrono::steady_clock;
    const auto start = Uhr::now();
    Laufstand stand;
    stand.gesamt = quelle.anzahl();
    Block bloecke[2];
    std::size_t jetzt = 0; // the block converted now; the other one is read meanwhile
    bool mehr = Lies(quelle, bloecke[jetzt]);
    std::future<void> laufend;
    if (mehr) laufend = Starte(bloecke[jetzt], std::max(1u, threads));
    while (mehr) {
        Block& naechster = bloecke[1 - jetzt];
        mehr = Lies(quelle, naechster);
        laufend.get();
        if (mehr) laufend = Starte(naechster, std::max(1u, threads));
        Schreibe(bloecke[jetzt], ziel, stand, meldungen);
        stand.sekunden = std::chrono::duration<double>(Uhr::now() - start).count();
        if (weiter && !weiter(stand)) {
            if (laufend.valid()) laufend.get();
            stand.abgebrochen = true;
            break;
        }
        jetzt = 1 - jetzt;
    }
    ziel.schliesse();
    stand.sekunden = std::chrono::duration<double>(Uhr::now() - start).count();
    return stand;
}

} // namespace kartovex::konvert
