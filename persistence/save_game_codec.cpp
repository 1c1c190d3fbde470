// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/date_time.h"
#include "persistence/byte_image.h"
#include "persistence/file_system.h"
#include "persistence/save_game.h"
#include "persistence/save_game_layout.h"

#include <algorithm>
#include <cmath>

namespace Layout = SavedGameLayout;
static_assert(SavedGameSize == Layout::FileSize);

namespace {

// ---- writing ----

void WriteArticle(RecordWriter out, const Layout::ArticleLayout& at, const TArticle& article) {
    out.Double(at.SalePrice, article.SalePrice);
    out.Double(at.PurchasePrice, article.PurchasePrice);
    out.Int32(at.Stock, article.Stock);
    out.Int32(at.DeliveryMinutes, article.DeliveryMinutes);
    out.Bool(at.Known, article.Known);
    out.Bool(at.OnCard, article.OnCard);
    out.Int32(at.UnitsSold, article.UnitsSold);
    out.Int32(at.Popularity, article.Popularity);
    out.Name(at.Name, article.Name);
}

template <int N>
void WriteArticles(std::span<std::uint8_t> image, std::size_t sectionOffset,
                   const Layout::ArticleLayout& at, const OneBasedArray<TArticle, N>& articles) {
    for (int i = 1; i <= N; ++i)
        WriteArticle(RecordWriter(image, sectionOffset + at.RecordSize * (i - 1)), at, articles[i]);
}

void WriteScalars(RecordWriter out, const GameState& state) {
    namespace S = Layout::Scalars;
    out.Double(S::Debt, state.Debt);
    out.Int32(S::LocationCursor, state.LocationCursor);
    out.Int32(S::StaffCursor, state.StaffCursor);
    out.Double(S::Wealth, state.Wealth);
    out.Int32(S::LeasedLocation, state.LeasedLocation);
    out.Double(S::GameClock, state.GameClock);
}

void WriteLocation(RecordWriter out, const TLocation& location) {
    namespace L = Layout::Location;
    out.Double(L::RentPerDay, location.RentPerDay);
    out.Name(L::Name, location.Name);
    out.Int32(L::PotentialCustomers, location.PotentialCustomers);
    out.Bool(L::Leased, location.Leased);
    out.Bool(L::Reserved1, location.Reserved1);
    out.Int32(L::EntertainmentFactor, location.EntertainmentFactor);
    out.Double(L::LeaseDate, location.LeaseDate);
    out.Double(L::Reserved2, location.Reserved2);
    out.Int32(L::Variety, location.Variety);
}

void WriteControls(RecordWriter out, const ControlValues& controls) {
    namespace C = Layout::Controls;
    out.Bool(C::TvPurchasable, controls.TvPurchasable);
    out.Bool(C::MusiciansPurchasable, controls.MusiciansPurchasable);
    out.Int32(C::SpeedIndex, controls.SpeedIndex);
    out.Int32(C::MinStockLevel, controls.MinStockLevel);
    out.Int32(C::CardOrderQuantity, controls.CardOrderQuantity);
    out.Int32(C::StorageOrderQuantity, controls.StorageOrderQuantity);
    out.Bool(C::NotifyOnDelivery, controls.NotifyOnDelivery);
    out.Bool(C::NotifyDeliveryTime, controls.NotifyDeliveryTime);
}

void WriteStaffMember(RecordWriter out, const TStaffMember& member) {
    namespace M = Layout::Staff;
    out.Name(M::Name, member.Name);
    out.Int32(M::WagePerDay, member.WagePerDay);
    out.Int32(M::Experience, member.Experience);
    out.Int32(M::Kind, member.Kind);
    out.Bool(M::Employed, member.Employed);
    out.Double(M::HireDate, member.HireDate);
}

// ---- reading ----

// Reads the values of one record and notes whether any of them marks the file as damaged.
class CheckedReader {
public:
    CheckedReader(RecordReader in, bool& damaged) : in_(in), damaged_(damaged) {}

    std::int32_t Int32(std::size_t offset) const { return in_.Int32(offset); }
    bool Bool(std::size_t offset) const { return in_.Bool(offset); }
    std::uint8_t Byte(std::size_t offset) const { return in_.Byte(offset); }

