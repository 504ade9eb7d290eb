// The calculation window: the input frames of the seven formats, the hint
// panel, "Berechnung", "Neue Startoptionen wählen", the quit label and the
// example buttons; the focus, key and leave handlers of the input fields.
#pragma once

#include <array>
#include <string>

#include "checks/Eingabe.h"
#include "checks/Erkennung.h"
#include "checks/Grenzen.h"
#include "windows/Fokus.h"
#include "windows/Werkzeug.h"

class QLabel;
class QRadioButton;

class foBerechnungen : public kartovex::Fenster {
    Q_OBJECT
public:
    foBerechnungen();

    // What the checks and the conversion see: every input field, the option
    // buttons that are on, the bound texts.
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
    void setzeFokus(kartovex::Feld f);
    // A recognised pasted text: each field of its format cleared and its text
    // typed through the field's key rules, the options it names turned on.
    void fuelle(const kartovex::Erkennung& r);
    // The widget of an input field.
    kartovex::Textfeld* feld(kartovex::Feld f) const { return felder[kartovex::Index(f)]; }

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
    void bindeFelder();
    void verbindeFelder();
    void schreibeBeispiel(int format);

    int KeyPress(kartovex::Feld feld, int code);
    void GotFocus(kartovex::Textfeld* feld);
    void texZone_GotFocus();
    void texZone_LostFocus();
    void texRechts_GotFocus();
    void texHoch_GotFocus();
    void beschreibeMitGrenzen(kartovex::Feld f, QString grenzen);

    // Each input field and option button, bound once when the window is built.
    std::array<kartovex::Textfeld*, kartovex::FeldAnzahl> felder{};
    std::array<QRadioButton*, kartovex::OptionAnzahl> optionen{};
    kartovex::Textfeld* meridian = nullptr;

    kartovex::Fokussteuerung fokus{this};
};
