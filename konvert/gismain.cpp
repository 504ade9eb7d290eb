// kartovex-konvert-gis: kartovex-konvert with GIS files (--in, --out,
// --progress). kartovex-konvert runs it in its own place with the same
// arguments, so that only such runs load GDAL.
#include <algorithm>
#include <csignal>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "geodesy/modKartovex.h"
#include "konvert/Aufruf.h"
#include "konvert/Gisprogramm.h"

using namespace kartovex::konvert;

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    const Aufruf aufruf =
        LiesAufruf(std::vector<std::string>(argv + std::min(argc, 1), argv + argc),
                   std::max(1u, std::thread::hardware_concurrency()));
    if (!aufruf.fehler.empty() || aufruf.tun != Aufruf::Tun::Konvertieren) {
        std::cerr << "kartovex-konvert-gis: nur über kartovex-konvert aufzurufen\n";
        return 2;
    }
    // A closed pipe is a failed write like any other, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    modKartovex::setDezimaltrenner(RegionalerDezimaltrenner());
    return GisLauf(aufruf.gis, aufruf.optionen, aufruf.datei, std::cerr);
}
