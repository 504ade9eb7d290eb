#include "windows/foKarte.h"

#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QSettings>
#include <QUrl>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "karte/Lagetext.h"
#include "windows/Fenster.h"
#include "windows/foEingang.h"

using namespace kartovex;
using karte::Lage;

namespace {

QPointer<foKarte> offen;

// Opening: the 100 km square and its neighbours, about 450 km across.
constexpr double StartKmQuer = 450;
// One wheel notch or +/- key zooms by this factor; an arrow key moves an
// eighth of the window.
constexpr double Zoomschritt = 1.5;
constexpr double Pfeilanteil = 0.125;

// The base map is the one thing the program keeps between runs.
QSettings Einstellungen() {
    return QSettings(QStringLiteral("kartovex"), QStringLiteral("KartovexLE"));
}
const QString GrundlageSchluessel = QStringLiteral("Karte/Grundlage");

} // namespace

// ---- The map view -----------------------------------------------------------

Kartenansicht::Kartenansicht(QWidget* eltern) : QWidget(eltern) {
    setObjectName("picKarte");
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
}

void Kartenansicht::Zentriere(Lage g) {
    sicht.Zentriere(g);
    update();
    emit geaendert();
}

void Kartenansicht::Zoome(double faktor, QPointF fest) {
    sicht.Zoome(faktor, {fest.x(), fest.y()});
    update();
    emit geaendert();
}

void Kartenansicht::Verschiebe(double dx, double dy) {
    sicht.Verschiebe(dx, dy);
    update();
    emit geaendert();
}

void Kartenansicht::paintEvent(QPaintEvent*) {
    QPainter p(this);
    karte::ZeichneKarte(p, sicht, stand);
}

void Kartenansicht::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    sicht.setzeGroesse(width(), height());
    emit geaendert();
}

void Kartenansicht::wheelEvent(QWheelEvent* e) {
    const double stufen = e->angleDelta().y() / 120.0;
    if (stufen != 0) Zoome(std::pow(Zoomschritt, stufen), e->position());
    e->accept();
}

void Kartenansicht::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) ziehen = e->position();
    QWidget::mousePressEvent(e);
}

void Kartenansicht::mouseMoveEvent(QMouseEvent* e) {
    if (ziehen && (e->buttons() & Qt::LeftButton)) {
        const QPointF d = e->position() - *ziehen;
        ziehen = e->position();
        Verschiebe(d.x(), d.y());
    }
    emit mausUeber(sicht.Ort({e->position().x(), e->position().y()}));
}

void Kartenansicht::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) ziehen.reset();
    QWidget::mouseReleaseEvent(e);
}

void Kartenansicht::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        emit uebernehmen(sicht.Ort({e->position().x(), e->position().y()}));
}

void Kartenansicht::keyPressEvent(QKeyEvent* e) {
    const double dx = width() * Pfeilanteil, dy = height() * Pfeilanteil;
    const QPointF mitte(width() / 2.0, height() / 2.0);
    switch (e->key()) {
    case Qt::Key_Left:
        return Verschiebe(dx, 0);
    case Qt::Key_Right:
        return Verschiebe(-dx, 0);
    case Qt::Key_Up:
        return Verschiebe(0, dy);
    case Qt::Key_Down:
        return Verschiebe(0, -dy);
    case Qt::Key_Plus:
        return Zoome(Zoomschritt, mitte);
    case Qt::Key_Minus:
        return Zoome(1 / Zoomschritt, mitte);
    case Qt::Key_Home:
        if (stand.punkt) Zentriere(*stand.punkt);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit uebernehmen(sicht.Mitte());
        return;
    default:
        QWidget::keyPressEvent(e);
    }
}

void Kartenansicht::contextMenuEvent(QContextMenuEvent* e) {
    menuOrt = e->reason() == QContextMenuEvent::Mouse ? QPointF(e->pos())
                                                      : QPointF(width() / 2.0, height() / 2.0);
    QMenu menu(this);
    menu.addActions(actions());
    menu.exec(mapToGlobal(menuOrt.toPoint()));
}

// ---- The window -------------------------------------------------------------