    // Money, prices and dates: the game's arithmetic and clock text need finite numbers.
    double Number(std::size_t offset) const {
        const double value = in_.Double(offset);
        if (!std::isfinite(value))
            damaged_ = true;
        return value;
    }

    ShortString50 Name(std::size_t offset) const {
        const std::uint8_t length = in_.Byte(offset);
        if (length > ShortString50::Capacity) {
            damaged_ = true;
            return {};
        }
        ShortString50 name;
        name.Length = length;
        for (std::size_t i = 0; i < length; ++i)
            name.Chars[i] = in_.Byte(offset + 1 + i);
        return name;
    }

private:
    RecordReader in_;
    bool& damaged_;
};

TArticle ReadArticle(const CheckedReader& in, const Layout::ArticleLayout& at) {
    TArticle article;
    article.SalePrice = in.Number(at.SalePrice);
    article.PurchasePrice = in.Number(at.PurchasePrice);
    article.Stock = in.Int32(at.Stock);
    article.DeliveryMinutes = in.Int32(at.DeliveryMinutes);
    article.Known = in.Bool(at.Known);
    article.OnCard = in.Bool(at.OnCard);
    article.UnitsSold = in.Int32(at.UnitsSold);
    article.Popularity = in.Int32(at.Popularity);
    article.Name = in.Name(at.Name);
    return article;
}

template <int N>
void ReadArticles(std::span<const std::uint8_t> image, std::size_t sectionOffset,
                  const Layout::ArticleLayout& at, OneBasedArray<TArticle, N>& articles,
                  bool& damaged) {
    for (int i = 1; i <= N; ++i) {
        const RecordReader record(image, sectionOffset + at.RecordSize * (i - 1));
        articles[i] = ReadArticle(CheckedReader(record, damaged), at);
    }
}

void ReadScalars(const CheckedReader& in, GameState& state, bool& damaged) {
    namespace S = Layout::Scalars;
    state.Debt = in.Number(S::Debt);
    state.LocationCursor = std::clamp(in.Int32(S::LocationCursor), 1, LocationCount);
    state.StaffCursor = std::clamp(in.Int32(S::StaffCursor), 1, StaffCount);
    state.Wealth = in.Number(S::Wealth);
    state.LeasedLocation = in.Int32(S::LeasedLocation);
    state.GameClock = in.Number(S::GameClock);
    if (state.LeasedLocation < 0 || state.LeasedLocation > LocationCount)
        damaged = true;
    if (std::isfinite(state.GameClock) && !ClockInRange(state.GameClock))
        damaged = true;
}

TLocation ReadLocation(const CheckedReader& in) {
    namespace L = Layout::Location;
    TLocation location;
    location.RentPerDay = in.Number(L::RentPerDay);
    location.Name = in.Name(L::Name);
    location.PotentialCustomers = in.Int32(L::PotentialCustomers);
    location.Leased = in.Bool(L::Leased);
    location.Reserved1 = in.Bool(L::Reserved1);
    location.EntertainmentFactor = in.Int32(L::EntertainmentFactor);
    location.LeaseDate = in.Number(L::LeaseDate);
    location.Reserved2 = in.Number(L::Reserved2);
    // The guests keep Variety within -100..100; a file from elsewhere may not have.
    location.Variety = std::clamp(in.Int32(L::Variety), -100, 100);
    return location;
}

// Section F flags are written as 0 or 1; any other byte leaves the control as it is.
void TakeFlag(std::uint8_t byte, bool& flag) {
    if (byte <= 1)
        flag = byte == 1;
}

ControlValues ReadControls(const CheckedReader& in, const ControlValues& current) {
    namespace C = Layout::Controls;
    ControlValues controls = current;
    TakeFlag(in.Byte(C::TvPurchasable), controls.TvPurchasable);
    TakeFlag(in.Byte(C::MusiciansPurchasable), controls.MusiciansPurchasable);
    controls.SpeedIndex = std::clamp(in.Int32(C::SpeedIndex), -1, static_cast<int>(SpeedPause));
    controls.MinStockLevel = std::clamp(in.Int32(C::MinStockLevel), 0, 100);
    controls.CardOrderQuantity = std::clamp(in.Int32(C::CardOrderQuantity), 1, 500);
    controls.StorageOrderQuantity = std::clamp(in.Int32(C::StorageOrderQuantity), 1, 500);
    TakeFlag(in.Byte(C::NotifyOnDelivery), controls.NotifyOnDelivery);
    TakeFlag(in.Byte(C::NotifyDeliveryTime), controls.NotifyDeliveryTime);
    return controls;
}

TStaffMember ReadStaffMember(const CheckedReader& in) {
    namespace M = Layout::Staff;
    TStaffMember member;
    member.Name = in.Name(M::Name);
    member.WagePerDay = in.Int32(M::WagePerDay);
    member.Experience = in.Int32(M::Experience);
    member.Kind = in.Int32(M::Kind);
    member.Employed = in.Bool(M::Employed);
    member.HireDate = in.Number(M::HireDate);
    return member;
}

LoadResult Refused(std::string text) {
    LoadResult result;
    result.Error = std::move(text);
    return result;
}

} // namespace

