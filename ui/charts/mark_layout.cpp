// Mark placement: a search around each point, nearest free place first.
#include "ui/charts/mark_layout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <utility>

#include "ui/charts/chart_series.h"

namespace {

constexpr double kGap = 3;               // pixels between a point and its mark
constexpr double kPad = 1;               // pixels kept free around a mark
constexpr int kDirections = 16;          // around the point, starting on its free side
constexpr double kTurnCost = 0.6;        // mark heights per radian turned from the free side
constexpr double kCrossingCost = 4;      // mark heights per line of the figure under a mark
constexpr double kCoveredPointCost = 1;  // mark heights per other labelled point covered
constexpr double kLeaderCost = 1;        // mark heights for needing a leader
constexpr int kSmallestFont = 5;         // points, the smallest figure font size
constexpr double kNearReach = 3;  // mark heights a mark moves off before the whole plot is searched

using Segment = std::pair<QPointF, QPointF>;

struct Pending {
    PlacedMark mark;
    QSizeF size;       // of the box, turned for a mark that reads upwards
    QPointF freeSide;  // unit vector on the device
    int wanted = 9;    // the series' mark font size
};

struct Candidate {
    QRectF box;
    double cost = 0;  // distance and turn; once chosen, with what lies under the box
    bool leader = false;
    double base = 0;  // the cost before what lies under the box
};

// What a mark must keep clear of, or had better not cover.
struct Taken {
    std::vector<QRectF> boxes;
    std::vector<Segment> leaders;
    std::vector<Segment> lines;   // the figure's own lines, within the plot
    std::vector<QPointF> points;  // labelled points
};

double Length(QPointF v) {
    return std::hypot(v.x(), v.y());
}

QPointF Unit(QPointF v) {
    const double length = Length(v);
    return length > 0 ? v / length : QPointF();
}

QString MarkText(const std::string& label) {
    return QString::fromStdString(label).trimmed();
}

bool Hits(const Segment& segment, const QRectF& box) {
    return ClipSegment(segment.first, segment.second, box).has_value();
}

// The point of the box nearest to p (p itself when inside).
QPointF Nearest(const QRectF& box, QPointF p) {
    return {std::clamp(p.x(), box.left(), box.right()), std::clamp(p.y(), box.top(), box.bottom())};
}

// The device positions of the points a point is joined to: its neighbours in the drawing
// order of a line, the head of an arrow.
std::vector<QPointF> Neighbours(const Series& series, const std::vector<std::size_t>& order,
                                std::size_t at, const ChartFrame& frame) {
    const ChartPoint& here = series.points[order[at]];
    const QPointF h = frame.Map(here.x, here.y);
    std::vector<QPointF> found;
    auto take = [&](double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) return;
        const QPointF p = frame.Map(x, y);
        if (Length(p - h) > 0.5 * frame.pixel) found.push_back(p);
    };
    switch (series.kind) {
        case SeriesKind::Arrow:
            take(here.endX, here.endY);
            break;
        case SeriesKind::Line:
        case SeriesKind::FastLine:
            if (at > 0) take(series.points[order[at - 1]].x, series.points[order[at - 1]].y);
            if (at + 1 < order.size())
                take(series.points[order[at + 1]].x, series.points[order[at + 1]].y);
            break;
        case SeriesKind::Point:
            break;
    }
    return found;
}

// Whether the point sits on a vertical stretch of its line: the points before and after it
// lie straight above and below it on the device. Its mark then reads upwards, along the line.
bool OnVerticalRun(const QPointF& here, const std::vector<QPointF>& neighbours, double pixel) {
    if (neighbours.size() != 2) return false;
    const double tolerance = 0.5 * pixel;
    const QPointF& b = neighbours[0];
    const QPointF& a = neighbours[1];
    return std::abs(b.x() - here.x()) < tolerance && std::abs(a.x() - here.x()) < tolerance &&
           (a.y() - here.y()) * (b.y() - here.y()) < 0;
}

