// SPDX-License-Identifier: GPL-3.0-or-later
#include "persistence/save_game.h"
#include "saved_game_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Field offsets of the three article records, written out from the file format on purpose
// instead of taken from the codec's own tables.
struct ArticleFormat {
    ArticleKind Kind;
    const char* What;
    std::size_t Section, RecordSize;
    std::size_t SalePrice, PurchasePrice, Stock, DeliveryMinutes, Known, OnCard, UnitsSold,
        Popularity, Name;
    std::vector<std::size_t> Padding;
};

const ArticleFormat ArticleFormats[] = {
    {ArticleKind::Drink, "drink", 0, 88, 0, 8, 16, 20, 24, 25, 28, 32, 36, {26, 27, 87}},
    {ArticleKind::Dish,
     "dish",
     4400,
     96,
     0,
     16,
     28,
     8,
     24,
     32,
     36,
     40,
     44,
     {12, 13, 14, 15, 25, 26, 27, 33, 34, 35, 95}},
    {ArticleKind::Wine, "wine", 7280, 88, 0, 8, 32, 16, 20, 21, 28, 24, 36, {22, 23, 87}},
};

constexpr std::size_t LocationsAt = 9956;
constexpr std::size_t LocationSize = 96;
const std::vector<std::size_t> LocationPadding = {59, 66, 67, 92, 93, 94, 95};
constexpr std::size_t StaffAt = 12856;
constexpr std::size_t StaffSize = 80;
const std::vector<std::size_t> StaffPadding = {51, 65, 66, 67, 68, 69, 70, 71};

// Every byte that carries no value: record padding and the name bytes beyond the length.
std::vector<std::size_t> MeaninglessBytes(const Image& image) {
    std::vector<std::size_t> offsets;
    const auto record = [&](std::size_t base, const std::vector<std::size_t>& padding,
                            std::size_t name) {
        for (std::size_t p : padding)
            offsets.push_back(base + p);
        for (std::size_t c = image.at(base + name); c < 50; ++c)
            offsets.push_back(base + name + 1 + c);
    };
    for (const ArticleFormat& f : ArticleFormats)
        for (int i = 0; i < ArticleCount(f.Kind); ++i)
            record(f.Section + f.RecordSize * i, f.Padding, f.Name);
    for (int i = 0; i < LocationCount; ++i)
        record(LocationsAt + LocationSize * i, LocationPadding, 8);
    for (int i = 0; i < StaffCount; ++i)
        record(StaffAt + StaffSize * i, StaffPadding, 0);
    return offsets;
}

TEST(SavedGameEncoding, ImageHasTheFileSize) {
    EXPECT_EQ(EncodeSavedGame(GameState{}).size(), 14456u);
    EXPECT_EQ(EncodeSavedGame(DistinctValueGame()).size(), 14456u);
}

TEST(SavedGameEncoding, WealthExample) {
    GameState game;
    game.Wealth = 10000;
    const Image image = EncodeSavedGame(game);
    const Image expected = {0x00, 0x00, 0x00, 0x00, 0x00, 0x88, 0xC3, 0x40};
    EXPECT_EQ(Image(image.begin() + 9936, image.begin() + 9944), expected);
}

TEST(SavedGameEncoding, NameExampleHasLengthBytesThenZeros) {
    GameState game;
    game.Drinks[1].Name = ShortString50::FromUtf8("Pils");
    game.Drinks[2].Name = ShortString50::FromUtf8("Pils");
    // Bytes behind the length must not leak into the file.
    game.Drinks[2].Name.Chars.back() = 'z';
    const Image image = EncodeSavedGame(game);
    for (std::size_t base : {std::size_t{0}, std::size_t{88}}) {
        const Image expected = {0x04, 0x50, 0x69, 0x6C, 0x73};
        EXPECT_EQ(Image(image.begin() + base + 36, image.begin() + base + 41), expected);
        EXPECT_EQ(Image(image.begin() + base + 41, image.begin() + base + 87), Image(46, 0));
    }
}

TEST(SavedGameEncoding, ArticleFieldsAtTheirRecordOffsets) {
    const GameState game = DistinctValueGame();
    const Image image = EncodeSavedGame(game);
    for (const ArticleFormat& f : ArticleFormats) {
        for (int i = 1; i <= ArticleCount(f.Kind); ++i) {
            SCOPED_TRACE(std::string(f.What) + " " + std::to_string(i));
            const TArticle& a = Article(game, f.Kind, i);
            const std::size_t base = f.Section + f.RecordSize * (i - 1);
            EXPECT_EQ(DoubleAt(image, base + f.SalePrice), a.SalePrice);
            EXPECT_EQ(DoubleAt(image, base + f.PurchasePrice), a.PurchasePrice);
            EXPECT_EQ(Int32At(image, base + f.Stock), a.Stock);
            EXPECT_EQ(Int32At(image, base + f.DeliveryMinutes), a.DeliveryMinutes);
            EXPECT_EQ(image[base + f.Known], a.Known ? 1 : 0);
            EXPECT_EQ(image[base + f.OnCard], a.OnCard ? 1 : 0);
            EXPECT_EQ(Int32At(image, base + f.UnitsSold), a.UnitsSold);
            EXPECT_EQ(Int32At(image, base + f.Popularity), a.Popularity);
            EXPECT_EQ(NameAt(image, base + f.Name), a.Name.Bytes());
        }
    }
}

