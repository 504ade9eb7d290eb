// "Berechnung" through the real windows (offscreen): one mouse click on the
// button with the program's example point in the fields of one format, from
// the press to the output window filled and shown. The output window exists
// already (one run before the timing creates it), as after a user's first
// run. The events a click leaves behind (activation, repaint requests) are
// handled between the timed clicks.
//
//   Berechnung/Klick/<format>    format 1 "Grad (dezimal)" ... 7 "Gauss-Krueger"
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

#include <string>

#include "bench/Qtbenchmark.h"
#include "windows/Fenster.h"
#include "windows/Programm.h"
#include "windows/Werkzeug.h"
#include "windows/foAusgabe.h"
#include "windows/foBerechnungen.h"
#include "windows/foEingang.h"

using namespace kartovex;

namespace {

const char* Formatknopf[8] = {"",
                              "comGradDezEIN",
                              "comGradMinEIN",
                              "comGradMinSekEIN",
                              "comUTMzivilEIN",
                              "comUTMmilEIN",
                              "comUTMrefEIN",
                              "comGKEIN"};
const char* Beispielknopf[8] = {"",
                                "comKrummboegleGrad",
                                "comKrummboegleMercator",
                                "comKrummboegleGMS",
                                "comZIV",
                                "comMIL",
                                "comREF",
                                "comKrummboegleGK"};

// A message box would stop the benchmark: any box is noted and closed
// unshown, as with Esc.
std::string Meldung;

QMessageBox::StandardButton Schliesse(const QMessageBox& box) {
    Meldung = box.text().toStdString();
    return QMessageBox::NoButton;
}

QPushButton* Knopf(const QWidget& fenster, const char* name) {
    return fenster.findChild<QPushButton*>(name);
}

void Klick(QWidget* knopf) {
    QTest::mouseClick(knopf, Qt::LeftButton);
}

// A fresh calculation window of the format with the example point, active as
// after the user's choice, and one run that creates the output window. Null
// when that run did not fill and show the output window.
QPushButton* Vorbereiten(int format) {
    if (foAusgabe* a = AusgabefensterFallsDa()) a->verwerfe();
    if (foBerechnungen* b = BerechnungsfensterFallsDa()) b->verwerfe();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Knopf(Eingangsfenster(), Formatknopf[format])->click();
    foBerechnungen& b = Berechnungsfenster();
    if (!QTest::qWaitForWindowActive(&b)) return nullptr;
    Knopf(b, Beispielknopf[format])->click();
    Meldung.clear();
    QPushButton* rechnen = Knopf(b, "comRechnen");
    Klick(rechnen); // the press leaves the first field, as a user's click does
    QApplication::processEvents();
    foAusgabe* a = AusgabefensterFallsDa();
    const bool gefuellt = a && a->isVisible() && !a->text(kartovex::Aus::texBreiteAUS).empty();
    return gefuellt && Meldung.empty() ? rechnen : nullptr;
}

void BM_Klick(benchmark::State& state) {
    QPushButton* rechnen = Vorbereiten(int(state.range(0)));
    if (!rechnen) {
        state.SkipWithError(("the example does not run: " + Meldung).c_str());
        return;
    }
    for (auto _ : state) {
        Klick(rechnen);
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (!Meldung.empty()) state.SkipWithError(Meldung.c_str());
}

BENCHMARK(BM_Klick)->Name("Berechnung/Klick")->DenseRange(1, 7)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return kartovex::QtBenchmarks(
        argc, argv,
        [] {
            Programmstart();
            kartovex::setzeBoxantwort(&Schliesse);
            return QTest::qWaitForWindowActive(&Eingangsfenster());
        },
        [] { Programmende(); });
}
