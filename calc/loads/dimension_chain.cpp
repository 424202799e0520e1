// Dimension chains: back-and-forth strokes of one line series, labels on the segment middles.
#include "calc/loads/dimension_chain.h"

#include "calc/sheet/format_line.h"

namespace {

constexpr long double kExtension = 0.3L;  // extension stroke, m
constexpr long double kBarb = 0.03L;      // arrowhead barb, m

// Label offsets from the point, in chart units.
constexpr double kHorizontalMarkOffset = 2;
constexpr double kVerticalMarkOffset = -4;

struct Offset {
    long double dx, dy;
};

}  // namespace

void DrawDimensionTick(Series& series, ChainOrientation orientation, TickKind kind, Single x,
                       Single y) {
    const bool horizontal = orientation == ChainOrientation::Horizontal;
    const long double t = kExtension, a = kBarb;
    auto add = [&](Offset o) { series.Add(x + o.dx, y + o.dy, " "); };

    // The extension stroke across the chain, back to the point.
    if (horizontal) {
        for (Offset o : {Offset{0, 0}, Offset{0, t}, Offset{0, -t}, Offset{0, 0}}) add(o);
    } else {
        for (Offset o : {Offset{0, 0}, Offset{-t, 0}, Offset{t, 0}, Offset{0, 0}}) add(o);
    }

    // Arrowheads point outwards at the ends, both ways at a joint; each barb returns to the
    // point.
    std::span<const Offset> barbs;
    static const Offset horizontalStart[] = {{a, a}, {a, -a}};
    static const Offset verticalStart[] = {{-a, a}, {a, a}};
    static const Offset joint[] = {{-a, a}, {a, a}, {a, -a}, {-a, -a}};
    static const Offset horizontalEnd[] = {{-a, a}, {-a, -a}};
    static const Offset verticalEnd[] = {{a, -a}, {-a, -a}};
    switch (kind) {
        case TickKind::Start:
            barbs = horizontal ? std::span<const Offset>(horizontalStart) : verticalStart;
            break;
        case TickKind::Joint:
            barbs = joint;
            break;
        case TickKind::End:
            barbs = horizontal ? std::span<const Offset>(horizontalEnd) : verticalEnd;
            break;
    }
    for (Offset o : barbs) {
        add(o);
        add({0, 0});
    }
}

void DrawDimensionChain(Series& series, ChainOrientation orientation, Single divisor, Single startX,
                        Single startY, std::span<const Single> lengths) {
    const bool horizontal = orientation == ChainOrientation::Horizontal;
    series.points.clear();
    KeepInsertionOrder(series);
    series.colour = colours::black;
    series.marksVisible = true;
    series.markOffset = horizontal ? kHorizontalMarkOffset : kVerticalMarkOffset;
    if (lengths.empty() || (lengths.size() == 1 && lengths[0] == 0)) return;

    // A tick takes at most twelve points, a segment its label's and its closing tick's.
    series.points.reserve(12 + 13 * lengths.size());
    Single px = startX, py = startY;
    DrawDimensionTick(series, orientation, TickKind::Start, px, py);
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const Single length = lengths[i];
        const bool last = i + 1 == lengths.size();
        const long double half = length / static_cast<long double>(divisor);
        const std::string label =
            !last && length == 0 ? " " : FormatLine("0,0"_pattern, length * 1000.0L);
        if (horizontal) {
            series.Add(px + half, py, label);
            px = Single(px + static_cast<long double>(length));
        } else {
            series.Add(px, py + half, label);
            py = Single(py + static_cast<long double>(length));
        }
        DrawDimensionTick(series, orientation, last ? TickKind::End : TickKind::Joint, px, py);
    }
}