// The side of the point its line leaves free: away from the lines that meet there; across a
// straight run, or for a lone point, the side the series' mark offset names (positive above,
// negative below; on a vertical run "above" is to the left).
QPointF FreeSide(const QPointF& here, const std::vector<QPointF>& neighbours, double offset) {
    QPointF sum;
    for (const QPointF& n : neighbours) sum += Unit(n - here);
    if (Length(sum) >= 0.35) return -Unit(sum);
    const QPointF along = neighbours.empty() ? QPointF(1, 0) : Unit(neighbours[0] - here);
    QPointF across(along.y(), -along.x());
    const bool pointsDown = std::abs(across.y()) < 1e-6 ? across.x() > 0 : across.y() > 0;
    if (pointsDown) across = -across;
    return offset >= 0 ? across : -across;
}

// Moves the box the least distance that brings it inside.
QRectF SlidInto(const QRectF& box, const QRectF& inside) {
    QRectF moved = box;
    if (moved.left() < inside.left()) moved.moveLeft(inside.left());
    if (moved.right() > inside.right()) moved.moveRight(inside.right());
    if (moved.top() < inside.top()) moved.moveTop(inside.top());
    if (moved.bottom() > inside.bottom()) moved.moveBottom(inside.bottom());
    return moved;
}

// A mark further from its point than half its height beyond the usual gap is joined to it.
bool NeedsLeader(const QRectF& box, const QPointF& point, double height, double pixel) {
    return Length(Nearest(box, point) - point) > kGap * pixel + height / 2;
}

bool Cheaper(const Candidate& a, const Candidate& b) {
    return a.cost < b.cost;
}

// Places near the point, cheapest first: touching it on its free side, turned away from that
// side, shifted to stay inside the plot, then a little further off with a leader.
std::vector<Candidate> NearPlaces(const Pending& p, const QRectF& inside, double pixel) {
    const double w = p.size.width(), h = p.size.height();
    const double height = std::min(w, h);
    const double step = height / 2;
    const double start = std::atan2(p.freeSide.y(), p.freeSide.x());
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<Candidate> all;
    for (int d = 0; d < kDirections; ++d) {
        const double turn = std::min(d, kDirections - d) * 2 * std::numbers::pi / kDirections;
        const double angle = start + d * 2 * std::numbers::pi / kDirections;
        const QPointF u(std::cos(angle), std::sin(angle));
        const double touch =
            kGap * pixel + std::min(std::abs(u.x()) > 1e-9 ? w / 2 / std::abs(u.x()) : inf,
                                    std::abs(u.y()) > 1e-9 ? h / 2 / std::abs(u.y()) : inf);
        for (double r = 0; r <= kNearReach * height; r += step) {
            const QPointF centre = p.mark.point + u * (touch + r);
            const QRectF box =
                SlidInto(QRectF(centre.x() - w / 2, centre.y() - h / 2, w, h), inside);
            if (!inside.contains(box) || box.contains(p.mark.point)) continue;
            const double shift = Length(box.center() - centre);
            const bool leader = NeedsLeader(box, p.mark.point, height, pixel);
            all.push_back(
                {box, r + shift + turn * kTurnCost * height + (leader ? kLeaderCost * height : 0),
                 leader});
        }
    }
    std::stable_sort(all.begin(), all.end(), Cheaper);
    return all;
}

// Every place in the plot, on a grid of half a mark height, nearest first.
std::vector<Candidate> FarPlaces(const Pending& p, const QRectF& inside, double pixel) {
    const double w = p.size.width(), h = p.size.height();
    const double height = std::min(w, h);
    const double step = height / 2;
    std::vector<Candidate> all;
    for (double top = inside.top(); top + h <= inside.bottom(); top += step)
        for (double left = inside.left(); left + w <= inside.right(); left += step) {
            const QRectF box(left, top, w, h);
            if (box.contains(p.mark.point)) continue;
            const bool leader = NeedsLeader(box, p.mark.point, height, pixel);
            all.push_back({box,
                           Length(Nearest(box, p.mark.point) - p.mark.point) +
                               (leader ? kLeaderCost * height : 0),
                           leader});
        }
    std::stable_sort(all.begin(), all.end(), Cheaper);
    return all;
}

