// The output window: the point in every format, and "zurück".
#pragma once

#include <array>
#include <string>

#include "checks/Formate.h"

#include "windows/Werkzeug.h"

class foAusgabe : public kartovex::Fenster {
    Q_OBJECT
public:
    foAusgabe();

    // Used by the conversion: the texts of the output fields (a label's
    // caption, such as labStreifenbreite, the same way), the visibility of
    // fraGKAUS.
    void setzeText(kartovex::Aus feld, const std::string& text);
    std::string text(kartovex::Aus feld) const;
    void zeigeGK(bool sichtbar);

    // Every shown result as plain text, one format per line (Zusammenfassung).
    std::string Ergebnistext() const;

public slots:
    void comZurueck_Click();
    // Ctrl+Shift+C and the context menu of the window's background.
    void AlleErgebnisseKopieren();
    // Ctrl+K and the context menu: the shown point in the map window.
    void AufDerKarteZeigen();

private:
    void Laden();
    // Each output field, bound once when the window is built; a field is a
    // QLineEdit or, for labStreifenbreite, a QLabel.
    std::array<QWidget*, kartovex::AusAnzahl> felder{};
};
