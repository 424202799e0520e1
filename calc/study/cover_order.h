// The order in which a sizing tries the covers of a box. One failure settles a box, and a box
// that passes is tried at every cover whatever the order, so the covers go where failures
// have come cheapest: most failures a second of evaluation first, those not yet tried
// before any that was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

class CoverOrder {
  public:
    explicit CoverOrder(std::size_t covers);
    // Every cover once, in the order of their failures a second; covers alike in that in their
    // own order. Safe to call from many threads at once, as is Evaluated.
    std::vector<std::uint32_t> Order() const;
    void Evaluated(std::size_t cover, bool failed, double seconds);

    // Bytes held for each cover, beside what each call of Order returns.
    static constexpr std::size_t kBytesPerCover =
        2 * sizeof(std::uint32_t) + sizeof(std::uint32_t) + sizeof(double);

  private:
    bool Before(std::uint32_t a, std::uint32_t b) const;
    void Place(std::uint32_t at, std::uint32_t cover);

    mutable std::mutex mutex_;
    std::vector<std::uint32_t> order_;     // the covers, in the order tried
    std::vector<std::uint32_t> position_;  // of each cover in order_
    std::vector<std::uint32_t> failures_;  // of each cover
    std::vector<double> seconds_;          // spent evaluating at each cover
};
