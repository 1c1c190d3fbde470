// SPDX-License-Identifier: GPL-3.0-or-later
// Saved games made by hand, with fields at values the game never writes, go the whole way a
// file goes: read from disk, applied after the new-game step, then a full game day played on
// the real generator. Run under the sanitizer build to see that nothing overflows or reads
// outside an array; a hang shows up as the test's timeout.
#include "game/date_time.h"
#include "game/events.h"
#include "game/game.h"
#include "game/new_game.h"
#include "game/random.h"
#include "game/tick.h"
#include "persistence/save_game.h"
#include "persistence/save_game_layout.h"
#include "persistence/saved_game_support.h"
#include "support/recording_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <string>
#include <unistd.h>

namespace {

namespace Layout = SavedGameLayout;

constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
constexpr int TicksPerDay = 931;
constexpr std::uint8_t OddFlag = 0x7f; // neither 0 nor 1

// A freshly dealt game with location 1 leased, as the game itself would save it.
Image DealtGame() {
    GameRandom rng(7);
    RecordingHost host;
    Game game(rng, host);
    NewGame(game, EncodeDateTime(2026, 12, 7, 9, 0));
    game.State.LeasedLocation = 1;
    game.State.Locations[1].Leased = true;
    game.State.Locations[1].LeaseDate = game.State.GameClock;
    return EncodeSavedGame(game.State);
}

struct ArticleSection {
    std::size_t Offset;
    const Layout::ArticleLayout& Fields;
    int Count;
};
const ArticleSection Sections[] = {{Layout::DrinksOffset, Layout::Drink, DrinkCount},
                                   {Layout::DishesOffset, Layout::Dish, DishCount},
                                   {Layout::WinesOffset, Layout::Wine, WineCount}};

std::size_t RecordAt(const ArticleSection& section, int index) {
    return section.Offset + section.Fields.RecordSize * static_cast<std::size_t>(index - 1);
}
std::size_t LocationAt(int index) {
    return Layout::LocationsOffset +
           Layout::Location::RecordSize * static_cast<std::size_t>(index - 1);
}
std::size_t StaffAt(int index) {
    return Layout::StaffOffset + Layout::Staff::RecordSize * static_cast<std::size_t>(index - 1);
}
std::size_t Scalar(std::size_t field) {
    return Layout::ScalarsOffset + field;
}
std::size_t Control(std::size_t field) {
    return Layout::ControlsOffset + field;
}

// Four kinds of damaged article, in turn by index (index % 4):
//   0: stock and popularity at the bottom of the range, a sold count at the top, a countdown
//      far below zero, an "on the card" byte of 0xFF;
//   1: stock, popularity (far above 70), sold count and countdown at the top;
//   2: stock -5, popularity -70, sold count at the bottom, a delivery due in the next tick;
//   3: no stock, popularity 71, off the card, a delivery due in the next tick.
enum ArticlePattern { BottomedOut = 0, ToppedOut = 1, Overdrawn = 2, OffTheCard = 3 };

ArticlePattern PatternOf(int index) {
    return static_cast<ArticlePattern>(index % 4);
}

void PutExtremeArticle(Image& image, const ArticleSection& section, int index) {
    const std::size_t at = RecordAt(section, index);
    const Layout::ArticleLayout& f = section.Fields;
    struct Values {
        std::int32_t Stock, Popularity, UnitsSold, DeliveryMinutes;
        std::uint8_t OnCard;
    };
    static constexpr Values ByPattern[] = {{Min, Min, Max, Min, 0xff},
                                           {Max, Max, Max, Max, 1},
                                           {-5, -70, Min, 2, 1},
                                           {0, 71, -1, 1, 0}};
    const Values& v = ByPattern[PatternOf(index)];
    PutInt32(image, at + f.Stock, v.Stock);
    PutInt32(image, at + f.Popularity, v.Popularity);
    PutInt32(image, at + f.UnitsSold, v.UnitsSold);
    PutInt32(image, at + f.DeliveryMinutes, v.DeliveryMinutes);
    image.at(at + f.OnCard) = v.OnCard;
    image.at(at + f.Known) = 0x80;
}

// The pub (location 1) draws a guest every minute and has EntertainmentFactor 1000 and
// Variety -1000; the other locations carry the opposite extremes and are not leased.
void PutExtremeLocations(Image& image) {
    namespace L = Layout::Location;
    for (int i = 1; i <= LocationCount; ++i) {
        const std::size_t at = LocationAt(i);
        const bool pub = i == 1;
        PutInt32(image, at + L::PotentialCustomers, pub ? Max : Min);
        PutInt32(image, at + L::EntertainmentFactor, pub ? 1000 : Min);
        PutInt32(image, at + L::Variety, pub ? -1000 : Max);
        PutDouble(image, at + L::RentPerDay, pub ? 0.0 : -1e308);
        image.at(at + L::Leased) = pub ? 0xff : 0;
        image.at(at + L::Reserved1) = 0xff;
    }
}

// Wages in turn at the top, 0 and -1, and at the bottom for the last member (paid last, so
// that the money it brings cannot pay the others); every member employed by a 0xFF byte.
constexpr std::int32_t WageOf(int index) {
    if (index == StaffCount)
        return Min;
    constexpr std::int32_t wages[] = {-1, Max, 0};
    return wages[index % 3];
}

void PutExtremeStaff(Image& image) {
    namespace S = Layout::Staff;
    for (int i = 1; i <= StaffCount; ++i) {
        const std::size_t at = StaffAt(i);
        PutInt32(image, at + S::WagePerDay, WageOf(i));
        PutInt32(image, at + S::Experience, i % 2 ? Max : Min);
        PutInt32(image, at + S::Kind, i % 2 ? Max : -1);
        image.at(at + S::Employed) = 0xff;
    }
}

void PutExtremeControls(Image& image) {
    namespace C = Layout::Controls;
    PutInt32(image, Control(C::SpeedIndex), Min);
    PutInt32(image, Control(C::MinStockLevel), Max);
    PutInt32(image, Control(C::CardOrderQuantity), Min);
    PutInt32(image, Control(C::StorageOrderQuantity), Max);
    for (std::size_t flag :
         {C::TvPurchasable, C::MusiciansPurchasable, C::NotifyOnDelivery, C::NotifyDeliveryTime})
        image.at(Control(flag)) = OddFlag;
}

// Every field at an extreme, the clock at 0 (30.12.1899 00:00), a billion in the bank.
Image ExtremeFile() {
    namespace D = Layout::Scalars;
    Image image = DealtGame();
    for (const ArticleSection& section : Sections)
        for (int i = 1; i <= section.Count; ++i)
            PutExtremeArticle(image, section, i);
    PutExtremeLocations(image);
    PutExtremeStaff(image);
    PutExtremeControls(image);
    PutDouble(image, Scalar(D::Wealth), 1e9);
    PutDouble(image, Scalar(D::Debt), 1e6);
    PutInt32(image, Scalar(D::LocationCursor), Min);
    PutInt32(image, Scalar(D::StaffCursor), Max);
    PutDouble(image, Scalar(D::GameClock), 0.0);
    return image;
}

// The file on disk, read back through the loader as "Laden" reads it.
class FileOnDisk {
public:
    explicit FileOnDisk(const Image& image) {
        char pattern[] = "/tmp/krugheim-extreme-XXXXXX";
        const int fd = ::mkstemp(pattern);
        EXPECT_GE(fd, 0);
        ::close(fd);
        path_ = pattern;
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()),
                  static_cast<std::streamsize>(image.size()));
    }
    ~FileOnDisk() { std::remove(path_.c_str()); }

    LoadResult Load() const { return ReadSavedGame(path_, ControlValues{}); }

