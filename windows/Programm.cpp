#include "windows/Programm.h"

#include "geodesy/modKartovex.h"
#include "windows/Fenster.h"
#include "windows/Werkzeug.h"
#include "windows/foEingang.h"

void Programmstart() {
    // Every message of the geodesy module is a stop box with OK.
    modKartovex::setMeldungsausgabe([](const std::string& text) { kartovex::Fehlermeldung(text); });
    kartovex::Eingangsfenster().zeige();
}
