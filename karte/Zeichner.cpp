#include "karte/Zeichner.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "karte/Beschriftung.h"
#include "karte/Gitter.h"
#include "karte/Kacheln.h"
#include "karte/Weltdaten.h"

namespace kartovex::karte {

namespace {

// The latitudes UTM covers; no zone line is drawn beyond them.
constexpr Geobereich UTMBereich{-80, 84, -180, 180};

QPointF Punkt(Bildpunkt b) {
    return {b.x, b.y};
}

// One copy of the world in the window: the window's world x range taken
// from one unit square (k = -1, 0 or 1 east of the date line).
struct Weltkopie {
    double versatz;     // added to every world x of the copy
    Geobereich bereich; // the part of the earth it shows
};

std::vector<Weltkopie> Kopien(const Ansicht& a) {
    std::vector<Weltkopie> kopien;
    const Weltpunkt oben = a.WeltAn({0, 0}), unten = a.WeltAn({a.Breite(), a.Hoehe()});
    const double nord = AusWelt({0, std::max(oben.y, 0.0)}).breiteGrad;
    const double sued = AusWelt({0, std::min(unten.y, 1.0)}).breiteGrad;
    for (int k = int(std::floor(oben.x)); k <= int(std::floor(unten.x)); ++k) {
        const double x0 = std::max(oben.x - k, 0.0), x1 = std::min(unten.x - k, 1.0);
        if (x1 <= x0) continue;
        kopien.push_back({double(k), {sued, nord, x0 * 360 - 180, x1 * 360 - 180}});
    }
    return kopien;
}

class Maler {
public:
    Maler(QPainter& p, const Ansicht& a) : p(p), a(a) {}

    QPointF Bild(Lage g, double versatz) const {
        Weltpunkt w = Welt(g);
        w.x += versatz;
        return Punkt(a.Bild(w));
    }
    QPolygonF Zug(const Linienzug& l, double versatz) const {
        QPolygonF z;
        z.reserve(qsizetype(l.size()));
        for (const Lage& g : l)
            z << Bild(g, versatz);
        return z;
    }

    void Weltlinien(const Weltdaten& d, bool land) {
        const double x0 = a.WeltXMin(), x1 = a.WeltXMax();
        const double y0 = a.WeltAn({0, 0}).y, y1 = a.WeltAn({0, a.Hoehe()}).y;
        QPainterPath flaeche;
        for (int k = int(std::floor(x0)); k <= int(std::floor(x1)); ++k)
            for (const Weltlinie& l : d.linien) {
                if ((l.art == Weltlinie::Art::Land) != land) continue;
                if (l.max.x + k < x0 || l.min.x + k > x1 || l.max.y < y0 || l.min.y > y1) continue;
                // Vertices closer than a pixel to the last one kept add
                // nothing visible (the whole of Europe has several per pixel).
                QPolygonF z;
                for (const Weltpunkt& w : l.punkte) {
                    const QPointF b = Punkt(a.Bild(Weltpunkt{w.x + k, w.y}));
                    if (z.isEmpty() ||
                        std::abs(b.x() - z.last().x()) + std::abs(b.y() - z.last().y()) >= 1)
                        z << b;
                }
                if (z.size() == 1) continue;
                z << Punkt(a.Bild(Weltpunkt{l.punkte.back().x + k, l.punkte.back().y}));
                if (land)
                    flaeche.addPolygon(z);
                else
                    p.drawPolyline(z);
            }
        if (land) {
            // The area without anti-aliasing (much quicker for the whole of
            // Europe), its outline with: the coast stays smooth.
            flaeche.setFillRule(Qt::OddEvenFill);
            const QPen kueste = p.pen();
            p.setPen(Qt::NoPen);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.drawPath(flaeche);
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(kueste);
            p.setBrush(Qt::NoBrush);
            p.drawPath(flaeche);
        }
    }

    QPainter& p;
    const Ansicht& a;
    std::vector<Schild> schilder;
    std::vector<std::pair<QString, QColor>> texte;

    void Beschrifte(const QString& text, QPointF mitte, int rang, const QColor& farbe) {
        const QFontMetricsF m(p.font());
        QRectF r = m.boundingRect(text);
        r.adjust(-2, 0, 2, 0);
        r.moveCenter(mitte);
        schilder.push_back({r, rang});
        texte.emplace_back(text, farbe);
    }
    void Schilder() {
        const std::vector<bool> gezeigt = Platziere(schilder);
        // Backgrounds first, then the texts at their baselines (quicker than
        // laying each text out in its box).
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 210));
        for (std::size_t i = 0; i < schilder.size(); ++i)
            if (gezeigt[i] && !texte[i].first.isEmpty()) p.drawRect(schilder[i].rahmen);
        const QFontMetricsF fm(p.font());
        for (std::size_t i = 0; i < schilder.size(); ++i) {
            if (!gezeigt[i] || texte[i].first.isEmpty()) continue;
            const QRectF& r = schilder[i].rahmen;
            p.setPen(texte[i].second);
            p.drawText(QPointF(r.left() + 2, r.top() + fm.ascent()), texte[i].first);
        }
    }
};

