// The calculation window: the input frames of the seven formats, the hint
// panel, "Berechnung", "Neue Startoptionen wählen", the quit label and the
// example buttons; the focus, key and leave handlers of the input fields.
#pragma once

#include <string>

#include "checks/Eingabe.h"
#include "checks/Grenzen.h"
#include "windows/Fokus.h"
#include "windows/Werkzeug.h"

class QLabel;

class foBerechnungen : public kartovex::Fenster {
    Q_OBJECT
public:
    foBerechnungen();

    // What the checks and the conversion see: every text field by objectName,
    // the option buttons that are on, the bound texts.
    kartovex::Eingabe eingabe() const;
    // Writes back the field texts that changed and the bound texts.
    void uebernehme(const kartovex::Eingabe& e);
    // Shows a check's message and moves the focus before or after it.
    void zeigePruefergebnis(const kartovex::Pruefergebnis& p);

    // Used by the entry window.
    void setzeLabel(const char* name, const std::string& text);
    void zeigeRahmen(const char* rahmen);
    // Moves the focus to a control as a handler does (lost, then got).
    void setzeFokus(const std::string& name);

    // RechtsMax, RechtsMin, HochMax, HochMin.
    kartovex::Grenzen grenzen;
    // The verdict of the last grid-format check.
    bool EingabeOK = false;

public slots:
    void comRechnen_Click();
    void comStartoption_Click();
    void labBeenden_DblClick();
    void texMeridian_Click();
    void comKrummboegleGrad_Click();
    void comKrummboegleMercator_Click();
    void comKrummboegleGMS_Click();
    void comZIV_Click();
    void comMIL_Click();
    void comREF_Click();
    void comKrummboegleGK_Click();

private:
    void Laden();
    void baueGrad();
    void baueGradMin();
    void baueGradMinSek();
    void baueZIV();
    void baueMIL();
    void baueREF();
    void baueGK();
    void baueBeispielknoepfe();
    void verbindeFelder();

    int KeyPress(const std::string& feld, int code);
    void GotFocus(kartovex::Textfeld* feld);
    void texZone_GotFocus();
    void texZone_LostFocus();
    void texRechts_GotFocus();
    void texHoch_GotFocus();

    kartovex::Textfeld* feld(const std::string& name) const;
    void schreibe(const std::string& feld, const char* text);

    kartovex::Fokussteuerung fokus{this};
};