private:
    std::string path_;
};

// A running game into which a file is loaded: the new-game step, then the file's state.
// The generator is the game's own, seeded fixed so that a failure replays.
struct LoadedGame {
    GameRandom Rng;
    RecordingHost Host;
    Game Play{Rng, Host};
    int EventsAnswered = 0;

    explicit LoadedGame(const GameState& loaded) {
        NewGame(Play, EncodeDateTime(2026, 12, 7, 9, 0));
        Rng.Seed(2026);
        ApplySavedGame(Play.State, loaded);
    }

    GameState& State() { return Play.State; }

    // Plays up to `minutes` ticks, answering every event as it opens; stops when the game
    // ends. Returns the ticks played.
    int PlayMinutes(int minutes) {
        int played = 0;
        while (played < minutes && !Host.QuitCalled) {
            Tick(Play);
            ++played;
            if (Host.EventWindowShown > EventsAnswered)
                AnswerEvent();
        }
        return played;
    }

private:
    void AnswerEvent() {
        ++EventsAnswered;
        EventSession& session = Play.Event;
        for (int press = 0; press < 3; ++press) {
            const EventView& view = session.View;
            const bool closes = view.OkVisible   ? AnswerOk(Play)
                                : view.NoVisible ? AnswerNo(Play)
                                                 : AnswerYes(Play);
            if (closes)
                return;
        }
        ADD_FAILURE() << "event " << session.CurrentEvent << " does not close";
    }
};

LoadResult LoadThroughTheFile(const Image& image) {
    const LoadResult result = FileOnDisk(image).Load();
    EXPECT_TRUE(result.Ok) << result.Error;
    return result;
}

