// Writes a small MBTiles file for the tests and the screenshot tool: every
// tile of the zoom levels 0 to maxZoom, each drawn by a given function.
#pragma once

#include <QBuffer>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <functional>

namespace kartovex::test {

using Kachelmaler = std::function<QImage(int z, int x, int y)>;

inline bool Probekacheln(const QString& pfad, int maxZoom, const Kachelmaler& maler) {
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "probekacheln");
        db.setDatabaseName(pfad);
        ok = db.open();
        QSqlQuery q(db);
        ok =
            ok && q.exec("CREATE TABLE metadata (name TEXT, value TEXT)") &&
            q.exec("INSERT INTO metadata VALUES ('attribution', '<a href=\"x\">Probekarte</a>')") &&
            q.exec("CREATE TABLE tiles (zoom_level INTEGER, tile_column INTEGER, "
                   "tile_row INTEGER, tile_data BLOB)");
        db.transaction();
        for (int z = 0; z <= maxZoom && ok; ++z)
            for (int x = 0; x < (1 << z); ++x)
                for (int y = 0; y < (1 << z); ++y) {
                    QByteArray png;
                    QBuffer puffer(&png);
                    maler(z, x, y).save(&puffer, "PNG");
                    q.prepare("INSERT INTO tiles VALUES (?, ?, ?, ?)");
                    q.addBindValue(z);
                    q.addBindValue(x);
                    q.addBindValue((1 << z) - 1 - y); // rows from the south
                    q.addBindValue(png);
                    ok = ok && q.exec();
                }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase("probekacheln");
    return ok;
}

} // namespace kartovex::test
