// Reading and checking the design conditions.
#include "calc/read_conditions.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

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
    const float ratio = static_cast<float>(static_cast<double>(r.h1) / r.B);
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

std::vector<std::string> TLoadFailures(const TLoad& load) {
    std::vector<std::string> failures;
    if (load.P1 < 0) failures.push_back("Ｔ荷重の重量がおかしいです。");
    if (load.axleDistance <= 0) failures.push_back("軸間距離がおかしいです。");
    if (load.impactDepth < 0) failures.push_back("衝撃係数作用深さがおかしいです。");
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

    // Single fields are rounded when stored; later formulas read the stored values.
    r.Ho = static_cast<float>(r.H - (static_cast<double>(r.Tu) + r.Tb) / 2);
    uncomputable.After("Box高:ﾗｰﾒﾝ軸 Ho", {H, Tu, Tb});
    r.Bo = static_cast<float>(static_cast<double>(r.B) - r.TL);
    uncomputable.After("Box幅:ﾗｰﾒﾝ軸 Bo", {B, TL});
    r.Bu = static_cast<float>(static_cast<double>(r.B) - r.TL - r.TL);
    uncomputable.After("内空幅 Bu", {B, TL});
    r.Hu = static_cast<float>(static_cast<double>(r.H) - r.Tu - r.Tb);
    uncomputable.After("内空高 Hu", {H, Tu, Tb});

    r.dWall = ParseSingle(c.dWall, "ｄ’（側壁）");
    r.dTop = ParseSingle(c.dTop, "ｄ’（頂版）");
    r.dBottomUpper = ParseSingle(c.dBottomUpper, "ｄ’（底版上面）");
    r.dBottomLower = ParseSingle(c.dBottomLower, "ｄ’（底版下面）");

    r.h1d = static_cast<float>(r.Tu / 2.0 + r.h1);
    uncomputable.After("路面～頂版軸線 h1d", {h1, Tu});
    r.h2d = static_cast<float>(static_cast<double>(r.h1d) + r.Ho);
    uncomputable.After("路面～底版軸線 h2d", {h1, Tu, Tb, H});

    SetPolygons(r, c.lowerHaunch);

    r.gammaC = ParseDouble(c.gammaC, "γc");
    r.gammaA = ParseDouble(c.gammaA, "γa");

    const double haunch = static_cast<double>(r.Hab) * r.Hah;
    r.D1 = static_cast<float>(r.gammaC * (static_cast<double>(r.B) * r.Tu + haunch));
    uncomputable.After("頂版の自重 D1", {gammaC, B, Tu, Hab, Hah});
    r.D2 = static_cast<float>(r.gammaC * (static_cast<double>(r.TL) + r.TL) * r.Hu);
    uncomputable.After("側壁の自重 D2", {gammaC, TL, H, Tu, Tb});
    const double bottomSlab = static_cast<double>(r.B) * r.Tb;
    r.D3 = static_cast<float>(r.gammaC * (c.lowerHaunch ? bottomSlab + haunch : bottomSlab));
    if (c.lowerHaunch)
        uncomputable.After("底版の自重 D3", {gammaC, B, Tb, Hab, Hah});
    else
        uncomputable.After("底版の自重 D3", {gammaC, B, Tb});

    r.L1 = static_cast<float>(std::max(0.0, r.Bo / 2.0 - (r.axleDistance - (r.h1d + 0.1))));
    r.L2 = static_cast<float>(static_cast<double>(r.Bo) - r.L1);
    if (c.liveLoad == 0)
        uncomputable.After("前輪の載荷長 L1", {B, TL, {"軸間距離", c.tAxleDistance}, h1, Tu});
    else
        uncomputable.After("前輪の載荷長 L1", {B, TL, h1, Tu});

    r.i = r.h1 >= r.impactDepth ? 0.0f : 0.3f;
    r.alpha = Alpha(c.foundation, r);
    uncomputable.After("鉛直土圧係数 α", {h1, B});
    r.beta = (r.h1 <= 1.0 && r.Bu >= 4.0) ? 1.0 : 0.9;
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

int CheckDesignConditions(const TKakou& r, Messenger& messenger) {
    int result = 0;
    // The message becomes a string only where the check fails.
    const auto check = [&](bool fails, std::string_view message) {
        if (!fails) return;
        ReportInputError(messenger, std::string(message));
        result = 1;
    };
    // Differences are rounded to Singles before they are compared, and a bound on a Single
    // is a Single too, so that a value typed exactly at a bound passes.
    const auto single = [](double value) { return static_cast<float>(value); };
    constexpr float kMinClearance = 0.2f;
    constexpr float kMinCover = 0.02f;

    check(r.ha < 0, "舗装厚がおかしいです。");
    check(r.h1 < 0, "土かぶりがおかしいです。");
    check(single(static_cast<double>(r.h1) - r.ha) < 0, "土かぶりがおかしいです。");
    check(single(r.B - 2 * (static_cast<double>(r.TL) + r.Hab)) < kMinClearance,
          "ボックスの幅がおかしいです。");
    check(single(r.H - (2.0 * r.Hah + r.Tu + r.Tb)) < kMinClearance,
          "ボックスの高さがおかしいです。");
    check(r.dWall > r.TL / 2, "側壁のかぶりがおかしいです。");
    check(r.dTop > r.Tu / 2, "頂版のかぶりがおかしいです。");
    check(r.dBottomUpper > r.Tb / 2, "底版のかぶりがおかしいです。");
    check(r.dBottomLower > r.Tb / 2, "底版のかぶりがおかしいです。");
    check(r.dWall < kMinCover, "側壁のかぶりがおかしいです。");
    check(r.dTop < kMinCover, "頂版のかぶりがおかしいです。");
    check(r.dBottomUpper < kMinCover, "底版のかぶりがおかしいです。");
    check(r.dBottomLower < kMinCover, "底版のかぶりがおかしいです。");
    // In extended range, so that a box of small positive sizes does not underflow to zero.
    const long double size = static_cast<long double>(r.H) * r.B * r.Tu * r.Tb * r.TL * r.dWall *
                             r.dTop * r.dBottomUpper * r.dBottomLower;
    check(!(size > 0), "ボックスのサイズがおかしいです。");
    check(r.gammaS < 9.0, "土の単位重量がおかしいです。");
    check(r.Ko < 0.3, "土圧係数がおかしいです。");
    check(r.q < 0, "等分布荷重がおかしいです。");
    check(r.sigmaCa < 7.0, "σcaがおかしいです。");
    check(r.sigmaSa < 140, "σsaがおかしいです。");
    check(r.tauA < 0.3, "τaがおかしいです。");
    check(r.tauOa < 1.0, "τoaがおかしいです。");
    // Entries without a bound of their own above that have no physical meaning out of range.
    check(r.gammaC <= 0, "ｺﾝｸﾘｰﾄ単位体積重量がおかしいです。");
    check(r.gammaA < 0, "舗装の単位重量がおかしいです。");
    check(r.sigmaCk <= 0, "σckがおかしいです。");
    check(r.sigmaSaJoint <= 0, "σsa(継手)がおかしいです。");
    check(r.Hab < 0, "ﾊﾝﾁ幅がおかしいです。");
    check(r.Hah < 0, "ﾊﾝﾁ高がおかしいです。");
    for (const std::string& failure : TLoadFailures({r.P1, r.axleDistance, r.impactDepth}))
        check(true, failure);
    return result;
}
