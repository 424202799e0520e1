// Bar tables and the bar searches.
#include "calc/section/bar_tables.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kPitches[5] = {125, 150, 200, 250, 300};
constexpr int kDiameters[13] = {6, 10, 13, 16, 19, 22, 25, 29, 32, 35, 38, 41, 51};
constexpr Single kAreas[13] = {0.3167, 0.7133, 1.267, 1.986, 2.865, 3.871, 5.067,
                               6.424,  7.942,  9.566, 11.40, 13.40, 20.27};
constexpr int kFirstAtPitch = 2;  // D6 and D10 are not offered at the common pitch
constexpr int kFailed = 9999;
constexpr Single kFailedSteel = 99999;

// Area of one bar in cm2 to mm2, spread over a metre at the pitch.
Single SteelAt(int pitch, Single area) {
    return Single(1000.0 / pitch * (area * 100.0));
}

}  // namespace

void FillBarTables(TTekkin& tables) {
    std::copy(std::begin(kPitches), std::end(kPitches), tables.pitchTable);
    std::copy(std::begin(kDiameters), std::end(kDiameters), tables.barDiameterTable);
    std::copy(std::begin(kAreas), std::end(kAreas), tables.barAreaTable);
}

std::optional<Single> SteelForBar(const TTekkin& tables, int pitch, int diameter) {
    for (int k = 0; k < 13; ++k)
        if (tables.barDiameterTable[k] == diameter) return SteelAt(pitch, tables.barAreaTable[k]);
    return std::nullopt;
}

BarChoice SelectBarsAuto(const TTekkin& tables, Single demand, Messenger& messenger) {
    std::optional<BarChoice> best;
    for (const int pitch : tables.pitchTable)
        for (int k = 0; k < 13; ++k) {
            // Areas grow with the index: the first that exceeds the demand is the smallest at
            // this pitch.
            const Single As = SteelAt(pitch, tables.barAreaTable[k]);
            if (!(As > demand)) continue;
            if (!best || As < best->As) best = BarChoice{As, tables.barDiameterTable[k], pitch};
            break;
        }
    if (best) return *best;
    messenger.Inform("予想外の計算です(@125～@300,D6 ～D51内に鉄筋量が求まりません)");
    return BarChoice{kFailedSteel, kFailed, kFailed};
}

std::optional<BarChoice> SelectBarAtPitch(const TTekkin& tables, int pitch, Single demand) {
    for (int k = kFirstAtPitch; k < 13; ++k) {
        // Areas grow with the index, so the first that exceeds the demand is the smallest.
        const Single As = SteelAt(pitch, tables.barAreaTable[k]);
        if (As > demand) return BarChoice{As, tables.barDiameterTable[k], pitch};
    }
    return std::nullopt;
}
