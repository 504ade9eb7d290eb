#include "windows/Werkzeug.h"

#include "windows/Fenster.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kartovex {

int Pixel(int twips) {
    const QScreen* schirm = QGuiApplication::primaryScreen();
    const double dpi = schirm ? schirm->logicalDotsPerInchY() : 96.0;
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

void Platziere(QWidget* w, const Twips& t) {
    w->setGeometry(Pixel(t.links), Pixel(t.oben), Pixel(t.breite), Pixel(t.hoehe));
}

QFont Arial(double punkt) {
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPointSizeF(punkt);
    return f;
}

void Hintergrund(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void Textfarbe(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

QString Anzeigetext(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

namespace {

Boxantwort boxantwort;

// Shows a modal box and waits. The window that was active before gets the
// activation back afterwards, so that focus moves after the box reach it.
// With a Boxantwort set, the box is built the same way but not shown; an
// answer that is none of its buttons counts as Esc.
QMessageBox::StandardButton ZeigeBox(QMessageBox::Icon symbol, const std::string& text,
                                     QMessageBox::StandardButtons knoepfe,
                                     QMessageBox::StandardButton vorgabe) {
    QPointer<QWidget> vorher = QApplication::activeWindow();
    QMessageBox box(symbol, Programmtitel, Anzeigetext(text), knoepfe, vorher);
    box.setTextFormat(Qt::PlainText);
    // The box is an alert for a screen reader; it carries its whole text. Its
    // text label is tied to the box, so that the text is not read twice.
    box.setAccessibleDescription(box.text());
    if (auto* zeilen = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        zeilen->setBuddy(&box);
    box.setDefaultButton(vorgabe);
    box.setEscapeButton(vorgabe);
    if (boxantwort) {
        const QMessageBox::StandardButton antwort = boxantwort(box);
        return knoepfe.testFlag(antwort) ? antwort : vorgabe;
    }
    const auto antwort = static_cast<QMessageBox::StandardButton>(box.exec());
    if (vorher) vorher->activateWindow();
    return antwort;
}

} // namespace

Boxantwort setzeBoxantwort(Boxantwort antwort) {
    return std::exchange(boxantwort, std::move(antwort));
}

void Fehlermeldung(const std::string& text) {
    ZeigeBox(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool Frage(const std::string& text) {
    return ZeigeBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::No) == QMessageBox::Yes;
}

int Zeichencode(const QKeyEvent& e) {
    if (e.matches(QKeySequence::Paste)) return 22;
    if (e.matches(QKeySequence::Cut)) return 24;
    const auto mods = e.modifiers();
    const int key = e.key();
    if ((mods & Qt::ControlModifier) && !(mods & (Qt::AltModifier | Qt::MetaModifier)) &&
        key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    const QString text = e.text();
    if (text.isEmpty()) return -1;
    const char32_t code = text.toUcs4().value(0);
    return code >= 32 && code != 127 ? static_cast<int>(code) : -1;
}

Textfeld::Textfeld(QWidget* eltern) : QLineEdit(eltern) {}

void Textfeld::setzeTastenhandler(Tastenhandler h) {
    taste = std::move(h);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool Textfeld::verarbeite(QKeyEvent* e, int code) {
    const int neu = taste ? taste(code) : code;
    // Discarded, or Enter: its focus move is done and it types nothing. A
    // paste key that a field without a filter lets through pastes nothing
    // either: the pasted text would pass the rules by (upper case, messages).
    if (neu == 0 || neu == 13 || (taste && neu == 22)) {
        e->accept();
        return true;
    }
    if (neu != code) {
        // The replacement is typed as if the user had pressed it, so cursor,
        // selection, maximum length and undo behave as usual.
        QKeyEvent ersatz(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                         QString(QChar(char16_t(neu))));
        QLineEdit::keyPressEvent(&ersatz);
        e->accept();
        return true;
    }
    return false;
}

void Textfeld::tippe(const QString& text) {
    for (const QChar zeichen : text) {
        QKeyEvent taste(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(zeichen));
        QCoreApplication::sendEvent(this, &taste);
    }
}

bool Textfeld::event(QEvent* e) {
    // Tab never reaches keyPressEvent: the widget consumes it for focus traversal.
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) && verarbeite(k, 9))
            return true;
    }
    return QLineEdit::event(e);
}

void Textfeld::keyPressEvent(QKeyEvent* e) {
    const int code = Zeichencode(*e);
    if (code >= 0 && verarbeite(e, code)) return;
    QLineEdit::keyPressEvent(e);
}

void Textfeld::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    mausAuswahl =
        e->reason() == Qt::MouseFocusReason && !text().isEmpty() && selectedText() == text();
}

void Textfeld::mousePressEvent(QMouseEvent* e) {
    if (taste && e->button() == Qt::MiddleButton) return e->accept(); // no selection paste
    QLineEdit::mousePressEvent(e);
    if (mausAuswahl) selectAll();
}

void Textfeld::mouseMoveEvent(QMouseEvent* e) {
    if (mausAuswahl) return; // no drag selection during the click that brought the focus
    QLineEdit::mouseMoveEvent(e);
}

void Textfeld::mouseReleaseEvent(QMouseEvent* e) {
    if (taste && e->button() == Qt::MiddleButton) return e->accept(); // no selection paste
    QLineEdit::mouseReleaseEvent(e);
    if (mausAuswahl) selectAll();
    mausAuswahl = false;
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit geklickt();
}

void Textfeld::dragEnterEvent(QDragEnterEvent* e) {
    if (taste) return e->ignore();
    QLineEdit::dragEnterEvent(e);
}

void Textfeld::dropEvent(QDropEvent* e) {
    if (taste) return e->ignore();
    QLineEdit::dropEvent(e);
}

void Knopf::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    const bool gedrueckt = isDown();
    const QBrush flaeche = palette().brush(QPalette::Button);
    qDrawWinButton(&maler, rect(), palette(), gedrueckt, &flaeche);
    QRect innen = rect().adjusted(4, 4, -4, -4);
    if (hasFocus()) {
        QPen punkte(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
        maler.setPen(punkte);
        maler.drawRect(innen.adjusted(0, 0, -1, -1));
    }
    if (gedrueckt) innen.translate(1, 1);
    maler.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    maler.drawText(innen, Qt::AlignCenter | Qt::TextWordWrap, text());
}

void Knopf::keyPressEvent(QKeyEvent* e) {
    // Space is the toolkit's own: pressed on key press, clicked on release.
    // An Enter held down since the field that moved the focus here does not
    // press the button by its repeats.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        !(e->modifiers() & ~Qt::KeypadModifier)) {
        if (!e->isAutoRepeat()) click();
        return e->accept();
    }
    QPushButton::keyPressEvent(e);
}

void Gruppenrahmen::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    const QFontMetrics fm(font());
    const int linie = fm.height() / 2;
    qDrawShadeRect(&maler, QRect(0, linie, width(), height() - linie), palette(), true, 1, 0);
    if (title().isEmpty()) return;
    // The caption interrupts the line, on the frame's own background.
    const int links = Pixel(120);
    const QRect titel(links - 2, 0, fm.horizontalAdvance(title()) + 4, fm.height());
    maler.fillRect(titel, palette().brush(QPalette::Window));
    maler.setPen(palette().color(QPalette::WindowText));
    maler.drawText(titel, Qt::AlignCenter | Qt::TextSingleLine, title());
}

void Klicklabel::mouseDoubleClickEvent(QMouseEvent* e) {
    QLabel::mouseDoubleClickEvent(e);
    emit doppelklick();
}

void Rand(QLabel* l) {
    l->setFrameStyle(QFrame::Box | QFrame::Plain);
    l->setLineWidth(1);
}

QLabel* NeuesLabel(QWidget* eltern, const char* name, const QString& text, const Twips& t,
                   double punkt, Qt::Alignment ausrichtung) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    l->setFont(Arial(punkt));
    l->setWordWrap(true);
    l->setAlignment(ausrichtung);
    Platziere(l, t);
    return l;
}

Textfeld* NeuesTextfeld(QWidget* eltern, const char* name, const Twips& t, const QColor& farbe,
                        Qt::Alignment ausrichtung) {
    auto* f = new Textfeld(eltern);
    f->setObjectName(name);
    f->setFont(Arial(12));
    f->setAlignment(ausrichtung | Qt::AlignVCenter);
    QPalette p = f->palette();
    p.setColor(QPalette::Base, farbe);
    f->setPalette(p);
    Platziere(f, t);
    return f;
}

QGroupBox* NeuerRahmen(QWidget* eltern, const char* name, const QString& titel, const Twips& t,
                       double punkt) {
    auto* r = new Gruppenrahmen(titel, eltern);
    r->setObjectName(name);
    r->setFont(Arial(punkt));
    r->setAutoFillBackground(true);
    Platziere(r, t);
    return r;
}

namespace {

// Presents an option frame as a group: Qt would call a plain frame a "frame",
// which a screen reader takes for a window.
QAccessibleInterface* Gruppenschnittstelle(const QString& klasse, QObject* objekt) {
    if (klasse != QLatin1String(Optionsrahmen::staticMetaObject.className())) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(objekt), QAccessible::Grouping);
}

} // namespace

