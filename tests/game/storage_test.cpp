// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/storage.h"
#include "model_test_support.h"

#include <gtest/gtest.h>

using Storage = DialogTest;

namespace {
std::vector<int> Indices(const std::vector<StockEntry>& entries) {
    std::vector<int> out;
    for (const StockEntry& e : entries)
        out.push_back(static_cast<int>(e.Kind) * 100 + e.Index);
    return out;
}
} // namespace

TEST_F(Storage, SplitsTheCardsByMinimumStock) {
    State.Controls.MinStockLevel = 10;
    auto put = [&](ArticleKind kind, int i, int stock, int minutes) {
        TArticle& a = Article(State, kind, i);
        a.OnCard = true;
        a.Stock = stock;
        a.DeliveryMinutes = minutes;
    };
    put(ArticleKind::Dish, 1, 10, 0);  // short
    put(ArticleKind::Drink, 7, 11, 0); // sufficient
    put(ArticleKind::Wine, 2, 3, 0);   // short
    put(ArticleKind::Wine, 3, 3, 25);  // on order: in neither list
    put(ArticleKind::Wine, 4, 50, 25); // sufficient although on order
    State.Drinks[1].Stock = 0;         // not on the card

    const StockLists lists = SplitByStock(State);
    EXPECT_EQ(Indices(lists.Short), (std::vector<int>{102, 201}));
    EXPECT_EQ(Indices(lists.Sufficient), (std::vector<int>{7, 104}));

    State.Controls.MinStockLevel = 0;
    State.Dishes[1].Stock = 0;
    EXPECT_EQ(Indices(SplitByStock(State).Short), (std::vector<int>{201}));
}

TEST_F(Storage, FindByNameTakesTheLastMatch) {
    State.Drinks[4].Name = ShortString50::FromUtf8("Müller-Thurgau");
    EXPECT_EQ(findewas(State, "Müller-Thurgau"), 0);
    EXPECT_EQ(findenr(State, 0, "Müller-Thurgau"), 4);
    State.Wines[8].Name = ShortString50::FromUtf8("Müller-Thurgau");
    State.Wines[9].Name = ShortString50::FromUtf8("Müller-Thurgau");
    EXPECT_EQ(findewas(State, "Müller-Thurgau"), 1);
    EXPECT_EQ(findenr(State, 1, "Müller-Thurgau"), 9);
    EXPECT_EQ(findenr(State, 2, "Dish30"), 30);
    EXPECT_EQ(findenr(State, 7, "Dish30"), 0);
}

TEST_F(Storage, ReorderDrawsSixHundredAndAZeroDrawDeliversAtTheNextStep) {
    Rng.Expect(600, 599).Expect(600, 0).Expect(600, 17);
    EXPECT_EQ(Reorder(State, Rng, ArticleKind::Wine, 3), 599);
    EXPECT_EQ(State.Wines[3].DeliveryMinutes, 599);
    EXPECT_EQ(Reorder(State, Rng, ArticleKind::Wine, 3), 1);
    EXPECT_EQ(State.Wines[3].DeliveryMinutes, 1);
    EXPECT_EQ(Reorder(State, Rng, ArticleKind::Dish, 30), 17);
    EXPECT_EQ(State.Dishes[30].DeliveryMinutes, 17);
}

TEST_F(Storage, NoticeTextsPerKind) {
    EXPECT_EQ(DeliveryNoticeText(ArticleKind::Drink, "Pils", 12),
              "Getränk \"Pils\" wurde nachbestellt. Es wird in 12 Minuten geliefert.");
    EXPECT_EQ(DeliveryNoticeText(ArticleKind::Wine, "Müller-Thurgau", 1),
              "Wein \"Müller-Thurgau\" wurde nachbestellt. Er wird in 1 Minuten geliefert.");
    EXPECT_EQ(DeliveryNoticeText(ArticleKind::Dish, "Gulasch", 599),
              "Speise \"Gulasch\" wurde nachbestellt. Sie wird in 599 Minuten geliefert.");
}

TEST_F(Storage, ShortListReorderStopsTheGameOnlyAroundItsNotice) {
    Host.TimerOn = true;
    Rng.Expect(600, 0).Expect(600, 42);
    ReorderShortArticle(Play, ArticleKind::Drink, 2);
    ASSERT_EQ(Host.Messages,
              std::vector<std::string>{
                  "Getränk \"Drink2\" wurde nachbestellt. Es wird in 1 Minuten geliefert."});
    EXPECT_FALSE(Host.TimerDuringMessage[0]);
    EXPECT_TRUE(Host.TimerOn);

    State.Controls.NotifyDeliveryTime = false;
    ReorderShortArticle(Play, ArticleKind::Drink, 3);
    EXPECT_EQ(State.Drinks[3].DeliveryMinutes, 42);
    EXPECT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(Host.TimerSwitches, 2);
}

TEST_F(Storage, SufficientListReorderAlwaysTellsAndReplacesTheCountdown) {
    Host.TimerOn = true;
    State.Controls.NotifyDeliveryTime = false;
    State.Dishes[5].DeliveryMinutes = 300;
    Rng.Expect(600, 8);
    ReorderSufficientArticle(Play, ArticleKind::Dish, 5);
    EXPECT_EQ(State.Dishes[5].DeliveryMinutes, 8);
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(Host.Messages[0],
              "Speise \"Dish5\" wurde nachbestellt. Sie wird in 8 Minuten geliefert.");
    EXPECT_TRUE(Host.TimerDuringMessage[0]);
    EXPECT_EQ(Host.TimerSwitches, 0);
}
