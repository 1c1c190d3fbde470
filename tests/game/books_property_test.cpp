// SPDX-License-Identifier: GPL-3.0-or-later
// Every cent accounted for: long random games in which the money at the start plus every
// booking, replayed in order with the game's own saturating sum, is Wealth exactly, and
// likewise Debt, after every step of the player.
#include "fuzz/fuzz_host.h"
#include "fuzz/next_day_end.h"
#include "fuzz/player_actions.h"
#include "game/booking.h"
#include "game/date_time.h"
#include "game/new_game.h"
#include "game/number_format.h"
#include "game/tick.h"
#include "persistence/save_game.h"

#include <gtest/gtest.h>

#include <bit>
#include <memory>
#include <sstream>
#include <string>

namespace {

// The game's generator with a fixed seed; a new game seeds it from a counter, not the clock.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : seed_(seed), rng_(seed) {}
    int Random(int n) override { return rng_.Random(n); }
    void Randomize() override { rng_.Seed(++seed_); }

private:
    std::uint64_t seed_;
    GameRandom rng_;
};

bool SameDouble(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Replays each booking as it is made and keeps its own books per day, from the bookings and
// the clock alone: the interest, wages and rent of the tick that finds 00:30 close the day,
// and whatever that tick books after them opens the next.
class Replay final : public BookingListener {
public:
    struct Day {
        BookingAmounts Amounts{};
        double EndWealth = 0;
        double EndDebt = 0;
    };

    void Restart(const GameState& state) {
        Wealth = state.Wealth;
        Debt = state.Debt;
        Days.assign(1, Day{{}, Wealth, Debt});
        dayEndRunning_ = false;
    }

    void DayEndBegins() { dayEndRunning_ = true; }
    // Nothing after the charges: the next day opened empty.
    void DayEndOver() {
        if (dayEndRunning_)
            OpenNextDay();
    }

    void Booked(Booking category, double change) override {
        const bool dayEndCharge = category == Booking::Interest || category == Booking::Wages ||
                                  category == Booking::Rent;
        if (dayEndRunning_ && !dayEndCharge)
            OpenNextDay();
        if (BringsMoney(category) ? change < 0 : change > 0)
            ++WrongSigns;
        Wealth = SaturatedSum(Wealth, change);
        if (category == Booking::CreditTaken || category == Booking::CreditRepaid)
            Debt = SaturatedSum(Debt, change);
        Day& day = Days.back();
        double& amount = day.Amounts[Slot(category)];
        amount = SaturatedSum(amount, change);
        day.EndWealth = Wealth;
        day.EndDebt = Debt;
        ++Counts[Slot(category)];
    }

    double Wealth = 0;
    double Debt = 0;
    std::vector<Day> Days;
    std::array<long, BookingCount> Counts{};
    // Income booked as an expense or the other way round (the prices here are positive).
    long WrongSigns = 0;

private:
    static bool BringsMoney(Booking category) {
        switch (category) {
        case Booking::DrinkSales:
        case Booking::WineSales:
        case Booking::DishSales:
        case Booking::Tips:
        case Booking::EventReceipts:
        case Booking::Reward:
        case Booking::CreditTaken:
            return true;
        default:
            return false;
        }
    }

    // A day begins with the money of the day before.
    void OpenNextDay() {
        Days.push_back(Day{{}, Wealth, Debt});
        dayEndRunning_ = false;
    }

    bool dayEndRunning_ = false;
};

bool IsDayEnd(double clock) {
    const DateTimeParts time = DecodeDateTime(clock);
    return time.Hour == 0 && time.Minute == 30;
}

enum class Step {
    Tick,
    WaitForDayEnd,
    TickCard,
    UntickCard,
    SelectAll,
    SetPrice,
    ReorderShort,
    ReorderSufficient,
    BrowseStaff,
    Hire,
    Dismiss,
    BrowseLocations,
    Lease,
    Entertainment,
    TakeCredit,
    RepayDebt,
    Settings,
    RewardKey,
    SaveAndLoad,
    StartGame,
    RestartProgram,
    Count
};

// How often each step is drawn, in 10000ths; ticks take the rest.
constexpr std::array<int, static_cast<std::size_t>(Step::Count)> StepWeights = {
    0, 20, 120, 60, 10, 150, 150, 60, 150, 150, 60, 100, 50, 10, 100, 100, 50, 30, 10, 20, 2};

// A player who starts programs and games and gives random commands, as the windows allow them.
class RandomPlayer {
public:
    // A player who keeps the pub alive presses the reward key when money runs low, so one game
    // runs for hundreds of days; the others go bankrupt and start again, often.
    RandomPlayer(std::uint64_t gameSeed, std::uint64_t playerSeed, bool keepsThePubAlive)
        : gameRng_(gameSeed), choose_(playerSeed), keepsThePubAlive_(keepsThePubAlive) {
        RestartProgram();
    }

    // Plays `steps` steps; returns false (with a failure) when the money and the books part.
    bool Play(long steps) {
        for (long i = 0; i < steps; ++i) {
            const Step step =
                keepsThePubAlive_ && State().Wealth < 3000 ? Step::RewardKey : DrawStep();
            if (Do(step))
                ++StepsDone[static_cast<std::size_t>(step)];
            if (!MoneyAgrees(i, step) || (i % 4096 == 0 && !BooksAgree()))
                return false;
        }
        return BooksAgree();
    }

    std::array<long, static_cast<std::size_t>(Step::Count)> StepsDone{};
    Replay Replayed;

private:
    GameState& State() { return game_->State; }

    Step DrawStep() {
        int draw = choose_.Random(10000);
        for (std::size_t s = 0; s < StepWeights.size(); ++s) {
            draw -= StepWeights[s];
            if (draw < 0)
                return static_cast<Step>(s);
        }
        return Step::Tick;
    }

    void RestartProgram() {
        game_ = std::make_unique<Game>(gameRng_, host_);
        host_ = FuzzHost{};
        started_ = false;
        BeginReplay();
    }

    void BeginReplay() {
        game_->Books.SetListener(&Replayed);
        Replayed.Restart(State());
        unitsAtStart_.clear();
        for (const ArticleKind kind : AllArticleKinds)
            for (int i = 1; i <= ArticleCount(kind); ++i) {
                const TArticle& article = Article(State(), kind, i);
                unitsAtStart_.push_back({article.UnitsSold, article.Stock});
            }
    }

    // "Spiel starten" at some minute of a December day.
    void StartGame() {
        NewGame(*game_, EncodeDateTime(2026, 12, 7) + choose_.Random(1440) / MinutesPerDay);
        started_ = true;
        BeginReplay();
    }

    // "Speichern", then "Laden" of the file: a new game, the file over it, the books begun.
    void SaveAndLoad() {
        const LoadResult loaded = DecodeSavedGame(EncodeSavedGame(State()), State().Controls);
        ASSERT_TRUE(loaded.Ok);
        NewGame(*game_, EncodeDateTime(2026, 1, 1, 12, 0));
        ApplySavedGame(State(), loaded.Game);
        BeginBooks(*game_, BooksOrigin::Loaded);
        EXPECT_EQ(game_->Books.OriginClock(), State().GameClock);
        started_ = true;
        BeginReplay();
    }

    void PlayMinute() {
        if (IsDayEnd(State().GameClock))
            Replayed.DayEndBegins();
        const TickOutcome outcome = Tick(*game_);
        Replayed.DayEndOver();
        if (host_.EventWindowOpen)
            AnswerEvent();
        if (outcome == TickOutcome::GameOver)
            RestartProgram();
    }

    // Presses visible buttons at random until the window closes.
    void AnswerEvent() {
        host_.EventWindowOpen = false;
        for (int press = 0; press < 3; ++press) {
            const EventView& view = game_->Event.View;
            const int button = choose_.Random(3);
            bool closes = false;
            if (button == 0 && view.YesVisible)
                closes = AnswerYes(*game_);
            else if (button == 1 && view.NoVisible)
                closes = AnswerNo(*game_);
            else if (view.OkVisible)
                closes = AnswerOk(*game_);
            else if (view.YesVisible)
                closes = AnswerYes(*game_);
            if (closes)
                return;
        }
        ADD_FAILURE() << "event " << game_->Event.CurrentEvent << " did not close";
    }

    // Mostly a price a little above the purchase price, as typed; now and then any text.
    void SetPrice() {
        if (choose_.Random(4) == 0)
            return FuzzDialogs::SetAPrice(State(), choose_);
        const auto kind = static_cast<ArticleKind>(choose_.Random(3));
        const TArticle& article = Article(State(), kind, 1 + choose_.Random(ArticleCount(kind)));
        const double price = article.PurchasePrice + choose_.Random(301) / 100.0;
        (void)SetSalePrice(State(), kind, article.Name.ToUtf8(), FormatGeneral(price));
    }

    bool Reorder(bool shortList) {
        const StockLists lists = SplitByStock(State());
        const std::vector<StockEntry>& list = shortList ? lists.Short : lists.Sufficient;
        if (list.empty())
            return false;
        const StockEntry entry =
            list[static_cast<std::size_t>(choose_.Random(static_cast<int>(list.size())))];
        if (shortList)
            ReorderShortArticle(*game_, entry.Kind, entry.Index);
        else
            ReorderSufficientArticle(*game_, entry.Kind, entry.Index);
        return true;
    }

    int Amount() {
        return choose_.Random(8) == 0 ? choose_.Random(BankAmountMaximum + 1)
                                      : choose_.Random(30001);
    }

    // Mostly the few units a pub orders, now and then up to the settings' 500.
    int Quantity() { return 1 + choose_.Random(choose_.Random(8) == 0 ? 500 : 40); }

    void ChangeSettings() {
        ControlValues& controls = State().Controls;
        switch (choose_.Random(5)) {
        case 0:
            controls.MinStockLevel = choose_.Random(101);
            break;
        case 1:
            controls.CardOrderQuantity = Quantity();
            break;
        case 2:
            controls.StorageOrderQuantity = Quantity();
            break;
        case 3:
            controls.NotifyOnDelivery = !controls.NotifyOnDelivery;
            break;
        default:
            controls.NotifyDeliveryTime = !controls.NotifyDeliveryTime;
            break;
        }
    }

    // Carries the step out where the windows offer it; returns whether they do.
    bool Do(Step step) {
        GameState& state = State();
        const bool pub = started_ && AnyLocationLeased(state);
        const TStaffMember& member = state.StaffPool[ShownStaffIndex(state)];
        const auto kind = static_cast<ArticleKind>(choose_.Random(3));
        const int index = 1 + choose_.Random(ArticleCount(kind));
        // The cards list the known articles only.
        const bool listed = pub && Article(state, kind, index).Known;
        switch (step) {
        case Step::Tick:
            PlayMinute();
            return true;
        case Step::WaitForDayEnd:
            state.GameClock = NextDayEnd(state.GameClock);
            PlayMinute();
            return true;
        case Step::TickCard:
            return listed && (PutOnCard(*game_, kind, index), true);
        case Step::UntickCard:
            return listed && (TakeOffCard(state, kind, index), true);
        case Step::SelectAll:
            for (int i = 1; pub && i <= ArticleCount(kind); ++i)
                if (Article(state, kind, i).Known)
                    (void)PutOnCard(*game_, kind, i);
            return pub;
        case Step::SetPrice:
            return pub && (SetPrice(), true);
        case Step::ReorderShort:
        case Step::ReorderSufficient:
            return pub && Reorder(step == Step::ReorderShort);
        case Step::BrowseStaff:
            if (pub)
                choose_.Random(2) ? ShowNextStaffMember(state) : ShowPreviousStaffMember(state);
            return pub;
        case Step::Hire:
            return pub && !member.Employed && (HireShownStaffMember(state), true);
        case Step::Dismiss:
            return pub && member.Employed && (DismissShownStaffMember(*game_), true);
        case Step::BrowseLocations:
            if (started_)
                choose_.Random(2) ? ShowNextLocation(state) : ShowPreviousLocation(state);
            return started_;
        case Step::Lease:
            if (!started_ || AnyLocationLeased(state))
                return false;
            LeaseShownLocation(state);
            return AdoptLeasedLocation(state);
        case Step::Entertainment: {
            const auto what =
                choose_.Random(2) ? Entertainment::Television : Entertainment::Musicians;
            return pub && StillPurchasable(state, what) && (BuyEntertainment(*game_, what), true);
        }
        case Step::TakeCredit:
            return pub && (TakeCredit(*game_, ComputeCreditLimit(state), Amount()), true);
        case Step::RepayDebt:
            return pub && (RepayDebt(*game_, Amount()), true);
        case Step::Settings:
            ChangeSettings();
            return true;
        case Step::RewardKey:
            (void)GrantReward(*game_, keepsThePubAlive_ && state.Wealth < 3000
                                          ? RewardKey::F12
                                          : static_cast<RewardKey>(choose_.Random(4)));
            return true;
        case Step::SaveAndLoad:
            return started_ && !keepsThePubAlive_ && (SaveAndLoad(), true);
        case Step::StartGame:
            return !started_ && (StartGame(), true);
        case Step::RestartProgram:
        case Step::Count:
            break;
        }
        return !keepsThePubAlive_ && (RestartProgram(), true);
    }

    bool MoneyAgrees(long i, Step step) {
        const GameState& state = State();
        const DayBook& today = game_->Books.Today();
        if (SameDouble(state.Wealth, Replayed.Wealth) && SameDouble(state.Debt, Replayed.Debt) &&
            SameDouble(today.EndWealth, state.Wealth) && SameDouble(today.EndDebt, state.Debt))
            return true;
        std::ostringstream why;
        why.precision(17);
        why << "step " << i << " (" << static_cast<int>(step) << "): Wealth " << state.Wealth
            << ", replayed " << Replayed.Wealth << ", Debt " << state.Debt << ", replayed "
            << Replayed.Debt << ", the day keeps " << today.EndWealth << " / " << today.EndDebt;
        ADD_FAILURE() << why.str();
        return false;
    }

    // The books' days and articles against the replay and the game state.
    bool BooksAgree() {
        const PubBooks& books = game_->Books;
        const int days = books.DayCount();
        if (static_cast<int>(Replayed.Days.size()) != days) {
            ADD_FAILURE() << days << " days booked, " << Replayed.Days.size() << " replayed";
            return false;
        }
        PeriodBook sum;
        for (int d = 0; d < days; ++d) {
            const DayBook& day = books.Day(d);
            const Replay::Day& replayed = Replayed.Days[static_cast<std::size_t>(d)];
            for (std::size_t c = 0; c < day.Amounts.size(); ++c)
                if (!SameDouble(day.Amounts[c], replayed.Amounts[c])) {
                    ADD_FAILURE() << "day " << d << ", category " << c << ": " << day.Amounts[c]
                                  << " booked, " << replayed.Amounts[c] << " replayed";
                    return false;
                }
            EXPECT_TRUE(SameDouble(day.EndWealth, replayed.EndWealth)) << "day " << d;
            EXPECT_TRUE(SameDouble(day.EndDebt, replayed.EndDebt)) << "day " << d;
            for (const std::int32_t units : day.UnitsSold)
                EXPECT_LE(units, day.Guests) << "a guest buys one unit of a kind";
            for (std::size_t c = 0; c < sum.Amounts.size(); ++c)
                sum.Amounts[c] = SaturatedSum(sum.Amounts[c], day.Amounts[c]);
            sum.Guests += day.Guests;
            for (std::size_t k = 0; k < sum.UnitsSold.size(); ++k)
                sum.UnitsSold[k] += day.UnitsSold[k];
        }
        const PeriodBook total = books.Total();
        for (std::size_t c = 0; c < sum.Amounts.size(); ++c)
            EXPECT_TRUE(SameDouble(total.Amounts[c], sum.Amounts[c])) << "category " << c;
        EXPECT_EQ(total.Guests, sum.Guests);
        EXPECT_EQ(total.Days, days);
        return ArticlesAgree(total) && !::testing::Test::HasFailure();
    }

    // Units sold and bought per article follow from the game's own counts and stock.
    bool ArticlesAgree(const PeriodBook& total) {
        std::size_t slot = 0;
        for (const ArticleKind kind : AllArticleKinds) {
            std::int64_t kindUnits = 0;
            for (int i = 1; i <= ArticleCount(kind); ++i, ++slot) {
                const TArticle& article = Article(State(), kind, i);
                const ArticleBook& figures = game_->Books.ArticleFigures(kind, i);
                const auto [unitsAtStart, stockAtStart] = unitsAtStart_[slot];
                EXPECT_EQ(figures.UnitsSold, std::int64_t{article.UnitsSold} - unitsAtStart);
                EXPECT_EQ(figures.UnitsBought - figures.UnitsSold,
                          std::int64_t{article.Stock} - stockAtStart);
                kindUnits += figures.UnitsSold;
            }
            EXPECT_EQ(kindUnits, total.UnitsSold[static_cast<std::size_t>(kind)]);
        }
        return true;
    }

    SeededRandom gameRng_;
    GameRandom choose_;
    FuzzHost host_;
    std::unique_ptr<Game> game_;
    bool keepsThePubAlive_;
    bool started_ = false;
    std::vector<std::pair<std::int32_t, std::int32_t>> unitsAtStart_;
};

} // namespace

// A million steps in all, a second in an optimised build: two players who go bankrupt often
// (and start, save and load games), two who keep one pub for hundreds of days.
TEST(BooksProperty, EveryCentOfAMillionRandomStepsIsBooked) {
    std::array<long, static_cast<std::size_t>(Step::Count)> steps{};
    std::array<long, BookingCount> bookings{};
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        RandomPlayer player(seed, 1000 + seed, seed > 2);
        ASSERT_TRUE(player.Play(250000)) << "seed " << seed;
        for (std::size_t s = 0; s < steps.size(); ++s)
            steps[s] += player.StepsDone[s];
        for (std::size_t c = 0; c < bookings.size(); ++c)
            bookings[c] += player.Replayed.Counts[c];
        EXPECT_EQ(player.Replayed.WrongSigns, 0) << "seed " << seed;
    }
    for (std::size_t s = 0; s < steps.size(); ++s)
        EXPECT_GT(steps[s], 0) << "step " << s << " was never taken";
    for (std::size_t c = 0; c < bookings.size(); ++c)
        EXPECT_GT(bookings[c], 0) << "category " << c << " was never booked";
}
