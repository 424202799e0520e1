// Reading and checking the design conditions.
#include "calc/read_conditions.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "calc/cells/cell_geometry.h"
#include "calc/decimal.h"
#include "calc/float_errors.h"
#include "calc/water/water_inputs.h"

// Every conversion names the entry by the label or hint the input page shows beside it, so
// that a conversion error tells the user which entry to correct.
namespace {

void ReadLiveLoad(const DesignConditions& conditions, TData& record) {
    switch (conditions.liveLoad) {
        case 0: {  // the T load of the T-load dialog
            const TLoad load =
                ReadTLoad(conditions.tWeight, conditions.tAxleDistance, conditions.tImpactDepth);
            record.P1 = load.P1;
            record.axleDistance = load.axleDistance;
            record.impactDepth = load.impactDepth;
            break;
        }
        case 1:  // T-20
            record.P1 = 80.0;
            record.axleDistance = 4.0;
            record.impactDepth = 3.5;
            break;
        case 2:  // T-14
            record.P1 = 56.0;
            record.axleDistance = 4.0;
            record.impactDepth = 3.5;
            break;
        case 3:  // no live load
            record.P1 = 0;
            record.axleDistance = 4.0;
            record.impactDepth = 3.5;
            break;
        default:  // no item selected: the fields stay zero
            break;
    }
}

// Corners 1..n in order; corner n+1 closes the outline.
void SetPolygon(BoxPolygon& polygon, std::initializer_list<std::pair<double, double>> corners) {
    polygon.n = static_cast<int>(corners.size());
    int k = 1;
    for (const auto& [x, y] : corners) {
        polygon.X[k] = x;
        polygon.Y[k] = y;
        ++k;
    }
    polygon.X[k] = polygon.X[1];
    polygon.Y[k] = polygon.Y[1];
}

// Bottom left, top left, top right, bottom right.
void SetRectangle(BoxPolygon& polygon, double halfWidth, double top, double bottom) {
    SetPolygon(polygon,
               {{-halfWidth, bottom}, {-halfWidth, top}, {halfWidth, top}, {halfWidth, bottom}});
}

// The inner opening with the upper haunches, and the lower ones when present.
void SetOpening(BoxPolygon& polygon, const TData& r, double top, double bottom, bool lowerHaunch) {
    const double half = r.Bu / 2.0;
    if (lowerHaunch) {
        SetPolygon(polygon, {{-half + r.Hab, bottom},
                             {-half, bottom + r.Hah},
                             {-half, top - r.Hah},
                             {-half + r.Hab, top},
                             {half - r.Hab, top},
                             {half, top - r.Hah},
                             {half, bottom + r.Hah},
                             {half - r.Hab, bottom}});
    } else {
        SetPolygon(polygon, {{-half, bottom},
                             {-half, top - r.Hah},
                             {-half + r.Hab, top},
                             {half - r.Hab, top},
                             {half, top - r.Hah},
                             {half, bottom}});
    }
}

void SetPolygons(TData& r, bool lowerHaunch) {
    SetRectangle(r.roadOutline, r.B / 2.0, -static_cast<double>(r.h1),
                 -(static_cast<double>(r.H) + r.h1));
    SetRectangle(r.roadAxes, r.Bo / 2.0, -static_cast<double>(r.h1d), -static_cast<double>(r.h2d));
    const double roadTop = -(static_cast<double>(r.h1) + r.Tu);
    const double roadBottom = -(static_cast<double>(r.h1) + r.Tu + r.Hu);
    SetOpening(r.roadOpening, r, roadTop, roadBottom, lowerHaunch);
    SetRectangle(r.boxOutline, r.B / 2.0, r.H / 2.0, -r.H / 2.0);
    SetRectangle(r.boxAxes, r.Bo / 2.0, r.Ho / 2.0, -r.Ho / 2.0);
    SetOpening(r.boxOpening, r, r.Hu / 2.0, -r.Hu / 2.0, lowerHaunch);
}

// The vertical earth-pressure coefficient by the cover-to-width ratio, taken as a Single.
double AlphaByRatio(const TData& r) {
    const Single ratio = static_cast<double>(r.h1) / r.B;
    if (ratio < 1) return 1.0;
    if (ratio < 2) return 1.2;
    if (ratio < 3) return 1.35;
    if (ratio < 4) return 1.5;
    return 1.6;
}

double Alpha(int foundation, const TData& r) {
    switch (foundation) {
        case 0:  // direct foundation: the ratio only under deep cover over a tall opening
            return (r.h1 >= 10.0 && r.Hu > 3.0) ? AlphaByRatio(r) : 1.0;
        case 1:  // piles
            return AlphaByRatio(r);
        case 2:  // other foundations
            return 1.0;
        default:
            return 0;
    }
}

// An entry as the user typed it, under the name the message gives it.
struct Entry {
    const char* name;
    const std::string& text;
};

// The first derived quantity whose computation raised a floating-point error, named with the
// entries it is formed from.
class FirstUncomputable {
  public:
    FirstUncomputable() { std::feclearexcept(kFloatErrors); }

