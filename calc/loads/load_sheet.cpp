// The load calculation sheet, first list: self weight, live load, vertical earth pressure and
// the load on the top of the culvert (ListBox4).
#include "calc/loads/load_sheet.h"

#include "calc/loads/load_sheet_walls.h"
#include "calc/sheet/chapter_list.h"
#include "calc/sheet/format_line.h"

namespace {

long double Millimetres(Single metres) {
    return metres * 1000.0L;
}

void WriteSelfWeight(const TKakou& r, bool lowerHaunch, ChapterList& list) {
    AddLine(list, "1.荷重計算");
    AddLine(list, "  カルバートの自重として、頂版及び側壁を考慮する。");
    AddLine(list, "1)自重");
    AddLine(list, FormatLine("  D1(頂版)  =  γc(B･Tu+Hab･Hah)=0.00kN"_pattern, r.D1));
    AddLine(list, FormatLine("  D2(両側壁)=2･γc･Hu･TL        =0.00kN"_pattern, r.D2));
    AddLine(list, FormatLine(lowerHaunch ? "  D3(底版)  =  γc(B･Tb+Hab･Hah)=0.00kN"_pattern
                                         : "  D3(底版)  =  γc･B･Tb         =0.00kN"_pattern,
                             r.D3));
    AddEmpty(list);
    AddLine(list, "  ここに");
    AddLine(list, FormatLine("    γc(ｺﾝｸﾘｰﾄ単位体積重量)   =0.00kN/m3"_pattern, r.gammaC));
    AddLine(list, FormatLine("　  B  (Box全幅)　　          =#,0mm"_pattern, Millimetres(r.B)));
    AddLine(list, FormatLine("　  Hu (Box内高)　            =#,0mm"_pattern, Millimetres(r.Hu)));
    AddLine(list, FormatLine("　  Hab(ﾊﾝﾁ幅)　　            =#,0mm"_pattern, Millimetres(r.Hab)));
    AddLine(list, FormatLine("　  Hah(ﾊﾝﾁ高)　　            =#,0mm"_pattern, Millimetres(r.Hah)));
    AddLine(list, FormatLine("　  Tu (頂版厚)               =#,0mm"_pattern, Millimetres(r.Tu)));
    AddLine(list, FormatLine("　  TL (側壁厚)               =#,0mm"_pattern, Millimetres(r.TL)));
    AddLine(list, FormatLine("　  Tb (底版厚)               =#,0mm"_pattern, Millimetres(r.Tb)));
    AddEmpty(list);
}

void WriteRearWheel(const TKakou& r, int loadCase, ChapterList& list) {
    AddLineThenEmpty(list, "  ①後輪による鉛直荷重,水平荷重を求める。");
    AddLine(list, "                        PL1･β");
    AddLine(list, FormatLine("    PvL1(後輪鉛直荷重)=-------=0.00kN/m2"_pattern, r.PvL1));
    AddLine(list, "                          W1");
    AddLine(list, FormatLine(loadCase == 1 && r.W1 > r.Bo
                                 ? "    PhL1(後輪水平荷重)=Ko･PvL1=0.00kN/m2"_pattern
                                 : "    PhL1(後輪水平荷重)        =0.00kN/m2"_pattern,
                             r.PhL1));
    AddEmpty(list);
    AddLine(list, "    ここに");
    AddLine(list, "           2･P1");
    AddLine(list, "      PL1=------･(1+i)        =" + FormatLine("0.00kN/m"_pattern, r.PL1));
    AddLine(list, "           2.75");
    AddLine(list, FormatLine("      β(断面力低減係数)      =0.00"_pattern, r.beta));
    AddLine(list, "      W1(後輪分布幅)=2h+0.2   =" + FormatLine("0.00m"_pattern, r.W1) +
                      FormatLine("(h=0.00m)"_pattern, r.h1d));
    AddLine(list, FormatLine("　    P1(後輪荷重)            =0.00kN"_pattern, r.P1));
    AddLine(list, FormatLine("　    i (衝撃係数)            =0.00"_pattern, r.i));
    AddLine(list, "　    2.75(車両占有幅m)");
    AddEmpty(list);
}

void WriteFrontWheel(const TKakou& r, int loadCase, ChapterList& list) {
    AddLineThenEmpty(list, "  ②前輪による鉛直荷重,水平荷重を求める。");
    if (r.L1 <= 0) {
        AddLine(list, "   前輪荷重による影響なし");
        AddLine(list, FormatLine("   PhL2(前輪水平荷重)         =0.00kN/m2"_pattern, r.PhL2));
        return;
    }
    AddLine(list, "                        PL2･β");
    AddLine(list, FormatLine("    PvL2(前輪鉛直荷重)=-------=0.00kN/m2"_pattern, r.PvL2));
    AddLine(list, "                          W1");
    AddLine(list, FormatLine(loadCase == 1 ? "    PhL2(前輪水平荷重)=Ko･PvL2=0.00kN/m2"_pattern
                                           : "    PhL2(前輪水平荷重)        =0.00kN/m2"_pattern,
                             r.PhL2));
    AddEmpty(list);
    AddLine(list, "    ここに");
    AddLine(list, "           2･P2");
    AddLine(list,
            "      PL2=------･(1+i)        =" + FormatLine("0.00kN/m"_pattern, 0.25L * r.PL1));
    AddLine(list, "           2.75");
    AddLine(list, FormatLine("      P2(前輪荷重)            =0.0kN"_pattern, 0.25L * r.P1));
}

void WriteLiveLoad(const TKakou& r, int loadCase, ChapterList& list) {
    AddLine(list, "2)活荷重");
    if (loadCase == 1 || loadCase == 2) {
        WriteRearWheel(r, loadCase, list);
        WriteFrontWheel(r, loadCase, list);
    } else {
        AddLine(list, "   活荷重による影響なし");
        AddLine(list, FormatLine("   PhL1(後輪水平荷重)         =0.00kN/m2"_pattern, r.PhL1));
        AddLine(list, FormatLine("   PhL2(前輪水平荷重)         =0.00kN/m2"_pattern, r.PhL2));
    }
}

void WriteVerticalEarthPressure(const TKakou& r, ChapterList& list) {
    AddEmpty(list);
    AddLine(list, "3)鉛直土圧、水平土圧");
    AddLine(list, " (1)カルバート頂部の鉛直土圧(Pvd),荷重(Pv1)");
    AddLine(list, "    カルバート頂部の鉛直土圧は次式で求める。");
    const bool pavement = r.ha > 0;
    AddLine(list, FormatLine(pavement ? "    Pvd=α(γs(h1-ha)+γa･ha)=0.00kN/m2"_pattern
                                      : "    Pvd=α･γs･h1            =0.00kN/m2"_pattern,
                             r.Pvd));
    AddEmpty(list);
    AddLine(list, "    ここに");
    AddLine(list, FormatLine("      α (鉛直土圧係数)      =0.00"_pattern, r.alpha));
    AddLine(list, FormatLine("      γs(土の単位重量)      =0.00kN/m3"_pattern, r.gammaS));
    if (pavement)
        AddLine(list, FormatLine("      γa(舗装の単位重量)    =0.00kN/m3"_pattern, r.gammaA));
    AddLine(list, FormatLine("      h1 (土かぶり)          =0.00m"_pattern, r.h1));
    if (pavement) AddLine(list, FormatLine("      ha (舗装厚)            =0.00m"_pattern, r.ha));
}

void WriteTopLoad(const TKakou& r, int loadCase, ChapterList& list) {
    // In load cases 4 and 5 the uniform load also acts on the top slab.
    const bool uniformOnTop = loadCase == 4 || loadCase == 5;
    AddEmpty(list);
    AddLine(list, "    カルバート頂部の荷重(Pv1)は次式で求める。");
    AddLine(list, "               D1");
    AddLine(list, FormatLine(uniformOnTop ? "    Pv1=Pvd+q+──           =0.00kN/m2"_pattern
                                          : "    Pv1=Pvd + ──           =0.00kN/m2"_pattern,
                             r.Pv1));
    AddLine(list, "               Bo");
    AddEmpty(list);
    AddLine(list, "    ここに");
    AddLine(list, FormatLine("      Pvd(鉛直土圧)          =0.00kN/m2"_pattern, r.Pvd));
    if (uniformOnTop)
        AddLine(list, FormatLine("      q  (等分布荷重)        =0.00kN/m2"_pattern, r.qApplied));
    AddLine(list, FormatLine("      D1 (頂版重量)          =0.00kN"_pattern, r.D1));
    AddLine(list, FormatLine("　　  Bo (ﾗｰﾒﾝ軸幅)          =0.00m"_pattern, r.Bo));
}

}  // namespace

void WriteLoadSheet(const TKakou& record, int loadCase, const DesignConditions& conditions,
                    CalcTable& table) {
    ChapterList& list = table.List("ListBox4");
    StartList(list);
    WriteSelfWeight(record, conditions.lowerHaunch, list);
    WriteLiveLoad(record, loadCase, list);
    WriteVerticalEarthPressure(record, list);
    WriteTopLoad(record, loadCase, list);
    WriteWallPressureSheet(record, loadCase, table.List("ListBox1"));
}
