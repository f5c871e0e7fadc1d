#include "practice/PaySum.h"

#include "betting/BetNames.h"
#include "table/Money.h"

PayBreakdown PaySum(const Catalogue& catalogue, const Stakes& stakes, std::int16_t number) {
    PayBreakdown sum;
    for (int k = catalogue.NumberFirstCover.at(number);
         k < kCoverCount && catalogue.CoverNumber.at(k) == number; ++k) {
        const std::int16_t spot = catalogue.CoverSpot.at(k);
        const std::int16_t stake = stakes.at(spot);
        if (stake <= 0) {
            continue;
        }
        const std::int16_t payout = catalogue.SpotPayout.at(spot);
        const std::int16_t won = CheckedMul16(payout, stake);
        sum.total = CheckedAdd(sum.total, won);
        sum.lines.push_back({spot, payout, stake,
                             SpotName(spot) + ": " + std::to_string(payout) + " x " +
                                 Dollars(stake) + " = " + Dollars(won)});
    }
    return sum;
}

bool CheckPay(const PayBreakdown& sum, std::int64_t answer) {
    return answer == sum.total;
}
