// Test records for the load stages, derived the simple way the input reading derives them.
#include "box_record.h"

#include <utility>
#include <vector>

namespace {

using Real = long double;

void SetRectangle(BoxPolygon& p, Real halfWidth, Real bottom, Real top) {
    p.n = 4;
    const Real xs[] = {-halfWidth, -halfWidth, halfWidth, halfWidth, -halfWidth};
    const Real ys[] = {bottom, top, top, bottom, bottom};
    for (int k = 0; k < 5; ++k) {
        p.X[k + 1] = static_cast<double>(xs[k]);
        p.Y[k + 1] = static_cast<double>(ys[k]);
    }
}

// The opening with its upper haunches, and the lower ones when present.
void SetOpening(BoxPolygon& p, const TKakou& r, bool lowerHaunch, Real top, Real bottom) {
    const Real u = Real{r.Bu} / 2, a = r.Hab, h = r.Hah;
    std::vector<std::pair<Real, Real>> points;
    if (lowerHaunch)
        points = {{-u + a, bottom}, {-u, bottom + h}, {-u, top - h},   {-u + a, top},
                  {u - a, top},     {u, top - h},     {u, bottom + h}, {u - a, bottom}};
    else
        points = {{-u, bottom}, {-u, top - h}, {-u + a, top},
                  {u - a, top}, {u, top - h},  {u, bottom}};
    points.push_back(points.front());
    p.n = static_cast<int>(points.size()) - 1;
    for (std::size_t k = 0; k < points.size(); ++k) {
        p.X[k + 1] = static_cast<double>(points[k].first);
        p.Y[k + 1] = static_cast<double>(points[k].second);
    }
}

}  // namespace

TKakou MakeRecord(const BoxInputs& in) {
    TKakou r;
    r.gammaS = in.gammaS;
    r.gammaC = in.gammaC;
    r.gammaA = in.gammaA;
    r.Ko = in.Ko;
    r.q = in.q;
    r.alpha = in.alpha;
    r.beta = in.beta;
    r.P1 = in.P1;
    r.axleDistance = in.axleDistance;
    r.impactDepth = in.impactDepth;
    r.sigmaCk = in.sigmaCk;
    r.sigmaCa = in.sigmaCa;
    r.tauA = in.tauA;
    r.tauOa = in.tauOa;
    r.sigmaSa = in.sigmaSa;
    r.sigmaSaJoint = in.sigmaSaJoint;
    r.h1 = in.h1;
    r.ha = in.ha;
    r.Tu = in.Tu;
    r.Tb = in.Tb;
    r.TL = in.TL;
    r.Hab = in.Hab;
    r.Hah = in.Hah;
    r.H = in.H;
    r.B = in.B;
    r.Ho = static_cast<float>(Real{r.H} - (Real{r.Tu} + r.Tb) / 2);
    r.Bo = static_cast<float>(Real{r.B} - r.TL);
    r.Bu = static_cast<float>(Real{r.B} - r.TL - r.TL);
    r.Hu = static_cast<float>(Real{r.H} - r.Tu - r.Tb);
    r.dWall = in.dWall;
    r.dTop = in.dTop;
    r.dBottomUpper = in.dBottomUpper;
    r.dBottomLower = in.dBottomLower;
    r.h1d = static_cast<float>(Real{r.Tu} / 2 + r.h1);
    r.h2d = static_cast<float>(Real{r.h1d} + r.Ho);

    SetRectangle(r.roadOutline, Real{r.B} / 2, -(Real{r.H} + r.h1), -Real{r.h1});
    SetRectangle(r.roadAxes, Real{r.Bo} / 2, -Real{r.h2d}, -Real{r.h1d});
    SetRectangle(r.boxOutline, Real{r.B} / 2, -Real{r.H} / 2, Real{r.H} / 2);
    SetRectangle(r.boxAxes, Real{r.Bo} / 2, -Real{r.Ho} / 2, Real{r.Ho} / 2);
    const Real top = -(Real{r.h1} + r.Tu);
    SetOpening(r.roadOpening, r, in.lowerHaunch, top, top - r.Hu);
    SetOpening(r.boxOpening, r, in.lowerHaunch, Real{r.Hu} / 2, -Real{r.Hu} / 2);

    const Real haunch = Real{r.Hab} * r.Hah;
    r.D1 = static_cast<float>(r.gammaC * (Real{r.B} * r.Tu + haunch));
    r.D2 = static_cast<float>(r.gammaC * (Real{r.TL} + r.TL) * r.Hu);
    r.D3 = static_cast<float>(r.gammaC * (Real{r.B} * r.Tb + (in.lowerHaunch ? haunch : 0)));
    const Real L1 = Real{r.Bo} / 2 - (r.axleDistance - (Real{r.h1d} + 0.1L));
    r.L1 = static_cast<float>(L1 > 0 ? L1 : 0);
    r.L2 = static_cast<float>(Real{r.Bo} - r.L1);
    r.i = r.h1 >= r.impactDepth ? 0.0f : 0.3f;
    return r;
}
