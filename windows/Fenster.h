// The three windows of the program: each created on first use and discarded
// for real; the chosen input format; the end of the program.
#pragma once

class QWidget;
class foEingang;
class foBerechnungen;
class foAusgabe;

namespace kartovex {

// InputFormat: 1 "Grad (dezimal)" ... 7 "Gauß - Krüger", 0 before the first
// choice. Written only by the format buttons, read only by the conversion.
inline int InputFormat = 0;

// The window, created (with its load step, not shown) when it does not exist.
foEingang& Eingangsfenster();
foBerechnungen& Berechnungsfenster();
foAusgabe& Ausgabefenster();

// The window if it exists, else nullptr; creates nothing.
foEingang* EingangsfensterFallsDa();
foBerechnungen* BerechnungsfensterFallsDa();
foAusgabe* AusgabefensterFallsDa();

// Called by a window that is being closed: the next use creates it anew.
void Vergiss(const QWidget* fenster);

// Ends the program at once: every window closes, then the event loop ends.
void Programmende();

} // namespace kartovex
