// The lines of the member-force section. The left wall's span moment is written without a
// plus sign, every other signed value with one.
#include "calc/frame/member_force_sheet.h"

#include "calc/sheet/format_line.h"

void WriteMemberForceSheet(const TKakou& r, ChapterList& list) {
    const MemberForces& ab = r.forcesAB;
    const MemberForces& cd = r.forcesCD;
    const MemberForces& bc = r.forcesBC;
    const MemberForces& da = r.forcesDA;
    StartList(list);
    AddLine(list, "3．部材断面力");
    AddLine(list, "各部材のせん断力、曲げﾓｰﾒﾝﾄは次のようになる。");
    AddLine(list, "(1)側壁左");
    AddLine(list, " ①せん断力");
    AddLine(list, "        2･w1+w2      Mab+Mba");
    AddLine(list,
            "   Sab=--------･L - ---------=" + FormatLine("+0.00kN;-0.00kN"_pattern, ab.SStart));
    AddLine(list, "           6            L");
    AddLine(list, "       -(w1+2･w2)     Mba+Mab");
    AddLine(list,
            "   Sba=----------･L - ---------=" + FormatLine("+0.00kN;-0.00kN"_pattern, ab.SEnd));
    AddLine(list, "             6           L");
    AddLine(list, " ②曲げﾓｰﾒﾝﾄ");
    AddLine(list,
            "   Ma  = Mab                   =" + FormatLine("+0.00kNm;-0.00kNm"_pattern, r.Mab));
    AddLine(list,
            "   Mb  =-Mba                   =" + FormatLine("+0.00kNm;-0.00kNm"_pattern, ab.MEnd));
    AddLine(list, "                w1         w2-w1");
    AddLine(list, "   Mmax=Sab･X- ----･X^2 - -------･X^3+Mab=" +
                      FormatLine("0.00kNm;-0.00kNm"_pattern, ab.MMax));
    AddLine(list, "                2           6･L");
    AddLine(list, " ");
    AddLine(list, "(2)側壁右");
    AddLine(list, " ①せん断力");
    AddLine(list, "         2･w2+w1       Mcd+Mdc");
    AddLine(list,
            "   Scd= ---------･L - ---------=" + FormatLine("+0.00kN;-0.00kN"_pattern, cd.SStart));
    AddLine(list, "            6             L");
    AddLine(list, "       -(w2+2･w1)      Mcd+Mdc");
    AddLine(list,
            "   Sdc=----------･L - ---------=" + FormatLine("+0.00kN;-0.00kN"_pattern, cd.SEnd));
    AddLine(list, "            6             L");
    AddLine(list, " ②曲げﾓｰﾒﾝﾄ");
    AddLine(list, "   Mc= Mcd=" + FormatLine("+0.00kNm;-0.00kNm"_pattern, r.Mcd));
    AddLine(list, "   Md=-Mdc=" + FormatLine("+0.00kNm;-0.00kNm"_pattern, cd.MEnd));
    AddLine(list, "                 w2         w1-w2");
    AddLine(list, "   Mmax=Scd･X - ----･X^2 - -------･X^3+Mcd=" +
                      FormatLine("+0.00kNm;-0.00kNm"_pattern, cd.MMax));
    AddLine(list, "                 2           6･L");
    AddLine(list, " ");
    AddLine(list, "(3)頂版");
    AddLine(list, " ①せん断力");
    AddLine(list, "        1                L3^2     Mbc+Mcb");
    AddLine(list, "   Sbc=---(w1･L+w2･L2+w3･-----)- ---------=" +
                      FormatLine("+0.00kN;-0.00kN"_pattern, bc.SStart));
    AddLine(list, "        2                  L         L");
    AddLine(list, "   Scb=Sbc-w1･L-w2･L2-w3･L3           =" +
                      FormatLine("+0.00kN;-0.00kN"_pattern, bc.SEnd));
    AddLine(list, " ②曲げﾓｰﾒﾝﾄ");
    AddLine(list, "   Mb  = Mbc                          =" +
                      FormatLine("+0.00kNm;-0.00kNm"_pattern, r.Mbc));
    AddLine(list, "   Mc  =-Mcb                          =" +
                      FormatLine("+0.00kNm;-0.00kNm"_pattern, bc.MEnd));
    AddLine(list, "              w1               w2");
    AddLine(list, "   Mmax=Sbc･X---･X^2-(X-L1)^2･----+Mbc=" +
                      FormatLine("+0.00kNm;-0.00kNm"_pattern, bc.MMax));
    AddLine(list, "               2                2");
    AddLine(list, " ");
    AddLine(list, "(4)底版");
    AddLine(list, " ①せん断力");
    AddLine(list, "          2･w2+w1       Mda+Mad");
    AddLine(list,
            "   Sda=  ---------･L - ---------=" + FormatLine("+0.00kN;-0.00kN"_pattern, da.SStart));
    AddLine(list, "            6             L");
    AddLine(list, "          w2+2･w1       Mda+Mad");
    AddLine(list,
            "   Sad=- ---------･L - ---------=" + FormatLine("+0.00kN;-0.00kN"_pattern, da.SEnd));
    AddLine(list, "            6              L");
    AddLine(list, " ②曲げﾓｰﾒﾝﾄ");
    AddLine(list,
            "   Md  = Mda                 =" + FormatLine("+0.00kNm;-0.00kNm"_pattern, r.Mda));
    AddLine(list,
            "   Ma  =-Mad                 =" + FormatLine("+0.00kNm;-0.00kNm"_pattern, da.MEnd));
    AddLine(list, "         1         w･X^2");
    AddLine(list,
            "   Mmax=---･Sda･L- ------+Mda=" + FormatLine("+0.00kNm;-0.00kNm"_pattern, da.MMax));
    AddLine(list, "         2           2");
}