std::vector<std::uint8_t> EncodeSavedGame(const GameState& state) {
    std::vector<std::uint8_t> image(SavedGameSize, 0);
    const std::span<std::uint8_t> bytes(image);
    WriteArticles(bytes, Layout::DrinksOffset, Layout::Drink, state.Drinks);
    WriteArticles(bytes, Layout::DishesOffset, Layout::Dish, state.Dishes);
    WriteArticles(bytes, Layout::WinesOffset, Layout::Wine, state.Wines);
    WriteScalars(RecordWriter(bytes, Layout::ScalarsOffset), state);
    for (int i = 1; i <= LocationCount; ++i) {
        const std::size_t offset = Layout::LocationsOffset + Layout::Location::RecordSize * (i - 1);
        WriteLocation(RecordWriter(bytes, offset), state.Locations[i]);
    }
    WriteControls(RecordWriter(bytes, Layout::ControlsOffset), state.Controls);
    for (int i = 1; i <= StaffCount; ++i) {
        const std::size_t offset = Layout::StaffOffset + Layout::Staff::RecordSize * (i - 1);
        WriteStaffMember(RecordWriter(bytes, offset), state.StaffPool[i]);
    }
    return image;
}

LoadResult DecodeSavedGame(std::span<const std::uint8_t> image, const ControlValues& current) {
    if (image.size() < SavedGameSize)
        return Refused(IoErrorText(ReadBeyondEndOfFile));
    image = image.first(SavedGameSize);

    LoadResult result;
    GameState& game = result.Game;
    bool damaged = false;
    const auto reader = [&](std::size_t offset) {
        return CheckedReader(RecordReader(image, offset), damaged);
    };

    ReadArticles(image, Layout::DrinksOffset, Layout::Drink, game.Drinks, damaged);
    ReadArticles(image, Layout::DishesOffset, Layout::Dish, game.Dishes, damaged);
    ReadArticles(image, Layout::WinesOffset, Layout::Wine, game.Wines, damaged);
    ReadScalars(reader(Layout::ScalarsOffset), game, damaged);
    for (int i = 1; i <= LocationCount; ++i)
        game.Locations[i] =
            ReadLocation(reader(Layout::LocationsOffset + Layout::Location::RecordSize * (i - 1)));
    game.Controls = ReadControls(reader(Layout::ControlsOffset), current);
    for (int i = 1; i <= StaffCount; ++i)
        game.StaffPool[i] =
            ReadStaffMember(reader(Layout::StaffOffset + Layout::Staff::RecordSize * (i - 1)));

    if (damaged)
        return Refused(DamagedSavedGameText);
    result.Ok = true;
    return result;
}

void ApplySavedGame(GameState& target, const GameState& loaded) {
    target.Drinks = loaded.Drinks;
    target.Dishes = loaded.Dishes;
    target.Wines = loaded.Wines;
    target.Locations = loaded.Locations;
    target.StaffPool = loaded.StaffPool;
    target.Wealth = loaded.Wealth;
    target.Debt = loaded.Debt;
    target.GameClock = loaded.GameClock;
    target.LeasedLocation = loaded.LeasedLocation;
    target.LocationCursor = loaded.LocationCursor;
    target.StaffCursor = loaded.StaffCursor;
    target.Controls = loaded.Controls;
}
