#include <QApplication>
#include <QLocale>

#include "geodesy/modKartovex.h"
#include "windows/Programm.h"
#include "windows/Werkzeug.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(kartovex::Programmtitel);
    // Regional number texts use the user's decimal separator.
    const QString trenner = QLocale::system().decimalPoint();
    modKartovex::setDezimaltrenner(trenner.isEmpty() ? '.' : trenner.front().toLatin1());
    Programmstart();
    return app.exec();
}