TEST(SavedGameEncoding, ScalarsAndControlsAtTheirFileOffsets) {
    const GameState game = DistinctValueGame();
    const Image image = EncodeSavedGame(game);
    EXPECT_EQ(DoubleAt(image, 9920), game.Debt);
    EXPECT_EQ(Int32At(image, 9928), game.LocationCursor);
    EXPECT_EQ(Int32At(image, 9932), game.StaffCursor);
    EXPECT_EQ(DoubleAt(image, 9936), game.Wealth);
    EXPECT_EQ(Int32At(image, 9944), game.LeasedLocation);
    EXPECT_EQ(DoubleAt(image, 9948), game.GameClock);

    EXPECT_EQ(image[12836], 0); // TV no longer purchasable
    EXPECT_EQ(image[12837], 1);
    EXPECT_EQ(Int32At(image, 12838), 2);
    EXPECT_EQ(Int32At(image, 12842), 33);
    EXPECT_EQ(Int32At(image, 12846), 111);
    EXPECT_EQ(Int32At(image, 12850), 222);
    EXPECT_EQ(image[12854], 0);
    EXPECT_EQ(image[12855], 1);
}

TEST(SavedGameEncoding, LocationAndStaffFieldsAtTheirRecordOffsets) {
    const GameState game = DistinctValueGame();
    const Image image = EncodeSavedGame(game);
    for (int i = 1; i <= LocationCount; ++i) {
        SCOPED_TRACE("location " + std::to_string(i));
        const TLocation& l = game.Locations[i];
        const std::size_t base = LocationsAt + LocationSize * (i - 1);
        EXPECT_EQ(DoubleAt(image, base + 0), l.RentPerDay);
        EXPECT_EQ(NameAt(image, base + 8), l.Name.Bytes());
        EXPECT_EQ(Int32At(image, base + 60), l.PotentialCustomers);
        EXPECT_EQ(image[base + 64], l.Leased ? 1 : 0);
        EXPECT_EQ(image[base + 65], l.Reserved1 ? 1 : 0);
        EXPECT_EQ(Int32At(image, base + 68), l.EntertainmentFactor);
        EXPECT_EQ(DoubleAt(image, base + 72), l.LeaseDate);
        EXPECT_EQ(DoubleAt(image, base + 80), l.Reserved2);
        EXPECT_EQ(Int32At(image, base + 88), l.Variety);
    }
    for (int i = 1; i <= StaffCount; ++i) {
        SCOPED_TRACE("staff member " + std::to_string(i));
        const TStaffMember& m = game.StaffPool[i];
        const std::size_t base = StaffAt + StaffSize * (i - 1);
        EXPECT_EQ(NameAt(image, base + 0), m.Name.Bytes());
        EXPECT_EQ(Int32At(image, base + 52), m.WagePerDay);
        EXPECT_EQ(Int32At(image, base + 56), m.Experience);
        EXPECT_EQ(Int32At(image, base + 60), m.Kind);
        EXPECT_EQ(image[base + 64], m.Employed ? 1 : 0);
        EXPECT_EQ(DoubleAt(image, base + 72), m.HireDate);
    }
}

TEST(SavedGameEncoding, PaddingAndUnusedNameBytesAreZero) {
    GameState game = DistinctValueGame();
    for (TArticle& a : game.Drinks)
        a.Name.Chars.fill(0xEE), a.Name.Length = 4;
    for (TStaffMember& m : game.StaffPool)
        m.Name.Chars.fill(0xEE), m.Name.Length = 0;
    const Image image = EncodeSavedGame(game);
    for (std::size_t offset : MeaninglessBytes(image))
        ASSERT_EQ(image[offset], 0) << "at offset " << offset;
}

TEST(SavedGameRoundTrip, ReproducesEveryFieldAndControlValue) {
    const GameState game = DistinctValueGame();
    const LoadResult loaded = DecodeSavedGame(EncodeSavedGame(game), ControlValues{});
    ASSERT_TRUE(loaded.Ok) << loaded.Error;
    ExpectSameGame(loaded.Game, game);
}

TEST(SavedGameRoundTrip, ControlValuesOfBothPolarities) {
    GameState game = DistinctValueGame();
    game.Controls = {.TvPurchasable = true,
                     .MusiciansPurchasable = false,
                     .SpeedIndex = -1,
                     .MinStockLevel = 0,
                     .CardOrderQuantity = 500,
                     .StorageOrderQuantity = 1,
                     .NotifyOnDelivery = true,
                     .NotifyDeliveryTime = false};
    const ControlValues opposite = {.TvPurchasable = false,
                                    .MusiciansPurchasable = true,
                                    .NotifyOnDelivery = false,
                                    .NotifyDeliveryTime = true};
    const LoadResult loaded = DecodeSavedGame(EncodeSavedGame(game), opposite);
    ASSERT_TRUE(loaded.Ok) << loaded.Error;
    EXPECT_EQ(Fields(loaded.Game.Controls), Fields(game.Controls));
}

TEST(SavedGameRoundTrip, ReencodingAFileReproducesItExceptMeaninglessBytes) {
    const Image clean = EncodeSavedGame(DistinctValueGame());
    Image file = clean;
    for (std::size_t offset : MeaninglessBytes(clean))
        file[offset] = 0xA5;
    const LoadResult loaded = DecodeSavedGame(file, ControlValues{});
    ASSERT_TRUE(loaded.Ok) << loaded.Error;
    EXPECT_EQ(EncodeSavedGame(loaded.Game), clean);
}

TEST(SavedGameApply, CopiesEverythingTheFileHolds) {
    const GameState loaded = DistinctValueGame();
    GameState running;
    running.Wealth = 99;
    running.Drinks[3].Stock = 7;
    running.Controls.SpeedIndex = 0;
    ApplySavedGame(running, loaded);
    ExpectSameGame(running, loaded);
}

} // namespace