// Ranks of the labels: the marker's first, the edge numbers last.
enum Rang { Randzahl = 1, QuadratRang = 2, GKRang = 3, ZonenRang = 4, MarkenRang = 9 };

// Widths in logical pixels: at 200 % display scale a line is two device
// pixels wide, as thick to the eye as at 100 %.
QPen Stift(const QColor& farbe, double breite, Qt::PenStyle art = Qt::SolidLine) {
    return QPen(farbe, breite, art);
}

// Where a line in the window crosses the horizontal (waagerecht) or vertical
// line at wert; nothing when it does not.
std::optional<QPointF> Kreuzung(const QPolygonF& z, bool waagerecht, double wert) {
    for (qsizetype i = 0; i + 1 < z.size(); ++i) {
        const double a = waagerecht ? z[i].y() : z[i].x();
        const double b = waagerecht ? z[i + 1].y() : z[i + 1].x();
        if ((a - wert) * (b - wert) > 0 || a == b) continue;
        const double t = (wert - a) / (b - a);
        return z[i] + t * (z[i + 1] - z[i]);
    }
    return std::nullopt;
}

void Zeichengitter(Maler& m, const Weltkopie& kopie) {
    QPainter& p = m.p;
    const Ansicht& a = m.a;
    const Gitterstufe stufe = StufeFuer(a.MeterProPixel());
    const Geobereich bereich = kopie.bereich.Schnitt(UTMBereich);
    if (bereich.leer()) return;
    for (const Zonenfeld& f : Zonenfelder()) {
        const Geobereich teil = f.bereich.Schnitt(bereich);
        if (teil.leer()) continue;
        if (stufe.abstandMeter > 0) {
            const double schritt = SchrittFuer(stufe.abstandMeter, a.MeterProPixel());
            for (const Gitterlinie& l : Gitterlinien(f, bereich, stufe.abstandMeter, schritt)) {
                const bool hundert = std::fmod(l.wertMeter, 100000) == 0;
                const bool zehn = std::fmod(l.wertMeter, 10000) == 0;
                p.setPen(hundert ? Stift(kartenfarbe::Hundert, 1)
                                 : Stift(kartenfarbe::Feingitter, zehn ? 1 : 0.6));
                for (const Linienzug& t : l.teile) {
                    const QPolygonF z = m.Zug(t, kopie.versatz);
                    p.drawPolyline(z);
                    if (!stufe.randzahlen) continue;
                    const long km = std::lround(l.wertMeter / 1000) % 100;
                    const QString zahl = QString::asprintf("%02ld", km);
                    const double rand = 9;
                    for (const double wert : {rand, (l.rechts ? a.Hoehe() : a.Breite()) - rand})
                        if (const auto k = Kreuzung(z, l.rechts, wert))
                            m.Beschrifte(zahl, *k, Randzahl, kartenfarbe::Feingitter);
                }
            }
            if (stufe.quadrate)
                for (const Quadrat& q : Quadrate(f, bereich))
                    m.Beschrifte(QString::fromStdString(q.buchstaben),
                                 m.Bild(q.mitte, kopie.versatz), QuadratRang, kartenfarbe::Hundert);
        }
        m.Beschrifte(
            QString::fromStdString(f.Name()),
            m.Bild({(teil.nord + teil.sued) / 2, (teil.west + teil.ost) / 2}, kopie.versatz),
            ZonenRang, kartenfarbe::Zone);
    }
    // The Gauss-Krueger strip meridians, only inside the Germany rectangle.
    p.setPen(Stift(kartenfarbe::GK, 1.6, Qt::DashLine));
    for (const GKMeridian& g : GKMeridiane()) {
        const QPolygonF z = m.Zug(g.punkte, kopie.versatz);
        p.drawPolyline(z);
        const QRectF fenster(0, 0, a.Breite(), a.Hoehe());
        for (const double anteil : {0.3, 0.7}) {
            const QPointF ort =
                m.Bild(g.punkte[std::size_t(anteil * double(g.punkte.size()))], kopie.versatz);
            // Beside the line, which stays visible.
            if (fenster.contains(ort))
                m.Beschrifte(QString("GK %1").arg(g.kennziffer), ort + QPointF(24, 0), GKRang,
                             kartenfarbe::GK);
        }
    }
    // The zone fields' borders last: the strip meridians 6 and 12 run close
    // beside two of them.
    p.setPen(Stift(kartenfarbe::Zone, 2));
    p.setBrush(Qt::NoBrush);
    for (const Zonenfeld& f : Zonenfelder())
        if (!f.bereich.Schnitt(bereich).leer())
            p.drawRect(QRectF(m.Bild({f.bereich.nord, f.bereich.west}, kopie.versatz),
                              m.Bild({f.bereich.sued, f.bereich.ost}, kopie.versatz)));
}

