#include "table/SessionStatistics.h"

#include <algorithm>
#include <numeric>

namespace {

struct Group {
    const char* name;
    std::int16_t spot; // the bet that covers exactly the group's numbers
};

constexpr std::array<Group, 13> kGroups = {{
    {"Red", kRedSpot},
    {"Black", kBlackSpot},
    {"Zero", 0},
    {"1st dozen", 148},
    {"2nd dozen", 149},
    {"3rd dozen", 150},
    {"Column 1", 145},
    {"Column 2", 146},
    {"Column 3", 147},
    {"Low 1-18", 151},
    {"High 19-36", 156},
    {"Even", 152},
    {"Odd", 155},
}};

} // namespace

void SessionStatistics::Record(const SpinRecord& spin) {
    ++m_counts.at(spin.number);
    m_staked += spin.staked;
    m_won += spin.won;
    m_kept += spin.kept;
    m_balances.push_back(spin.balance);
}

std::vector<std::int16_t> SessionStatistics::Hottest(std::size_t n) const {
    return Ranked(true, n);
}

std::vector<std::int16_t> SessionStatistics::Coldest(std::size_t n) const {
    return Ranked(false, n);
}

std::vector<std::int16_t> SessionStatistics::Ranked(bool hottestFirst, std::size_t n) const {
    std::vector<std::int16_t> numbers(kNumberCount);
    std::iota(numbers.begin(), numbers.end(), std::int16_t{0});
    std::stable_sort(numbers.begin(), numbers.end(), [&](std::int16_t a, std::int16_t b) {
        return hottestFirst ? Count(a) > Count(b) : Count(a) < Count(b);
    });
    numbers.resize(std::min(n, numbers.size()));
    return numbers;
}

std::vector<GroupShare> SessionStatistics::Groups() const {
    std::vector<GroupShare> shares;
    for (const Group& group : kGroups) {
        const std::vector<std::int16_t> numbers = SpotNumbers(group.spot);
        GroupShare share{group.name, 0, 0.0, static_cast<double>(numbers.size()) / kNumberCount};
        for (const std::int16_t number : numbers) {
            share.count += Count(number);
        }
        if (Spins() > 0) {
            share.share = static_cast<double>(share.count) / Spins();
        }
        shares.push_back(share);
    }
    return shares;
}
