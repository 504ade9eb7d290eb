#!/usr/bin/python3
"""The program as a screen reader meets it: over the accessibility bus (AT-SPI).

Starts a private X server (Xvfb) and a private D-Bus session, the AT-SPI bus
inside it and the program with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1, then reads
the tree and the focus events as a screen reader does: buttons are pressed
through their AT-SPI action, keys are typed through the AT-SPI registry.
Every wait polls with a time limit; the whole run is bounded.

Usage: bildschirmleser_test.py PROGRAM
Needs Debian's xvfb, dbus, at-spi2-core, python3-pyatspi, gir1.2-atspi-2.0.
"""
import os
import subprocess
import sys
import tempfile
import time

GESAMTZEIT = 150  # seconds for the whole run, set-up included
WARTEZEIT = 15  # seconds for one awaited event


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--innen":
        sys.exit(Lauf(sys.argv[2]).alles())
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(aussen(os.path.abspath(sys.argv[1])))


def aussen(programm):
    """Xvfb on a free display, then this script again inside dbus-run-session."""
    lesen, schreiben = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(schreiben), "-screen", "0", "1280x1024x24",
         "-dpi", "96", "-nolisten", "tcp"],
        pass_fds=[schreiben], stderr=subprocess.DEVNULL)
    os.close(schreiben)
    try:
        anzeige = lies_anzeige(lesen)
        with tempfile.TemporaryDirectory() as laufzeit:
            os.chmod(laufzeit, 0o700)
            umgebung = dict(os.environ, DISPLAY=":" + anzeige, XDG_RUNTIME_DIR=laufzeit)
            umgebung.pop("DBUS_SESSION_BUS_ADDRESS", None)
            umgebung.pop("AT_SPI_BUS_ADDRESS", None)
            try:
                return subprocess.run(
                    ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__),
                     "--innen", programm],
                    env=umgebung, timeout=GESAMTZEIT).returncode
            except subprocess.TimeoutExpired:
                print(f"FEHLER: nach {GESAMTZEIT} s abgebrochen")
                return 1
    finally:
        xvfb.terminate()
        xvfb.wait(10)


def lies_anzeige(fd):
    """The display number that Xvfb writes once it accepts connections."""
    import select
    text = b""
    ende = time.monotonic() + WARTEZEIT
    while not text.endswith(b"\n"):
        rest = ende - time.monotonic()
        if rest <= 0 or not select.select([fd], [], [], rest)[0]:
            raise RuntimeError("Xvfb meldet keine Anzeige")
        stueck = os.read(fd, 16)
        if not stueck:
            raise RuntimeError("Xvfb endete vorzeitig")
        text += stueck
    return text.decode().strip()


# Each format button, the name of its frame and of its first field.
RAHMEN = [
    ("Grad (dezimal)", "Eingabe: Grad (dezimal)", "Breite in Grad (dezimal)"),
    ("Grad/Minuten", "Eingabe: Grad und Minuten (Mercator)", "Breite, Grad (Mercator)"),
    ("Grad/Minuten/Sekunden", "Eingabe: Grad, Minuten und Sekunden", "Breite, Grad"),
    ("UTM zivil", "Eingabe: UTM zivil", "UTM-Zone"),
    ("UTM mil", "Eingabe: UTM militärisch", "UTM-Zone (militärisch)"),
    ("UTM ref", "Eingabe: UTMREF", "UTMREF-Zone"),
    ("Gauß - Krüger", "Eingabe: Gauß-Krüger (nur für Deutschland)", "Gauß-Krüger Rechtswert"),
]


class Fehler(Exception):
    pass


