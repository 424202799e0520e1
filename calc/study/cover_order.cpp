// Covers kept in order as evaluations come in: only the evaluated cover's place changes, so one
// pass of exchanges restores the order.
#include "calc/study/cover_order.h"

#include <numeric>

CoverOrder::CoverOrder(std::size_t covers)
    : order_(covers), position_(covers), failures_(covers), seconds_(covers) {
    std::iota(order_.begin(), order_.end(), 0u);
    std::iota(position_.begin(), position_.end(), 0u);
}

std::vector<std::uint32_t> CoverOrder::Order() const {
    const std::lock_guard lock(mutex_);
    return order_;
}

bool CoverOrder::Before(std::uint32_t a, std::uint32_t b) const {
    // (failures_[a] + 1) / seconds_[a] > (failures_[b] + 1) / seconds_[b], where a cover not
    // yet timed counts as infinitely many failures a second.
    const bool timedA = seconds_[a] > 0, timedB = seconds_[b] > 0;
    if (timedA != timedB) return timedB;
    if (timedA) {
        const double left = (failures_[a] + 1.0) * seconds_[b],
                     right = (failures_[b] + 1.0) * seconds_[a];
        if (left != right) return left > right;
    }
    return a < b;
}

void CoverOrder::Place(std::uint32_t at, std::uint32_t cover) {
    order_[at] = cover;
    position_[cover] = at;
}

void CoverOrder::Evaluated(std::size_t cover, bool failed, double seconds) {
    const std::lock_guard lock(mutex_);
    const auto c = static_cast<std::uint32_t>(cover);
    if (failed) ++failures_[c];
    seconds_[c] += seconds;
    std::uint32_t at = position_[c];
    for (; at > 0 && Before(c, order_[at - 1]); --at) Place(at, order_[at - 1]);
    for (; at + 1 < order_.size() && Before(order_[at + 1], c); ++at) Place(at, order_[at + 1]);
    Place(at, c);
}
