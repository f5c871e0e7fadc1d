#pragma once

#include "practice/DrillTask.h"
#include "table/Catalogue.h"

#include <cstdint>
#include <string>
#include <vector>

// What the croupier pays when a number wins: payout times stake of every
// spot that covers it. The winning stakes stay on the layout, so they are
// not part of the sum, as in the table's own settlement.
struct PayLine {
    std::int16_t spot = 0;
    std::int16_t payout = 0;
    std::int16_t stake = 0;
    std::string text; // "straight 17: 35 x $5 = $175"
};

struct PayBreakdown {
    std::int32_t total = 0;
    std::vector<PayLine> lines; // in the order of the cover list
};

PayBreakdown PaySum(const Catalogue& catalogue, const Stakes& stakes, std::int16_t number);

// Whether the typed answer is the sum; the window passes the amount it read.
bool CheckPay(const PayBreakdown& sum, std::int64_t answer);