int CountMessagesStartingWith(const RecordingHost& host, const std::string& head) {
    return static_cast<int>(
        std::count_if(host.Messages.begin(), host.Messages.end(),
                      [&](const std::string& m) { return m.starts_with(head); }));
}

TEST(ExtremeFile, EveryFieldAtItsExtremePlaysTwoDayEnds) {
    const LoadResult loaded = LoadThroughTheFile(ExtremeFile());
    ASSERT_TRUE(loaded.Ok);
    LoadedGame game(loaded.Game);
    // From 00:00: 30 minutes to the first day end, then a whole day to the second.
    ASSERT_EQ(game.PlayMinutes(31 + TicksPerDay), 31 + TicksPerDay);

    const GameState& s = game.State();
    EXPECT_EQ(game.Host.ClockText, "31.12.1899 09:00");
    EXPECT_EQ(CountMessagesStartingWith(game.Host, "Die Pacht für ihr Krugheim"), 2);
    EXPECT_EQ(CountMessagesStartingWith(game.Host, "Die Kreditzinsen von "), 2);
    EXPECT_TRUE(std::isfinite(s.Wealth));

    const TLocation& pub = s.Locations[1];
    EXPECT_GE(pub.Variety, -100); // a guest every minute brings it into range
    EXPECT_LE(pub.Variety, 100);
    EXPECT_EQ(pub.EntertainmentFactor, 1000);

    for (int i = 1; i <= StaffCount; ++i)
        EXPECT_EQ(s.StaffPool[i].Employed, WageOf(i) != Max) << "staff member " << i;
}

// What became of each kind of damaged article after the two day ends.
TEST(ExtremeFile, DamagedArticlesSellAndDeliverWithinTheirRange) {
    const LoadResult loaded = LoadThroughTheFile(ExtremeFile());
    ASSERT_TRUE(loaded.Ok);
    LoadedGame game(loaded.Game);
    game.PlayMinutes(31 + TicksPerDay);
    const std::int32_t delivered = game.State().Controls.StorageOrderQuantity;
    ASSERT_EQ(delivered, 500); // clamped from 2^31-1

    for (ArticleKind kind : AllArticleKinds) {
        for (int i = 1; i <= ArticleCount(kind); ++i) {
            const TArticle& a = Article(game.State(), kind, i);
            SCOPED_TRACE("kind " + std::to_string(static_cast<int>(kind)) + " article " +
                         std::to_string(i));
            switch (PatternOf(i)) {
            case BottomedOut: // never in stock, never on order
                EXPECT_EQ(a.Stock, Min);
                EXPECT_EQ(a.UnitsSold, Max);
                EXPECT_EQ(a.DeliveryMinutes, Min);
                break;
            case ToppedOut: // the count stays at its top however much is sold
                EXPECT_LE(a.Stock, Max);
                EXPECT_GE(a.Stock, Max - (31 + TicksPerDay)); // one sale a minute at most
                EXPECT_EQ(a.UnitsSold, Max);
                EXPECT_EQ(a.DeliveryMinutes, Max - 31 - TicksPerDay);
                break;
            case Overdrawn: // -5 plus one delivery, every unit sold since counted
                EXPECT_GE(a.Stock, 0);
                EXPECT_EQ(std::int64_t{a.Stock} + (std::int64_t{a.UnitsSold} - Min),
                          -5 + delivered);
                EXPECT_EQ(a.DeliveryMinutes, 0);
                break;
            case OffTheCard: // delivered, never sold
                EXPECT_EQ(a.Stock, delivered);
                EXPECT_EQ(a.UnitsSold, -1);
                break;
            }
        }
    }
    // Popularity far above 70 wins every draw: the first such drink is what guests drink.
    EXPECT_LT(game.State().Drinks[1].Stock, Max);
}

// Saves the game to a real file and loads it again: the game must never write a file that it
// refuses.
GameState SavedAndLoadedAgain(const GameState& state) {
    char pattern[] = "/tmp/krugheim-resave-XXXXXX";
    const int fd = ::mkstemp(pattern);
    EXPECT_GE(fd, 0);
    ::close(fd);
    const SaveResult saved = WriteSavedGame(pattern, state);
    EXPECT_TRUE(saved.Ok) << saved.Error;
    const LoadResult loaded = ReadSavedGame(pattern, state.Controls);
    std::remove(pattern);
    EXPECT_TRUE(loaded.Ok) << loaded.Error;
    EXPECT_EQ(EncodeSavedGame(loaded.Game), EncodeSavedGame(state));
    return loaded.Game;
}

constexpr double Largest = std::numeric_limits<double>::max();

