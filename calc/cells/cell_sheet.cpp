// The chapters of a box of two or three cells.
#include "calc/cells/cell_sheet.h"

#include <algorithm>

#include "calc/cells/cell_bar_sheet.h"
#include "calc/cells/cell_figures.h"
#include "calc/cells/frame_solver.h"
#include "calc/frame/force_summary.h"
#include "calc/loads/condition_summary.h"
#include "calc/read_conditions.h"
#include "calc/water/water_sheet_lines.h"

namespace {

double Mm(double metres) {
    return metres * 1000;
}

// The summary of one cell with the inner width of one cell and its β; scratch holds its
// outline figure too.
void WriteConditions(const RunWork& work, const DesignConditions& conditions, CalcTable& scratch,
                     ChapterList& list) {
    const CellDesign& d = work.cells;
    TKakou record = work.record;
    record.Bu = d.box.Bu;
    record.beta = LiveLoadReduction(record.h1, d.box.Bu);
    WriteConditionSummary(record, conditions, scratch);
    list = scratch.List("ListBox7");
    AddLineThenEmpty(list, "7.セル");
    AddValue(list, "  セル数 n          =", "0"_pattern, d.box.cells);
    AddValue(list, "　Tm(部材厚:中壁)   =", "#,0mm"_pattern, Mm(d.box.Tm));
    AddValue(list, "　Bu(1ｾﾙ内幅)       =", "#,0mm"_pattern, Mm(d.box.Bu));
    AddLine(list, "      Bu=(B-2･TL-(n-1)･Tm)/n");
    AddLine(list, "　壁軸の位置(左側壁軸から)");
    for (int wall = 0; wall <= d.box.cells; ++wall)
        AddValue(list, "    x" + std::to_string(wall) + "              =", "#,0mm"_pattern,
                 Mm(d.box.axis[wall]));
    AddLine(list, "  ﾊﾝﾁは各ｾﾙの隅に設ける。β は1ｾﾙの内幅Buで定める。");
    AddEmpty(list);
}

void WriteLoads(const RunWork& work, ChapterList& list) {
    const CellDesign& d = work.cells;
    const TData& r = work.record;
    const CellCaseLoads& c = d.cases.front().loads;
    AddLineThenEmpty(list, "1.荷重計算");
    AddLine(list, "1)自重");
    AddValue(list, "  D1(頂版)  =γc(B･Tu+n･Hab･Hah)=", "0.00kN"_pattern, c.D1);
    AddValue(list, "  側壁(1枚)  =γc･Hu･TL          =", "0.00kN"_pattern, c.wallWeight[0]);
    AddValue(list, "  中壁(1枚)  =γc･Hu･Tm          =", "0.00kN"_pattern, c.wallWeight[1]);
    AddLine(list, "  壁の自重は各壁の下端節点に作用させ、底版反力に含める。");
    AddEmpty(list);
    AddLine(list, "2)頂版荷重(全径間)");
    AddLine(list, "               D1");
    AddPressure(list, "    Pv1=Pvd+q+──           =", c.top);
    AddLine(list, "               Bo");
    AddPressure(list, "    Pvd(鉛直土圧)          =", r.Pvd);
    AddPressure(list, "    q  (等分布荷重)        =", c.surcharge);
    AddValue(list, "    Bo (外側壁の軸間)      =", "0.00m"_pattern, d.box.span);
    AddEmpty(list);
    AddLine(list, "3)外側壁の水平土圧(中壁には水平荷重を載荷しない)");
    AddPressure(list, "    Phd1(頂版軸)           =", c.wallTop);
    AddPressure(list, "    Phd2(底版軸)           =", c.wallBottom);
    AddEmpty(list);
    AddLine(list, "4)活荷重(移動載荷)");
    if (!c.wheels) {
        AddLine(list, "   活荷重による影響なし");
    } else {
        AddValue(list, "    W1 (分布幅)=2･h1d+0.2  =", "0.000m"_pattern, c.W1);
        AddPressure(list, "    PvL1=PL1･β/W1         =", c.PvL1);
        AddPressure(list, "    PvL2=0.25･PL1･β/W1    =", c.PvL2);
        AddValue(list, "    前後輪の中心間隔       =", "0.000m"_pattern, c.axleDistance);
        AddLine(list, "    後輪の帯を頂版上で0.1m以下の間隔で移動させ、帯の縁が壁軸に");
        AddLine(list, "    一致する位置を加える。前輪の帯は後輪の左右両側とする。");
        AddLine(list, "    外側壁の軸より外の部分は載荷しない。");
        if (c.horizontalLive) {
            AddLine(list, "    帯が外側壁の軸を越えて載るとき、その側壁に水平荷重");
            AddLine(list, "    Ko･PvL1(後輪)、Ko･PvL2(前輪)を載荷する。");
        }
        AddValue(list, "    載荷位置の数           =", "0"_pattern,
                 d.cases.front().positions.size());
    }
    AddEmpty(list);
    AddLine(list, "5)底版反力");
    AddLine(list, "  底版反力は外側壁の軸間で直線分布とし、箱全体の鉛直力及び");
    AddLine(list, "  モーメントの釣合いから載荷位置ごとに求める。");
    AddLine(list, "  水平荷重の不釣合いは、両外側壁の下端で半分ずつ受ける。");
    if (d.cases.size() > 1) {
        AddEmpty(list);
        AddLine(list, "6)水位ケース");
        for (std::size_t k = 1; k < d.cases.size(); ++k)
            AddLine(list, std::string("  ") + CaseName(d.cases[k].kind) +
                              "ケースを同じ規則で計算する(内水は全セル満水)。");
    }
    AddEmpty(list);
}

void WriteFrame(const RunWork& work, ChapterList& list) {
    const CellDesign& d = work.cells;
    AddLine(list, "1.ﾗｰﾒﾝ解析");
    AddLine(list, "  ﾗｰﾒﾝ解析は、部材接点の剛域を考慮しない変位法(直接剛性法)");
    AddLine(list, "  にて行う。部材の軸方向変形は無視する。I=t^3/12");
    AddValue(list, "  節点数                =", "0"_pattern, d.frame.jointCount);
    AddValue(list, "  部材数                =", "0"_pattern, d.frame.memberCount);
    AddValue(list, "  載荷ケース数(全位置)  =", "0"_pattern, d.SubCaseCount());
    AddEmpty(list);
    AddLine(list, "2.設計断面と包絡");
    AddLine(list, "  外側壁:下端、最大ﾓｰﾒﾝﾄ位置、上端  中壁:上端、下端");
    AddLine(list, "  頂版、底版の各径間:左端、最大正ﾓｰﾒﾝﾄ位置、右端");
    AddLine(list, "  各断面で必要鉄筋量が最大となる載荷位置(同量ならMの大きい方)");
    AddLine(list, "  のM、Nを、せん断力は絶対値が最大となる位置の値を用いる。");
    AddLine(list, "  軸力が引張りとなる場合は純曲げとして設計する。");
    AddLine(list, "  位置xは後輪の帯の中心の、左側壁軸からの距離とする。");
    AddEmpty(list);
    AddLine(list, "3.鉄筋");
    AddLine(list, "  ①②③④⑤は1セルと同じ。⑥頂版の中壁上、⑦底版の中壁上、");
    AddLine(list, "  ⑧中壁(両面同一配筋、両面の必要量の大きい方で設計)。");
    AddLine(list, "  ﾋﾟｯﾁは全断面共通とする。");
    AddEmpty(list);
}

// The section grid of a box of cells: the columns of the one-cell grid, then the case and the
// governing positions of M and S.
Grid SectionGrid(const RunWork& work) {
    const CellDesign& d = work.cells;
    Grid grid(17, int(d.sections.size()) + 1);
    grid.SetRowText(0,
                    "部材,M(kN･m),N(kN),S(kN),S2d(kN),Asn(mm2),As(mm2),D(mm),ﾋﾟｯﾁ(mm),"
                    "σc(N/mm2),σs(N/mm2),τ(N/mm2),τ2d(N/mm2),判定,ケース,位置(M),位置(S)");
    const auto cell = [](const Pattern& p, std::optional<Single> v) {
        return v ? FormatLine(p, *v) : std::string("-");
    };
    for (std::size_t k = 0; k < d.sections.size(); ++k) {
        const DesignedSection& s = d.sections[k];
        const int row = int(k) + 1;
        const CellGoverning& g = d.governing[k];
        std::optional<Single> sigmaC, sigmaS;
        if (s.stress) sigmaC = s.stress->sigmaC;
        if (s.ShowsSigmaS()) sigmaS = s.stress->sigmaS;
        const std::string texts[] = {
            d.layouts[k].name,
            ForceText(s.M),
            ForceText(s.N),
            s.middle ? "0.00" : ForceText(s.S),
            s.middle ? "---" : ForceText(s.S2d),
            cell("0"_pattern, s.required),
            FormatLine("0"_pattern, d.steel[k]),
            FormatLine("D00"_pattern, d.bars[std::size_t(d.layouts[k].bar)]),
            FormatLine("@000"_pattern, d.bars[1]),
            cell("0.0"_pattern, sigmaC),
            cell("#,##0"_pattern, sigmaS),
            cell("0.00"_pattern, s.tau),
            cell("0.00"_pattern, s.tau2d),
            s.verdict,
            CaseName(d.cases[std::size_t(g.moment.loadCase)].kind),
            WheelPlaceText(g.moment.wheels),
            s.middle ? "-" : WheelPlaceText(g.shear.wheels)};
        for (int column = 0; column < 17; ++column) grid.Cell(column, row) = texts[column];
    }
    return grid;
}

std::string CaseTitle(const CellDesign& d, const CellSubCase& at) {
    return std::string(CaseName(d.cases[std::size_t(at.loadCase)].kind)) + " " +
           WheelPlaceText(at.wheels);
}

// The frame and its cases for a reviewer: each load case without wheels, then each sub-case
// that governs a section; each with the forces of every design section.
FrameRecord CellFrameRecord(const RunWork& work) {
    const CellDesign& d = work.cells;
    FrameRecord record;
    record.geometry = d.frame;
    std::vector<CellSubCase> subCases;
    for (std::size_t c = 0; c < d.cases.size(); ++c) subCases.push_back({int(c), {}});
    for (const CellGoverning& g : d.governing)
        for (const CellSubCase& at : {g.moment, g.shear, g.shear2d})
            if (std::find(subCases.begin(), subCases.end(), at) == subCases.end())
                subCases.push_back(at);
    const FrameSolver solver(d.frame);
    for (const CellSubCase& at : subCases) {
        FrameCaseRecord c;
        c.name = CaseTitle(d, at);
        c.loads = SubCaseLoadsOf(d, at);
        const FrameResponse response = solver.Solve(c.loads);
        c.endMoments = response.endMoments;
        const double H = HorizontalResultant(d.box, c.loads);
        for (const CellSectionLayout& layout : d.layouts) {
            const CellSectionForces f =
                SectionForcesOf(layout, work.record, d.box, d.frame, c.loads, response, H);
            c.sections.push_back({layout.member, f.x, f.M, f.N, f.S});
        }
        record.cases.push_back(std::move(c));
    }
    return record;
}

}  // namespace

