// The load calculation sheet: every line of two worked examples, and the variants that the
// load case, the pavement, the haunches, the band width and the front wheel select.
#include "calc/loads/load_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "box_record.h"
#include "calc/loads/loads.h"

namespace {

struct Sheet {
    std::vector<std::string> top;    // ListBox4
    std::vector<std::string> walls;  // ListBox1
};

Sheet Write(const BoxInputs& inputs, int loadCase) {
    TKakou record = MakeRecord(inputs);
    ComputeLoads(record, loadCase);
    DesignConditions conditions;
    conditions.lowerHaunch = inputs.lowerHaunch;
    CalcTable table;
    WriteLoadSheet(record, loadCase, conditions, table);
    return {table.List("ListBox4"), table.List("ListBox1")};
}

bool HasLineStartingWith(const std::vector<std::string>& lines, const std::string& start) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.rfind(start, 0) == 0; });
}

// T-20 (80 kN, axle 4.0 m) under 2.8 m of cover: W1 = 6.2 m > Bo, front wheel on the span
// (L1 = 0.85 m).
BoxInputs ShallowT20() {
    BoxInputs in;
    in.h1 = 2.8f;
    in.P1 = 80;
    in.axleDistance = 4.0;
    in.impactDepth = 3.5;
    return in;
}

TEST(LoadSheet, DefaultsInLoadCase4) {
    // h1 = 4.20 m at the impact depth of T-25: the uniform 10.0 kN/m2 replaces the wheels.
    const std::vector<std::string> kDefaultsSelfWeightAndTopLoad = {
        "1.荷重計算",
        "  カルバートの自重として、頂版及び側壁を考慮する。",
        "1)自重",
        "  D1(頂版)  =  γc(B･Tu+Hab･Hah)=40.18kN",
        "  D2(両側壁)=2･γc･Hu･TL        =73.50kN",
        "  D3(底版)  =  γc･B･Tb         =49.00kN",
        "",
        "  ここに",
        "    γc(ｺﾝｸﾘｰﾄ単位体積重量)   =24.50kN/m3",
        "　  B  (Box全幅)　　          =4,000mm",
        "　  Hu (Box内高)　            =3,000mm",
        "　  Hab(ﾊﾝﾁ幅)　　            =200mm",
        "　  Hah(ﾊﾝﾁ高)　　            =200mm",
        "　  Tu (頂版厚)               =400mm",
        "　  TL (側壁厚)               =500mm",
        "　  Tb (底版厚)               =500mm",
        "",
        "2)活荷重",
        "   活荷重による影響なし",
        "   PhL1(後輪水平荷重)         =0.00kN/m2",
        "   PhL2(前輪水平荷重)         =0.00kN/m2",
        "",
        "3)鉛直土圧、水平土圧",
        " (1)カルバート頂部の鉛直土圧(Pvd),荷重(Pv1)",
        "    カルバート頂部の鉛直土圧は次式で求める。",
        "    Pvd=α･γs･h1            =75.60kN/m2",
        "",
        "    ここに",
        "      α (鉛直土圧係数)      =1.00",
        "      γs(土の単位重量)      =18.00kN/m3",
        "      h1 (土かぶり)          =4.20m",
        "",
        "    カルバート頂部の荷重(Pv1)は次式で求める。",
        "               D1",
        "    Pv1=Pvd+q+──           =97.08kN/m2",
        "               Bo",
        "",
        "    ここに",
        "      Pvd(鉛直土圧)          =75.60kN/m2",
        "      q  (等分布荷重)        =10.00kN/m2",
        "      D1 (頂版重量)          =40.18kN",
        "　　  Bo (ﾗｰﾒﾝ軸幅)          =3.50m",
    };
    const std::vector<std::string> kDefaultsWallsAndReaction = {
        " (2)カルバート側面の水平土圧(Phd1,Phd2)",
        "    側壁に作用する水平土圧は次式で求める。",
        "    Phd1=Ko(γs･h1d+q)         =44.60kN/m2",
        "    Phd2=Ko(γs･h2d+q)         =75.65kN/m2",
        "    ここに",
        "      q (等分布荷重)           =10.00kN/m2",
        "      Ko (静止土圧係数)        =0.50",
        "      γs(土の単位重量)        =18.00kN/m3",
        "      h1d(路面～頂版軸線)      =4.40m",
        "      h2d(路面～底版軸線)      =7.85m",
        "",
        " (3)水平土圧合計",
        "    Ph3(L)=Phd1+PhL1           =44.60kN/m2",
        "    Ph4(L)=Phd2+PhL1           =75.65kN/m2",
        "    Ph1(R)=Phd1+PhL1+PhL2      =44.60kN/m2",
        "    Ph2(R)=Phd2+PhL1+PhL2      =75.65kN/m2",
        "",
        "4)底版反力",
        "              D2",
        "  Pv2(L)=Pv1+---- =118.08kN/m2",
        "              Bo",
        "              D2",
        "  Pv2(R)=Pv1+---- =118.08kN/m2",
        "              Bo",
        " ",
        "5)地盤反力",
        "             D3",
        "  q1=Pv2(L)+----  =132.08kN/m2",
        "             Bo",
        "             D3",
        "  q2=Pv2(R)+----  =132.08kN/m2",
        "             Bo",
    };

    const Sheet sheet = Write(BoxInputs{}, 4);
    EXPECT_EQ(sheet.top, kDefaultsSelfWeightAndTopLoad);
    EXPECT_EQ(sheet.walls, kDefaultsWallsAndReaction);
}

