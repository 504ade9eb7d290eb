// The entry window: choice of the input format, the examples, quit.
#pragma once

#include <QString>

#include <string>

#include "windows/Werkzeug.h"

class foEingang : public kartovex::Fenster {
    Q_OBJECT
public:
    foEingang();

    // The hint text of an input format (1 to 7), lines ended by CR LF.
    static std::string Hinweistext(unsigned format);

public slots:
    void comGradDezEIN_Click() { Formatwahl(1); }
    void comGradMinEIN_Click() { Formatwahl(2); }
    void comGradMinSekEIN_Click() { Formatwahl(3); }
    void comUTMzivilEIN_Click() { Formatwahl(4); }
    void comUTMmilEIN_Click() { Formatwahl(5); }
    void comUTMrefEIN_Click() { Formatwahl(6); }
    void comGKEIN_Click() { Formatwahl(7); }
    void comBeenden_Click();
    // Ctrl+V and Shift+Insert: the clipboard's coordinate into the fields of
    // its format, ready for "Berechnung".
    void Einfuegen();
    // The same for a given text (the map hands on the position it takes).
    void Einfuegen(const std::string& text);
    // "Datei umrechnen …": the file dialog for a file (or none yet).
    void DateiUmrechnen(const QString& datei = {});

protected:
    // A file dropped on the window opens the file dialog for it.
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void Laden();
    void Formatwahl(unsigned format);

    // The Gauss-Krueger bounds, written by the Gauss-Krueger button for the
    // bound labels of the calculation window.
    std::string GKRechtsMax, GKRechtsMin, GKHochMax, GKHochMin;
};
