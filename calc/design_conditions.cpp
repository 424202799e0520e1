// Choice items of the input page.
#include "calc/design_conditions.h"

const std::vector<std::string>& SoilTypeItems() {
    static const std::vector<std::string> items = {"礫、礫質土 ", "砂、砂質土 ", "普通土 "};
    return items;
}

const std::vector<std::string>& FoundationItems() {
    static const std::vector<std::string> items = {"直接基礎", "杭基礎", "上記以外"};
    return items;
}

const std::vector<std::string>& CombinationItems() {
    static const std::vector<std::string> items = {"標準設計", "荷重組合せ（1）",
                                                   "荷重組合せ（2）"};
    return items;
}

const std::vector<std::string>& PitchModeItems() {
    static const std::vector<std::string> items = {"自動設定", "ﾋﾟｯﾁ@を指定"};
    return items;
}

const std::vector<std::string>& PitchItems() {
    static const std::vector<std::string> items = {"-", "125", "150", "200", "250", "300"};
    return items;
}

const std::vector<std::string>& FigureColourItems() {
    static const std::vector<std::string> items = {"ｶﾗｰ", "白黒"};
    return items;
}

const std::vector<std::string>& InnerWaterItems() {
    static const std::vector<std::string> items = {"なし", "満水"};
    return items;
}

bool UsesWaterOrGround(const DesignConditions& c) {
    static const DesignConditions defaults;
    return c.hw != defaults.hw || c.innerWater != defaults.innerWater ||
           c.gammaW != defaults.gammaW || c.gammaSub != defaults.gammaSub || c.qa != defaults.qa ||
           c.upliftFactor != defaults.upliftFactor;
}

DesignConditions WaterEntriesOf(const DesignConditions& c) {
    DesignConditions water;
    water.hw = c.hw;
    water.innerWater = c.innerWater;
    water.gammaW = c.gammaW;
    water.gammaSub = c.gammaSub;
    water.qa = c.qa;
    water.upliftFactor = c.upliftFactor;
    return water;
}

bool UsesCells(const DesignConditions& c) {
    static const DesignConditions defaults;
    return c.cells != defaults.cells || c.Tm != defaults.Tm;
}

std::vector<std::string> LiveLoadItems(const DesignConditions& conditions) {
    return {conditions.liveLoadCaption0, "活荷重（T-20）", "活荷重（T-14）", "なし"};
}

std::string DefaultGammaS(int soilType) {
    switch (soilType) {
        case 0:
            return "20";
        case 1:
            return "19";
        case 2:
            return "18";
        default:
            return {};
    }
}

bool SameCalculation(const DesignConditions& a, const DesignConditions& b) {
    DesignConditions computed = b;
    computed.figureColours = a.figureColours;
    computed.figureFontSize = a.figureFontSize;
    computed.projectName = a.projectName;
    computed.designer = a.designer;
    return a == computed;
}