Segment LeaderOf(const Candidate& c, const QPointF& point) {
    return {point, Nearest(c.box, point)};
}

bool Free(const Candidate& c, const QPointF& point, const Taken& taken, double pixel) {
    const QRectF padded = c.box.adjusted(-kPad * pixel, -kPad * pixel, kPad * pixel, kPad * pixel);
    for (const QRectF& box : taken.boxes)
        if (padded.intersects(box)) return false;
    for (const Segment& leader : taken.leaders)
        if (Hits(leader, padded)) return false;
    if (c.leader) {
        const Segment leader = LeaderOf(c, point);
        for (const QRectF& box : taken.boxes)
            if (Hits(leader,
                     box.adjusted(-kPad * pixel, -kPad * pixel, kPad * pixel, kPad * pixel)))
                return false;
    }
    return true;
}

double Covered(const Candidate& c, const QPointF& point, const Taken& taken, double height) {
    double cost = 0;
    for (const Segment& line : taken.lines)
        if (Hits(line, c.box)) cost += kCrossingCost * height;
    for (const QPointF& other : taken.points)
        if (other != point && c.box.contains(other)) cost += kCoveredPointCost * height;
    return cost;
}

// The cheapest free place among the candidates.
std::optional<Candidate> Best(const std::vector<Candidate>& candidates, const Pending& p,
                              const Taken& taken, double pixel) {
    const double height = std::min(p.size.width(), p.size.height());
    std::optional<Candidate> best;
    double bestCost = std::numeric_limits<double>::infinity();
    for (const Candidate& c : candidates) {
        if (c.cost >= bestCost) break;
        if (!Free(c, p.mark.point, taken, pixel)) continue;
        const double cost = c.cost + Covered(c, p.mark.point, taken, height);
        if (cost < bestCost) {
            bestCost = cost;
            best = c;
            best->base = c.cost;
            best->cost = cost;
        }
    }
    return best;
}

// The figure's lines within the plot, which marks had better not cover.
std::vector<Segment> Lines(const Chart& chart, const ChartFrame& frame) {
    std::vector<Segment> lines;
    auto add = [&](double x0, double y0, double x1, double y1) {
        if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
            return;
        if (auto s = ClipSegment(frame.Map(x0, y0), frame.Map(x1, y1), frame.plot))
            lines.push_back(*s);
    };
    for (const Series& series : chart.series) {
        if (series.kind == SeriesKind::Arrow) {
            for (const ChartPoint& p : series.points) add(p.x, p.y, p.endX, p.endY);
        } else if (series.kind != SeriesKind::Point) {
            const auto order = DrawingOrder(series);
            for (std::size_t k = 1; k < order.size(); ++k) {
                const ChartPoint& a = series.points[order[k - 1]];
                const ChartPoint& b = series.points[order[k]];
                add(a.x, a.y, b.x, b.y);
            }
        }
    }
    return lines;
}

// Node letters go first: they belong exactly at their corners.
void NodeLettersFirst(std::vector<Pending>& marks) {
    std::stable_partition(marks.begin(), marks.end(),
                          [](const Pending& m) { return m.mark.text.size() == 1; });
}

std::vector<Pending> Marks(const Chart& chart, const ChartFrame& frame) {
    const QRectF visible =
        frame.plot.adjusted(-frame.pixel, -frame.pixel, frame.pixel, frame.pixel);
    std::vector<Pending> marks;
    for (const Series& series : chart.series) {
        if (!series.marksVisible) continue;
        const auto order = DrawingOrder(series);
        for (std::size_t k = 0; k < order.size(); ++k) {
            const ChartPoint& p = series.points[order[k]];
            const QString text = MarkText(p.label);
            if (text.isEmpty() || !HasPosition(p)) continue;
            const QPointF at = frame.Map(p.x, p.y);
            if (!visible.contains(at)) continue;
            const bool twice = std::any_of(marks.begin(), marks.end(), [&](const Pending& m) {
                return m.mark.text == text && Length(m.mark.point - at) < frame.pixel;
            });
            if (twice) continue;
            const auto neighbours = Neighbours(series, order, k, frame);
            Pending m;
            m.mark.text = text;
            m.mark.point = at;
            m.mark.upright = !OnVerticalRun(at, neighbours, frame.pixel);
            m.mark.fontSize = m.wanted = series.markFontSize;
            m.mark.colour = series.markFontColour;
            m.freeSide = FreeSide(at, neighbours, series.markOffset);
            marks.push_back(std::move(m));
        }
    }
    NodeLettersFirst(marks);
    return marks;
}

