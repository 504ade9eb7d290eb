#include "windows/Programm.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "geodesy/modKartovex.h"
#include "windows/Fenster.h"
#include "windows/Werkzeug.h"
#include "windows/foEingang.h"

namespace {

// Qt's own texts (the Yes and No of the quit question, the context menu of a
// field) in German whatever the user's locale, from the distribution's
// translations (package qt6-translations-l10n). Without the file they stay
// English and nothing is said. The program's icon on every window and box.
void Ausstattung() {
    static bool fertig = false;
    if (fertig) return;
    fertig = true;
    auto* qt = new QTranslator(qApp);
    if (qt->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/de.kartovex.KartovexLE.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("de.kartovex.KartovexLE"));
}

} // namespace

void Programmstart() {
    Ausstattung();
    // Every message of the geodesy module is a stop box with OK.
    modKartovex::setMeldungsausgabe([](const std::string& text) { kartovex::Fehlermeldung(text); });
    kartovex::Eingangsfenster().zeige();
}
