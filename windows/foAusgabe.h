// The output window: the point in every format, and "zurück".
#pragma once

#include <string>

#include "windows/Werkzeug.h"

class foAusgabe : public kartovex::Fenster {
    Q_OBJECT
public:
    foAusgabe();

    // Used by the conversion: field texts by objectName (a label's caption,
    // such as labStreifenbreite, the same way), the visibility of fraGKAUS.
    void setzeText(const std::string& feld, const std::string& text);
    std::string text(const std::string& feld) const;
    void zeigeGK(bool sichtbar);
    void setzeStreifenbreite(const std::string& text);

    // Every shown result as plain text, one format per line (Zusammenfassung).
    std::string Ergebnistext() const;

public slots:
    void comZurueck_Click();
    // Ctrl+Shift+C and the context menu of the window's background.
    void AlleErgebnisseKopieren();

private:
    void Laden();
};
