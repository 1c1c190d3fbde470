// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/date_time.h"
#include "persistence/save_game.h"
#include "saved_game_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();

constexpr std::size_t LeasedLocationAt = 9944;
constexpr std::size_t SpeedIndexAt = 12838;

Image ValidFile() {
    return EncodeSavedGame(DistinctValueGame());
}

LoadResult Decode(const Image& image, const ControlValues& current = {}) {
    return DecodeSavedGame(image, current);
}

// The valid file with one number changed.
Image With(std::size_t offset, std::int32_t value) {
    Image image = ValidFile();
    PutInt32(image, offset, value);
    return image;
}
Image WithDouble(std::size_t offset, double value) {
    Image image = ValidFile();
    PutDouble(image, offset, value);
    return image;
}

// The game of a file that must load.
GameState Loaded(const Image& image) {
    const LoadResult result = Decode(image);
    EXPECT_TRUE(result.Ok) << result.Error;
    return result.Game;
}

void ExpectDamaged(const Image& image) {
    const LoadResult result = Decode(image);
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Error, "Die Datei ist beschädigt und kann nicht geladen werden.");
}

TEST(SavedGameDecoding, ShortImagesReadBeyondTheEnd) {
    for (std::size_t size : {std::size_t{14455}, std::size_t{0}, std::size_t{9920}}) {
        Image image = ValidFile();
        image.resize(size);
        const LoadResult result = Decode(image);
        EXPECT_FALSE(result.Ok) << size;
        EXPECT_EQ(result.Error, "Read beyond end of file") << size;
    }
}

TEST(SavedGameDecoding, BytesAfterTheImageAreIgnored) {
    Image image = ValidFile();
    image.resize(20000, 0xFF);
    ExpectSameGame(Loaded(image), DistinctValueGame());
}

TEST(SavedGameDecoding, SpeedIndexIsClampedIntoTheRadioGroup) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {7, 3}, {4, 3}, {3, 3}, {0, 0}, {-1, -1}, {-2, -1}, {INT32_MIN, -1}, {INT32_MAX, 3}};
    for (auto [stored, expected] : cases)
        EXPECT_EQ(Loaded(With(SpeedIndexAt, stored)).Controls.SpeedIndex, expected) << stored;
}

TEST(SavedGameDecoding, QuantitiesAreClampedIntoTheirSpinEdits) {
    struct Case {
        std::size_t Offset;
        std::int32_t Stored, Expected;
        std::int32_t ControlValues::*Field;
    };
    const Case cases[] = {
        {12842, -3, 0, &ControlValues::MinStockLevel},
        {12842, 101, 100, &ControlValues::MinStockLevel},
        {12846, 0, 1, &ControlValues::CardOrderQuantity},
        {12846, 501, 500, &ControlValues::CardOrderQuantity},
        {12850, INT32_MIN, 1, &ControlValues::StorageOrderQuantity},
        {12850, 5000, 500, &ControlValues::StorageOrderQuantity},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Loaded(With(c.Offset, c.Stored)).Controls.*(c.Field), c.Expected)
            << "offset " << c.Offset;
}

TEST(SavedGameDecoding, ControlFlagOtherThanZeroOrOneKeepsTheCurrentValue) {
    const std::pair<std::size_t, bool ControlValues::*> flags[] = {
        {12836, &ControlValues::TvPurchasable},
        {12837, &ControlValues::MusiciansPurchasable},
        {12854, &ControlValues::NotifyOnDelivery},
        {12855, &ControlValues::NotifyDeliveryTime},
    };
    for (auto [offset, field] : flags) {
        for (bool current : {false, true}) {
            SCOPED_TRACE("offset " + std::to_string(offset));
            ControlValues controls;
            controls.*field = current;
            Image image = ValidFile();
            image[offset] = 2;
            EXPECT_EQ(Decode(image, controls).Game.Controls.*field, current);
            image[offset] = 0xFF;
            EXPECT_EQ(Decode(image, controls).Game.Controls.*field, current);
            image[offset] = 1;
            EXPECT_TRUE(Decode(image, controls).Game.Controls.*field);
            image[offset] = 0;
            EXPECT_FALSE(Decode(image, controls).Game.Controls.*field);
        }
    }
}

