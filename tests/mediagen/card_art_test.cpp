// Card pictures: element backgrounds, rarity frames, and a figure of its own per card.
#include "card_art.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "card_figure.h"
#include "card_frame.h"

namespace mediagen {
namespace {

// The picture with no figure: what a card would look like if the figure were missing.
Image bare_card(int element, int card_class) {
    Image img(kCardSize, kCardSize);
    draw_card_background(img, element);
    draw_rarity_frame(img, card_class);
    return img;
}

// Where the figure covers the background, as a set of pixel indices.
std::vector<bool> figure_mask(int card) {
    const Image full = card_picture(card, 0), bare = bare_card(card % 5, 0);
    std::vector<bool> mask;
    for (int y = 0; y < kCardSize; ++y)
        for (int x = 0; x < kCardSize; ++x) {
            const Rgb a = full.at(x, y), b = bare.at(x, y);
            mask.push_back(std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > 24);
        }
    return mask;
}

// The raw pixels, for equality checks.
std::string pixels(const Image& img) {
    std::string s;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const Rgb c = img.at(x, y);
            s += {static_cast<char>(c.r), static_cast<char>(c.g), static_cast<char>(c.b)};
        }
    return s;
}

TEST(RarityBands, ClassPicksTheFrame) {
    for (const auto& [card_class, rarity] :
         std::initializer_list<std::pair<int, Rarity>>{{0, Rarity::Plain},
                                                       {3, Rarity::Plain},
                                                       {4, Rarity::Silver},
                                                       {9, Rarity::Silver},
                                                       {10, Rarity::Gold},
                                                       {14, Rarity::Gold},
                                                       {15, Rarity::Prismatic},
                                                       {19, Rarity::Prismatic}})
        EXPECT_EQ(rarity_of(card_class), rarity) << card_class;
}

struct ElementCase {
    int element;
    const char* name;
    bool (*looks_right)(Rgb);
};
class ElementBackground : public ::testing::TestWithParam<ElementCase> {};

TEST_P(ElementBackground, HasTheElementsColour) {
    const Image img = bare_card(GetParam().element, 0);
    long r = 0, g = 0, b = 0;
    for (int y = 8; y < 56; ++y)
        for (int x = 8; x < 56; ++x) {
            r += img.at(x, y).r;
            g += img.at(x, y).g;
            b += img.at(x, y).b;
        }
    const Rgb mean{static_cast<std::uint8_t>(r / 2304), static_cast<std::uint8_t>(g / 2304),
                   static_cast<std::uint8_t>(b / 2304)};
    EXPECT_TRUE(GetParam().looks_right(mean))
        << GetParam().name << " got " << int(mean.r) << "," << int(mean.g) << "," << int(mean.b);
}

INSTANTIATE_TEST_SUITE_P(
    Elements, ElementBackground,
    ::testing::Values(
        ElementCase{0, "grey", [](Rgb c) { return std::abs(c.r - c.b) < 16 && c.r > 90 && c.r < 200; }},
        ElementCase{1, "light gold", [](Rgb c) { return c.r > 200 && c.g > 160 && c.b < c.g - 40; }},
        ElementCase{2, "dark violet", [](Rgb c) { return c.r < 110 && c.b > c.g + 20 && c.r > c.g; }},
        ElementCase{3, "fire red", [](Rgb c) { return c.r > 150 && c.g < 90 && c.b < 70; }},
        ElementCase{4, "water blue", [](Rgb c) { return c.b > 150 && c.b > c.r + 60; }}),
    [](const auto& info) { return std::to_string(info.param.element); });

// Every card's picture is its own, and its figure covers a fair share of the card.
TEST(CardPictures, EveryCardIsDifferentWithAFairSizedFigure) {
    std::set<std::string> seen;
    for (int n = 0; n < 327; ++n) {
        EXPECT_TRUE(seen.insert(pixels(card_picture(n, 0))).second) << "unit" << n;
        const std::vector<bool> mask = figure_mask(n);
        const auto covered = std::count(mask.begin(), mask.end(), true);
        EXPECT_GT(covered, 250) << "unit" << n;
        EXPECT_LT(covered, 3200) << "unit" << n;
    }
}

class SameElementPair : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(SameElementPair, FiguresHaveDifferentShapesNotJustColours) {
    const auto [a, b] = GetParam();
    ASSERT_EQ(a % 5, b % 5);
    const std::vector<bool> ma = figure_mask(a), mb = figure_mask(b);
    int covered = 0, differ = 0;
    for (std::size_t i = 0; i < ma.size(); ++i) {
        covered += ma[i];
        differ += ma[i] != mb[i];
    }
    EXPECT_GT(covered, 300) << "unit" << a << " has hardly any figure";
    EXPECT_GT(differ, 200) << "unit" << a << " and unit" << b << " share a silhouette";
}

INSTANTIATE_TEST_SUITE_P(Pairs, SameElementPair,
                         ::testing::Values(std::pair{0, 5}, std::pair{219, 224}, std::pair{321, 326}));

// The class changes only the frame, and each rarity's frame is its own.
TEST(CardPictures, ClassChangesOnlyTheFrame) {
    const Image plain = card_picture(42, 0), gold = card_picture(42, 12);
    int inner_changes = 0, edge_changes = 0;
    for (int y = 0; y < kCardSize; ++y)
        for (int x = 0; x < kCardSize; ++x) {
            const bool edge = x < 5 || y < 5 || x >= kCardSize - 5 || y >= kCardSize - 5;
            const bool changed = !(plain.at(x, y) == gold.at(x, y));
            (edge ? edge_changes : inner_changes) += changed;
        }
    EXPECT_EQ(inner_changes, 0);
    EXPECT_GT(edge_changes, 200);
    std::set<std::string> frames;  // the four rarities look different on the same card
    for (int cls : {0, 4, 10, 15}) frames.insert(pixels(card_picture(7, cls)));
    EXPECT_EQ(frames.size(), 4u);
}

TEST(DuelPictures, AreCardSizedAndDistinct) {
    std::set<std::string> seen;
    for (const Image& img : {grave_picture(), god_picture(), hades_picture(), car_picture()}) {
        EXPECT_EQ(std::pair(img.width(), img.height()), std::pair(kCardSize, kCardSize));
        EXPECT_TRUE(seen.insert(pixels(img)).second);
    }
}

}  // namespace
}  // namespace mediagen
