#include "game/staff.h"
#include "tests/game/dialog_test_support.h"

#include <gtest/gtest.h>

TEST(Staff, PagingStopsAtBothEnds) {
    DialogGame g;
    g.State.StaffCursor = 1;
    ShowPreviousStaffMember(g.State);
    EXPECT_EQ(g.State.StaffCursor, 1);
    ShowNextStaffMember(g.State);
    EXPECT_EQ(g.State.StaffCursor, 2);
    g.State.StaffCursor = 20;
    ShowNextStaffMember(g.State);
    EXPECT_EQ(g.State.StaffCursor, 20);
    ShowPreviousStaffMember(g.State);
    EXPECT_EQ(g.State.StaffCursor, 19);
}

TEST(Staff, CursorOutOfRangeIsBroughtToTheNearestEnd) {
    DialogGame g;
    g.State.StaffCursor = 0;
    EXPECT_EQ(ShownStaffIndex(g.State), 1);
    g.State.StaffCursor = -2147483647 - 1;
    ShowNextStaffMember(g.State);
    EXPECT_EQ(g.State.StaffCursor, 2);
    g.State.StaffCursor = 2147483647;
    ShowPreviousStaffMember(g.State);
    EXPECT_EQ(g.State.StaffCursor, 19);
    g.State.StaffCursor = 99;
    HireShownStaffMember(g.State);
    EXPECT_TRUE(g.State.StaffPool[20].Employed);
}

TEST(Staff, HiringIsFreeAndDatesTheEmployment) {
    DialogGame g;
    g.State.StaffCursor = 4;
    g.State.Wealth = 100;
    g.State.GameClock = 45000.5;
    HireShownStaffMember(g.State);
    EXPECT_TRUE(g.State.StaffPool[4].Employed);
    EXPECT_EQ(g.State.StaffPool[4].HireDate, 45000.5);
    EXPECT_EQ(g.State.Wealth, 100);
}

TEST(Staff, DismissalClearsTheFlagBeforeTheMessageAndPaysAfterIt) {
    DialogGame g;
    g.State.StaffCursor = 3;
    g.State.Wealth = 10;
    TStaffMember& member = g.State.StaffPool[3];
    member.Name = ShortString50::FromUtf8("Jürgen");
    member.WagePerDay = 40;
    member.Employed = true;
    member.HireDate = 45000;
    g.Host.OnMessage = [&](const std::string&) {
        EXPECT_FALSE(member.Employed);
        EXPECT_EQ(g.State.Wealth, 10);
        EXPECT_EQ(g.Host.MoneyRefreshes, 0);
    };
    DismissShownStaffMember(g.Play);
    EXPECT_EQ(g.Host.Messages,
              std::vector<std::string>{"Jürgen bekommt heute sein letztes Gehalt."});
    EXPECT_EQ(g.State.Wealth, -30);
    EXPECT_EQ(g.Host.MoneyRefreshes, 1);
    EXPECT_EQ(member.HireDate, 0);
}

TEST(Staff, Texts) {
    TStaffMember member;
    member.WagePerDay = 40;
    EXPECT_EQ(WageText(member), "40 € / Tag");
    EXPECT_EQ(StaffKindText(member), "Bedienung");
    member.Kind = 1;
    EXPECT_EQ(StaffKindText(member), "Koch");
}
