#include "game/storage.h"
#include "tests/game/dialog_test_support.h"

#include <gtest/gtest.h>

namespace {
std::vector<int> Indices(const std::vector<StockEntry>& entries) {
    std::vector<int> out;
    for (const StockEntry& e : entries)
        out.push_back(static_cast<int>(e.Kind) * 100 + e.Index);
    return out;
}
} // namespace

TEST(Storage, SplitsTheCardsByMinimumStock) {
    DialogGame g;
    g.State.Controls.MinStockLevel = 10;
    auto put = [&](ArticleKind kind, int i, int stock, int minutes) {
        TArticle& a = Article(g.State, kind, i);
        a.OnCard = true;
        a.Stock = stock;
        a.DeliveryMinutes = minutes;
    };
    put(ArticleKind::Dish, 1, 10, 0);  // short
    put(ArticleKind::Drink, 7, 11, 0); // sufficient
    put(ArticleKind::Wine, 2, 3, 0);   // short
    put(ArticleKind::Wine, 3, 3, 25);  // on order: in neither list
    put(ArticleKind::Wine, 4, 50, 25); // sufficient although on order
    g.State.Drinks[1].Stock = 0;       // not on the card

    const StockLists lists = SplitByStock(g.State);
    EXPECT_EQ(Indices(lists.Short), (std::vector<int>{102, 201}));
    EXPECT_EQ(Indices(lists.Sufficient), (std::vector<int>{7, 104}));

    g.State.Controls.MinStockLevel = 0;
    g.State.Dishes[1].Stock = 0;
    EXPECT_EQ(Indices(SplitByStock(g.State).Short), (std::vector<int>{201}));
}

TEST(Storage, FindByNameTakesTheLastMatch) {
    DialogGame g;
    g.State.Drinks[4].Name = ShortString50::FromUtf8("Müller-Thurgau");
    EXPECT_EQ(findewas(g.State, "Müller-Thurgau"), 0);
    EXPECT_EQ(findenr(g.State, 0, "Müller-Thurgau"), 4);
    g.State.Wines[8].Name = ShortString50::FromUtf8("Müller-Thurgau");
    g.State.Wines[9].Name = ShortString50::FromUtf8("Müller-Thurgau");
    EXPECT_EQ(findewas(g.State, "Müller-Thurgau"), 1);
    EXPECT_EQ(findenr(g.State, 1, "Müller-Thurgau"), 9);
    EXPECT_EQ(findenr(g.State, 2, "Dish30"), 30);
    EXPECT_EQ(findenr(g.State, 7, "Dish30"), 0);
}

TEST(Storage, ReorderDrawsSixHundredAndAZeroDrawDeliversAtTheNextStep) {
    DialogGame g;
    g.Rng.Expect(600, 599).Expect(600, 0).Expect(600, 17);
    EXPECT_EQ(Reorder(g.State, g.Rng, ArticleKind::Wine, 3), 599);
    EXPECT_EQ(g.State.Wines[3].DeliveryMinutes, 599);
    EXPECT_EQ(Reorder(g.State, g.Rng, ArticleKind::Wine, 3), 1);
    EXPECT_EQ(g.State.Wines[3].DeliveryMinutes, 1);
    EXPECT_EQ(Reorder(g.State, g.Rng, ArticleKind::Dish, 30), 17);
    EXPECT_EQ(g.State.Dishes[30].DeliveryMinutes, 17);
}

TEST(Storage, NoticeTextsPerKind) {
    EXPECT_EQ(DeliveryNoticeText(ArticleKind::Drink, "Pils", 12),
              "Getränk \"Pils\" wurde nachbestellt. Es wird in 12 Minuten geliefert.");
    EXPECT_EQ(DeliveryNoticeText(ArticleKind::Wine, "Müller-Thurgau", 1),
              "Wein \"Müller-Thurgau\" wurde nachbestellt. Er wird in 1 Minuten geliefert.");
    EXPECT_EQ(DeliveryNoticeText(ArticleKind::Dish, "Gulasch", 599),
              "Speise \"Gulasch\" wurde nachbestellt. Sie wird in 599 Minuten geliefert.");
}

TEST(Storage, ShortListReorderStopsTheGameOnlyAroundItsNotice) {
    DialogGame g;
    g.Host.TimerOn = true;
    g.Rng.Expect(600, 0).Expect(600, 42);
    ReorderShortArticle(g.Play, ArticleKind::Drink, 2);
    ASSERT_EQ(g.Host.Messages,
              std::vector<std::string>{
                  "Getränk \"Drink2\" wurde nachbestellt. Es wird in 1 Minuten geliefert."});
    EXPECT_FALSE(g.Host.TimerDuringMessage[0]);
    EXPECT_TRUE(g.Host.TimerOn);

    g.State.Controls.NotifyDeliveryTime = false;
    ReorderShortArticle(g.Play, ArticleKind::Drink, 3);
    EXPECT_EQ(g.State.Drinks[3].DeliveryMinutes, 42);
    EXPECT_EQ(g.Host.Messages.size(), 1u);
    EXPECT_EQ(g.Host.TimerSwitches, 2);
}

TEST(Storage, SufficientListReorderAlwaysTellsAndReplacesTheCountdown) {
    DialogGame g;
    g.Host.TimerOn = true;
    g.State.Controls.NotifyDeliveryTime = false;
    g.State.Dishes[5].DeliveryMinutes = 300;
    g.Rng.Expect(600, 8);
    ReorderSufficientArticle(g.Play, ArticleKind::Dish, 5);
    EXPECT_EQ(g.State.Dishes[5].DeliveryMinutes, 8);
    ASSERT_EQ(g.Host.Messages.size(), 1u);
    EXPECT_EQ(g.Host.Messages[0],
              "Speise \"Dish5\" wurde nachbestellt. Sie wird in 8 Minuten geliefert.");
    EXPECT_TRUE(g.Host.TimerDuringMessage[0]);
    EXPECT_EQ(g.Host.TimerSwitches, 0);
}
