#include "windows/Fenster.h"

#include <QCoreApplication>
#include <QPointer>

#include "windows/foAusgabe.h"
#include "windows/foBerechnungen.h"
#include "windows/foEingang.h"

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

foEingang& Eingang() {
    return Besorge(eingang);
}
foBerechnungen& Berechnungen() {
    return Besorge(berechnungen);
}
foAusgabe& Ausgabe() {
    return Besorge(ausgabe);
}

foEingang* EingangFallsDa() {
    return eingang;
}
foBerechnungen* BerechnungenFallsDa() {
    return berechnungen;
}
foAusgabe* AusgabeFallsDa() {
    return ausgabe;
}

void Vergiss(const QWidget* fenster) {
    if (eingang == fenster) eingang = nullptr;
    if (berechnungen == fenster) berechnungen = nullptr;
    if (ausgabe == fenster) ausgabe = nullptr;
}

void Programmende() {
    Schliesse(ausgabe);
    Schliesse(berechnungen);
    Schliesse(eingang);
    QCoreApplication::quit();
}

} // namespace kartovex
