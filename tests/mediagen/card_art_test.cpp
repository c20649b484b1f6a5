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
         std::initializer_list<std::pair<int, Rarity>>{{3, Rarity::Plain},
                                                       {4, Rarity::Silver},
                                                       {9, Rarity::Silver},
                                                       {10, Rarity::Gold},
                                                       {14, Rarity::Gold},
                                                       {15, Rarity::Prismatic}})
        EXPECT_EQ(rarity_of(card_class), rarity) << card_class;
}

// The five elements' backgrounds are five different pictures.
TEST(ElementBackground, EachElementHasItsOwn) {
    std::set<std::string> backgrounds;
    for (int element = 0; element < 5; ++element) backgrounds.insert(pixels(bare_card(element, 0)));
    EXPECT_EQ(backgrounds.size(), 5u);
}

// Every card's picture is its own and its figure covers a fair share of the card; in the sampled pairs
// of one element (five numbers apart) the figures have other shapes, not just other colours.
TEST(CardPictures, EveryCardIsDifferentWithAFairSizedFigureOfItsOwnShape) {
    std::set<std::string> seen;
    std::vector<std::vector<bool>> masks;
    for (int n = 0; n < 327; ++n) {
        EXPECT_TRUE(seen.insert(pixels(card_picture(n, 0))).second) << "unit" << n;
        masks.push_back(figure_mask(n));
        const auto covered = std::count(masks[n].begin(), masks[n].end(), true);
        EXPECT_GT(covered, 250) << "unit" << n;
        EXPECT_LT(covered, 3200) << "unit" << n;
        if (!std::set<int>{5, 6, 7, 8, 9, 10, 105, 224, 326}.count(n)) continue;
        int differ = 0;
        for (std::size_t i = 0; i < masks[n].size(); ++i) differ += masks[n][i] != masks[n - 5][i];
        EXPECT_GT(differ, 200) << "unit" << n - 5 << " and unit" << n << " share a silhouette";
    }
}

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
