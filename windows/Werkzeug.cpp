#include "windows/Werkzeug.h"

#include "windows/Fenster.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>

#include <cmath>

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

// Shows a modal box and waits. The window that was active before gets the
// activation back afterwards, so that focus moves after the box reach it.
QMessageBox::StandardButton ZeigeBox(QMessageBox::Icon symbol, const std::string& text,
                                     QMessageBox::StandardButtons knoepfe,
                                     QMessageBox::StandardButton vorgabe) {
    QPointer<QWidget> vorher = QApplication::activeWindow();
    QMessageBox box(symbol, Programmtitel, Anzeigetext(text), knoepfe, vorher);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(vorgabe);
    box.setEscapeButton(vorgabe);
    const auto antwort = static_cast<QMessageBox::StandardButton>(box.exec());
    if (vorher) vorher->activateWindow();
    return antwort;
}

} // namespace

void Fehlermeldung(const std::string& text) {
    ZeigeBox(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool Frage(const std::string& text) {
    return ZeigeBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::No) == QMessageBox::Yes;
}

int Zeichencode(const QKeyEvent& e) {
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
}

bool Textfeld::verarbeite(QKeyEvent* e, int code) {
    const int neu = taste ? taste(code) : code;
    if (neu == 0 || neu == 13) {
        // Discarded, or Enter: its focus move is done and it types nothing.
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
    QLineEdit::mousePressEvent(e);
    if (mausAuswahl) selectAll();
}

void Textfeld::mouseMoveEvent(QMouseEvent* e) {
    if (mausAuswahl) return; // no drag selection during the click that brought the focus
    QLineEdit::mouseMoveEvent(e);
}

void Textfeld::mouseReleaseEvent(QMouseEvent* e) {
    QLineEdit::mouseReleaseEvent(e);
    if (mausAuswahl) selectAll();
    mausAuswahl = false;
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit geklickt();
}

void Knopf::paintEvent(QPaintEvent*) {
    QStylePainter maler(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    maler.drawControl(QStyle::CE_PushButton, option);
    const QRect innen = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    maler.drawItemText(innen, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                       QPalette::ButtonText);
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
    auto* r = new QGroupBox(titel, eltern);
    r->setObjectName(name);
    r->setFont(Arial(punkt));
    Platziere(r, t);
    return r;
}

QFrame* NeuerRahmenOhneRand(QWidget* eltern, const char* name, const Twips& t) {
    auto* r = new QFrame(eltern);
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
    k->setFont(Arial(12));
    k->setAutoDefault(false);
    Platziere(k, t);
    return k;
}

Fenster::Fenster() {
    setAttribute(Qt::WA_DeleteOnClose);
}

void Fenster::Lage(const Twips& t) {
    aussen = QSize(Pixel(t.breite), Pixel(t.hoehe));
    move(Pixel(t.links), Pixel(t.oben));
    resize(aussen);
}

void Fenster::zeige() {
    show();
    raise();
    activateWindow();
}

void Fenster::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // The frame is known only after the window manager has taken the window.
    QTimer::singleShot(0, this, [this] {
        const QSize rand = frameGeometry().size() - size();
        if (!rand.isEmpty() && size() == aussen) resize(aussen - rand);
    });
}

void Fenster::closeEvent(QCloseEvent* e) {
    Vergiss(this);
    QWidget::closeEvent(e);
}

} // namespace kartovex
