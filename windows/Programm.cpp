#include "windows/Programm.h"

#include <QLabel>

void Programmstart() {
    auto* platzhalter = new QLabel("KartovexLE: die Fenster folgen.");
    platzhalter->setAttribute(Qt::WA_DeleteOnClose);
    platzhalter->show();
}