QFrame* NeuerRahmenOhneRand(QWidget* eltern, const char* name, const Twips& t) {
    static const bool angemeldet = (QAccessible::installFactory(Gruppenschnittstelle), true);
    (void)angemeldet;
    auto* r = new Optionsrahmen(eltern);
    r->setObjectName(name);
    r->setFrameStyle(QFrame::NoFrame);
    Platziere(r, t);
    return r;
}

QRadioButton* NeueOption(QWidget* eltern, const char* name, const QString& text, const Twips& t,
                         bool an) {
    auto* o = new QRadioButton(text, eltern);
    o->setObjectName(name);
    o->setFont(Arial(12));
    o->setChecked(an);
    Platziere(o, t);
    return o;
}

QPushButton* NeuerKnopf(QWidget* eltern, const char* name, const QString& text, const Twips& t) {
    auto* k = new Knopf(text, eltern);
    k->setObjectName(name);
    // The system's button face, not the colour of the frame that holds it.
    QPalette p = k->palette();
    p.setColor(QPalette::Button, QApplication::palette().color(QPalette::Button));
    k->setPalette(p);
    k->setFont(Arial(12));
    k->setAutoDefault(false);
    Platziere(k, t);
    return k;
}

QLineEdit* NeuesBlindfeld(QWidget* eltern, const char* name, const Twips& t,
                          std::string_view sprechname) {
    auto* f = new QLineEdit(eltern);
    f->setObjectName(name);
    Benenne(f, sprechname);
    f->setReadOnly(true); // also no cursor, no paste, no drop
    f->setFrame(false);
    f->setContextMenuPolicy(Qt::NoContextMenu);
    QPalette p = f->palette();
    p.setColor(QPalette::Base, Qt::transparent);
    f->setPalette(p);
    Platziere(f, t);
    return f;
}