TEST(LoadSheet, LiveLoadCase1WithPavementAndLowerHaunches) {
    const std::vector<std::string> kCase1SelfWeightAndTopLoad = {
        "1.荷重計算",
        "  カルバートの自重として、頂版及び側壁を考慮する。",
        "1)自重",
        "  D1(頂版)  =  γc(B･Tu+Hab･Hah)=40.18kN",
        "  D2(両側壁)=2･γc･Hu･TL        =73.50kN",
        "  D3(底版)  =  γc(B･Tb+Hab･Hah)=49.98kN",
        "",
        "  ここに",
        "    γc(ｺﾝｸﾘｰﾄ単位体積重量)   =24.50kN/m3",
        "　  B  (Box全幅)　　          =4,000mm",
        "　  Hu (Box内高)　            =3,000mm",
        "　  Hab(ﾊﾝﾁ幅)　　            =200mm",
        "　  Hah(ﾊﾝﾁ高)　　            =200mm",
        "　  Tu (頂版厚)               =400mm",
        "　  TL (側壁厚)               =500mm",
        "　  Tb (底版厚)               =500mm",
        "",
        "2)活荷重",
        "  ①後輪による鉛直荷重,水平荷重を求める。",
        "",
        "                        PL1･β",
        "    PvL1(後輪鉛直荷重)=-------=10.98kN/m2",
        "                          W1",
        "    PhL1(後輪水平荷重)=Ko･PvL1=5.49kN/m2",
        "",
        "    ここに",
        "           2･P1",
        "      PL1=------･(1+i)        =75.64kN/m",
        "           2.75",
        "      β(断面力低減係数)      =0.90",
        "      W1(後輪分布幅)=2h+0.2   =6.20m(h=3.00m)",
        "　    P1(後輪荷重)            =80.00kN",
        "　    i (衝撃係数)            =0.30",
        "　    2.75(車両占有幅m)",
        "",
        "  ②前輪による鉛直荷重,水平荷重を求める。",
        "",
        "                        PL2･β",
        "    PvL2(前輪鉛直荷重)=-------=2.74kN/m2",
        "                          W1",
        "    PhL2(前輪水平荷重)=Ko･PvL2=1.37kN/m2",
        "",
        "    ここに",
        "           2･P2",
        "      PL2=------･(1+i)        =18.91kN/m",
        "           2.75",
        "      P2(前輪荷重)            =20.0kN",
        "",
        "3)鉛直土圧、水平土圧",
        " (1)カルバート頂部の鉛直土圧(Pvd),荷重(Pv1)",
        "    カルバート頂部の鉛直土圧は次式で求める。",
        "    Pvd=α(γs(h1-ha)+γa･ha)=50.90kN/m2",
        "",
        "    ここに",
        "      α (鉛直土圧係数)      =1.00",
        "      γs(土の単位重量)      =18.00kN/m3",
        "      γa(舗装の単位重量)    =23.00kN/m3",
        "      h1 (土かぶり)          =2.80m",
        "      ha (舗装厚)            =0.10m",
        "",
        "    カルバート頂部の荷重(Pv1)は次式で求める。",
        "               D1",
        "    Pv1=Pvd + ──           =62.38kN/m2",
        "               Bo",
        "",
        "    ここに",
        "      Pvd(鉛直土圧)          =50.90kN/m2",
        "      D1 (頂版重量)          =40.18kN",
        "　　  Bo (ﾗｰﾒﾝ軸幅)          =3.50m",
    };
    const std::vector<std::string> kCase1WallsAndReaction = {
        " (2)カルバート側面の水平土圧(Phd1,Phd2)",
        "    側壁に作用する水平土圧は次式で求める。",
        "    Phd1=Ko(γs(h1d-ha)+γa･ha)=27.25kN/m2",
        "    Phd2=Ko(γs(h2d-ha)+γa･ha)=58.30kN/m2",
        "",
        "    ここに",
        "      γa(舗装の単位重量)      =23.00kN/m3",
        "      ha (舗装厚)              =0.10m",
        "      Ko (静止土圧係数)        =0.50",
        "      γs(土の単位重量)        =18.00kN/m3",
        "      h1d(路面～頂版軸線)      =3.00m",
        "      h2d(路面～底版軸線)      =6.45m",
        "",
        " (3)水平土圧合計",
        "    Ph3(L)=Phd1+PhL1           =32.74kN/m2",
        "    Ph4(L)=Phd2+PhL1           =63.79kN/m2",
        "    Ph1(R)=Phd1+PhL1+PhL2      =34.11kN/m2",
        "    Ph2(R)=Phd2+PhL1+PhL2      =65.16kN/m2",
        "",
        "4)荷重合力の計算",
        "  ①側壁(R)合力及び作用点",
        "            Ph2+Ph1",
        "    Sp1=Ho･---------    =171.25kN",
        "               2",
        "         Ho  2･Ph1+Ph2",
        "    e1 =---･----------- =1.55m",
        "         3     Ph1+Ph2)",
        "  ②側壁(L)合力及び作用点",
        "            Ph2+Ph1",
        "    Sp2=Ho･---------    =166.51kN",
        "               2",
        "         Ho  2･Ph1+Ph2",
        "    e2 =---･----------- =1.54m",
        "         3     Ph1+Ph2)",
        "  ③頂版合力及び作用点",
        "    Sp3=A+D1+PvL1･Bo+PvL2･L1=259.09kN",
        "            Bo     Bo      Bo^2",
        "    e3 =(A･---+D1･---+PvL1･----+B)/Sp3=1.76m",
        "            2      2         2",
        "    ここに",
        "      A=Pvd1･Bo",
        "　    B=PvL2･L1(L2+L1/2)",
        "  ④底版合力及び作用点",
        "    Sp4=Sp3+D2=332.59kN",
        "         Sp2･e2+Sp3･e3-Sp1･e1+Bo･D2/2",
        "    e4 =------------------------------=1.73m",
        "                     Sp4",
        "　  ここに",
        "　    L1=Bo/2-(4.0-(h1d+0.1))=0.85m>=0.0m",
        "　    L2=Bo-L1=2.65m",
        " ",
        "5)底版反力",
        "          2･Sp4(2-3･e4/Bo)",
        "  Pv2(L)=-----------------=97.51kN/m2",
        "                Bo",
        "          2･Sp4(3･e4/Bo-1)",
        "  Pv2(R)=-----------------=92.54kN/m2",
        "                Bo",
        " ",
        "6)地盤反力",
        "             D3",
        "  q1=Pv2(L)+----          =111.79kN/m2",
        "             Bo",
        "             D3",
        "  q2=Pv2(R)+----          =106.82kN/m2",
        "             Bo",
    };

    BoxInputs in = ShallowT20();
    in.ha = 0.1f;
    in.lowerHaunch = true;
    const Sheet sheet = Write(in, 1);
    EXPECT_EQ(sheet.top, kCase1SelfWeightAndTopLoad);
    EXPECT_EQ(sheet.walls, kCase1WallsAndReaction);
}

