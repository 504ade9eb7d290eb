#include "windows/Fenster.h"

#include <QCoreApplication>
#include <QPointer>

#include "windows/foAusgabe.h"
#include "windows/foBerechnungen.h"
#include "windows/foEingang.h"
#include "windows/foKarte.h"

namespace kartovex {

namespace {

QPointer<foEingang> eingang;
QPointer<foBerechnungen> berechnungen;
QPointer<foAusgabe> ausgabe;

template <class T> T& Besorge(QPointer<T>& fenster) {
    if (!fenster) fenster = new T;
    return *fenster;
}

template <class T> void Schliesse(QPointer<T>& fenster) {
    if (T* f = fenster) f->verwerfe();
}

} // namespace

foEingang& Eingangsfenster() {
    return Besorge(eingang);
}
foBerechnungen& Berechnungsfenster() {
    return Besorge(berechnungen);
}
foAusgabe& Ausgabefenster() {
    return Besorge(ausgabe);
}

foEingang* EingangsfensterFallsDa() {
    return eingang;
}
foBerechnungen* BerechnungsfensterFallsDa() {
    return berechnungen;
}
foAusgabe* AusgabefensterFallsDa() {
    return ausgabe;
}

void Vergiss(const QWidget* fenster) {
    if (eingang == fenster) eingang = nullptr;
    if (berechnungen == fenster) berechnungen = nullptr;
    if (ausgabe == fenster) ausgabe = nullptr;
}

void Programmende() {
    if (foKarte* karte = foKarte::FallsDa()) karte->verwerfe();
    Schliesse(ausgabe);
    Schliesse(berechnungen);
    Schliesse(eingang);
    QCoreApplication::quit();
}

} // namespace kartovex