QSizeF MarkSize(const PlacedMark& mark, int fontSize, const ChartFrame& frame,
                const QPaintDevice* device) {
    const QFontMetricsF metrics(FigureFont(frame, fontSize), const_cast<QPaintDevice*>(device));
    const QSizeF size(metrics.horizontalAdvance(mark.text), metrics.height());
    return mark.upright ? size : size.transposed();
}

// Places the marks in turn, each at its cheapest free place near its point, else anywhere in
// the plot. Tells which marks found no place.
std::vector<bool> PlaceInTurn(std::vector<Pending>& marks, Taken taken, const ChartFrame& frame,
                              const QPaintDevice* device) {
    const double px = frame.pixel;
    const QRectF inside = frame.plot.adjusted(px, px, -px, -px);
    std::vector<bool> missing(marks.size(), false);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        Pending& m = marks[i];
        m.mark.box = QRectF();
        m.mark.leader = QLineF();
        m.size = MarkSize(m.mark, m.mark.fontSize, frame, device);
        std::optional<Candidate> best = Best(NearPlaces(m, inside, px), m, taken, px);
        if (!best || best->cost > best->base) {
            // Nothing free beside the point, or only over a line: the whole plot competes.
            const std::optional<Candidate> far = Best(FarPlaces(m, inside, px), m, taken, px);
            if (far && (!best || far->cost < best->cost)) best = far;
        }
        if (!best) {
            missing[i] = true;
            continue;
        }
        m.mark.box = best->box;
        taken.boxes.push_back(best->box);
        if (best->leader) {
            const Segment leader = LeaderOf(*best, m.mark.point);
            m.mark.leader = QLineF(leader.first, leader.second);
            taken.leaders.push_back(leader);
        }
    }
    return missing;
}

bool AnyMissing(const std::vector<bool>& missing) {
    return std::find(missing.begin(), missing.end(), true) != missing.end();
}

// Places every mark at the font size given; the marks left without a place go first in a
// second turn.
bool PlaceAll(std::vector<Pending>& marks, const Taken& start, const ChartFrame& frame,
              const QPaintDevice* device) {
    const std::vector<bool> missing = PlaceInTurn(marks, start, frame, device);
    if (!AnyMissing(missing)) return true;
    std::vector<Pending> reordered;
    for (bool firstMissing : {true, false})
        for (std::size_t i = 0; i < marks.size(); ++i)
            if (missing[i] == firstMissing) reordered.push_back(marks[i]);
    marks = std::move(reordered);
    NodeLettersFirst(marks);
    return !AnyMissing(PlaceInTurn(marks, start, frame, device));
}

}  // namespace

std::vector<PlacedMark> PlaceMarks(const Chart& chart, const ChartFrame& frame,
                                   const QPaintDevice* device) {
    std::vector<Pending> marks = Marks(chart, frame);
    Taken start;
    start.lines = Lines(chart, frame);
    for (const Pending& m : marks) start.points.push_back(m.mark.point);
    // A plot too small for its marks at the size chosen shows all of them a little smaller.
    for (int smaller = 0;; ++smaller) {
        bool smallest = true;
        for (Pending& m : marks) {
            m.mark.fontSize = std::max(m.wanted - smaller, std::min(m.wanted, kSmallestFont));
            smallest = smallest && m.mark.fontSize == std::min(m.wanted, kSmallestFont);
        }
        if (PlaceAll(marks, start, frame, device) || smallest) break;
    }
    std::vector<PlacedMark> placed;
    for (const Pending& m : marks) placed.push_back(m.mark);
    return placed;
}
