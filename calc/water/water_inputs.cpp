// Reading and checking the water and ground entries.
#include "calc/water/water_inputs.h"

#include "calc/decimal.h"
#include "calc/read_conditions.h"

WaterInputs ReadWaterInputs(const DesignConditions& c) {
    WaterInputs w;
    if (!UsesWaterOrGround(c)) return w;  // the entries' defaults, as typed
    if (Trimmed(c.hw) != kNoGroundwater) w.hw = ParseDouble(c.hw, "地下水位");
    w.boxFull = c.innerWater == 1;
    w.gammaW = ParseDouble(c.gammaW, "γw");
    w.gammaSub = ParseDouble(c.gammaSub, "γ'");
    if (!Trimmed(c.qa).empty()) w.qa = ParseDouble(c.qa, "許容地盤反力度");
    w.upliftFactor = ParseDouble(c.upliftFactor, "浮上り安全率");
    return w;
}

int CheckWaterInputs(const WaterInputs& w, Messenger& messenger) {
    int result = 0;
    const auto check = [&](bool fails, const char* message) {
        if (!fails) return;
        ReportInputError(messenger, message);
        result = 1;
    };
    check(w.hw && *w.hw < 0, "地下水位がおかしいです。");
    check(!(w.gammaW > 0), "水の単位体積重量がおかしいです。");
    check(!(w.gammaSub > 0), "土の水中単位体積重量がおかしいです。");
    check(w.qa && !(*w.qa > 0), "許容地盤反力度がおかしいです。");
    check(!(w.upliftFactor > 0), "浮上り安全率がおかしいです。");
    return result;
}
