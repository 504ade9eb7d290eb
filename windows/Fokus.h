// The logical focus of a window and its got-focus and lost-focus handlers.
//
// Qt moves its focus widget before the old widget sees FocusOut, so a handler
// run from focusOutEvent could fire for a field that never had the focus, and
// a window that is merely deactivated (a message box opens, the user switches
// windows) also sends FocusOut. This controller therefore keeps the focus of
// its own: it learns moves by the user from FocusIn (Tab, click), ignores
// FocusOut, and runs "lost" of the old control and then "got" of the new one.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>

namespace kartovex {

class Fokussteuerung : public QObject {
public:
    using Handler = std::function<void()>;
    explicit Fokussteuerung(QWidget* fenster);

    // Watches every control of the window that can take the focus.
    void beobachteAlle();
    void beimBekommen(QWidget* w, Handler h) { bekommt[w] = std::move(h); }
    void beimVerlieren(QWidget* w, Handler h) { verliert[w] = std::move(h); }

    // Moves the focus from a handler: runs the lost-focus handler of the old
    // control, then the got-focus handler of the new one (unless the first
    // moved the focus elsewhere), before it returns.
    void bewege(QWidget* ziel);

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void rufe(const std::map<QWidget*, Handler>& handler, QWidget* w);
    QWidget* fenster;
    QPointer<QWidget> logisch;
    std::map<QWidget*, Handler> bekommt;
    std::map<QWidget*, Handler> verliert;
};

} // namespace kartovex
