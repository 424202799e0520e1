// The table of numeric inputs and the text of a varied value.
#include "calc/study/numeric_inputs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

const std::vector<NumericInput>& NumericInputs() {
    using D = DesignConditions;
    static const std::vector<NumericInput> inputs = {
        {"gammaS", &D::gammaS, false, "土の単位重量 (kN/m3)"},
        {"gammaC", &D::gammaC, false, "コンクリート単位重量 (kN/m3)"},
        {"gammaA", &D::gammaA, false, "舗装の単位重量 (kN/m3)"},
        {"h1", &D::h1, true, "土かぶり (m)"},
        {"ha", &D::ha, true, "舗装厚 (m)"},
        {"Tu", &D::Tu, true, "頂版厚 (m)"},
        {"TL", &D::TL, true, "側壁厚 (m)"},
        {"Tb", &D::Tb, true, "底版厚 (m)"},
        {"Hah", &D::Hah, true, "ハンチ高 (m)"},
        {"Hab", &D::Hab, true, "ハンチ幅 (m)"},
        {"H", &D::H, true, "外形高 (m)"},
        {"B", &D::B, true, "外形幅 (m)"},
        {"Tm", &D::Tm, true, "中壁厚 (m)、セル数2以上のとき"},
        {"Ko", &D::Ko, false, "静止土圧係数"},
        {"q", &D::q, false, "等分布荷重 (kN/m2)、活荷重「なし」のとき"},
        {"sigmaCk", &D::sigmaCk, false, "設計基準強度 (N/mm2)"},
        {"sigmaCa", &D::sigmaCa, false, "許容圧縮応力度 (N/mm2)"},
        {"tauA", &D::tauA, false, "許容剪断応力度 (N/mm2)"},
        {"sigmaSa", &D::sigmaSa, false, "許容引張応力度 (N/mm2)"},
        {"sigmaSaJoint", &D::sigmaSaJoint, false, "継ぎ手算出時許容引張応力度 (N/mm2)"},
        {"tauOa", &D::tauOa, false, "許容付着応力度 (N/mm2)"},
        {"dTop", &D::dTop, true, "頂版の主筋中心～コンクリート表面 (m)"},
        {"dWall", &D::dWall, true, "側壁の主筋中心～コンクリート表面 (m)"},
        {"dBottomUpper", &D::dBottomUpper, true, "底版上面の主筋中心～コンクリート表面 (m)"},
        {"dBottomLower", &D::dBottomLower, true, "底版下面の主筋中心～コンクリート表面 (m)"},
        {"tWeight", &D::tWeight, false, "T荷重の重量 (t)、活荷重の一つ目"},
        {"tAxle", &D::tAxleDistance, false, "T荷重の軸間距離 (m)、活荷重の一つ目"},
        {"tImpactDepth", &D::tImpactDepth, false, "T荷重の衝撃係数作用深さ (m)、活荷重の一つ目"},
        {"hw", &D::hw, false, "地下水位の路面からの深さ (m)"},
        {"qa", &D::qa, false, "許容地盤反力度 (kN/m2)"},
    };
    return inputs;
}

const NumericInput* FindNumericInput(std::string_view name) {
    for (const NumericInput& input : NumericInputs())
        if (name == input.name) return &input;
    return nullptr;
}

std::string DecimalText(double value) {
    int decimals = 2;
    while (decimals < 9) {
        const double scale = std::pow(10.0, decimals);
        if (std::abs(std::round(value * scale) / scale - value) <=
            1e-9 * std::max(1.0, std::abs(value)))
            break;
        ++decimals;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    // "-0.00" reads as zero but looks like a mistake.
    std::string result = text;
    if (result.find_first_not_of("-0.") == std::string::npos && result[0] == '-')
        result.erase(0, 1);
    return result;
}