    // Called after each derived quantity is computed.
    void After(const char* quantity, std::initializer_list<Entry> entries) {
        if (what_ || !FloatErrorRaised()) return;
        std::string what = std::string(quantity) + "：";
        const char* separator = "";
        for (const Entry& entry : entries) {
            what += separator + std::string(entry.name) + " = " + Trimmed(entry.text);
            separator = "、";
        }
        what_ = what;
    }

    const std::optional<std::string>& what() const { return what_; }

  private:
    std::optional<std::string> what_;
};

}  // namespace

TLoad ReadTLoad(const std::string& weight, const std::string& axleDistance,
                const std::string& impactDepth) {
    TLoad load;
    load.P1 = ParseDouble(weight, "重量（ｔ）") * 4;
    if (!std::isfinite(load.P1)) throw ConversionError(weight, "重量（ｔ）");
    load.axleDistance = ParseDouble(axleDistance, "軸間距離（ｍ）");
    load.impactDepth = ParseDouble(impactDepth, "衝撃係数作用深さ（ｍ）");
    return load;
}

namespace {

std::vector<FailedCheck> FailedTLoadChecks(const TLoad& load) {
    using D = DesignConditions;
    std::vector<FailedCheck> failed;
    if (load.P1 < 0)
        failed.push_back({"Ｔ荷重の重量がおかしいです。", {"重量（ｔ）"}, {&D::tWeight}});
    if (load.axleDistance <= 0)
        failed.push_back({"軸間距離がおかしいです。", {"軸間距離（ｍ）"}, {&D::tAxleDistance}});
    if (load.impactDepth < 0)
        failed.push_back(
            {"衝撃係数作用深さがおかしいです。", {"衝撃係数作用深さ（ｍ）"}, {&D::tImpactDepth}});
    return failed;
}

}  // namespace

std::vector<std::string> TLoadFailures(const TLoad& load) {
    std::vector<std::string> failures;
    for (FailedCheck& failed : FailedTLoadChecks(load))
        failures.push_back(std::move(failed.message));
    return failures;
}

void ReportInputError(Messenger& messenger, const std::string& failure) {
    messenger.Warn(failure + "\n" + "訂正して下さい。");
}

