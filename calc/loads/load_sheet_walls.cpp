// The load calculation sheet, second list: horizontal earth pressure, wall totals, resultants,
// bottom-slab reaction and ground reaction.
#include "calc/loads/load_sheet_walls.h"

#include "calc/sheet/chapter_list.h"
#include "calc/sheet/format_line.h"

namespace {

// Earth pressure at the slab axes; in load cases 3 to 5 with the uniform load q.
void WriteHorizontalEarthPressure(const TKakou& r, bool liveLoad, ChapterList& list) {
    AddLine(list, " (2)カルバート側面の水平土圧(Phd1,Phd2)");
    AddLine(list, "    側壁に作用する水平土圧は次式で求める。");
    const bool pavement = r.ha > 0;
    if (liveLoad && pavement) {
        AddLine(list, FormatLine("    Phd1=Ko(γs(h1d-ha)+γa･ha)=0.00kN/m2"_pattern, r.Phd1));
        AddLine(list, FormatLine("    Phd2=Ko(γs(h2d-ha)+γa･ha)=0.00kN/m2"_pattern, r.Phd2));
        AddEmpty(list);
        AddLine(list, "    ここに");
        AddLine(list, FormatLine("      γa(舗装の単位重量)      =0.00kN/m3"_pattern, r.gammaA));
        AddLine(list, FormatLine("      ha (舗装厚)              =0.00m"_pattern, r.ha));
    } else if (liveLoad) {
        AddLine(list, FormatLine("    Phd1=Ko･γs･h1d            =0.00kN/m2"_pattern, r.Phd1));
        AddLine(list, FormatLine("    Phd2=Ko･γs･h2d            =0.00kN/m2"_pattern, r.Phd2));
        AddLine(list, "    ここに");
    } else if (pavement) {
        AddLine(list, FormatLine("    Phd1=Ko(γs(h1d-ha)+γa･ha+q)=0.00kN/m2"_pattern, r.Phd1q));
        AddLine(list, FormatLine("    Phd2=Ko(γs(h2d-ha)+γa･ha+q)=0.00kN/m2"_pattern, r.Phd2q));
        AddEmpty(list);
        AddLine(list, "    ここに");
        AddLine(list, FormatLine("      γa(舗装の単位重量)      =0.00kN/m3"_pattern, r.gammaA));
        AddLine(list, FormatLine("      ha (舗装厚)              =0.00m"_pattern, r.ha));
        AddLine(list, FormatLine("      q  (等分布荷重)          =0.00kN/m2"_pattern, r.qApplied));
    } else {
        AddLine(list, FormatLine("    Phd1=Ko(γs･h1d+q)         =0.00kN/m2"_pattern, r.Phd1q));
        AddLine(list, FormatLine("    Phd2=Ko(γs･h2d+q)         =0.00kN/m2"_pattern, r.Phd2q));
        AddLine(list, "    ここに");
        AddLine(list, FormatLine("      q (等分布荷重)           =0.00kN/m2"_pattern, r.qApplied));
    }
    AddLine(list, FormatLine("      Ko (静止土圧係数)        =0.00"_pattern, r.Ko));
    AddLine(list, FormatLine("      γs(土の単位重量)        =0.00kN/m3"_pattern, r.gammaS));
    AddLine(list, FormatLine("      h1d(路面～頂版軸線)      =0.00m"_pattern, r.h1d));
    AddLine(list, FormatLine("      h2d(路面～底版軸線)      =0.00m"_pattern, r.h2d));
    AddEmpty(list);
}

void WriteWallTotals(const TKakou& r, ChapterList& list) {
    AddLine(list, " (3)水平土圧合計");
    AddLine(list, FormatLine("    Ph3(L)=Phd1+PhL1           =0.00kN/m2"_pattern, r.Ph3));
    AddLine(list, FormatLine("    Ph4(L)=Phd2+PhL1           =0.00kN/m2"_pattern, r.Ph4));
    AddLine(list, FormatLine("    Ph1(R)=Phd1+PhL1+PhL2      =0.00kN/m2"_pattern, r.Ph1));
    AddLine(list, FormatLine("    Ph2(R)=Phd2+PhL1+PhL2      =0.00kN/m2"_pattern, r.Ph2));
    AddEmpty(list);
}

// The left wall's lines name Ph1 and Ph2 as the right wall's do.
void WriteWallResultant(const char* heading, const Pattern& spPattern, Single sp,
                        const Pattern& ePattern, Single e, ChapterList& list) {
    AddLine(list, heading);
    AddLine(list, "            Ph2+Ph1");
    AddLine(list, FormatLine(spPattern, sp));
    AddLine(list, "               2");
    AddLine(list, "         Ho  2･Ph1+Ph2");
    AddLine(list, FormatLine(ePattern, e));
    AddLine(list, "         3     Ph1+Ph2)");
}

void WriteResultants(const TKakou& r, ChapterList& list) {
    AddLine(list, "4)荷重合力の計算");
    WriteWallResultant("  ①側壁(R)合力及び作用点", "    Sp1=Ho･---------    =0.00kN"_pattern, r.Sp1,
                       "    e1 =---･----------- =0.00m"_pattern, r.e1, list);
    WriteWallResultant("  ②側壁(L)合力及び作用点", "    Sp2=Ho･---------    =0.00kN"_pattern, r.Sp2,
                       "    e2 =---･----------- =0.00m"_pattern, r.e2, list);
    AddLine(list, "  ③頂版合力及び作用点");
    if (r.W1 > r.Bo) {
        AddLine(list, FormatLine("    Sp3=A+D1+PvL1･Bo+PvL2･L1=0.00kN"_pattern, r.Sp3));
        AddLine(list, "            Bo     Bo      Bo^2");
        AddLine(list, FormatLine("    e3 =(A･---+D1･---+PvL1･----+B)/Sp3=0.00m"_pattern, r.e3));
        AddLine(list, "            2      2         2");
    } else {
        AddLine(list, FormatLine("    Sp3=A+D1+PL1+PvL2･L1    =0.00kN"_pattern, r.Sp3));
        AddLine(list, "            Bo     Bo      Bo");
        AddLine(list, FormatLine("    e3 =(A･---+D1･---+PL1･----+B)/Sp3 =0.00m"_pattern, r.e3));
        AddLine(list, "            2      2       2");
    }
    AddLine(list, "    ここに");
    AddLine(list, "      A=Pvd1･Bo");
    AddLine(list, "　    B=PvL2･L1(L2+L1/2)");
    AddLine(list, "  ④底版合力及び作用点");
    AddLine(list, FormatLine("    Sp4=Sp3+D2=0.00kN"_pattern, r.Sp4));
    AddLine(list, "         Sp2･e2+Sp3･e3-Sp1･e1+Bo･D2/2");
    AddLine(list, FormatLine("    e4 =------------------------------=0.00m"_pattern, r.e4));
    AddLine(list, "                     Sp4");
    AddLine(list, "　  ここに");
    AddLine(list, "　    L1=Bo/2-(" + FormatLine("0.0"_pattern, r.axleDistance) +
                      "-(h1d+0.1))=" + FormatLine("0.00m"_pattern, r.L1) + ">=0.0m");
    AddLine(list, FormatLine("　    L2=Bo-L1=0.00m"_pattern, r.L2));
    AddLine(list, " ");
}

// Bottom-slab reaction and ground reaction; the heading numbers and the alignment of the
// ground-reaction lines differ between the live-load and the uniform-load sheets.
void WriteReactions(const TKakou& r, bool liveLoad, ChapterList& list) {
    if (liveLoad) {
        AddLine(list, "5)底版反力");
        AddLine(list, "          2･Sp4(2-3･e4/Bo)");
        AddLine(list, FormatLine("  Pv2(L)=-----------------=0.00kN/m2"_pattern, r.Pv2L));
        AddLine(list, "                Bo");
        AddLine(list, "          2･Sp4(3･e4/Bo-1)");
        AddLine(list, FormatLine("  Pv2(R)=-----------------=0.00kN/m2"_pattern, r.Pv2R));
        AddLine(list, "                Bo");
    } else {
        AddLine(list, "4)底版反力");
        AddLine(list, "              D2");
        AddLine(list, FormatLine("  Pv2(L)=Pv1+---- =0.00kN/m2"_pattern, r.Pv2L));
        AddLine(list, "              Bo");
        AddLine(list, "              D2");
        AddLine(list, FormatLine("  Pv2(R)=Pv1+---- =0.00kN/m2"_pattern, r.Pv2R));
        AddLine(list, "              Bo");
    }
    AddLine(list, " ");

    // Ground reaction under the bottom slab, for display only.
    const long double slab = static_cast<long double>(r.D3) / r.Bo;
    AddLine(list, liveLoad ? "6)地盤反力" : "5)地盤反力");
    AddLine(list, "             D3");
    AddLine(list, FormatLine(liveLoad ? "  q1=Pv2(L)+----          =0.00kN/m2"_pattern
                                      : "  q1=Pv2(L)+----  =0.00kN/m2"_pattern,
                             slab + r.Pv2L));
    AddLine(list, "             Bo");
    AddLine(list, "             D3");
    AddLine(list, FormatLine(liveLoad ? "  q2=Pv2(R)+----          =0.00kN/m2"_pattern
                                      : "  q2=Pv2(R)+----  =0.00kN/m2"_pattern,
                             slab + r.Pv2R));
    AddLine(list, "             Bo");
}

}  // namespace

void WriteWallPressureSheet(const TKakou& record, int loadCase, std::vector<std::string>& list) {
    const bool liveLoad = loadCase == 1 || loadCase == 2;
    StartList(list);
    WriteHorizontalEarthPressure(record, liveLoad, list);
    WriteWallTotals(record, list);
    if (liveLoad) WriteResultants(record, list);
    WriteReactions(record, liveLoad, list);
}
