// The input page as data: the texts and choice indices of its controls exactly as entered,
// the T-load dialog's three texts, the first live-load item's caption, the bar-pitch
// setting and the figure controls. The run converts the texts afresh every time. A choice
// index of -1 is "no item".
#pragma once

#include <string>
#include <vector>

struct DesignConditions {
    // 1．単位体積重量
    int soilType = 2;             // RadioGroup2 "土質"
    std::string gammaS = "18";    // ComboBox2
    std::string gammaC = "24.5";  // ComboBox3
    std::string gammaA = "23";    // Edit28
    // 2．ボックス形状（ｍ）
    std::string h1 = "4.20";   // Edit2
    std::string ha = "0.00";   // Edit9
    std::string Tu = "0.40";   // Edit7
    std::string TL = "0.50";   // Edit6
    std::string Tb = "0.50";   // Edit13
    std::string Hah = "0.20";  // Edit11
    std::string Hab = "0.20";  // Edit12
    std::string H = "3.90";    // Edit4
    std::string B = "4.00";    // Edit18
    bool lowerHaunch = false;  // CheckBox1 "有り" under "下側ﾊﾝﾁ"
    // 3．土圧係数
    int foundation = 0;      // RadioGroup3 "鉛直土圧係数(α)"
    std::string Ko = "0.5";  // ComboBox1
    // 4．載荷重
    int liveLoad = 0;       // RadioGroup1 "活荷重"
    int combination = 0;    // RadioGroup4 "4m未満荷重組合せ"
    std::string q = "0.0";  // Edit10
    // 5．許容応力度（N/mm2）
    std::string sigmaCk = "24";        // Edit21
    std::string sigmaCa = "8.0";       // Edit5
    std::string tauA = "0.39";         // Edit1
    std::string steelGrade = "SD345";  // Edit14
    std::string sigmaSa = "160";       // Edit17
    std::string sigmaSaJoint = "200";  // Edit3
    std::string tauOa = "1.6";         // Edit8
    // 6．主筋中心～ｺﾝｸﾘｰﾄ表面（ｍ）
    std::string dTop = "0.10";          // ComboBox4
    std::string dWall = "0.10";         // ComboBox5
    std::string dBottomUpper = "0.11";  // ComboBox6
    std::string dBottomLower = "0.11";  // ComboBox7
    // 配筋(mm)設定
    int pitchMode = 0;        // RadioGroup12: 0 "自動設定", 1 "ﾋﾟｯﾁ@を指定"
    std::string pitch = "-";  // ComboBox10 "ﾋﾟｯﾁ＠"
    // T-load dialog
    std::string tWeight = "25";                       // Edit1 of the T-load dialog, in t
    std::string tAxleDistance = "6.0";                // Edit2 of the T-load dialog, m
    std::string tImpactDepth = "4.0";                 // Edit3 of the T-load dialog, m
    std::string liveLoadCaption0 = "活荷重（T-25）";  // caption of the first live-load item
    // Water and ground (dialog "水位・地盤..."): beyond the documented conditions; at their
    // defaults the run is the documented one.
    std::string hw = "なし";       // 地下水位: "なし" or the depth below the road surface, m
    int innerWater = 0;            // 内水: 0 "なし", 1 "満水"
    std::string gammaW = "9.8";    // γw, kN/m3
    std::string gammaSub = "9.0";  // γ', submerged soil, kN/m3
    std::string qa;                // 許容地盤反力度, kN/m2; empty: not checked
    std::string upliftFactor = "1.2";  // 浮上り安全率, the required factor
    // Cells: beyond the documented conditions, which describe one cell. With two or three
    // cells, B stays the outer width and the middle walls are Tm thick.
    int cells = 1;            // セル数: 1, 2 or 3
    std::string Tm = "0.40";  // 中壁厚, m
    // Figure controls: they change how the result figures look, not what the run computes.
    int figureColours = 0;   // RadioGroup5 "出力図色": 0 "ｶﾗｰ", 1 "白黒"
    int figureFontSize = 9;  // TrackBar1 "図ﾌｫﾝﾄｻｲｽﾞ", 5 to 12
    // The report's header: what it is for and who made it; empty when not given.
    std::string projectName;  // "工事名"
    std::string designer;     // "設計者"

    bool operator==(const DesignConditions&) const = default;
};

// Items of the choices, in order.
const std::vector<std::string>& SoilTypeItems();
const std::vector<std::string>& FoundationItems();
const std::vector<std::string>& CombinationItems();
const std::vector<std::string>& PitchModeItems();
// ComboBox10 "ﾋﾟｯﾁ＠": "-" with the automatic setting, a pitch in mm with a fixed one.
const std::vector<std::string>& PitchItems();
const std::vector<std::string>& FigureColourItems();
// 内水: "なし", "満水".
const std::vector<std::string>& InnerWaterItems();
// The text of the water-table entry that means no groundwater.
inline constexpr const char* kNoGroundwater = "なし";
// Whether any water or ground entry differs from its default: the design file then holds
// the lines of those entries.
bool UsesWaterOrGround(const DesignConditions& conditions);
// The default conditions with the water and ground entries of the given ones.
DesignConditions WaterEntriesOf(const DesignConditions& conditions);
// The number of cells that may be chosen.
inline constexpr int kMaxCells = 3;
// Whether the cell entries differ from their defaults: the design file then holds their lines.
bool UsesCells(const DesignConditions& conditions);
inline constexpr int kFigureFontSizeMin = 5;
inline constexpr int kFigureFontSizeMax = 12;
// The live-load items, the first with the given (possibly customised) caption.
std::vector<std::string> LiveLoadItems(const DesignConditions& conditions);
// The default γs text of each soil type (RadioGroup2 puts it into ComboBox2).
std::string DefaultGammaS(int soilType);
// Whether a run would compute the same from both: the figure controls and the report's header
// aside, every entry equal.
bool SameCalculation(const DesignConditions& a, const DesignConditions& b);
