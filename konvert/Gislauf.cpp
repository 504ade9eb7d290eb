#include "konvert/Gislauf.h"

#include <algorithm>
#include <array>
#include <atomic>
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

namespace {

// Only blanks and tabs: a line that is skipped wherever it stands.
bool Leer(std::string_view zeile) {
    return zeile.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

Zeilenquelle::Zeilenquelle(std::istream& ein, int format, const Zeilenform& form, bool kopfzeile,
                           std::uint64_t groesse)
    : ein(ein), format(format), form(form), groesse(groesse) {
    // The first line that is not empty counts, as in the text path: the
    // header line, or the first point; empty lines before it keep their numbers.
    std::string zeile;
    bool erstZeile = true;
    for (;; ++kopf, erstZeile = false) {
        if (!Zeile(zeile)) return;
        // Spreadsheets often start a UTF-8 file with a byte order mark.
        if (erstZeile && zeile.starts_with("\xEF\xBB\xBF")) zeile.erase(0, 3);
        if (!Leer(zeile)) break;
    }
    std::vector<std::string> eigene = EigeneFelder(format, zeile, form.trenner);
    this->form.eigeneSpalten = eigene.size();
    if (kopfzeile) {
        namen = std::move(eigene);
        ++kopf;
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
    o.leer = Leer(o.zeile);
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

// Converts a block on `threads` threads, each a contiguous share, once the
// block before it is converted: at most `threads` threads convert at a time.
std::shared_future<void> Starte(Block& b, unsigned threads, std::shared_future<void> vorher) {
    return std::async(std::launch::async,
                      [&b, threads, vorher] {
                          if (vorher.valid()) vorher.wait();
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
                      })
        .share();
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

// Three stages, each on its own thread: the calling thread reads, the
// workers convert, a writer writes the blocks in input order. Each GDAL
// dataset is used by one thread at a time; a ring of blocks bounds the
// memory: a block is read again only after it has been written.
Laufstand KonvertiereObjekte(Objektquelle& quelle, Punktziel& ziel, std::ostream* meldungen,
                             unsigned threads,
                             const std::function<bool(const Laufstand&)>& weiter) {
    SammleMeldungen();
    using Uhr = std::chrono::steady_clock;
    const auto start = Uhr::now();
    const std::string_view einheit = quelle.einheit();
    const std::uint64_t vorweg = quelle.vorweg();
    Laufstand stand;
    stand.gesamt = quelle.anzahl();
    std::atomic<bool> halt = false;
    std::array<Block, 4> bloecke;
    std::array<std::shared_future<void>, 4> geschrieben; // the write of each slot's block
    std::shared_future<void> umgerechnet, zuletzt;       // of the last block started
    for (std::size_t i = 0; !halt; ++i) {
        const std::size_t platz = i % bloecke.size();
        if (geschrieben[platz].valid()) geschrieben[platz].get(); // a write fault comes here
        Block& b = bloecke[platz];
        if (!Lies(quelle, b)) break;
        const double anteil = quelle.anteil();
        umgerechnet = Starte(b, std::max(1u, threads), umgerechnet);
        zuletzt = geschrieben[platz] =
            std::async(std::launch::async, [&, block = &b, anteil, fertig = umgerechnet,
                                            vorher = zuletzt] {
                fertig.get();
                if (vorher.valid()) vorher.get();
                if (halt) return;
                Schreibe(*block, ziel, stand, meldungen, einheit, vorweg);
                stand.anteil = anteil;
                stand.sekunden = std::chrono::duration<double>(Uhr::now() - start).count();
                if (weiter && !weiter(stand)) halt = true;
            }).share();
    }
    if (zuletzt.valid()) zuletzt.get();
    stand.abgebrochen = halt;
    if (!stand.abgebrochen) {
        ziel.schliesse();
        stand.anteil = 1;
    }
    stand.sekunden = std::chrono::duration<double>(Uhr::now() - start).count();
    return stand;
}

} // namespace kartovex::konvert