TEST(ExtremeFile, TheClockStandsStillAtTheLastMinuteOf9999) {
    namespace D = Layout::Scalars;
    const std::pair<double, int> clocks[] = {
        {EncodeDateTime(9999, 12, 31, 23, 57), 2}, // two minutes, then no more
        {EncodeDateTime(9999, 12, 31, 23, 59, 30), 0},
    };
    for (const auto& [clock, minutesThatRun] : clocks) {
        Image image = ExtremeFile();
        PutDouble(image, Scalar(D::GameClock), clock);
        const LoadResult loaded = LoadThroughTheFile(image);
        ASSERT_TRUE(loaded.Ok);
        LoadedGame game(loaded.Game);
        game.Host.TimerOn = true;
        game.PlayMinutes(minutesThatRun + 3);
        EXPECT_EQ(game.State().GameClock, minutesThatRun == 0 ? clock : clock + 2.0 / 1440);
        EXPECT_EQ(CountMessagesStartingWith(game.Host, "Der Kalender endet am 31.12.9999 um "
                                                       "23:59. Die Zeit bleibt hier stehen."),
                  3);
        EXPECT_FALSE(game.Host.TimerOn);
        EXPECT_FALSE(game.Host.QuitCalled);
        SavedAndLoadedAgain(game.State());
    }
}

// Sums beyond the double range end at the largest finite amount of their sign.
TEST(ExtremeFile, MoneyStopsAtTheLargestFiniteAmount) {
    namespace D = Layout::Scalars;
    namespace L = Layout::Location;
    const std::size_t drink1 = RecordAt(Sections[0], 1);
    struct Case {
        const char* What;
        double Wealth, Debt, Rent;
        bool Leased;
        double FirstDrinkPrice;
        double Expected;
    };
    const Case cases[] = {
        {"delivery at a price of -1e308", 1e9, 0, 0, true, -1e308, Largest},
        {"interest on a debt of 1e308", -1.79e308, 1e308, 0, false, 1, -Largest},
        {"rent of -1e308", 1.7e308, 0, -1e308, true, 1, Largest},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        Image image = DealtGame();
        PutDouble(image, Scalar(D::Wealth), c.Wealth);
        PutDouble(image, Scalar(D::Debt), c.Debt);
        PutDouble(image, Scalar(D::GameClock), EncodeDateTime(2026, 12, 8, 0, 30));
        PutDouble(image, LocationAt(1) + L::RentPerDay, c.Rent);
        image.at(LocationAt(1) + L::Leased) = c.Leased;
        PutDouble(image, drink1 + Layout::Drink.PurchasePrice, c.FirstDrinkPrice);
        PutInt32(image, drink1 + Layout::Drink.DeliveryMinutes, 2);
        PutInt32(image, Control(Layout::Controls::StorageOrderQuantity), 500);
        const LoadResult loaded = LoadThroughTheFile(image);
        ASSERT_TRUE(loaded.Ok);
        LoadedGame game(loaded.Game);
        ASSERT_EQ(game.PlayMinutes(1), 1);
        EXPECT_EQ(game.State().Wealth, c.Expected);
        EXPECT_EQ(SavedAndLoadedAgain(game.State()).Wealth, c.Expected);
    }
}

TEST(ExtremeFile, TheLargestDebtEndsTheGameAtTheFirstDayEnd) {
    namespace D = Layout::Scalars;
    Image image = ExtremeFile();
    PutDouble(image, Scalar(D::Debt), std::numeric_limits<double>::max());
    PutDouble(image, Scalar(D::Wealth), -std::numeric_limits<double>::max());
    PutDouble(image, LocationAt(1) + Layout::Location::RentPerDay, 1.0);
    const LoadResult loaded = LoadThroughTheFile(image);
    ASSERT_TRUE(loaded.Ok);
    LoadedGame game(loaded.Game);
    EXPECT_EQ(game.PlayMinutes(TicksPerDay), 31);
    EXPECT_TRUE(game.Host.QuitCalled);
    EXPECT_EQ(game.Host.Messages.back(),
              "Sie haben nicht genügend Geld um Ihre Pacht zu zahlen. Sie sind pleite.");
}

TEST(ExtremeFile, NonFiniteMoneyIsRefusedByTheLoader) {
    namespace D = Layout::Scalars;
    const double nonFinite[] = {std::numeric_limits<double>::quiet_NaN(),
                                std::numeric_limits<double>::infinity(),
                                -std::numeric_limits<double>::infinity()};
    for (std::size_t field : {D::Wealth, D::Debt}) {
        for (double value : nonFinite) {
            SCOPED_TRACE(std::to_string(field) + " " + std::to_string(value));
            Image image = ExtremeFile();
            PutDouble(image, Scalar(field), value);
            const LoadResult result = FileOnDisk(image).Load();
            EXPECT_FALSE(result.Ok);
            EXPECT_EQ(result.Error, DamagedSavedGameText);
        }
    }
}

} // namespace