class Lauf:
    """One run of the program inside the private session."""

    def __init__(self, programm):
        self.programm = programm
        self.fehler = []
        self.fokus = []  # (role, name) of each control that got the focus, in order
        self.folge = []  # ("Fokus" or "Text", name): focus, caret and selection events

    # ---- set-up --------------------------------------------------------------

    def alles(self):
        bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                               stderr=subprocess.DEVNULL)
        self.prozess = None
        try:
            self.verbinde()
            umgebung = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                            QT_QPA_PLATFORM="xcb")
            self.prozess = subprocess.Popen([self.programm], env=umgebung)
            self.app = self.warte(self.finde_app, "das Programm auf dem Bus")
            self.pruefe_alles()
        except Fehler as f:
            self.fehler.append(str(f))
        finally:
            if self.prozess and self.prozess.poll() is None:
                self.prozess.kill()
                self.prozess.wait(10)
            bus.terminate()
            bus.wait(10)
        for f in self.fehler:
            print("FEHLER:", f)
        print("Fokusfolge:", " | ".join(n for _, n in self.fokus))
        return 1 if self.fehler else 0

    def verbinde(self):
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi, GLib
        import pyatspi
        self.Atspi, self.GLib, self.pyatspi = Atspi, GLib, pyatspi
        self.warte(lambda: pyatspi.Registry.getDesktop(0) is not None, "der AT-SPI-Bus")
        pyatspi.Registry.registerEventListener(self.ereignis, "object:state-changed:focused")
        pyatspi.Registry.registerEventListener(self.textereignis, "object:text-caret-moved",
                                               "object:text-selection-changed")

    def ereignis(self, e):
        if e.detail1 == 1:
            try:
                self.fokus.append((e.source.getRoleName(), e.source.name))
                self.folge.append(("Fokus", e.source.name))
            except Exception:  # the object may be gone already
                pass

    def textereignis(self, e):
        try:
            self.folge.append(("Text", e.source.name))
        except Exception:
            pass

    def pumpe(self, sekunden=0.05):
        kontext = self.GLib.MainContext.default()
        ende = time.monotonic() + sekunden
        while True:
            while kontext.pending():
                kontext.iteration(False)
            if time.monotonic() >= ende:
                return
            time.sleep(0.01)

    def warte(self, bedingung, was, zeit=WARTEZEIT):
        ende = time.monotonic() + zeit
        while time.monotonic() < ende:
            self.pumpe()
            try:
                ergebnis = bedingung()
            except Exception:
                ergebnis = None
            if ergebnis:
                return ergebnis
            if self.prozess and self.prozess.poll() is not None:
                raise Fehler(f"Programm endete mit {self.prozess.returncode}, erwartet: {was}")
        raise Fehler(f"nach {zeit} s nicht eingetreten: {was}")

    # ---- the tree ------------------------------------------------------------

    def finde_app(self):
        for a in self.pyatspi.Registry.getDesktop(0):
            if a is not None and a.get_process_id() == self.prozess.pid:
                return a
        return None

    def fenster(self, titel):
        return self.warte(lambda: next((f for f in self.app if f.name == titel), None),
                          f"Fenster »{titel}«")

    def alle(self, wurzel, bedingung=lambda o: True):
        gefunden = []
        def gehe(o):
            if o is None:
                return
            if bedingung(o):
                gefunden.append(o)
            for kind in o:
                gehe(kind)
        gehe(wurzel)
        return gefunden

    def zeigt(self, o):
        return o.getState().contains(self.pyatspi.STATE_SHOWING)

    def knopf(self, wurzel, name):
        treffer = self.alle(wurzel, lambda o: o.getRoleName() == "push button" and o.name == name)
        if not treffer:
            raise Fehler(f"kein Knopf »{name}«")
        return treffer[0]

    def druecke(self, wurzel, name):
        self.knopf(wurzel, name).queryAction().doAction(0)

    def taste(self, keysym):
        self.Atspi.generate_keyboard_event(keysym, None, self.Atspi.KeySynthType.SYM)

    def erwarte(self, ist, soll, was):
        if ist != soll:
            self.fehler.append(f"{was}: {ist!r}, erwartet {soll!r}")

    def fokus_nach(self, anzahl_vorher, name):
        """Waits for a focus event on `name` after the first `anzahl_vorher` ones."""
        return self.warte(lambda: any(n == name for _, n in self.fokus[anzahl_vorher:]),
                          f"Fokus auf »{name}«")

    # ---- the checks ----------------------------------------------------------

    def pruefe_alles(self):
        eingang = self.fenster("KartovexLE  V 1.2       01.02.2014")
        self.pruefe_benannt(eingang)
        self.pruefe_formatwahl(eingang)
        rechnen = self.fenster("Beachten Sie bitte den Hinweis zur Zahleneingabe")
        self.pruefe_eingaberahmen(rechnen)
        self.pruefe_enterkette(rechnen)
        self.pruefe_ausgabe(self.fenster("Zahlenausgabe"))
        self.pruefe_stopbox(rechnen)
        self.pruefe_alle_rahmen(eingang, rechnen)
        self.pruefe_beenden(eingang)

    def pruefe_benannt(self, fenster):
        """Every control the focus can reach has a name."""
        for o in self.alle(fenster, lambda o: self.zeigt(o) and
                           o.getState().contains(self.pyatspi.STATE_FOCUSABLE)):
            if not o.name.strip():
                self.fehler.append(f"{fenster.name}: namenloses {o.getRoleName()}")

    def pruefe_formatwahl(self, eingang):
        """A format button brings up the frame, then its first field."""
        vorher = len(self.fokus)
        self.druecke(eingang, "Grad (dezimal)")
        self.fokus_nach(vorher, "Breite in Grad (dezimal)")
        rechnen = self.fenster("Beachten Sie bitte den Hinweis zur Zahleneingabe")
        feld = self.alle(rechnen, lambda o: o.name == "Breite in Grad (dezimal)")[0]
        rahmen = feld.parent
        self.erwarte((rahmen.getRoleName(), rahmen.name, self.zeigt(rahmen)),
                     ("panel", "Eingabe: Grad (dezimal)", True), "Rahmen des ersten Felds")
        self.erwarte(feld.description,
                     "Dezimalzahl, nördliche Breite kleiner als 84 Grad, "
                     "südliche nicht größer als 80 Grad", "Beschreibung von texBreite")

    def pruefe_eingaberahmen(self, rechnen):
        """Fields, option buttons and groups of the shown frame, as read."""
        self.pruefe_benannt(rechnen)
        rahmen = [o for o in rechnen if o.getRoleName() == "panel" and self.zeigt(o)]
        self.erwarte([r.name for r in rahmen], ["Eingabe: Grad (dezimal)"], "sichtbare Rahmen")
        felder = self.alle(rahmen[0], lambda o: o.getRoleName() == "text")
        self.erwarte([f.name for f in felder],
                     ["Breite in Grad (dezimal)", "Länge in Grad (dezimal)"], "Felder")
        optionen = self.alle(rahmen[0], lambda o: o.getRoleName() == "radio button")
        self.erwarte([(o.parent.name, o.name) for o in optionen],
                     [("Halbkugel der Breite", "Nördliche Breite"),
                      ("Halbkugel der Breite", "Südliche Breite"),
                      ("Halbkugel der Länge", "Östliche Länge"),
                      ("Halbkugel der Länge", "Westliche Länge")], "Optionen in ihren Gruppen")
        self.erwarte({o.parent.getRoleName() for o in optionen}, {"panel"}, "Rolle der Gruppen")

    def pruefe_enterkette(self, rechnen):
        """Enter moves field by field to "Berechnung", which shows the output."""
        self.druecke(rechnen, "Krummbögle in Grad")
        self.warte(lambda: self.alle(rechnen, lambda o: o.name == "Länge in Grad (dezimal)")[0]
                   .queryText().characterCount > 0, "das Beispiel in texLaenge")
        vorher = len(self.fokus)
        self.taste(ord("x"))  # refused by the key rule with a stop box
        box = self.warte(lambda: next((f for f in self.app if f.getRoleName() == "alert"), None),
                         "die Meldung zur Taste")
        self.erwarte(box.description, "Die Eingabe von\nx\nist für die Breite nicht zulässig!", "Meldung zur Taste")
        self.druecke(box, "OK")
        self.fokus_nach(vorher + 1, "Breite in Grad (dezimal)")
        vorher = len(self.fokus)
        enter = 0xff0d
        self.taste(enter)
        self.fokus_nach(vorher, "Länge in Grad (dezimal)")
        self.taste(enter)
        self.fokus_nach(vorher, "Berechnung")
        self.taste(enter)
        self.fokus_nach(vorher, "Breite dezimal")
        self.erwarte([n for _, n in self.fokus[vorher:]],
                     ["Länge in Grad (dezimal)", "Berechnung", "Breite dezimal"],
                     "Fokusfolge der Enter-Kette")

    def pruefe_ausgabe(self, ausgabe):
        """Every output field named once; the read-only ones say so."""
        self.pruefe_benannt(ausgabe)
        felder = self.alle(ausgabe, lambda o: o.getRoleName() == "text" and self.zeigt(o))
        namen = [f.name for f in felder]
        self.erwarte(len(felder), 21 - 1, "Anzahl der Ausgabefelder")  # labStreifenbreite is a label
        self.erwarte(len(set(namen)), len(namen), "verschiedene Namen")
        for f in felder:
            nur_lesen = f.name not in ("UTM-Zone", "UTM Rechtswert", "UTM Hochwert",
                                       "UTM militärisch", "UTMREF")
            self.erwarte(f.getState().contains(self.pyatspi.STATE_READ_ONLY), nur_lesen,
                         f"»{f.name}« schreibgeschützt")
        breite = next(f for f in felder if f.name == "Breite dezimal")
        self.erwarte(breite.queryText().getText(0, -1), "N48.436333", "Text von »Breite dezimal«")

    def pruefe_stopbox(self, rechnen):
        """A stop box is an alert with its text; the focus then names its field."""
        self.druecke(self.fenster("Zahlenausgabe"), "zurück")
        breite = self.alle(rechnen, lambda o: o.name == "Breite in Grad (dezimal)")[0]
        breite.queryEditableText().setTextContents("84")
        self.druecke(rechnen, "Berechnung")
        box = self.warte(lambda: next((f for f in self.app if f.getRoleName() == "alert"), None),
                         "die Meldung")
        self.erwarte((box.name, box.description),
                     ("KartovexQuendo",
                      "Die nördliche Breite muss kleiner sein als 84°.\n\nAb 84° beginnt UPS"),
                     "Meldung")
        vorher = len(self.fokus)
        self.druecke(box, "OK")
        self.fokus_nach(vorher, "Breite in Grad (dezimal)")
        self.pruefe_tab(rechnen)

    def pruefe_tab(self, rechnen):
        """Tab into a field that selects its text: the focus comes first, or a
        screen reader takes the selection for the news and the field silently."""
        vorher, fokus_vorher = len(self.folge), len(self.fokus)
        self.taste(0xff09)  # Tab
        self.fokus_nach(fokus_vorher, "Länge in Grad (dezimal)")
        self.warte(lambda: ("Text", "Länge in Grad (dezimal)") in self.folge[vorher:],
                   "die Auswahl in texLaenge")
        laenge = [art for art, name in self.folge[vorher:] if name == "Länge in Grad (dezimal)"]
        self.erwarte(laenge[0], "Fokus", "erstes Ereignis von texLaenge nach Tab")

    def pruefe_alle_rahmen(self, eingang, rechnen):
        """Each format button: its frame, then its first field; every field of
        the window has a name of its own that is no frame's name. The cursor is
        in the first field of "Grad (dezimal)" already: that format comes last."""
        for knopf, rahmen, feld in RAHMEN[1:] + RAHMEN[:1]:
            vorher = len(self.fokus)
            self.druecke(eingang, knopf)
            self.fokus_nach(vorher, feld)
            ziel = self.alle(rechnen, lambda o: o.getRoleName() == "text" and o.name == feld)
            self.erwarte([(z.parent.getRoleName(), z.parent.name) for z in ziel],
                         [("panel", rahmen)], f"Rahmen von »{feld}«")
        rahmennamen = {r.name for r in rechnen if r.getRoleName() == "panel"}
        self.erwarte(rahmennamen, {r for _, r, _ in RAHMEN}, "Namen der Rahmen")
        felder = [f for f in self.alle(rechnen, lambda o: o.getRoleName() == "text")]
        namen = [f.name for f in felder]
        self.erwarte(len(felder), 27 + 2, "Anzahl der Felder")  # texMeridian and texDummy too
        self.erwarte(sorted(n for n in set(namen) if namen.count(n) > 1), [], "doppelte Namen")
        self.erwarte(sorted(rahmennamen & set(namen)), [], "Felder mit dem Namen eines Rahmens")
        for f in felder:
            if f.parent.getRoleName() == "panel" and f.name != "Bezugsmeridian" \
                    and not f.description:
                self.fehler.append(f"Feld »{f.name}« ohne Beschreibung")

    def pruefe_beenden(self, eingang):
        """The quit question is an alert; Yes ends the program."""
        self.druecke(eingang, "KartovexLE beenden")
        box = self.warte(lambda: next((f for f in self.app if f.getRoleName() == "alert"), None),
                         "die Frage")
        self.erwarte(box.description, "Wollen Sie KartovexLE wirklich beenden?", "Frage")
        self.druecke(box, "Ja")
        ende = time.monotonic() + WARTEZEIT
        while self.prozess.poll() is None and time.monotonic() < ende:
            self.pumpe(0.1)
        self.erwarte(self.prozess.poll(), 0, "Ende nach »Ja«")


if __name__ == "__main__":
    main()