std::string WheelPlaceText(const WheelPosition& wheels) {
    if (wheels.front == 0) return "-";
    return FormatLine("x=0.000m;x=-0.000m"_pattern, wheels.rear) +
           (wheels.front > 0 ? "(前輪右)" : "(前輪左)");
}

bool HasCellChapters(const CalcTable& table) {
    return table.grids.contains(kCellSectionGrid);
}

void ClearCellChapters(CalcTable& table) {
    for (const char* sheet :
         {kCellConditionSheet, kCellLoadSheet, kCellFrameSheet, kCellRebarSheet})
        table.lists.erase(sheet);
    table.grids.erase(kCellSectionGrid);
    table.grids.erase(kCellRebarGrid);
    for (const char* figure : kCellFigures) table.charts.erase(figure);
    table.charts.erase(kCellRebarChart);
}

void WriteCellChapters(const RunWork& work, const DesignConditions& conditions, CalcTable& table) {
    CalcTable scratch;
    WriteConditions(work, conditions, scratch, table.lists[kCellConditionSheet]);
    DrawCellFigures(work, scratch.ChartOf("Chart2"), table);
    WriteLoads(work, table.lists[kCellLoadSheet]);
    WriteFrame(work, table.lists[kCellFrameSheet]);
    table.grids[kCellSectionGrid] = SectionGrid(work);
    table.frameModel = CellFrameRecord(work);
}
