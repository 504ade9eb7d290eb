#include "karte/Kacheln.h"

#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <cmath>

#include "karte/Ansicht.h"

namespace kartovex::karte {

namespace {

quint64 Schluessel(int z, int x, int y) {
    return (quint64(z) << 58) | (quint64(x) << 29) | quint64(y);
}

} // namespace

Kacheln::Kacheln(QString p)
    : pfad(std::move(p)), verbindung(QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

Kacheln::~Kacheln() {
    QSqlDatabase::database(verbindung, false).close();
    QSqlDatabase::removeDatabase(verbindung);
}

std::unique_ptr<Kacheln> Kacheln::Oeffne(const QString& pfad) {
    if (!QFileInfo(pfad).isFile()) return nullptr;
    std::unique_ptr<Kacheln> k(new Kacheln(pfad));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), k->verbindung);
        db.setDatabaseName(pfad);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) return nullptr;
        QSqlQuery meta(db);
        if (meta.exec(QStringLiteral("SELECT name, value FROM metadata")))
            while (meta.next())
                if (meta.value(0).toString() == QLatin1String("attribution"))
                    k->namensnennung = meta.value(1).toString().remove(
                        QRegularExpression(QStringLiteral("<[^>]*>")));
        QSqlQuery grenzen(db);
        if (!grenzen.exec(QStringLiteral("SELECT MIN(zoom_level), MAX(zoom_level) FROM tiles")) ||
            !grenzen.next() || grenzen.value(0).isNull())
            return nullptr;
        k->minZoom = grenzen.value(0).toInt();
        k->maxZoom = grenzen.value(1).toInt();
        // One tile must decode, or the file is not what it claims to be.
        QSqlQuery probe(db);
        if (!probe.exec(QStringLiteral("SELECT tile_data FROM tiles LIMIT 1")) || !probe.next() ||
            QImage::fromData(probe.value(0).toByteArray()).isNull())
            return nullptr;
    }
    return k;
}

QImage Kacheln::Kachel(int z, int x, int y) const {
    const quint64 s = Schluessel(z, x, y);
    if (const QImage* bild = zwischenspeicher.object(s)) return *bild;
    QSqlQuery q(QSqlDatabase::database(verbindung, false));
    q.prepare(QStringLiteral("SELECT tile_data FROM tiles WHERE zoom_level = ? AND tile_column = ? "
                             "AND tile_row = ?"));
    q.addBindValue(z);
    q.addBindValue(x);
    q.addBindValue((1 << z) - 1 - y); // rows from the south
    QImage bild;
    if (q.exec() && q.next()) bild = QImage::fromData(q.value(0).toByteArray());
    zwischenspeicher.insert(s, new QImage(bild));
    return bild;
}

bool Kacheln::Zeichne(QPainter& p, const Ansicht& a) const {
    const int z = std::clamp(int(std::lround(std::log2(a.Weltpixel() / 256))), minZoom, maxZoom);
    const int n = 1 << z;
    const Weltpunkt oben = a.WeltAn({0, 0}), unten = a.WeltAn({a.Breite(), a.Hoehe()});
    bool gezeichnet = false;
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (int ty = std::max(int(std::floor(oben.y * n)), 0);
         ty <= std::min(int(std::floor(unten.y * n)), n - 1); ++ty)
        for (int tx = int(std::floor(oben.x * n)); tx <= int(std::floor(unten.x * n)); ++tx) {
            const QRectF ziel(QPointF(a.Bild(Weltpunkt{double(tx) / n, double(ty) / n}).x,
                                      a.Bild(Weltpunkt{double(tx) / n, double(ty) / n}).y),
                              QPointF(a.Bild(Weltpunkt{double(tx + 1) / n, double(ty + 1) / n}).x,
                                      a.Bild(Weltpunkt{double(tx + 1) / n, double(ty + 1) / n}).y));
            const int wx = ((tx % n) + n) % n;
            // The tile, or the part of the nearest coarser one that covers it.
            for (int stufe = z; stufe >= minZoom; --stufe) {
                const int teiler = 1 << (z - stufe);
                const QImage bild = Kachel(stufe, wx / teiler, ty / teiler);
                if (bild.isNull()) continue;
                const double seite = double(bild.width()) / teiler;
                const QRectF quelle((wx % teiler) * seite, (ty % teiler) * seite, seite,
                                    double(bild.height()) / teiler);
                p.drawImage(ziel, bild, quelle);
                gezeichnet = true;
                break;
            }
        }
    p.restore();
    return gezeichnet;
}

QString KachelnFehlermeldung(const QString& pfad) {
    return QStringLiteral("Die Kartengrundlage kann nicht gelesen werden:\r\n%1\r\n"
                          "Erwartet wird eine MBTiles-Datei mit PNG- oder JPEG-Kacheln.\r\n"
                          "Die Karte wird ohne sie gezeigt.")
        .arg(QFileInfo(pfad).fileName());
}

} // namespace kartovex::karte
