// Answers the modal message boxes of the program in GUI tests and records
// what each box showed. A timer polls for the active modal widget; once the
// box is the active window, its text, icon, buttons, default button and title
// are read and the chosen answer is clicked.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

namespace kartovex::test {

struct Box {
    QString text;
    QMessageBox::Icon symbol;
    QMessageBox::StandardButtons knoepfe;
    QMessageBox::StandardButton vorgabe;
    QString titel;
};

class Meldungsbox : public QObject {
public:
    // Every box is answered with `antwort` unless answers were queued.
    explicit Meldungsbox(QMessageBox::StandardButton antwort = QMessageBox::Ok)
        : standard(antwort) {
        uhr.setInterval(5);
        QObject::connect(&uhr, &QTimer::timeout, this, [this] { pruefe(); });
        uhr.start();
    }

    // The answers for the next boxes, in order.
    void antworte(std::initializer_list<QMessageBox::StandardButton> a) {
        antworten.insert(antworten.end(), a);
    }
    // Runs while a box is open, before it is answered (to look at the windows).
    std::function<void(QMessageBox&)> waehrend;

    std::vector<Box> boxen;
    QStringList texte() const {
        QStringList t;
        for (const Box& b : boxen)
            t << b.text;
        return t;
    }

private:
    void pruefe() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == beantwortet || !box->isActiveWindow()) return;
        beantwortet = box;
        boxen.push_back({box->text(), box->icon(), box->standardButtons(),
                         box->standardButton(box->defaultButton()), box->windowTitle()});
        if (waehrend) waehrend(*box);
        QMessageBox::StandardButton a = standard;
        if (!antworten.empty()) {
            a = antworten.front();
            antworten.pop_front();
        }
        if (QAbstractButton* knopf = box->button(a))
            knopf->click();
        else
            box->reject();
    }

    QMessageBox::StandardButton standard;
    std::deque<QMessageBox::StandardButton> antworten;
    QPointer<QMessageBox> beantwortet;
    QTimer uhr;
};

// The text a message of the system shows in its box: CR LF is one line break.
inline QString Boxtext(const char* text) {
    return QString::fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace kartovex::test
