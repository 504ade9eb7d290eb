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
    if (!aus.good()) throw Gisschreibfehler("Schreiben in die Ausgabe gescheitert");
}

void Textziel::schliesse() {
    puffer += Schluss(form);
    leere();
    aus.flush();
    if (!aus.good()) throw Gisschreibfehler("Schreiben in die Ausgabe gescheitert");
}

Zeilenquelle::Zeilenquelle(std::istream& ein, int format, const Zeilenform& form, bool kopfzeile,
                           std::uint64_t groesse)
    : ein(ein), format(format), form(form), groesse(groesse) {
    std::string zeile;
    if (!Zeile(zeile)) return;
    // Spreadsheets often start a UTF-8 file with a byte order mark.
    if (zeile.starts_with("\xEF\xBB\xBF")) zeile.erase(0, 3);
    std::vector<std::string> eigene = EigeneFelder(format, zeile, form.trenner);
    this->form.eigeneSpalten = eigene.size();
    if (kopfzeile) {
        namen = std::move(eigene);
        kopf = 1;
        return;
    }
    for (std::size_t k = 0; k < eigene.size(); ++k)
        namen.push_back("feld" + std::to_string(Formatfelder(format) + k + 1));
    erste = std::move(zeile);
}

bool Zeilenquelle::Zeile(std::string& zeile) {
    if (!std::getline(ein, zeile)) {
        if (ein.bad()) throw Gisfehler("Lesefehler");
        return false;
    }
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    return true;
}

double Zeilenquelle::anteil() const {
    const auto stelle = groesse > 0 ? std::int64_t(ein.tellg()) : -1;
    return stelle >= 0 ? std::min(1.0, double(stelle) / double(groesse)) : -1;
}

bool Zeilenquelle::naechstes(Objekt& o) {
    o = Objekt{};
    o.format = format;
    o.form = form;
    if (erste) {
        o.zeile = std::move(*erste);
        erste.reset();
    } else if (!Zeile(o.zeile)) {
        return false;
    }
    o.leer = o.zeile.find_first_not_of(' ') == std::string::npos;
    return true;
}

Punkt KonvertiereObjekt(Objekt o) {
    Punkt p;
    if (o.meldung.empty()) {
        p = KonvertiereZeile(o.format, o.zeile, o.form);
    } else {
        p.meldung = std::move(o.meldung);
    }
    if (o.form.eigeneSpalten == 0) p.eigene = std::move(o.eigene);
    return p;
}

namespace {

constexpr std::size_t ObjekteJeBlock = 4096;

struct Block {
    std::vector<Objekt> objekte;
    std::vector<Punkt> punkte;
};

bool Lies(Objektquelle& quelle, Block& b) {
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
                    if (!b.objekte[i].leer)
                        b.punkte[i] = KonvertiereObjekt(std::move(b.objekte[i]));
            }));
        for (auto& t : teile)
            t.get();
    });
}

void Melde(Laufstand& stand, std::ostream* meldungen, std::string_view einheit,
           std::uint64_t nummer, const std::string& text) {
    const std::string zeile =
        std::string(einheit) + ' ' + std::to_string(nummer) + ": " + Einzeilig(text);
    if (stand.ersteMeldungen.size() < GemerkteMeldungen) stand.ersteMeldungen.push_back(zeile);
    if (meldungen) *meldungen << zeile << '\n';
}

void Schreibe(const Block& b, Punktziel& ziel, Laufstand& stand, std::ostream* meldungen,
              std::string_view einheit, std::uint64_t vorweg) {
    for (std::size_t i = 0; i < b.punkte.size(); ++i) {
        const std::uint64_t nummer = vorweg + ++stand.objekte;
        if (b.objekte[i].leer) continue;
        const Punkt& p = b.punkte[i];
        if (!p.meldung.empty()) Melde(stand, meldungen, einheit, nummer, p.meldung);
        for (const std::string& m : p.meldungen)
            Melde(stand, meldungen, einheit, nummer, m);
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
Laufstand KonvertiereObjekte(Objektquelle& quelle, Punktziel& ziel, std::ostream* meldungen,
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
        Schreibe(bloecke[jetzt], ziel, stand, meldungen, quelle.einheit(), quelle.vorweg());
        stand.anteil = quelle.anteil();
        stand.sekunden = std::chrono::duration<double>(Uhr::now() - start).count();
        if (weiter && !weiter(stand)) {
            if (laufend.valid()) laufend.get();
            stand.abgebrochen = true;
            break;
        }
        jetzt = 1 - jetzt;
    }
    if (!stand.abgebrochen) {
        ziel.schliesse();
        stand.anteil = 1;
    }
    stand.sekunden = std::chrono::duration<double>(Uhr::now() - start).count();
    return stand;
}

} // namespace kartovex::konvert
