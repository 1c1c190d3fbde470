// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/staff.h"
#include "model_test_support.h"

#include <gtest/gtest.h>

using Staff = DialogTest;

TEST_F(Staff, PagingStopsAtBothEnds) {
    State.StaffCursor = 1;
    ShowPreviousStaffMember(State);
    EXPECT_EQ(State.StaffCursor, 1);
    ShowNextStaffMember(State);
    EXPECT_EQ(State.StaffCursor, 2);
    State.StaffCursor = 20;
    ShowNextStaffMember(State);
    EXPECT_EQ(State.StaffCursor, 20);
    ShowPreviousStaffMember(State);
    EXPECT_EQ(State.StaffCursor, 19);
}

TEST_F(Staff, CursorOutOfRangeIsBroughtToTheNearestEnd) {
    State.StaffCursor = 0;
    EXPECT_EQ(ShownStaffIndex(State), 1);
    State.StaffCursor = -2147483647 - 1;
    ShowNextStaffMember(State);
    EXPECT_EQ(State.StaffCursor, 2);
    State.StaffCursor = 2147483647;
    ShowPreviousStaffMember(State);
    EXPECT_EQ(State.StaffCursor, 19);
    State.StaffCursor = 99;
    HireShownStaffMember(State);
    EXPECT_TRUE(State.StaffPool[20].Employed);
}

TEST_F(Staff, HiringIsFreeAndDatesTheEmployment) {
    State.StaffCursor = 4;
    State.Wealth = 100;
    State.GameClock = 45000.5;
    HireShownStaffMember(State);
    EXPECT_TRUE(State.StaffPool[4].Employed);
    EXPECT_EQ(State.StaffPool[4].HireDate, 45000.5);
    EXPECT_EQ(State.Wealth, 100);
}

TEST_F(Staff, DismissalClearsTheFlagBeforeTheMessageAndPaysAfterIt) {
    State.StaffCursor = 3;
    State.Wealth = 10;
    TStaffMember& member = State.StaffPool[3];
    member.Name = ShortString50::FromUtf8("Jürgen");
    member.WagePerDay = 40;
    member.Employed = true;
    member.HireDate = 45000;
    Host.OnMessage = [&](const std::string&) {
        EXPECT_FALSE(member.Employed);
        EXPECT_EQ(State.Wealth, 10);
        EXPECT_EQ(Host.MoneyRefreshes, 0);
    };
    DismissShownStaffMember(Play);
    EXPECT_EQ(Host.Messages, std::vector<std::string>{"Jürgen bekommt heute sein letztes Gehalt."});
    EXPECT_EQ(State.Wealth, -30);
    EXPECT_EQ(Host.MoneyRefreshes, 1);
    EXPECT_EQ(member.HireDate, 0);
}
