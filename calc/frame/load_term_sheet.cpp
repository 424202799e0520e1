// The lines of the load-term section.
#include "calc/frame/load_term_sheet.h"

#include "calc/sheet/format_line.h"

void WriteLoadTermSheet(const TKakou& r, ChapterList& list) {
    StartList(list);
    AddLine(list, "1.荷重項");
    AddLine(list, "  ﾗｰﾒﾝ解析は、部材接点の剛域を考慮");
    AddLine(list, "  しない[たわみ角法]にて行う。");
    AddLine(list, "  各部材の荷重項は、次式で求める。");
    AddLine(list, " ");
    AddLine(list, "       Ho^2");
    AddLine(list, FormatLine("  Cab=------･(2･Ph3+3･Ph4) =0.00kNm"_pattern, r.Cab));
    AddLine(list, "        60");
    AddLine(list, "       Ho^2");
    AddLine(list, FormatLine("  Cba=------･(3･Ph3+2･Ph4) =0.00kNm"_pattern, r.Cba));
    AddLine(list, "        60");
    AddLine(list, FormatLine("  Cbc=K1+K2+K3             =0.00kNm"_pattern, r.Cbc));
    AddLine(list, " ");
    AddLine(list, FormatLine("  Ccb=K1+K2+K4             =0.00kNm"_pattern, r.Ccb));
    AddLine(list, "       Ho^2");
    AddLine(list, FormatLine("  Ccd=------･(3･Ph1+2･Ph2) =0.00kNm"_pattern, r.Ccd));
    AddLine(list, "        60");
    AddLine(list, "       Ho^2");
    AddLine(list, FormatLine("  Cdc=------･(2･Ph1+3･Ph2) =0.00kNm"_pattern, r.Cdc));
    AddLine(list, "        60");
    AddLine(list, "       Bo^2");
    AddLine(list, FormatLine("  Cad=------･(3･Q1 +2･Q2)  =0.00kNm"_pattern, r.Cad));
    AddLine(list, "        60");
    AddLine(list, "       Bo^2");
    AddLine(list, FormatLine("  Cda=------･(2･Q1 +3･Q2)  =0.00kNm"_pattern, r.Cda));
    AddLine(list, "        60");
    AddEmpty(list);
    AddLine(list, "  ここに");
    AddLine(list, FormatLine("　  Ho (Box高:ﾗｰﾒﾝ軸)      =#,0mm"_pattern, r.Ho * 1000.0));
    AddLine(list, FormatLine("　  Bo (Box幅:ﾗｰﾒﾝ軸)      =#,0mm"_pattern, r.Bo * 1000.0));
    AddLine(list, FormatLine("    Ph1(右側壁:水平土圧)   =0.000kN/m2"_pattern, r.Ph1));
    AddLine(list, FormatLine("    Ph2(右側壁:水平土圧)   =0.000kN/m2"_pattern, r.Ph2));
    AddLine(list, FormatLine("    Ph3(左側壁:水平土圧)   =0.000kN/m2"_pattern, r.Ph3));
    AddLine(list, FormatLine("    Ph4(左側壁:水平土圧)   =0.000kN/m2"_pattern, r.Ph4));
    AddLine(list, FormatLine("    Q1 (底版に作用する反力)=0.000kN/m2"_pattern, r.Pv2L));
    AddLine(list, FormatLine("    Q2 (底版に作用する反力)=0.000kN/m2"_pattern, r.Pv2R));
    AddLine(list, "        1        D1");
    AddLine(list, "    K1=---･(Pvd+----)･Bo^2");
    AddLine(list, "        12       Bo");
    AddLine(list, "          1");
    AddLine(list, "    K2=-------･PvL1･W1･(3･Bo^2-W1^2)");
    AddLine(list, "        24･Bo");
    AddLine(list, "          1");
    AddLine(list, "    K3=-------･PvL2･B^3･(4･Bo-3･B)");
    AddLine(list, "       12･Bo^2");
    AddLine(list, "    K4=PvL2･(Bo^4-A^3･(4･Bo-3･A))");
    AddLine(list, FormatLine("    A =+0.000kNm;  A=-0.000kNm"_pattern, r.Astory));
}
