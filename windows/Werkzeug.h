// The thin toolkit layer: layout in twips, fonts and colours, the message
// boxes of the program, and the text field that hands every typed character
// code to its window's key handler.
#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>

class QKeyEvent;
class QRadioButton;

namespace kartovex {

// The program's name: the application name and the title of every message box.
inline const QString Programmtitel = QStringLiteral("KartovexQuendo");

// A place in twips: left, top, width, height.
struct Twips {
    int links;
    int oben;
    int breite;
    int hoehe;
};

// Twips to pixels: 15 twips per pixel at 96 dpi, scaled with the screen's logical dpi.
int Pixel(int twips);
void Platziere(QWidget* w, const Twips& t);

// Arial bold in the given point size.
QFont Arial(double punkt);

// The colours of the input and output fields.
namespace farbe {
inline const QColor Breite{192, 255, 192}; // latitude and Hoch fields
inline const QColor Laenge{255, 255, 192}; // longitude, Rechts and meridian fields
inline const QColor Zone{192, 255, 255};
inline const QColor Quadrat{192, 192, 255}; // 100 km square, UTMREF digits, military text
inline const QColor Gruppe{255, 224, 192};  // the 2-digit groups of military UTM
inline const QColor Dunkelgruen{0, 128, 0};
inline const QColor Grau{192, 192, 192};
inline const QColor Rot{255, 128, 128};
} // namespace farbe

void Hintergrund(QWidget* w, const QColor& c);
void Textfarbe(QWidget* w, const QColor& c);

// A text of the system as the toolkit shows it: CR LF becomes one line break.
QString Anzeigetext(const std::string& text);

// Error message: stop icon, the single button OK. Waits until the user closes it.
void Fehlermeldung(const std::string& text);
// Question with Yes and No, No as default. True when the user answers Yes.
bool Frage(const std::string& text);

// The message boxes' seam for tests: while an answer function is set, every
// box is built as it would be shown (text, icon, buttons, default button,
// caption) and handed to the function instead of waiting for a user; its
// return is the button pressed. An empty function shows real boxes again.
// Returns the function set before.
using Boxantwort = std::function<QMessageBox::StandardButton(const QMessageBox& box)>;
Boxantwort setzeBoxantwort(Boxantwort antwort);

// The character code of a key press as the key handlers see it: Ctrl+A..Z
// give 1..26, Return and Enter 13, Backspace 8, Tab and Backtab 9, Esc 27,
// otherwise the typed character when it is printable. -1 for keys that type
// nothing (arrows, Delete, a bare Shift). Every paste key (Shift+Insert too)
// gives 22 like Ctrl+V, every cut key 24 like Ctrl+X.
int Zeichencode(const QKeyEvent& e);

// Single-line text field. Its key handler sees every typed character code
// (Tab included) and returns the code to type, or 0 to discard the key.
class Textfeld : public QLineEdit {
    Q_OBJECT
public:
    using Tastenhandler = std::function<int(int code)>;
    explicit Textfeld(QWidget* eltern);
    // A field with a key handler takes text only through it: no context menu,
    // no middle-click paste of the X selection, no drop, no input method
    // (its committed text would pass the handler by); paste keys reach the
    // handler as Ctrl+V does.
    void setzeTastenhandler(Tastenhandler h);
    // Types the characters as key presses: each goes through the key handler
    // exactly as a typed one does.
    void tippe(const QString& text);

signals:
    void geklickt();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    // Runs the handler; true when the key is used up (discarded or Enter).
    bool verarbeite(QKeyEvent* e, int code);
    Tastenhandler taste;
    // The focus came by mouse and the field selected its text: keep the
    // selection through the press and release of that click.
    bool mausAuswahl = false;
};

// Command button drawn flat in its background colour with a raised edge,
// sunken while pressed, a dotted focus mark whenever it has the focus; its
// caption wraps at word boundaries when it is wider than the button. Enter,
// keypad Enter and Space press it while it has the focus.
class Knopf : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

// Frame with a caption: opaque in its background colour, so that it covers
// whatever lies below it; the etched border line runs through the middle of
// the caption, and the controls are placed from the frame's top edge.
class Gruppenrahmen : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* e) override;
};

// The borderless frame of an option group; its own class, so that the
// accessibility factory can present it as a group.
class Optionsrahmen : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
};

// Label with a double-click event.
class Klicklabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void doppelklick();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

// Factories for the controls of the windows. Texts are the system's own;
// labels wrap at word boundaries and align top left unless told otherwise.
QLabel* NeuesLabel(QWidget* eltern, const char* name, const QString& text, const Twips& t,
                   double punkt, Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignTop);
Textfeld* NeuesTextfeld(QWidget* eltern, const char* name, const Twips& t, const QColor& farbe,
                        Qt::Alignment ausrichtung = Qt::AlignLeft);
QGroupBox* NeuerRahmen(QWidget* eltern, const char* name, const QString& titel, const Twips& t,
                       double punkt);
// A borderless frame that holds one group of option buttons; a screen reader
// sees it as a group, named after what its buttons choose.
QFrame* NeuerRahmenOhneRand(QWidget* eltern, const char* name, const Twips& t);
QRadioButton* NeueOption(QWidget* eltern, const char* name, const QString& text, const Twips& t,
                         bool an);
QPushButton* NeuerKnopf(QWidget* eltern, const char* name, const QString& text, const Twips& t);
// The field that only holds the focus: takes no text from any key, paste or
// drop, and draws nothing, so that what lies below it stays whole. A screen
// reader calls it by `sprechname`, which says where the focus is.
QLineEdit* NeuesBlindfeld(QWidget* eltern, const char* name, const Twips& t,
                          std::string_view sprechname);

// What a screen reader says for a control: its name and, when given, its
// description. What the control shows stays as it is.
void Benenne(QWidget* w, std::string_view name, std::string_view beschreibung = {});

// Makes a label show a single border.
void Rand(QLabel* l);

// The outer rectangle of a window moved into the available area of the
// screen just as far as needed, shrunk only where it is larger than the area.
QRect Einpassen(QRect aussen, const QRect& frei);

// Base of the three windows: placed by its outer size in twips, deleted when
// closed (through the frame or by the program), never modal.
class Fenster : public QWidget {
    Q_OBJECT
public:
    Fenster();
    // Position and outer size (frame included), fitted into the available
    // area of the screen. Without a window manager the frame is empty; with
    // one, the client area shrinks by the frame once the frame is known.
    void Lage(const Twips& t);
    // Shows the window non-modally and brings it to the front.
    void zeige();
    // Discards the window: closed and deleted, as if never created.
    void verwerfe() { close(); }

protected:
    void showEvent(QShowEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // Places the window by `soll` whenever its frame differs from the one it
    // was last placed with (unknown before the window manager framed it).
    void passeEin();
    // Controls that lie outside the visible area take no Tab focus.
    void tabNurImSichtbaren();
    QRect soll;
    QMargins gesetzterRand{-1, -1, -1, -1};
};

} // namespace kartovex