std::optional<std::string> ReadDesignConditions(const DesignConditions& c, TKakou& r) {
    FirstUncomputable uncomputable;
    const Entry h1{"土かぶり h1", c.h1}, Tu{"頂版厚 Tu", c.Tu}, Tb{"底版厚 Tb", c.Tb},
        TL{"側壁厚 TL", c.TL}, Hab{"ﾊﾝﾁ幅 Hab", c.Hab}, Hah{"ﾊﾝﾁ高 Hah", c.Hah},
        H{"ボックス全高 H", c.H}, B{"ボックス全幅 B", c.B}, gammaC{"γc", c.gammaC};

    r.gammaS = ParseDouble(c.gammaS, "γs");
    r.Ko = ParseDouble(c.Ko, "Ko");
    r.q = ParseDouble(c.q, "ｑ（kN/m2）");  // read even when the live load disables it
    ReadLiveLoad(c, r);

    r.sigmaCk = ParseDouble(c.sigmaCk, "σck");
    r.sigmaCa = ParseDouble(c.sigmaCa, "σca");
    r.tauA = ParseDouble(c.tauA, "τa");
    r.tauOa = ParseDouble(c.tauOa, "τoa");
    r.sigmaSa = ParseDouble(c.sigmaSa, "σsa");
    r.sigmaSaJoint = ParseDouble(c.sigmaSaJoint, "継ぎ手算出時許容引張応力度");

    r.h1 = ParseSingle(c.h1, "土かぶり");
    r.ha = ParseSingle(c.ha, "舗装厚");
    r.Tu = ParseSingle(c.Tu, "頂版厚");
    r.Tb = ParseSingle(c.Tb, "底版厚");
    r.TL = ParseSingle(c.TL, "側壁厚");
    r.Hab = ParseSingle(c.Hab, "ﾊﾝﾁ幅");
    r.Hah = ParseSingle(c.Hah, "ﾊﾝﾁ高");
    r.H = ParseSingle(c.H, "外形高");
    r.B = ParseSingle(c.B, "外形幅");
    // One cell has no middle wall: its thickness is neither read nor checked.
    r.cells = c.cells;
    if (c.cells != 1) r.Tm = ParseSingle(c.Tm, "中壁厚");

    // Single fields are rounded when stored; later formulas read the stored values.
    r.Ho = r.H - (static_cast<double>(r.Tu) + r.Tb) / 2;
    uncomputable.After("Box高:ﾗｰﾒﾝ軸 Ho", {H, Tu, Tb});
    r.Bo = static_cast<double>(r.B) - r.TL;
    uncomputable.After("Box幅:ﾗｰﾒﾝ軸 Bo", {B, TL});
    r.Bu = static_cast<double>(r.B) - r.TL - r.TL;
    uncomputable.After("内空幅 Bu", {B, TL});
    r.Hu = static_cast<double>(r.H) - r.Tu - r.Tb;
    uncomputable.After("内空高 Hu", {H, Tu, Tb});

    r.dWall = ParseSingle(c.dWall, "ｄ’（側壁）");
    r.dTop = ParseSingle(c.dTop, "ｄ’（頂版）");
    r.dBottomUpper = ParseSingle(c.dBottomUpper, "ｄ’（底版上面）");
    r.dBottomLower = ParseSingle(c.dBottomLower, "ｄ’（底版下面）");

    r.h1d = r.Tu / 2.0 + r.h1;
    uncomputable.After("路面～頂版軸線 h1d", {h1, Tu});
    r.h2d = static_cast<double>(r.h1d) + r.Ho;
    uncomputable.After("路面～底版軸線 h2d", {h1, Tu, Tb, H});

    SetPolygons(r, c.lowerHaunch);

    r.gammaC = ParseDouble(c.gammaC, "γc");
    r.gammaA = ParseDouble(c.gammaA, "γa");

    const double haunch = static_cast<double>(r.Hab) * r.Hah;
    r.D1 = r.gammaC * (static_cast<double>(r.B) * r.Tu + haunch);
    uncomputable.After("頂版の自重 D1", {gammaC, B, Tu, Hab, Hah});
    r.D2 = r.gammaC * (static_cast<double>(r.TL) + r.TL) * r.Hu;
    uncomputable.After("側壁の自重 D2", {gammaC, TL, H, Tu, Tb});
    const double bottomSlab = static_cast<double>(r.B) * r.Tb;
    r.D3 = r.gammaC * (c.lowerHaunch ? bottomSlab + haunch : bottomSlab);
    if (c.lowerHaunch)
        uncomputable.After("底版の自重 D3", {gammaC, B, Tb, Hab, Hah});
    else
        uncomputable.After("底版の自重 D3", {gammaC, B, Tb});

    r.L1 = std::max(0.0, r.Bo / 2.0 - (r.axleDistance - (r.h1d + 0.1)));
    r.L2 = static_cast<double>(r.Bo) - r.L1;
    if (c.liveLoad == 0)
        uncomputable.After("前輪の載荷長 L1", {B, TL, {"軸間距離", c.tAxleDistance}, h1, Tu});
    else
        uncomputable.After("前輪の載荷長 L1", {B, TL, h1, Tu});

    r.i = r.h1 >= r.impactDepth ? 0.0 : 0.3;
    r.alpha = Alpha(c.foundation, r);
    uncomputable.After("鉛直土圧係数 α", {h1, B});
    r.beta = LiveLoadReduction(r.h1, r.Bu);
    return uncomputable.what();
}

