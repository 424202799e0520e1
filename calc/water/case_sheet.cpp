// The sheet of one extra load case.
#include "calc/water/case_sheet.h"

#include <algorithm>
#include <string>

#include "calc/water/water_sheet_lines.h"

namespace {

void WriteHeading(int number, const FrameCase& c, const WaterInputs& w, ChapterList& list) {
    const std::string n = std::to_string(number);
    if (c.kind == CaseKind::Groundwater) {
        AddLine(list, n + ".外水ケース");
        AddValue(list, "  地下水位 hw=", "0.00m、内空は空とする。"_pattern, *w.hw);
    } else {
        AddLine(list, n + ".内水ケース");
        AddLine(list, "  内空は満水、地下水はないものとする。");
    }
    AddLine(list, "  自重及び活荷重は基本ケース(Ⅱ章)と同じとする。");
    AddEmpty(list);
}

// The effective earth pressures of the groundwater case, or those of chapter II.
void WriteEarthPressures(const FrameCase& c, const WaterInputs& w, bool uniform,
                         ChapterList& list) {
    const TBuzai& r = c.record;
    AddLine(list, "1)鉛直土圧、水平土圧");
    if (c.kind == CaseKind::Groundwater) {
        AddLine(list, "  地下水位より下の土は水中単位体積重量γ’とする。");
        AddLine(list, "    σv’(z)=γa･ha+γs･z1+γ’･z2");
        AddLine(list, "      z1,z2:深さzまでの地下水位より上、下の土の厚さ");
        AddPressure(list, "    Pvd =α･σv’(h1)             =", r.Pvd);
        if (uniform) {
            AddPressure(list, "    Phd1=Ko(σv’(h1d)+q)        =", r.Phd1q);
            AddPressure(list, "    Phd2=Ko(σv’(h2d)+q)        =", r.Phd2q);
        } else {
            AddPressure(list, "    Phd1=Ko･σv’(h1d)           =", r.Phd1);
            AddPressure(list, "    Phd2=Ko･σv’(h2d)           =", r.Phd2);
        }
        AddLine(list, "    ここに");
        AddValue(list, "      γ’(土の水中単位体積重量)  =", "0.00kN/m3"_pattern, w.gammaSub);
    } else {
        AddLine(list, "  土圧は基本ケース(Ⅱ章)と同じとする。");
        AddPressure(list, "    Pvd                         =", r.Pvd);
        AddPressure(list, "    Phd1                        =", uniform ? r.Phd1q : r.Phd1);
        AddPressure(list, "    Phd2                        =", uniform ? r.Phd2q : r.Phd2);
    }
    AddEmpty(list);
}

void WriteWaterPressures(const FrameCase& c, const WaterInputs& w, ChapterList& list) {
    const WaterPressures& p = c.water;
    if (c.kind == CaseKind::Groundwater) {
        AddLine(list, "2)水圧(地下水位より上では0)");
        AddPressure(list, "    Pw  =γw(h1 -hw)             =", p.top);
        AddPressure(list, "    Pwh1=γw(h1d-hw)             =", p.wallTop);
        AddPressure(list, "    Pwh2=γw(h2d-hw)             =", p.wallBottom);
    } else {
        AddLine(list, "2)内水圧(側壁を外側へ押す。頂版下面より上では0)");
        AddPressure(list, "    Pwi1=γw(h1d-(h1+Tu))        =", p.innerTop);
        AddPressure(list, "    Pwi2=γw(h2d-(h1+Tu))        =", p.innerBottom);
    }
    AddLine(list, "    ここに");
    AddValue(list, "      γw(水の単位体積重量)      =", "0.00kN/m3"_pattern, w.gammaW);
    AddEmpty(list);
}

void WriteTotals(const FrameCase& c, int loadCase, ChapterList& list) {
    const TBuzai& r = c.record;
    const bool outside = c.kind == CaseKind::Groundwater;
    const bool q = loadCase == 4 || loadCase == 5;
    AddLine(list, "3)荷重合計");
    // The formulas are ASCII: padded to the column of the values by their length.
    const auto total = [&](std::string formula, Single value) {
        formula.resize(std::max<std::size_t>(formula.size(), 32), ' ');
        AddPressure(list, formula + "=", value);
    };
    total(std::string("    Pv1   =Pvd") + (outside ? "+Pw" : "") + (q ? "+q" : "") + "+D1/Bo",
          r.Pv1);
    const std::string top = outside ? "+Pwh1" : "-Pwi1", bottom = outside ? "+Pwh2" : "-Pwi2";
    total("    Ph3(L)=Phd1+PhL1" + top, r.Ph3);
    total("    Ph4(L)=Phd2+PhL1" + bottom, r.Ph4);
    total("    Ph1(R)=Phd1+PhL1+PhL2" + top, r.Ph1);
    total("    Ph2(R)=Phd2+PhL1+PhL2" + bottom, r.Ph2);
    AddEmpty(list);
    AddLine(list, "4)底版反力");
    AddLine(list, "  頂版及び側壁の荷重との鉛直方向のつり合いから、");
    AddLine(list, "  基本ケース(Ⅱ章)と同じ式で求める。");
    AddLine(list, outside ? "  揚圧力は地盤反力度を減じ、底版の荷重は変えない。"
                          : "  内水の重量は底版から地盤に伝わり、底版の荷重は変えない。");
    AddPressure(list, "    Pv2(L)                      =", r.Pv2L);
    AddPressure(list, "    Pv2(R)                      =", r.Pv2R);
    AddEmpty(list);
}

void WriteGroundPressure(const FrameCase& c, const CaseBearing& b, ChapterList& list) {
    AddLine(list, "5)地盤反力度");
    const bool outside = c.kind == CaseKind::Groundwater;
    if (outside) {
        AddPressure(list, "    U  =γw(h1+H-hw)             =", b.uplift);
    } else {
        AddPressure(list, "    Ww=γw･Aw/Bo                 =", b.innerWeight);
        AddLine(list, "      Aw:内空断面積(ﾊﾝﾁを除く)");
    }
    const struct {
        const char* name;
        double q;
    } edges[] = {{"    q1=Pv2(L)+----", b.q1}, {"    q2=Pv2(R)+----", b.q2}};
    for (const auto& edge : edges) {
        AddLine(list, "              D3");
        AddPressure(list,
                    std::string(edge.name) + (outside ? "  -U          =" : "  +Ww         ="),
                    edge.q);
        AddLine(list, "              Bo");
    }
    AddEmpty(list);
}

void WriteJointMoments(const TBuzai& r, ChapterList& list) {
    AddLine(list, "6)接点曲げﾓｰﾒﾝﾄ(Ⅲ章と同じ方法による)");
    const auto moment = [&](const char* label, Single value) {
        AddValue(list, label, "+0.000kNm;-0.000kNm;0.000kNm"_pattern, value);
    };
    moment("    Mab=", r.Mab);
    moment("    Mba=", r.Mba);
    moment("    Mbc=", r.Mbc);
    moment("    Mcb=", r.Mcb);
    moment("    Mcd=", r.Mcd);
    moment("    Mdc=", r.Mdc);
    moment("    Mda=", r.Mda);
    moment("    Mad=", r.Mad);
}

}  // namespace

void WriteCaseSheet(int number, const FrameCase& c, const WaterInputs& water, int loadCase,
                    const CaseBearing& bearing, ChapterList& list) {
    StartList(list);
    WriteHeading(number, c, water, list);
    WriteEarthPressures(c, water, loadCase >= 3, list);
    WriteWaterPressures(c, water, list);
    WriteTotals(c, loadCase, list);
    WriteGroundPressure(c, bearing, list);
    WriteJointMoments(c.record, list);
}
