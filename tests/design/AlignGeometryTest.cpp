// Alignment arithmetic without windows: the union, the centre, the gaps and where each
// command puts every rectangle of a list.

#include <gtest/gtest.h>

#include <vector>

#include "design/AlignGeometry.h"

namespace {
std::vector<int> Lefts(const std::vector<TRect>& rects) {
    std::vector<int> v;
    for (const TRect& r : rects)
        v.push_back(r.Left);
    return v;
}
std::vector<int> Tops(const std::vector<TRect>& rects) {
    std::vector<int> v;
    for (const TRect& r : rects)
        v.push_back(r.Top);
    return v;
}

const std::vector<TRect> Example = {{10, 10, 50, 30}, {100, 40, 130, 70}, {200, 5, 260, 25}};

TEST(AlignGeometry, GatheringOfTheWorkedExample) {
    const TAlignGathering g = GatherAlign(Example);
    EXPECT_EQ(g.Union, (TRect{10, 5, 260, 70}));
    EXPECT_EQ(g.Count, 3);
    EXPECT_EQ(g.SumW, 130);
    EXPECT_EQ(g.SumH, 70);
    EXPECT_EQ(g.Center, (TPoint{135, 37}));
    EXPECT_EQ(g.GapH, 60);
    EXPECT_EQ(g.GapV, -2) << "(65 - 70) / 2 truncated toward zero";
}

TEST(AlignGeometry, EachCommandPlacesAlongItsOwnAxisOnly) {
    struct Case {
        TKmAlign Align;
        std::vector<int> Lefts;
        std::vector<int> Tops;
    };
    const std::vector<int> lefts = {10, 100, 200}, tops = {10, 40, 5};
    const Case cases[] = {
        {daLeft, {10, 10, 10}, tops},
        {daRight, {220, 230, 200}, tops},
        {daHCenter, lefts, {27, 22, 27}},
        {daHAverage, {10, 110, 200}, tops},
        {daTop, lefts, {5, 5, 5}},
        {daBottom, lefts, {50, 40, 50}},
        {daVCenter, {115, 120, 105}, tops},
        {daVAverage, lefts, {10, 28, 56}},
        {daUndo, lefts, tops},
        {daRedo, lefts, tops},
    };
    for (const Case& c : cases) {
        const std::vector<TRect> placed = AlignRects(c.Align, Example);
        EXPECT_EQ(Lefts(placed), c.Lefts) << "command " << int(c.Align);
        EXPECT_EQ(Tops(placed), c.Tops) << "command " << int(c.Align);
        for (size_t i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].Right - placed[i].Left, Example[i].Right - Example[i].Left);
            EXPECT_EQ(placed[i].Bottom - placed[i].Top, Example[i].Bottom - Example[i].Top);
        }
        EXPECT_EQ(AlignMovesLeft(c.Align), c.Tops == tops && c.Lefts != lefts) << int(c.Align);
    }
}

TEST(AlignGeometry, RightEdgesMeetOnTheUnionsRight) {
    for (const TRect& r : AlignRects(daRight, Example))
        EXPECT_EQ(r.Right, 260);
    for (const TRect& r : AlignRects(daBottom, Example))
        EXPECT_EQ(r.Bottom, 70);
}

TEST(AlignGeometry, DistributionsFollowTheListOrderFromTheFirstListed) {
    // The rightmost comes first: the others go to its right, past the union.
    const std::vector<TRect> rightmostFirst = {
        {200, 5, 260, 25}, {10, 10, 50, 30}, {100, 40, 130, 70}};
    EXPECT_EQ(Lefts(AlignRects(daHAverage, rightmostFirst)), (std::vector<int>{200, 320, 420}));
    const std::vector<TRect> lowestFirst = {{0, 100, 10, 120}, {0, 0, 10, 10}, {0, 50, 10, 60}};
    // Union height 120, heights 40: gap (120 - 40) / 2 = 40.
    EXPECT_EQ(Tops(AlignRects(daVAverage, lowestFirst)), (std::vector<int>{100, 160, 210}));
}

TEST(AlignGeometry, GapsTruncateTowardZeroAndHalvesRoundDown) {
    // Overlapping: (71 - 150) / 2 = -39.5 gives -39, not -40.
    const std::vector<TRect> overlapping = {{0, 0, 50, 10}, {10, 0, 60, 10}, {21, 0, 71, 10}};
    EXPECT_EQ(GatherAlign(overlapping).GapH, -39);
    EXPECT_EQ(Lefts(AlignRects(daHAverage, overlapping)), (std::vector<int>{0, 11, 22}));
    // An odd height centred on C.Y = 37: Top 37 - 10.
    const std::vector<TRect> odd = {{0, 5, 10, 26}, {20, 40, 30, 70}};
    EXPECT_EQ(Tops(AlignRects(daHCenter, odd)), (std::vector<int>{27, 22}));
    EXPECT_EQ(GatherAlign({{0, 0, 10, 10}}).GapH, 0) << "one rectangle has no gaps";
    EXPECT_EQ(GatherAlign({}).Count, 0);
}

TEST(AlignGeometry, ARectangleEndingAtXZeroDoesNotEmptyTheUnion) {
    const std::vector<TRect> rects = {{-50, 0, 0, 20}, {10, 30, 40, 50}};
    EXPECT_EQ(GatherAlign(rects).Union, (TRect{-50, 0, 40, 50}));
    EXPECT_EQ(Lefts(AlignRects(daLeft, rects)), (std::vector<int>{-50, -50}));
}
} // namespace
