// Processing dimensions of the main bars.
#include "calc/section/rebar_lengths.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/sheet/format_line.h"

namespace {

constexpr double kTwoMinusHalfPi = 0.4292036732051034;  // 2 - pi/2: corners cut by the bends

// The smallest multiple of 10 mm not below the value.
double UpToTen(double value) {
    return 10.0 * std::ceil(value / 10.0);
}

Single BendRadius(int phi) {
    return Single(UpToTen(10.5 * phi));
}

}  // namespace

Single LapLength(double sigmaSaJoint, double tauOa, int phiA, int phiB) {
    const auto lap = [&](int phi) { return UpToTen(sigmaSaJoint * phi / (4.0 * tauOa)); };
    return Single(std::max(lap(phiA), lap(phiB)));
}

Single NextMultipleOf50(double length) {
    const double a = 100.0 * std::floor(length / 100.0);
    return Single(length - a >= 50 ? a + 100 : a + 50);
}

RebarLengths ComputeRebarLengths(const TData& record, const BarSchedule& barSchedule) {
    const int phi2 = barSchedule[2];
    const int phi1 = barSchedule[3];
    const Single H = record.H * 1000.0;
    const Single B = record.B * 1000.0;
    const Single dTop = record.dTop * 1000.0;
    const Single dWall = record.dWall * 1000.0;
    const Single dBottom = record.dBottomLower * 1000.0;

    RebarLengths r;
    r.R1 = BendRadius(phi1);
    r.R2 = BendRadius(phi2);
    r.L3Top = B - 2.0 * (dWall + r.R1);
    r.L3Bottom = B - 2.0 * (dWall + r.R2);
    r.L2Top = std::numbers::pi * r.R1 / 2.0;
    r.L2Bottom = std::numbers::pi * r.R2 / 2.0;
    r.La = LapLength(record.sigmaSaJoint, record.tauOa, phi1, phi2);
    r.sumL = 2.0 * ((double(H) + B - 2.0 * dWall - dTop - dBottom) -
                    (double(r.R1) + r.R2) * kTwoMinusHalfPi + r.La);
    r.Lm = NextMultipleOf50(r.sumL);
    r.LaActual = r.La + (double(r.Lm) - r.sumL) / 2.0;
    r.LBottom = NextMultipleOf50(r.Lm / 2.0);
    r.LTop = r.Lm - r.LBottom;
    r.x1 = (double(r.LTop) - r.L3Top - 2.0 * r.L2Top - 2.0 * r.LaActual -
            2.0 * ((H / 4.0 - dTop) - r.R1)) /
           2.0;
    r.x2 = (double(r.LBottom) - r.L3Bottom - 2.0 * r.L2Bottom - 2.0 * r.LaActual -
            2.0 * ((H / 4.0 - dBottom) - r.R2)) /
           2.0;
    r.xShift = std::min(r.x1, r.x2);
    // Both bars take the same, smaller shift.
    r.L1Upper = NextMultipleOf50((double(r.LTop) - 2.0 * r.L2Top - r.L3Top) / 2.0 - r.xShift);
    r.L4Upper = r.LTop - (2.0 * r.L2Top + r.L1Upper + r.L3Top);
    r.L1Lower =
        NextMultipleOf50((double(r.LBottom) - 2.0 * r.L2Bottom - r.L3Bottom) / 2.0 - r.xShift);
    r.L4Lower = r.LBottom - (2.0 * r.L2Bottom + r.L1Lower + r.L3Bottom);
    r.across = (record.B - 2.0 * record.dWall) * 1000.0;
    r.upright = (record.H - (double(record.dTop) + record.dBottomLower)) * 1000.0;
    return r;
}

std::optional<std::string> UnbuildableBarsMessage(const RebarLengths& r) {
    // In the order of the dimension table: bar 1, bar 2, then the lap they share.
    const struct {
        const char* name;
        Single length;
    } dimensions[] = {
        {"L1(①頂版筋)", r.L1Upper},  {"L2(①頂版筋)", r.L2Top},    {"L3(①頂版筋)", r.L3Top},
        {"L4(①頂版筋)", r.L4Upper},  {"L(①頂版筋)", r.LTop},      {"L1(②底版筋)", r.L1Lower},
        {"L2(②底版筋)", r.L2Bottom}, {"L3(②底版筋)", r.L3Bottom}, {"L4(②底版筋)", r.L4Lower},
        {"L(②底版筋)", r.LBottom},   {"La(継ぎ手長)", r.La},
    };
    std::string named;
    for (const auto& d : dimensions) {
        if (d.length > 0) continue;
        if (!named.empty()) named += "、";
        named += std::string(d.name) + "=" + FormatLine("#,0"_pattern, d.length) + "mm";
    }
    if (named.empty()) return std::nullopt;
    return std::string(kUnbuildableBars) + "（" + named +
           "）。ボックス寸法と鉄筋径を確認して下さい。";
}
