// The lines of the joint-moment section; the five matrix lines show the system as solved.
#include "calc/frame/joint_moment_sheet.h"

#include <utility>

#include "calc/sheet/format_line.h"

void WriteJointMomentSheet(const TKakou& r, const FrameSolution& s, ChapterList& list) {
    StartList(list);
    AddLine(list, "2.接点曲げﾓｰﾒﾝﾄ計算");
    AddLine(list, "  接点曲げﾓｰﾒﾝﾄは、平衡方程式である接点");
    AddLine(list, "  方程式及び層方程式から未知変位量を");
    AddLine(list, "  求めることによって計算できる。");
    AddLine(list, " ");
    AddLine(list, "  ①係数計算");
    AddLine(list, FormatLine("    K1               =0.00000"_pattern, s.k1));
    AddLine(list, "        Ho    Tu");
    AddLine(list, FormatLine("    K2=----･(----)^3 =0.00000"_pattern, s.k2));
    AddLine(list, "        Bo    TL");
    AddLine(list, "        Ho    Tb");
    AddLine(list, FormatLine("    k3=----･(----)^3 =0.00000"_pattern, s.k3));
    AddLine(list, "        Bo    TL");
    AddLine(list, "       Cab+Ccd-Cba-Cdc+Sp5･Ho-Sp1･(Ho-e1)+Sp2･(Ho-e2)");
    AddLine(list,
            FormatLine("    A=-----------------------------------------------=0.00000"_pattern,
                       r.Astory));
    AddLine(list, "                              3");
    AddEmpty(list);
    AddLine(list, "  ここに");
    AddLine(list, FormatLine("　  Tu(部材厚:頂版)  =#,0mm"_pattern, r.Tu * 1000.0));
    AddLine(list, FormatLine("　  Tb(部材厚:底版)  =#,0mm"_pattern, r.Tb * 1000.0));
    AddLine(list, FormatLine("　  TL(部材厚:側壁)  =#,0mm"_pattern, r.TL * 1000.0));
    AddLine(list, FormatLine("　  Ho(Box高 :ﾗｰﾒﾝ軸)=#,0mm"_pattern, r.Ho * 1000.0));
    AddLine(list, FormatLine("　  Bo(Box幅 :ﾗｰﾒﾝ軸)=#,0mm"_pattern, r.Bo * 1000.0));
    AddLine(list, " ");
    AddLine(list, "  ②接点回転角");
    AddLine(list, "    |2(k1+k3),k1      ,0       ,k3      ,-3k1||Θa| |Cab-Cad|");
    AddLine(list, "    |k1      ,2(k1+k2),k2      ,0       ,-3k1||Θb| |Cbc-Cba|");
    AddLine(list, "    |0       ,k2      ,2(k1+k2),k1      ,-3k1||Θc|=|Ccd-Ccb|");
    AddLine(list, "    |k3      ,0       ,k1      ,2(k1+k3),-3k1||Θd| |Cda-Cdc|");
    AddLine(list, "    |k1      ,k1      ,k1      ,k1      ,-4k1||  R| |   A   |");
    AddLine(list, " ");
    AddLine(list, "  上式を解くと");
    AddLine(list, FormatLine("    Θa=+0.000;    Θa=-0.000"_pattern, s.thetaA));
    AddLine(list, FormatLine("    Θb=+0.000;    Θb=-0.000"_pattern, s.thetaB));
    AddLine(list, FormatLine("    Θc=+0.000;    Θc=-0.000"_pattern, s.thetaC));
    AddLine(list, FormatLine("    Θd=+0.000;    Θd=-0.000"_pattern, s.thetaD));
    AddLine(list, " ");
    AddLine(list, "  ③部材回転角");
    AddLine(list, FormatLine("    R  =+0.000;  R  =-0.000"_pattern, s.R));
    AddLine(list, " ");
    AddLine(list, "  ④接点曲げﾓｰﾒﾝﾄ");
    AddLine(list, "    以上から各接点曲げﾓｰﾒﾝﾄは次のように求まる。");
    AddEmpty(list);
    const std::pair<const char*, double> moments[] = {
        {"    Mab=k1(2･Θa+  Θb-3･R)-Cab=", r.Mab}, {"    Mba=k1(  Θa+2･Θb-3･R)+Cba=", r.Mba},
        {"    Mbc=k2(2･Θb+  Θc    )-Cbc=", r.Mbc}, {"    Mcb=k2(  Θb+2･Θc    )+Ccb=", r.Mcb},
        {"    Mcd=k1(2･Θc+  Θd-3･R)-Ccd=", r.Mcd}, {"    Mdc=k1(  Θc+2･Θd-3･R)+Cdc=", r.Mdc},
        {"    Mda=k3(2･Θd+  Θa    )-Cda=", r.Mda}, {"    Mad=k3(2･Θa+  Θd    )+Cad=", r.Mad},
    };
    for (const auto& [lead, moment] : moments)
        AddLine(list, lead + FormatLine("+0.000kNm;-0.000kNm"_pattern, moment));
    AddLine(list, " ");
    AddLine(list, "  ⑤検算");
    AddLine(list, "    各接点について検算する。");
    AddEmpty(list);
    AddLine(list, FormatLine("    ΣMa=Mab+Mad               =0.000kNm"_pattern, s.sumA));
    AddLine(list, FormatLine("    ΣMb=Mba+Mbc               =0.000kNm"_pattern, s.sumB));
    AddLine(list, FormatLine("    ΣMc=Mcb+Mcd               =0.000kNm"_pattern, s.sumC));
    AddLine(list, FormatLine("    ΣMd=Mdc+Mda               =0.000kNm"_pattern, s.sumD));
}