// The box of the scale bar in the lower left corner.
QRectF Masstabrahmen(const Ansicht& a) {
    const double laenge = Masstablaenge(a.MeterProPixel(), a.Breite()) / a.MeterProPixel();
    return {6, a.Hoehe() - 34, laenge + 12, 28};
}

void ZeichneMasstab(QPainter& p, const Ansicht& a) {
    const double meter = Masstablaenge(a.MeterProPixel(), a.Breite());
    const double laenge = meter / a.MeterProPixel();
    const QPointF links(12, a.Hoehe() - 14);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRect(Masstabrahmen(a));
    p.setPen(Stift(Qt::black, 2));
    p.drawLine(links, links + QPointF(laenge, 0));
    p.drawLine(links, links - QPointF(0, 5));
    p.drawLine(links + QPointF(laenge, 0), links + QPointF(laenge, -5));
    p.drawText(QRectF(links.x(), links.y() - 20, laenge, 16), Qt::AlignCenter, Masstabtext(meter));
}

void ZeichneMarke(Maler& m, const Kartenstand& s) {
    if (!s.punkt) return;
    QPainter& p = m.p;
    for (const Weltkopie& k : Kopien(m.a)) {
        if (!k.bereich.enthaelt(*s.punkt)) continue;
        const QPointF ort = m.Bild(*s.punkt, k.versatz);
        p.setPen(Stift(kartenfarbe::Marke, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(ort, 8, 8);
        p.drawLine(ort - QPointF(13, 0), ort + QPointF(13, 0));
        p.drawLine(ort - QPointF(0, 13), ort + QPointF(0, 13));
        // The marker itself is kept free of labels, its UTMREF stands beside it.
        m.schilder.push_back({QRectF(ort - QPointF(14, 14), ort + QPointF(14, 14)), MarkenRang});
        m.texte.emplace_back(QString(), kartenfarbe::Marke);
        if (!s.punktText.empty()) {
            const QString text = QString::fromStdString(s.punktText);
            const QFontMetricsF fm(p.font());
            m.Beschrifte(text, ort + QPointF(18 + fm.horizontalAdvance(text) / 2, -16), MarkenRang,
                         kartenfarbe::Marke);
        }
    }
}

} // namespace

void ZeichneKarte(QPainter& p, const Ansicht& a, const Kartenstand& stand) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(QRectF(0, 0, a.Breite(), a.Hoehe()), kartenfarbe::Meer);
    Maler m(p, a);
    const bool grundlage = stand.grundlage && stand.grundlage->Zeichne(p, a);
    const Weltdaten& welt = EingebauteWeltdaten();
    if (!grundlage) {
        p.setPen(Stift(kartenfarbe::Kueste, 1));
        p.setBrush(kartenfarbe::Land);
        m.Weltlinien(welt, true);
    }
    p.setPen(Stift(kartenfarbe::Grenze, 1));
    p.setBrush(Qt::NoBrush);
    m.Weltlinien(welt, false);

    QFont schrift = p.font();
    schrift.setPixelSize(12);
    p.setFont(schrift);
    for (const Weltkopie& k : Kopien(a))
        Zeichengitter(m, k);
    ZeichneMarke(m, stand);
    // The scale bar and the attribution keep their corners free of labels.
    QString quelle = QStringLiteral("Natural Earth");
    if (grundlage && !stand.grundlage->Namensnennung().isEmpty())
        quelle = stand.grundlage->Namensnennung() + " | " + quelle;
    const QFontMetricsF fm(p.font());
    QRectF r = fm.boundingRect(quelle).adjusted(-4, -1, 4, 1);
    r.moveBottomRight(QPointF(a.Breite() - 2, a.Hoehe() - 2));
    for (const QRectF& frei : {r, Masstabrahmen(a)}) {
        m.schilder.push_back({frei, MarkenRang});
        m.texte.emplace_back(QString(), Qt::black);
    }
    m.Schilder();
    ZeichneMasstab(p, a);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRect(r);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, quelle);
}

double Masstablaenge(double meterProPixel, double breitePixel) {
    const double ziel = std::min(breitePixel / 4, 200.0) * meterProPixel;
    const double zehner = std::pow(10, std::floor(std::log10(ziel)));
    for (const double f : {5.0, 2.0, 1.0})
        if (f * zehner <= ziel) return f * zehner;
    return zehner;
}

QString Masstabtext(double meter) {
    return meter >= 1000 ? QString("%1 km").arg(meter / 1000) : QString("%1 m").arg(meter);
}

} // namespace kartovex::karte
