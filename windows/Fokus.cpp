#include "windows/Fokus.h"

#include <QAccessible>
#include <QEvent>

namespace kartovex {

Fokussteuerung::Fokussteuerung(QWidget* fenster) : QObject(fenster), fenster(fenster) {}

void Fokussteuerung::beobachteAlle() {
    for (QWidget* w : fenster->findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus) w->installEventFilter(this);
}

void Fokussteuerung::rufe(const std::map<QWidget*, Handler>& handler, QWidget* w) {
    if (auto it = handler.find(w); it != handler.end() && it->second) it->second();
}

void Fokussteuerung::bewege(QWidget* ziel) {
    QWidget* alt = logisch;
    if (ziel == alt) return;
    logisch = ziel;
    // Qt's own focus follows first; its FocusIn then finds the logical focus
    // already there and is not taken for a move by the user. In an inactive
    // window this only marks the control that gets the focus on activation.
    ziel->setFocus(Qt::OtherFocusReason);
    if (alt) rufe(verliert, alt);
    if (logisch == ziel) rufe(bekommt, ziel);
}

bool Fokussteuerung::eventFilter(QObject* objekt, QEvent* e) {
    if (e->type() != QEvent::FocusIn) return false;
    auto* w = static_cast<QWidget*>(objekt);
    if (w != logisch) {
        // Qt tells assistive technology of the new focus only after FocusIn;
        // the got-focus handler selects text first, and a screen reader that
        // sees the selection move before the focus takes the field silently.
        QAccessibleEvent fokus(w, QAccessible::Focus);
        QAccessible::updateAccessibility(&fokus);
        bewege(w);
    }
    // A lost-focus or got-focus handler may have sent the focus elsewhere;
    // then the control the user aimed at does not take it.
    return w != logisch;
}

} // namespace kartovex
