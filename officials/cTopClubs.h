#pragma once

// The clubs that hold the largest shares of the officials' remaining capacity,
// built at the start of every automatic assignment run and kept in memory
// only. The check at level 2 accepts only officials of these clubs.

#include "model/Text.h"

#include <string>
#include <vector>

struct cTopClubs
{
    // At most this many clubs can each hold more than the share threshold.
    static constexpr int kMaxClubs = 4;
    // A club is a top club when its share of the capacity exceeds this.
    static constexpr double kShareThreshold = 0.24975;

    std::vector<std::string> clubs; // in officials list order; the empty club counts as one

    bool Contains(const std::string& club) const
    {
        for (const std::string& top : clubs) {
            if (CompareText(top, club, true) == 0) {
                return true;
            }
        }
        return false;
    }
    bool IsEmpty() const { return clubs.empty(); }
};
