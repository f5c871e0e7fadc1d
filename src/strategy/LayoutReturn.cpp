#include "strategy/LayoutReturn.h"

#include "betting/UpdateChip.h"

#include <cstddef>
#include <optional>

namespace {

// The first refusal of the layout scaled by m, spot by spot in ascending order.
std::optional<RefusalKind> ScaledRefusal(const TableLimits& limits, std::int16_t table,
                                         const std::array<std::int16_t, kSpotCount>& stakes,
                                         const std::vector<std::int16_t>& staked, std::int64_t m) {
    for (const std::int16_t s : staked) {
        const std::int64_t stake = m * stakes[static_cast<std::size_t>(s)];
        // A stake past 16 bits is past every maximum.
        if (stake >= LayoutReturn::kMultiplierLimit) {
            return RefusalKind::Maximum;
        }
        if (const auto refusal = TestStake(limits, table, s, static_cast<std::int16_t>(stake))) {
            return refusal->kind;
        }
    }
    return std::nullopt;
}

} // namespace

LayoutReturn::LayoutReturn(const Catalogue& catalogue, const TableLimits& limits,
                           std::int16_t table, const std::array<std::int16_t, kSpotCount>& stakes) {
    FillBack(catalogue, stakes);
    FillAccepted(limits, table, stakes);
}

// The cover list gives each number's winning spots; a winner hands back its
// payout times its stake and keeps the stake itself.
void LayoutReturn::FillBack(const Catalogue& catalogue,
                            const std::array<std::int16_t, kSpotCount>& stakes) {
    for (std::size_t s = 0; s < stakes.size(); ++s) {
        m_staked += stakes[s];
    }
    for (std::size_t k = 0; k < catalogue.CoverSpot.size(); ++k) {
        const auto spot = static_cast<std::size_t>(catalogue.CoverSpot[k]);
        const auto number = static_cast<std::size_t>(catalogue.CoverNumber[k]);
        const std::int64_t stake = stakes[spot];
        m_back[number] += stake * (catalogue.SpotPayout[spot] + 1);
    }
}

// Past the first multiplier over some spot's maximum every larger one is over
// it too, so the table is asked only up to there.
void LayoutReturn::FillAccepted(const TableLimits& limits, std::int16_t table,
                                const std::array<std::int16_t, kSpotCount>& stakes) {
    m_accepted.assign(kMultiplierLimit, 0);
    std::vector<std::int16_t> staked;
    for (std::int16_t s = 0; s < kSpotCount; ++s) {
        if (stakes[static_cast<std::size_t>(s)] > 0) {
            staked.push_back(s);
        }
    }
    for (std::int64_t m = 1; m < kMultiplierLimit && !staked.empty(); ++m) {
        const auto refusal = ScaledRefusal(limits, table, stakes, staked, m);
        if (refusal == RefusalKind::Maximum) {
            return;
        }
        m_accepted[static_cast<std::size_t>(m)] = refusal.has_value() ? 0 : 1;
    }
}

double LayoutReturn::Variance() const {
    double mean = 0.0;
    double square = 0.0;
    for (const std::int64_t back : m_back) {
        const auto net = static_cast<double>(back - m_staked);
        mean += net / kNumberCount;
        square += net * net / kNumberCount;
    }
    return square - mean * mean;
}