foKarte::foKarte() {
    setObjectName("foKarte");
    setWindowTitle("Lagekarte");
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    ansicht = new Kartenansicht(this);
    status = new QLabel(this);
    status->setObjectName("labStatus");
    status->setContentsMargins(6, 3, 6, 3);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status->setAccessibleName("Lage unter dem Mauszeiger");
    spalte->addWidget(ansicht, 1);
    spalte->addWidget(status);

    const auto aktion = [this](const char* name, const QString& text, QKeySequence taste,
                               auto slot) {
        auto* a = new QAction(text, this);
        a->setObjectName(name);
        a->setShortcut(taste);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, slot);
        ansicht->addAction(a);
        return a;
    };
    aktion("actUebernehmen", "Punkt übernehmen", QKeySequence(), &foKarte::PunktUebernehmen);
    aktion("actGrundlage", "Kartengrundlage …", QKeySequence(Qt::CTRL | Qt::Key_O),
           &foKarte::KartengrundlageWaehlen);
    entfernen = aktion("actGrundlageEntfernen", "Kartengrundlage entfernen", QKeySequence(),
                       &foKarte::entferneGrundlage);
    aktion("actOpenStreetMap", "In OpenStreetMap öffnen", QKeySequence(Qt::CTRL | Qt::Key_B),
           &foKarte::InOpenStreetMapOeffnen);

    connect(ansicht, &Kartenansicht::geaendert, this, &foKarte::Aktualisiere);
    connect(ansicht, &Kartenansicht::mausUeber, this, &foKarte::ZeigeMaus);
    connect(ansicht, &Kartenansicht::uebernehmen, this, &foKarte::Uebernimm);

    Lage({600, 600, 15000, 10500});
    ansicht->setFocus();
    entfernen->setEnabled(false);
    const QString gemerkt = Einstellungen().value(GrundlageSchluessel).toString();
    if (!gemerkt.isEmpty()) setzeGrundlage(gemerkt);
}

foKarte::~foKarte() {
    ansicht->stand.grundlage = nullptr;
}

foKarte* foKarte::FallsDa() {
    return offen;
}

foKarte& foKarte::Zeige(karte::Lage punkt, const std::string& utmref) {
    if (!offen) offen = new foKarte;
    offen->zeige(); // the view has its size from here on
    offen->Zentriere(punkt, utmref);
    offen->ansicht->setFocus();
    return *offen;
}

void foKarte::Zentriere(karte::Lage p, const std::string& utmref) {
    punkt = p;
    ansicht->stand.punkt = p;
    ansicht->stand.punktText = utmref;
    ansicht->ansicht() = karte::Ansicht(p, StartKmQuer, ansicht->width(), ansicht->height());
    ansicht->Zentriere(p);
}

void foKarte::Aktualisiere() {
    const std::string mitte = karte::UTMref(ansicht->ansicht().Mitte());
    ansicht->setAccessibleName(QString::fromStdString(
        "Karte, Mitte " + (mitte.empty() ? karte::Gradtext(ansicht->ansicht().Mitte()) : mitte)));
    ansicht->setAccessibleDescription(
        "Pfeiltasten verschieben, Plus und Minus zoomen, Pos1 zeigt den Punkt, "
        "Eingabe übernimmt die Mitte.");
    if (!ansicht->underMouse()) ZeigeMaus(ansicht->ansicht().Mitte());
}

void foKarte::ZeigeMaus(karte::Lage g) {
    const std::string ref = karte::UTMref(g);
    status->setText(QString::fromStdString(karte::Gradtext(g) + (ref.empty() ? "" : "    " + ref)));
}

void foKarte::Uebernimm(karte::Lage g) {
    Eingangsfenster().Einfuegen(karte::Uebernahmetext(g));
}

void foKarte::PunktUebernehmen() {
    const QPointF ort = ansicht->menuOrt.isNull()
                            ? QPointF(ansicht->width() / 2.0, ansicht->height() / 2.0)
                            : ansicht->menuOrt;
    ansicht->menuOrt = QPointF();
    Uebernimm(ansicht->ansicht().Ort({ort.x(), ort.y()}));
}

bool foKarte::setzeGrundlage(const QString& pfad) {
    auto neu = karte::Kacheln::Oeffne(pfad);
    if (!neu) {
        Fehlermeldung(karte::KachelnFehlermeldung(pfad).toStdString());
        activateWindow();
        return false;
    }
    grundlage = std::move(neu);
    ansicht->stand.grundlage = grundlage.get();
    Einstellungen().setValue(GrundlageSchluessel, pfad);
    entfernen->setEnabled(true);
    ansicht->update();
    return true;
}

void foKarte::entferneGrundlage() {
    ansicht->stand.grundlage = nullptr;
    grundlage.reset();
    Einstellungen().remove(GrundlageSchluessel);
    entfernen->setEnabled(false);
    ansicht->update();
}

void foKarte::KartengrundlageWaehlen() {
    const QString pfad = QFileDialog::getOpenFileName(
        this, "Kartengrundlage wählen", QString(), "MBTiles-Dateien (*.mbtiles);;Alle Dateien (*)");
    if (!pfad.isEmpty()) setzeGrundlage(pfad);
}

void foKarte::InOpenStreetMapOeffnen() {
    const karte::Lage g = punkt.value_or(ansicht->ansicht().Mitte());
    const QString url = QString("https://www.openstreetmap.org/?mlat=%1&mlon=%2#map=14/%1/%2")
                            .arg(g.breiteGrad, 0, 'f', 6)
                            .arg(g.laengeGrad, 0, 'f', 6);
    QDesktopServices::openUrl(QUrl(url));
}