std::string UnconvertibleField(const DesignConditions& conditions) {
    const auto record = std::make_unique<TKakou>();
    try {
        ReadDesignConditions(conditions, *record);
        ReadWaterInputs(conditions);
    } catch (const ConversionError& error) {
        return error.field();
    }
    return {};
}

double LiveLoadReduction(Single h1, double Bu) {
    return (h1 <= 1.0 && Bu >= 4.0) ? 1.0 : 0.9;
}

std::vector<FailedCheck> FailedChecks(const TKakou& r) {
    using D = DesignConditions;
    std::vector<FailedCheck> failed;
    // Each check names the entries it reads, and those its message is about. The message and
    // the names become strings only where the check fails.
    const auto check = [&](std::initializer_list<ConditionEntry> reads, bool fails,
                           std::string_view message, std::initializer_list<const char*> fields) {
        if (!fails) return;
        failed.push_back({std::string(message), {fields.begin(), fields.end()}, reads});
    };
    // Differences are rounded to Singles before they are compared, and a bound on a Single
    // is a Single too, so that a value typed exactly at a bound passes.
    const auto single = [](double value) { return Single(value); };
    constexpr Single kMinClearance = 0.2;
    constexpr Single kMinCover = 0.02;

    check({&D::ha}, r.ha < 0, "舗装厚がおかしいです。", {"舗装厚"});
    check({&D::h1}, r.h1 < 0, "土かぶりがおかしいです。", {"土かぶり"});
    check({&D::h1, &D::ha}, single(static_cast<double>(r.h1) - r.ha) < 0,
          "土かぶりがおかしいです。", {"土かぶり", "舗装厚"});
    // With two or three cells, the width of each cell is checked below instead.
    const bool multiCell = MultiCell(r);
    check({&D::B, &D::TL, &D::Hab},
          !multiCell && single(r.B - 2 * (static_cast<double>(r.TL) + r.Hab)) < kMinClearance,
          "ボックスの幅がおかしいです。", {"外形幅", "側壁厚", "ﾊﾝﾁ幅"});
    check({&D::H, &D::Hah, &D::Tu, &D::Tb},
          single(r.H - (2.0 * r.Hah + r.Tu + r.Tb)) < kMinClearance,
          "ボックスの高さがおかしいです。", {"外形高", "ﾊﾝﾁ高", "頂版厚", "底版厚"});
    check({&D::dWall, &D::TL}, r.dWall > r.TL / 2, "側壁のかぶりがおかしいです。",
          {"ｄ’（側壁）", "側壁厚"});
    check({&D::dTop, &D::Tu}, r.dTop > r.Tu / 2, "頂版のかぶりがおかしいです。",
          {"ｄ’（頂版）", "頂版厚"});
    check({&D::dBottomUpper, &D::Tb}, r.dBottomUpper > r.Tb / 2, "底版のかぶりがおかしいです。",
          {"ｄ’（底版上面）", "底版厚"});
    check({&D::dBottomLower, &D::Tb}, r.dBottomLower > r.Tb / 2, "底版のかぶりがおかしいです。",
          {"ｄ’（底版下面）", "底版厚"});
    check({&D::dWall}, r.dWall < kMinCover, "側壁のかぶりがおかしいです。", {"ｄ’（側壁）"});
    check({&D::dTop}, r.dTop < kMinCover, "頂版のかぶりがおかしいです。", {"ｄ’（頂版）"});
    check({&D::dBottomUpper}, r.dBottomUpper < kMinCover, "底版のかぶりがおかしいです。",
          {"ｄ’（底版上面）"});
    check({&D::dBottomLower}, r.dBottomLower < kMinCover, "底版のかぶりがおかしいです。",
          {"ｄ’（底版下面）"});
    // In extended range, so that a box of small positive sizes does not underflow to zero.
    const long double size = static_cast<long double>(r.H) * r.B * r.Tu * r.Tb * r.TL * r.dWall *
                             r.dTop * r.dBottomUpper * r.dBottomLower;
    if (!(size > 0)) {
        // The message is about each size that is not positive.
        const std::tuple<double, const char*, ConditionEntry> sizes[] = {
            {r.H, "外形高", &D::H},
            {r.B, "外形幅", &D::B},
            {r.Tu, "頂版厚", &D::Tu},
            {r.Tb, "底版厚", &D::Tb},
            {r.TL, "側壁厚", &D::TL},
            {r.dWall, "ｄ’（側壁）", &D::dWall},
            {r.dTop, "ｄ’（頂版）", &D::dTop},
            {r.dBottomUpper, "ｄ’（底版上面）", &D::dBottomUpper},
            {r.dBottomLower, "ｄ’（底版下面）", &D::dBottomLower}};
        FailedCheck check{"ボックスのサイズがおかしいです。", {}, {}};
        for (const auto& [value, field, entry] : sizes) {
            if (!(value > 0)) check.fields.push_back(field);
            check.reads.push_back(entry);
        }
        failed.push_back(std::move(check));
    }
    check({&D::gammaS}, r.gammaS < 9.0, "土の単位重量がおかしいです。", {"γs"});
    check({&D::Ko}, r.Ko < 0.3, "土圧係数がおかしいです。", {"Ko"});
    check({&D::q}, r.q < 0, "等分布荷重がおかしいです。", {"ｑ（kN/m2）"});
    check({&D::sigmaCa}, r.sigmaCa < 7.0, "σcaがおかしいです。", {"σca"});
    check({&D::sigmaSa}, r.sigmaSa < 140, "σsaがおかしいです。", {"σsa"});
    check({&D::tauA}, r.tauA < 0.3, "τaがおかしいです。", {"τa"});
    check({&D::tauOa}, r.tauOa < 1.0, "τoaがおかしいです。", {"τoa"});
    // Entries without a bound of their own above that have no physical meaning out of range.
    check({&D::gammaC}, r.gammaC <= 0, "ｺﾝｸﾘｰﾄ単位体積重量がおかしいです。", {"γc"});
    check({&D::gammaA}, r.gammaA < 0, "舗装の単位重量がおかしいです。", {"γa"});
    check({&D::sigmaCk}, r.sigmaCk <= 0, "σckがおかしいです。", {"σck"});
    check({&D::sigmaSaJoint}, r.sigmaSaJoint <= 0, "σsa(継手)がおかしいです。",
          {"継ぎ手算出時許容引張応力度"});
    check({&D::Hab}, r.Hab < 0, "ﾊﾝﾁ幅がおかしいです。", {"ﾊﾝﾁ幅"});
    check({&D::Hah}, r.Hah < 0, "ﾊﾝﾁ高がおかしいです。", {"ﾊﾝﾁ高"});
    for (FailedCheck& tLoad : FailedTLoadChecks({r.P1, r.axleDistance, r.impactDepth}))
        failed.push_back(std::move(tLoad));
    // Upper bounds that no real box reaches (kN/m3, N/mm2); beyond them a result means nothing.
    // σca is compared with σck only where σck is within its own range.
    const bool strengthInRange = r.sigmaCk > 0 && r.sigmaCk <= 100;
    check({&D::gammaS}, r.gammaS > 100, "土の単位重量がおかしいです（9.0≦γs≦100 kN/m3）。", {"γs"});
    check({&D::gammaC}, r.gammaC > 100, "ｺﾝｸﾘｰﾄ単位体積重量がおかしいです（0＜γc≦100 kN/m3）。",
          {"γc"});
    check({&D::gammaA}, r.gammaA > 100, "舗装の単位重量がおかしいです（0≦γa≦100 kN/m3）。", {"γa"});
    check({&D::sigmaCk}, r.sigmaCk > 100, "σckがおかしいです（0＜σck≦100 N/mm2）。", {"σck"});
    check({&D::sigmaCa, &D::sigmaCk}, strengthInRange && r.sigmaCa > r.sigmaCk,
          "σcaがおかしいです（7.0≦σca≦σck）。", {"σca", "σck"});
    check({&D::tauA}, r.tauA > 5, "τaがおかしいです（0.3≦τa≦5 N/mm2）。", {"τa"});
    check({&D::sigmaSa}, r.sigmaSa > 1000, "σsaがおかしいです（140≦σsa≦1000 N/mm2）。", {"σsa"});
    check({&D::sigmaSaJoint}, r.sigmaSaJoint > 1000,
          "σsa(継手)がおかしいです（0＜σsa(継手)≦1000 N/mm2）。", {"継ぎ手算出時許容引張応力度"});
    check({&D::tauOa}, r.tauOa > 10, "τoaがおかしいです（1.0≦τoa≦10 N/mm2）。", {"τoa"});
    // The cells: their number, and with two or three the middle walls, which take the side
    // walls' cover, and the cells' inner width, which holds a haunch at each corner.
    check({}, r.cells < 1 || r.cells > kMaxCells, "セル数がおかしいです（1～3）。", {"セル数"});
    if (multiCell) {
        // Four Singles take part in the clearance, each up to half a unit in the last place off
        // the decimal typed: a micrometre holds that, so that a width typed at the bound passes.
        constexpr double kRounding = 1e-6;
        const double Bu = CellGeometryOf(r).Bu;
        check({&D::Tm}, !(r.Tm > 0), "中壁厚がおかしいです。", {"中壁厚"});
        check({&D::B, &D::TL, &D::Tm, &D::Hab},
              !(Bu > 0) || Bu - 2.0 * r.Hab < kMinClearance - kRounding,
              "セルの内空幅がおかしいです（外形幅、側壁厚、中壁厚、ﾊﾝﾁ幅）。",
              {"中壁厚", "外形幅", "側壁厚", "ﾊﾝﾁ幅"});
        check({&D::dWall, &D::Tm}, r.dWall > r.Tm / 2, "中壁のかぶりがおかしいです。",
              {"中壁厚", "ｄ’（側壁）"});
    }
    return failed;
}

int CheckDesignConditions(const TKakou& r, Messenger& messenger,
                          std::span<const ConditionEntry> leftOut) {
    int result = 0;
    for (const FailedCheck& check : FailedChecks(r)) {
        const bool skipped =
            std::any_of(check.reads.begin(), check.reads.end(), [&](ConditionEntry entry) {
                return std::find(leftOut.begin(), leftOut.end(), entry) != leftOut.end();
            });
        if (skipped) continue;
        ReportInputError(messenger, check.message);
        result = 1;
    }
    return result;
}

std::vector<std::string> FirstFailedCheckFields(const DesignConditions& conditions) {
    const auto record = std::make_unique<TKakou>();
    try {
        ReadDesignConditions(conditions, *record);
    } catch (const ConversionError&) {
        return {};
    }
    std::vector<FailedCheck> failed = FailedChecks(*record);
    return failed.empty() ? std::vector<std::string>{} : std::move(failed.front().fields);
}