TEST(LoadSheet, VariantsFollowLoadCaseBandAndFrontWheel) {
    BoxInputs narrow;  // W1 = 1.6 m < Bo, front wheel beyond the span
    narrow.h1 = 0.5f;
    BoxInputs paved;
    paved.ha = 0.1f;
    struct Row {
        const char* name;
        BoxInputs inputs;
        int loadCase;
        std::vector<std::string> present;  // line starts that must appear
        std::vector<std::string> absent;   // line starts that must not
    } rows[] = {
        {"case 2: no horizontal live load",
         ShallowT20(),
         2,
         {"    PhL1(後輪水平荷重)        =0.00kN/m2", "    PhL2(前輪水平荷重)        =0.00kN/m2",
          "    PvL2(前輪鉛直荷重)=-------=2.74kN/m2"},
         {"    PhL1(後輪水平荷重)=Ko･PvL1=", "    PhL2(前輪水平荷重)=Ko･PvL2="}},
        {"case 1, W1 < Bo, L1 = 0",
         narrow,
         1,
         {"    PhL1(後輪水平荷重)        =0.00kN/m2", "   前輪荷重による影響なし",
          "   PhL2(前輪水平荷重)         =0.00kN/m2",
          "    Sp3=A+D1+PL1+PvL2･L1    =", "    e3 =(A･---+D1･---+PL1･----+B)/Sp3 =",
          std::string("　    L1=Bo/2-(") + "6.0-(h1d+0.1))=0.00m>=0.0m"},
         {"                        PL2･β", "    Sp3=A+D1+PvL1･Bo+PvL2･L1="}},
        {"case 3: q on the walls, not on the top slab",
         BoxInputs{},
         3,
         {"    Pv1=Pvd + ──           =87.08kN/m2", "    Phd1=Ko(γs･h1d+q)         =44.60kN/m2",
          "   活荷重による影響なし"},
         {"    Pv1=Pvd+q+──           =", "4)荷重合力の計算"}},
        {"case 5 with pavement",
         paved,
         5,
         {"    Pv1=Pvd+q+──           =", "    Pvd=α(γs(h1-ha)+γa･ha)=76.10kN/m2",
          "    Phd1=Ko(γs(h1d-ha)+γa･ha+q)=", "      q  (等分布荷重)          =0.00kN/m2"},
         {"    Phd1=Ko(γs･h1d+q)         ="}},
    };
    for (const Row& row : rows) {
        const Sheet sheet = Write(row.inputs, row.loadCase);
        std::vector<std::string> all = sheet.top;
        all.insert(all.end(), sheet.walls.begin(), sheet.walls.end());
        for (const std::string& start : row.present)
            EXPECT_TRUE(HasLineStartingWith(all, start)) << row.name << ": " << start;
        for (const std::string& start : row.absent)
            EXPECT_FALSE(HasLineStartingWith(all, start)) << row.name << ": " << start;
    }
}

}  // namespace