void Benenne(QWidget* w, std::string_view name, std::string_view beschreibung) {
    w->setAccessibleName(QString::fromUtf8(name.data(), qsizetype(name.size())));
    if (!beschreibung.empty())
        w->setAccessibleDescription(
            QString::fromUtf8(beschreibung.data(), qsizetype(beschreibung.size())));
}

QRect Einpassen(QRect aussen, const QRect& frei) {
    aussen.setWidth(std::min(aussen.width(), frei.width()));
    aussen.setHeight(std::min(aussen.height(), frei.height()));
    aussen.moveLeft(std::clamp(aussen.left(), frei.left(), frei.right() + 1 - aussen.width()));
    aussen.moveTop(std::clamp(aussen.top(), frei.top(), frei.bottom() + 1 - aussen.height()));
    return aussen;
}

Fenster::Fenster() {
    setAttribute(Qt::WA_DeleteOnClose);
}

void Fenster::Lage(const Twips& t) {
    soll = QRect(Pixel(t.links), Pixel(t.oben), Pixel(t.breite), Pixel(t.hoehe));
    gesetzterRand = QMargins(-1, -1, -1, -1);
    passeEin();
}

void Fenster::passeEin() {
    const QMargins rand = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (rand == gesetzterRand || soll.isEmpty()) return;
    gesetzterRand = rand;
    const QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect aussen = schirm ? Einpassen(soll, schirm->availableGeometry()) : soll;
    move(aussen.topLeft());
    resize(aussen.size().shrunkBy(rand));
}

void Fenster::tabNurImSichtbaren() {
    for (QWidget* w : findChildren<QWidget*>()) {
        // The focus policy the control was made with, remembered on first sight.
        QVariant eigen = w->property("kartovexTabfokus");
        if (!eigen.isValid()) {
            if (!(w->focusPolicy() & Qt::TabFocus)) continue;
            eigen = int(w->focusPolicy());
            w->setProperty("kartovexTabfokus", eigen);
        }
        const auto politik = static_cast<Qt::FocusPolicy>(eigen.toInt());
        const bool sichtbar = rect().intersects(QRect(w->mapTo(this, QPoint()), w->size()));
        w->setFocusPolicy(sichtbar ? politik
                                   : static_cast<Qt::FocusPolicy>(politik & ~Qt::TabFocus));
    }
}

void Fenster::zeige() {
    show();
    raise();
    activateWindow();
}

void Fenster::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    passeEin();
}

void Fenster::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    // The window manager frames the window after it is shown and moves it then.
    passeEin();
}

void Fenster::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    tabNurImSichtbaren();
}

void Fenster::closeEvent(QCloseEvent* e) {
    Vergiss(this);
    QWidget::closeEvent(e);
}

} // namespace kartovex
