// The geometry of the skinned scroll bars: places, thumbs, hits, drags.
#include "skin/controls/scroll_bar_layout.h"

#include <gtest/gtest.h>

namespace hm {
namespace {

TEST(ScrollBarPlaces, BothBarsOfABorderedMemoLeaveTheCornerToTheSizeBox) {
  // A one-pixel border: the client is 200 - 2 - 16 wide.
  TBarsFrame f{200, 100, 182, 82, 16, 2, true, true, false};
  const TBarsPlace p = PlaceBars(f);
  EXPECT_EQ(p.vert_rect, (TPieceRect{183, 1, 199, 83}));
  EXPECT_EQ(p.horz_rect, (TPieceRect{1, 83, 183, 99}));
  ASSERT_TRUE(p.size_box);
  EXPECT_EQ(p.size_box_rect, (TPieceRect{183, 83, 199, 99}));

  f.left_bar = true;
  const TBarsPlace left = PlaceBars(f);
  EXPECT_EQ(left.vert_rect, (TPieceRect{1, 1, 17, 83}));
  EXPECT_EQ(left.horz_rect, (TPieceRect{17, 83, 199, 99}));
  EXPECT_EQ(left.size_box_rect, (TPieceRect{1, 83, 17, 99}));

  // One bar: it runs the whole side; the border comes from that bar's side.
  const TBarsPlace horz = PlaceBars(TBarsFrame{200, 100, 196, 80, 16, 9, true, false, false});
  EXPECT_FALSE(horz.size_box);
  EXPECT_FALSE(horz.vert);
  EXPECT_EQ(horz.horz_rect, (TPieceRect{2, 82, 198, 98}));
  const TBarsPlace none = PlaceBars(TBarsFrame{200, 100, 196, 96, 16, 2, false, false, false});
  EXPECT_FALSE(none.horz || none.vert || none.size_box);
}

TEST(ScrollBarThumbs, APagedBarOfThousandsOfRowsKeepsTheSmallestThumbAndReachesTheEnd) {
  // The data grid: records 1..3000, 10 shown, max = records + shown - 1.
  const TThumbMetrics m{16, 8, 16};
  TScrollData info{1, 3009, 10, 1, 1};
  TBarGeometry g;
  ASSERT_TRUE(WindowBarGeometry(199, m, info, g));
  EXPECT_EQ(g.arrow_size, 16);
  EXPECT_EQ(g.track_length, 167);
  EXPECT_EQ(g.thumb_size, 8) << "MulDiv(10, 167, 3008) is 1, below the smallest thumb";
  EXPECT_EQ(g.thumb_pos, 0);
  info.pos = 3000;  // max - page + 1: the last screenful
  ASSERT_TRUE(WindowBarGeometry(199, m, info, g));
  EXPECT_EQ(g.thumb_pos, 159);
  info.pos = 1505;
  ASSERT_TRUE(WindowBarGeometry(199, m, info, g));
  EXPECT_EQ(g.thumb_pos, 80);
}

TEST(ScrollBarThumbs, AFullPageIsOnePixelShortAndAnEmptyRangeKeepsTheThumb) {
  const TThumbMetrics m{16, 8, 16};
  TBarGeometry g;
  ASSERT_TRUE(WindowBarGeometry(132, m, TScrollData{0, 50, 50, 20, 20}, g));
  EXPECT_EQ(g.thumb_size, 99) << "page = range: one pixel short of the track";
  EXPECT_EQ(g.thumb_pos, 0);
  ASSERT_TRUE(WindowBarGeometry(132, m, TScrollData{0, 50, 0, 25, 25}, g));
  EXPECT_EQ(g.thumb_size, 16) << "no page: the system's thumb";
  EXPECT_EQ(g.thumb_pos, 42);
  const TBarGeometry before = g;
  EXPECT_FALSE(WindowBarGeometry(132, m, TScrollData{5, 5, 0, 5, 5}, g));
  EXPECT_EQ(g.thumb_pos, before.thumb_pos) << "a range of 0 leaves the thumb";
}

TEST(ScrollBarThumbs, ABarControlCountsItsPageAgainstRangePlusOne) {
  const TThumbMetrics m{16, 8, 16};
  TBarGeometry g;
  ASSERT_TRUE(ControlBarGeometry(232, m, 0, 100, 20, 50, g));
  EXPECT_EQ(g.track_length, 200);
  EXPECT_EQ(g.thumb_size, 40);
  EXPECT_EQ(g.thumb_pos, 99) << "MulDiv(50, 200 - 40, 101 - 20)";
  ASSERT_TRUE(ControlBarGeometry(232, m, 0, 100, 101, 0, g));
  EXPECT_EQ(g.thumb_size, 199);
  EXPECT_EQ(g.thumb_pos, 0);
  EXPECT_TRUE(ControlBarGeometry(232, m, 7, 7, 0, 7, g)) << "one position is still a bar";
  EXPECT_FALSE(ControlBarGeometry(232, m, 8, 7, 0, 7, g));
}

TEST(ScrollBarPieces, ABarShorterThanTwoArrowsGetsHalfArrowsAndNoTrackOrThumb) {
  const TThumbMetrics m{16, 8, 16};
  TBarGeometry g;
  ASSERT_TRUE(WindowBarGeometry(20, m, TScrollData{0, 100, 10, 50, 50}, g));
  EXPECT_LE(g.track_length, 0);
  const TBarPieces p = BarPieces(20, 16, true, 16, g);
  EXPECT_EQ(p.first_arrow, (TPieceRect{0, 0, 16, 10}));
  EXPECT_EQ(p.second_arrow, (TPieceRect{0, 10, 16, 20}));
  EXPECT_EQ(p.track.Height(), 0);
  EXPECT_EQ(p.thumb.Height(), 0);

  ASSERT_TRUE(WindowBarGeometry(100, m, TScrollData{0, 100, 10, 50, 50}, g));
  const TBarPieces h = BarPieces(100, 16, false, 16, g);
  EXPECT_EQ(h.first_arrow, (TPieceRect{0, 0, 16, 16}));
  EXPECT_EQ(h.second_arrow, (TPieceRect{84, 0, 100, 16}));
  EXPECT_EQ(h.track, (TPieceRect{16, 0, 84, 16}));
  EXPECT_EQ(h.thumb, (TPieceRect{16 + g.thumb_pos, 0, 16 + g.thumb_pos + g.thumb_size, 16}));
}

TEST(ScrollBarHits, EachPartEndsWhereTheNextBegins) {
  const TBarGeometry g{16, 100, 20, 30};
  EXPECT_EQ(HitBar(-1, g), TBarHit::None);
  EXPECT_EQ(HitBar(15, g), TBarHit::FirstArrow);
  EXPECT_EQ(HitBar(16, g), TBarHit::PageBefore);
  EXPECT_EQ(HitBar(45, g), TBarHit::PageBefore);
  EXPECT_EQ(HitBar(46, g), TBarHit::Thumb);
  EXPECT_EQ(HitBar(65, g), TBarHit::Thumb);
  EXPECT_EQ(HitBar(66, g), TBarHit::PageAfter);
  EXPECT_EQ(HitBar(116, g), TBarHit::SecondArrow);
  EXPECT_EQ(HitBar(131, g), TBarHit::SecondArrow);
  EXPECT_EQ(HitBar(132, g), TBarHit::None);
  EXPECT_EQ(ArrowFramesOf(false, kPartRightArrow).second, 6);
  EXPECT_EQ(ArrowFramesOf(false, kPartRightArrow).first, 1);
  EXPECT_EQ(ArrowFramesOf(true, kPartUpArrow).first, 10);
  EXPECT_EQ(ArrowFramesOf(true, kPartVertThumb).second, 13);
}

TEST(ScrollBarDrags, TheFarEndOfAPagedBarIsMaxMinusPagePlusOne) {
  const TBarGeometry g{16, 167, 8, 0};
  const TScrollData info{1, 3009, 10, 1, 1};
  const TDragStep end = ThumbDragStep(0, 5000, g, info);
  EXPECT_EQ(end.position, 3000);
  EXPECT_EQ(end.offset, 159) << "the thumb stays in its track";
  EXPECT_EQ(ThumbDragStep(0, -40, g, info).position, 1);
  EXPECT_EQ(ThumbDragStep(0, 0, g, info).offset, 0);
  const TDragStep middle = ThumbDragStep(40, 10, g, info);
  EXPECT_EQ(middle.position, MulDivRound(50, 3008, 167) + 1);
  EXPECT_EQ(middle.offset, 50);

  // Without a page the thumb's own length is what it cannot move.
  const TBarGeometry free{16, 100, 16, 0};
  const TScrollData unpaged{0, 50, 0, 0, 0};
  EXPECT_EQ(ThumbDragStep(0, 84, free, unpaged).position, 50);
  EXPECT_EQ(ThumbDragStep(0, 500, free, unpaged).position, 50);
  EXPECT_EQ(ThumbDragStep(0, 42, free, unpaged).position, 25);
}

}  // namespace
}  // namespace hm
