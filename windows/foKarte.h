// The map window "Lagekarte": the shown point on a map with the UTM grid, the
// 100 km squares and the Gauss-Krueger strips; a position taken on the map
// becomes an input of the calculation window.
#pragma once

#include <QPointF>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "karte/Ansicht.h"
#include "karte/Kacheln.h"
#include "karte/Zeichner.h"
#include "windows/Werkzeug.h"

class QLabel;
class QAction;

namespace kartovex {

// The map itself: draws, zooms, pans and reports the position under the mouse.
class Kartenansicht : public QWidget {
    Q_OBJECT
public:
    explicit Kartenansicht(QWidget* eltern);

    karte::Ansicht& ansicht() { return sicht; }
    const karte::Ansicht& ansicht() const { return sicht; }
    karte::Kartenstand stand;
    // Where the last context menu was opened (the middle for the keyboard).
    QPointF menuOrt;

    // Moves the view and tells it (accessible name, status line).
    void Zentriere(karte::Lage g);
    void Zoome(double faktor, QPointF fest);
    void Verschiebe(double dx, double dy);

signals:
    void geaendert();
    void mausUeber(karte::Lage g);
    void uebernehmen(karte::Lage g);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    karte::Ansicht sicht;
    std::optional<QPointF> ziehen;
};

} // namespace kartovex

class foKarte : public kartovex::Fenster {
    Q_OBJECT
public:
    foKarte();
    ~foKarte() override;

    // Shows the map window (created on first use) centred on a point with
    // its UTMREF text, at the scale of its 100 km square and the neighbours.
    static foKarte& Zeige(kartovex::karte::Lage punkt, const std::string& utmref);
    // The window if it is open, else nullptr.
    static foKarte* FallsDa();

    kartovex::Kartenansicht& karte() { return *ansicht; }
    // The base map: opened from a file (a message when it cannot be read),
    // remembered between runs, or removed.
    bool setzeGrundlage(const QString& pfad);
    void entferneGrundlage();

public slots:
    void PunktUebernehmen();
    void KartengrundlageWaehlen();
    void InOpenStreetMapOeffnen();

private:
    void Zentriere(kartovex::karte::Lage punkt, const std::string& utmref);
    void Uebernimm(kartovex::karte::Lage g);
    void Aktualisiere();
    void ZeigeMaus(kartovex::karte::Lage g);

    kartovex::Kartenansicht* ansicht = nullptr;
    QLabel* status = nullptr;
    QAction* entfernen = nullptr;
    std::unique_ptr<kartovex::karte::Kacheln> grundlage;
    std::optional<kartovex::karte::Lage> punkt;
};