TEST(SavedGameDecoding, RecordFlagsOtherThanZeroCountAsTrue) {
    Image image = ValidFile();
    image[24] = 2;           // Known of drink 1
    image[4400 + 32] = 0x80; // OnCard of dish 1
    image[9956 + 64] = 7;    // Leased of location 1
    image[12856 + 64] = 255; // Employed of staff member 1
    const LoadResult result = Decode(image);
    ASSERT_TRUE(result.Ok) << result.Error;
    EXPECT_TRUE(result.Game.Drinks[1].Known);
    EXPECT_TRUE(result.Game.Dishes[1].OnCard);
    EXPECT_TRUE(result.Game.Locations[1].Leased);
    EXPECT_TRUE(result.Game.StaffPool[1].Employed);
}

TEST(SavedGameDecoding, LeasedLocationOutsideTheLocationsIsDamage) {
    for (std::int32_t leased : {31, -1, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(leased);
        ExpectDamaged(With(LeasedLocationAt, leased));
    }
    for (std::int32_t leased : {0, 1, 30})
        EXPECT_EQ(Loaded(With(LeasedLocationAt, leased)).LeasedLocation, leased);
}

TEST(SavedGameDecoding, CursorsAreBroughtIntoRange) {
    const std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t> cases[] = {
        {0, 1, 0, 1}, {31, 30, 21, 20}, {INT32_MIN, 1, INT32_MAX, 20}, {30, 30, 20, 20}};
    for (auto [location, expectedLocation, staff, expectedStaff] : cases) {
        EXPECT_EQ(Loaded(With(9928, location)).LocationCursor, expectedLocation) << location;
        EXPECT_EQ(Loaded(With(9932, staff)).StaffCursor, expectedStaff) << staff;
    }
}

TEST(SavedGameDecoding, VarietyIsHeldWithinTheGuestsRange) {
    constexpr std::size_t ThirdLocationVarietyAt = 9956 + 2 * 96 + 88;
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {101, 100}, {-101, -100}, {INT32_MAX, 100}, {INT32_MIN, -100}, {-57, -57}, {100, 100}};
    for (auto [stored, expected] : cases)
        EXPECT_EQ(Loaded(With(ThirdLocationVarietyAt, stored)).Locations[3].Variety, expected)
            << stored;
}

TEST(SavedGameDecoding, NameLongerThanFiftyIsDamage) {
    // The length bytes of the first drink, dish, wine, location and staff member, and of the
    // last staff member.
    for (std::size_t offset : {36, 4400 + 44, 7280 + 36, 9956 + 8, 12856, 14456 - 80}) {
        SCOPED_TRACE(offset);
        for (std::uint8_t length : {51, 200, 255}) {
            Image image = ValidFile();
            image[offset] = length;
            ExpectDamaged(image);
        }
    }
    Image image = ValidFile();
    image[36] = 50;
    EXPECT_EQ(Loaded(image).Drinks[1].Name.Length, 50);
}

TEST(SavedGameDecoding, NonFiniteMoneyPriceOrDateIsDamage) {
    const std::size_t numbers[] = {
        9936,                  // Wealth
        9920,                  // Debt
        9948,                  // GameClock
        0,          8,         // SalePrice, PurchasePrice of drink 1
        4400,       4400 + 16, // ... of dish 1
        7280,       7280 + 8,  // ... of wine 1
        9956,                  // RentPerDay of location 1
        9956 + 72,             // LeaseDate
        9956 + 80,             // Reserved2
        12856 + 72,            // HireDate of staff member 1
        14456 - 8,             // HireDate of staff member 20
    };
    for (std::size_t offset : numbers) {
        for (double value : {NaN, Infinity, -Infinity}) {
            SCOPED_TRACE(std::to_string(offset) + " " + std::to_string(value));
            ExpectDamaged(WithDouble(offset, value));
        }
    }
}

TEST(SavedGameDecoding, ClockOutsideTheYearsOneToNineThousandNineHundredNinetyNineIsDamage) {
    for (double clock :
         {EncodeDateTime(0, 12, 31, 12), -1e9, -693595.0, EncodeDateTime(10000, 1, 1), 1e300}) {
        SCOPED_TRACE(clock);
        ExpectDamaged(WithDouble(9948, clock));
    }
    for (double clock : {EncodeDateTime(1, 1, 1), EncodeDateTime(1, 1, 1, 18, 30),
                         EncodeDateTime(9999, 12, 31, 23, 59), -0.25, 0.0}) {
        EXPECT_EQ(Loaded(WithDouble(9948, clock)).GameClock, clock);
        EXPECT_EQ(ClockText(clock).size(), 16u);
    }
}

} // namespace
