// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/random.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

// A random source that hands out scripted draws. Each expectation names the range the code
// must ask for and the value to return; a draw with another range, or one more than scripted,
// fails the test. Call ExpectAllDrawn() (or let the destructor do it) to catch draws that the
// code did not make.
class ScriptedRandom final : public RandomSource {
public:
    ~ScriptedRandom() override { ExpectAllDrawn(); }

    ScriptedRandom& Expect(int range, int value) {
        draws_.push_back({range, value});
        return *this;
    }
    // `count` draws of the same range and value.
    ScriptedRandom& ExpectRepeated(int count, int range, int value) {
        for (int i = 0; i < count; ++i)
            Expect(range, value);
        return *this;
    }

    int Random(int n) override {
        ++drawn_;
        if (draws_.empty()) {
            ADD_FAILURE() << "unexpected draw #" << drawn_ << " Random(" << n << ")";
            return 0;
        }
        const Draw next = draws_.front();
        draws_.pop_front();
        EXPECT_EQ(n, next.range) << "draw #" << drawn_ << " asked for another range";
        return next.value;
    }

    void Randomize() override { ++randomized_; }

    void ExpectAllDrawn() {
        EXPECT_TRUE(draws_.empty()) << draws_.size() << " scripted draws were not made";
        draws_.clear();
    }

    int Drawn() const { return drawn_; }
    int Remaining() const { return static_cast<int>(draws_.size()); }
    int Randomized() const { return randomized_; }

private:
    struct Draw {
        int range;
        int value;
    };
    std::deque<Draw> draws_;
    int drawn_ = 0;
    int randomized_ = 0;
};
