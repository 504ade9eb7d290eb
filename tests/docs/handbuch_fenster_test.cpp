// The manual page of kartovex against the windows: every button, every window
// title and every keyboard shortcut of the program is named on the page.
#include <QAction>
#include <QShortcut>

#include "docs/Handbuch.h"
#include "windows/Fensterhilfe.h"
#include "windows/foKarte.h"

using namespace kartovex;
using namespace kartovex::test;

namespace {

// A shortcut as the page writes it: Strg+Umschalt+C.
std::string Tasten(const QKeySequence& k) {
    return k.toString(QKeySequence::PortableText)
        .replace("Ctrl", "Strg")
        .replace("Shift", "Umschalt")
        .toStdString();
}

} // namespace

using HandbuchFenster = FensterTest;

TEST_F(HandbuchFenster, NenntKnoepfeTitelUndTasten) {
    const std::string seite = Einzeilig(Ganz(Handbuchseite(HANDBUCH_KARTOVEX)));
    std::set<std::string> texte;
    for (QWidget* fenster :
         std::initializer_list<QWidget*>{&Eingangsfenster(), &Berechnungsfenster(),
                                         &Ausgabefenster(), &foKarte::Zeige({48.4, 9.9}, "")}) {
        texte.insert(Einzeilig(fenster->windowTitle().toStdString()));
        for (const QPushButton* k : fenster->findChildren<QPushButton*>())
            texte.insert(k->text().remove('&').toStdString());
        for (const QShortcut* s : fenster->findChildren<QShortcut*>())
            texte.insert(Tasten(s->key()));
        for (const QAction* a : fenster->findChildren<QAction*>()) {
            if (!a->text().isEmpty()) texte.insert(a->text().remove('&').toStdString());
            for (const QKeySequence& k : a->shortcuts())
                texte.insert(Tasten(k));
        }
    }
    // The seven format buttons, seven example buttons, three others, four
    // titles, seven shortcuts, the copy and map entries with their shortcuts,
    // the map's four entries and two shortcuts.
    EXPECT_GE(texte.size(), 38u);
    for (const std::string& t : texte)
        EXPECT_NE(seite.find(t), std::string::npos) << t;
}

TEST(HandbuchKartovex, KeineOptionen) {
    const auto seite = Handbuchseite(HANDBUCH_KARTOVEX);
    EXPECT_EQ(Einzeilig(seite.at("ÜBERSICHT")), " kartovex ");
    EXPECT_EQ(Optionen(Ganz(seite)), std::set<std::string>{});
}
