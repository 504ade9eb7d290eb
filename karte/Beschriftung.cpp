#include "karte/Beschriftung.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <unordered_map>

namespace kartovex::karte {

std::vector<bool> Platziere(const std::vector<Schild>& schilder) {
    std::vector<std::size_t> folge(schilder.size());
    std::iota(folge.begin(), folge.end(), 0);
    std::stable_sort(folge.begin(), folge.end(), [&](std::size_t a, std::size_t b) {
        return schilder[a].rang > schilder[b].rang;
    });
    std::vector<bool> gezeigt(schilder.size(), false);
    std::vector<QRectF> belegt;
    for (std::size_t i : folge) {
        const QRectF& r = schilder[i].rahmen;
        if (std::any_of(belegt.begin(), belegt.end(),
                        [&](const QRectF& b) { return b.intersects(r); }))
            continue;
        belegt.push_back(r);
        gezeigt[i] = true;
    }
    return gezeigt;
}

} // namespace kartovex::karte
