// A base map of the user's own: an MBTiles file (SQLite with PNG or JPEG
// tiles in Web Mercator, rows counted from the south), read with Qt's SQLite
// driver and drawn under the grid.
#pragma once

#include <QCache>
#include <QImage>
#include <QString>
#include <memory>

class QPainter;

namespace kartovex::karte {

class Ansicht;

class Kacheln {
public:
    ~Kacheln();
    Kacheln(const Kacheln&) = delete;
    Kacheln& operator=(const Kacheln&) = delete;

    // Opens a file and reads its metadata and one tile; nothing when the file
    // is no readable MBTiles file.
    static std::unique_ptr<Kacheln> Oeffne(const QString& pfad);

    // Draws the tiles that cover the view (a missing tile is replaced by the
    // matching part of a coarser one). False when not one tile covers it.
    bool Zeichne(QPainter& p, const Ansicht& a) const;

    QString Pfad() const { return pfad; }
    // The "attribution" of the metadata (HTML tags removed); may be empty.
    QString Namensnennung() const { return namensnennung; }
    int MinZoom() const { return minZoom; }
    int MaxZoom() const { return maxZoom; }

    // One tile, rows counted from the north as in the view; null when the
    // file has none there. Decoded tiles are kept for the next frame.
    QImage Kachel(int z, int x, int y) const;

private:
    explicit Kacheln(QString pfad);

    QString pfad;
    QString verbindung; // the name of the SQLite connection
    QString namensnennung;
    int minZoom = 0;
    int maxZoom = 0;
    mutable QCache<quint64, QImage> zwischenspeicher{256};
};

// The German message when a base map cannot be read.
QString KachelnFehlermeldung(const QString& pfad);

} // namespace kartovex::karte
