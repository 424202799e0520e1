// Main-bar processing dimensions: the record fields, the dimension table and the sheet.
#include "calc/section/rebar_processing.h"

#include <algorithm>

#include "calc/sheet/chapter_list.h"
#include "calc/sheet/format_line.h"

namespace {

void KeepInRecord(TKakou& record, const RebarLengths& r) {
    record.R1 = r.R1;
    record.R2 = r.R2;
    record.L3Top = r.L3Top;
    record.L3Bottom = r.L3Bottom;
    record.L2Top = r.L2Top;
    record.L2Bottom = r.L2Bottom;
    record.xShift = r.xShift;
    record.L1Upper = r.L1Upper;
    record.L4Upper = r.L4Upper;
    record.L1Lower = r.L1Lower;
    record.L4Lower = r.L4Lower;
}

void WriteBentRow(Grid& grid, int row, Single L1, Single L2, Single L3, Single L4, Single L) {
    const Single lengths[] = {L1, L2, L3, L4, L};
    for (int column = 1; column <= 5; ++column)
        grid.Cell(column, row) = FormatLine("0"_pattern, lengths[column - 1]);
}

void WriteStraightRow(Grid& grid, int row, Single length) {
    grid.Cell(1, row) = FormatLine("0"_pattern, length);
    for (int column = 2; column <= 4; ++column) grid.Cell(column, row) = "---";
    grid.Cell(5, row) = FormatLine("0"_pattern, length);
}

void WriteTable(Grid& grid, const BarSchedule& barSchedule, const RebarLengths& r) {
    WriteBentRow(grid, 1, r.L1Upper, r.L2Top, r.L3Top, r.L4Upper, r.LTop);
    WriteBentRow(grid, 2, r.L1Lower, r.L2Bottom, r.L3Bottom, r.L4Lower, r.LBottom);
    WriteStraightRow(grid, 3, r.across);
    WriteStraightRow(grid, 4, r.across);
    WriteStraightRow(grid, 5, r.upright);
    // barSchedule entries of the bars in the table's rows 1 to 5.
    const int entries[] = {3, 2, 5, 6, 4};
    for (int row = 1; row <= 5; ++row) {
        grid.Cell(6, row) = FormatLine("D00"_pattern, barSchedule[entries[row - 1]]);
        grid.Cell(7, row) = FormatLine("@00"_pattern, barSchedule[1]);
    }
}

void WriteSheet(ChapterList& list, const TData& record, const BarSchedule& barSchedule,
                const RebarLengths& r) {
    const Single dWall = record.dWall * 1000.0;
    const Single dBottomLower = record.dBottomLower * 1000.0;
    StartList(list);
    AddLine(list, "主鉄筋加工寸法計算(mm)");
    AddLine(list, " ");
    AddLine(list, " 1)鉄筋曲げ半径");
    AddLine(list, "   R1(①頂版筋:10.5φ)    =" + FormatLine("0"_pattern, r.R1));
    AddLine(list, "   R2(②底版筋:10.5φ)    =" + FormatLine("0"_pattern, r.R2));
    AddLine(list, " ");
    AddLine(list, " 2)L3:鉄筋水平部長");
    AddLine(list, "   L3(①頂版筋)=B-2(R1+d1)=" + FormatLine("#,0"_pattern, r.L3Top));
    AddLine(list, "   L3(②底版筋)=B-2(R2+d1)=" + FormatLine("#,0"_pattern, r.L3Bottom));
    AddLine(list, "   ここに");
    AddLine(list, "     d1(側壁鉄筋かぶり)   =" + FormatLine("0mm"_pattern, dWall));
    AddLine(list, " ");
    AddLine(list, " 3)L2:隅角部長");
    AddLine(list, "   L2(①頂版筋)=π・R1/2  =" + FormatLine("#,0"_pattern, r.L2Top));
    AddLine(list, "   L2(②底版筋)=π・R2/2  =" + FormatLine("#,0"_pattern, r.L2Bottom));
    AddLine(list, " ");
    AddLine(list, " 4)La(継ぎ手長)");
    AddLine(list, "   La=φ・σsa/4τoa      =" + FormatLine("#,0"_pattern, r.La));
    AddLine(list, "   ここに");
    AddLine(list, FormatLine("     σsa(引張応力度)     =0.0N/mm2"_pattern, record.sigmaSaJoint));
    AddLine(list, FormatLine("     τoa(付着応力度)     =0.0N/mm2"_pattern, record.tauOa));
    AddLine(list, FormatLine("     φ(鉄筋直径)         =D0"_pattern,
                             std::max(barSchedule[2], barSchedule[3])));
    AddLine(list, " ");
    AddLine(list, " 5)L:鉄筋全体長さ");
    AddLine(list, "   ΣL=2(H+B-3d1-d2-(R1+R2)(2-π/2)+La)");
    AddLine(list, "       =" + FormatLine("#,0"_pattern, r.sumL));
    AddLine(list, "   Lm(丸め長)             =" + FormatLine("#,0"_pattern, r.Lm));
    AddLine(list, " ");
    AddLine(list, " 6)La'(継ぎ手実長)");
    AddLine(list, "   La'=La+(Lm-ΣL)/2     =" + FormatLine("#,0"_pattern, r.LaActual));
    AddLine(list, " ");
    AddLine(list, " 7)鉄筋長");
    AddLine(list, "   L(①頂版)              =" + FormatLine("#,0"_pattern, r.LTop));
    AddLine(list, "   L(②底版)              =" + FormatLine("#,0"_pattern, r.LBottom));
    AddLine(list, " ");
    AddLine(list, " 8)シフト可能量");
    AddLine(list, "   上部");
    AddLine(list, "       L-L3-2･L2-2･La'-2(H/4-d1)+R1");
    AddLine(list, "   x1=-------------------------------=" + FormatLine("#,0"_pattern, r.x1));
    AddLine(list, "                     2");
    AddLine(list, "   下部");
    AddLine(list, "       L-L3-2･L2-2･La'-2(H/4-d2)+R2");
    AddLine(list, "   x2=-------------------------------=" + FormatLine("#,0"_pattern, r.x2));
    AddLine(list, "                     2");
    AddLine(list, "   x=min(x1,x2)               =" + FormatLine("#,0"_pattern, r.xShift));
    AddLine(list, "   ここに");
    AddLine(list, "     d1(側壁鉄筋かぶり)       =" + FormatLine("0mm"_pattern, dWall));
    AddLine(list, "     d2(底版下面鉄筋かぶり)   =" + FormatLine("0mm"_pattern, dBottomLower));
    AddLine(list, " ");
    AddLine(list, " 9)L1,L4:直線部長");
    AddLine(list, "               L-2･L2-L3");
    AddLine(list, "   L1(上半部)=----------- - x1=" + FormatLine("#,0"_pattern, r.L1Upper));
    AddLine(list, "                   2");
    AddLine(list, "   L4(上半部)= L-(L1+2･L2+L3) =" + FormatLine("#,0"_pattern, r.L4Upper));
    AddLine(list, "               L-2･L2-L3");
    AddLine(list, "   L1(下半部)=----------- - x2=" + FormatLine("#,0"_pattern, r.L1Lower));
    AddLine(list, "                   2");
    AddLine(list, "   L4(下半部)= L-(L1+2･L2+L3) =" + FormatLine("#,0"_pattern, r.L4Lower));
}

}  // namespace

RebarLengths ComputeRebarProcessing(TKakou& record, const BarSchedule& barSchedule,
                                    Messenger& messenger) {
    const RebarLengths lengths = ComputeRebarLengths(record, barSchedule);
    KeepInRecord(record, lengths);
    if (const auto message = UnbuildableBarsMessage(lengths)) messenger.Inform(*message);
    return lengths;
}

void WriteRebarProcessing(const TData& record, const BarSchedule& barSchedule,
                          const RebarLengths& lengths, CalcTable& table) {
    WriteTable(table.GridOf("StringGrid2"), barSchedule, lengths);
    WriteSheet(table.List("ListBox6"), record, barSchedule, lengths);
}
