// The uplift and ground-pressure checks as sheet lines.
#include "calc/water/stability_sheet.h"

#include <algorithm>
#include <string>

#include "calc/section/quantities.h"
#include "calc/water/water_sheet_lines.h"

namespace {

// The verdict words of the section design.
const char* Verdict(bool passes) {
    return passes ? "OK" : "NO";
}

// A number right-aligned in a column of the given width.
std::string Column(const Pattern& pattern, double value, std::size_t width) {
    std::string text = FormatLine(pattern, value);
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

void WriteUplift(int number, const TData& r, const WaterInputs& w, const Stability& s,
                 ChapterList& list) {
    AddLine(list, std::to_string(number) + ".浮上りに対する検討");
    if (!w.hw) {
        AddLine(list, "  地下水がないため、浮上りの検討は行わない。");
        AddEmpty(list);
        return;
    }
    if (!s.uplift) {
        AddLine(list, "  地下水位が底版下面より深いため、浮上りの検討は行わない。");
        AddEmpty(list);
        return;
    }
    const UpliftCheck& u = *s.uplift;
    const double table = std::min(std::max(*w.hw, double{r.ha}), double{r.h1});
    AddLine(list, "  活荷重及び内水は考慮しない。");
    AddLine(list, "         Wbox+Wabove");
    AddLine(list, "    Fs=------------- ≧ Fsa");
    AddLine(list, "              U");
    AddValue(list, "    Wbox  =γc･Ac                 =", "0.00kN/m"_pattern, u.Wbox);
    AddValue(list, "    Wabove=B(γa･ha+γs･z1+(γ’+γw)･z2)=", "0.00kN/m"_pattern, u.Wabove);
    AddValue(list, "    U     =γw(h1+H-hw)･B         =", "0.00kN/m"_pattern, u.U);
    AddLine(list, "    ここに");
    AddValue(list, "      Ac(コンクリート断面積)    =", "0.000m2"_pattern, ConcreteVolume(r));
    AddValue(list, "      z1(地下水位より上の土かぶり)=", "0.00m"_pattern, table - r.ha);
    AddValue(list, "      z2(地下水位より下の土かぶり)=", "0.00m"_pattern, double{r.h1} - table);
    AddValue(list, "      hw(地下水位)              =", "0.00m"_pattern, *w.hw);
    AddEmpty(list);
    AddLine(list, "    Fs=" + FormatLine("0.000"_pattern, u.Fs) + (u.passes ? " ≧ " : " ＜ ") +
                      FormatLine("0.00"_pattern, u.required) + "  " + Verdict(u.passes));
    AddEmpty(list);
}

void WriteBearing(int number, const Stability& s, ChapterList& list) {
    const BearingCheck& b = s.bearing;
    AddLine(list, std::to_string(number) + ".地盤反力度の検討");
    if (!b.applies) {
        AddLine(list, "  杭基礎のため、地盤反力度の照査は行わない。");
        return;
    }
    AddLine(list, "  底版下面の地盤反力度(q1:左端、q2:右端)");
    AddLine(list, "    ケース        q1(kN/m2)   q2(kN/m2)");
    constexpr std::size_t kWidth = 12;
    for (int k = 0; k < b.count; ++k)
        AddLine(list, std::string("    ") + CaseName(b.cases[k].kind) + "    " +
                          Column("0.00"_pattern, b.cases[k].q1, kWidth) +
                          Column("0.00"_pattern, b.cases[k].q2, kWidth));
    AddEmpty(list);
    const std::string largest = "    qmax=" + FormatLine("0.00kN/m2"_pattern, b.largest);
    if (!b.qa) {
        AddLine(list, largest);
        AddLine(list, "  許容地盤反力度が入力されていないため、照査は行わない。");
        return;
    }
    AddLine(list, largest + (b.passes ? " ≦ " : " ＞ ") +
                      "qa=" + FormatLine("0.00kN/m2"_pattern, *b.qa) + "  " + Verdict(b.passes));
}

}  // namespace

void WriteStabilitySheet(int number, const TData& record, const WaterInputs& water,
                         const Stability& stability, ChapterList& list) {
    StartList(list);
    WriteUplift(number, record, water, stability, list);
    WriteBearing(number + 1, stability, list);
}
