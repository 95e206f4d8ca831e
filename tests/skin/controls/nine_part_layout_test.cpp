// Where the nine pieces of a skin image go: order, margins that do not fit,
// frames side by side and stacked, and images with nothing to cut.
#include "skin/controls/nine_part_layout.h"

#include <gtest/gtest.h>

namespace hm {
namespace {

TNinePartCut Cut(int bw, int bh, int l, int t, int r, int b, int dw, int dh) {
  TNinePartCut cut;
  cut.bitmap_width = bw;
  cut.bitmap_height = bh;
  cut.left = l;
  cut.top = t;
  cut.right = r;
  cut.bottom = b;
  cut.dest_width = dw;
  cut.dest_height = dh;
  return cut;
}

TEST(NinePartLayout, CornersKeepTheirSizeEdgesAndCentreFillTheRestInDrawingOrder) {
  TNinePartCut cut = Cut(20, 12, 3, 2, 4, 5, 50, 30);
  cut.tile = true;
  const auto pieces = NinePartPieces(cut);
  ASSERT_EQ(pieces.size(), 9u);
  const TPieceRect dest[9] = {{0, 0, 3, 2},   {0, 25, 3, 30},   {46, 0, 50, 2},  {0, 2, 3, 25},  {3, 0, 46, 2},
                              {3, 2, 46, 25}, {46, 25, 50, 30}, {46, 2, 50, 25}, {3, 25, 46, 30}};
  const TPieceRect source[9] = {{0, 0, 3, 2},  {0, 7, 3, 12},  {16, 0, 20, 2}, {0, 2, 3, 7},  {3, 0, 16, 2},
                                {3, 2, 16, 7}, {16, 7, 20, 12}, {16, 2, 20, 7}, {3, 7, 16, 12}};
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(pieces[i].dest, dest[i]) << i;
    EXPECT_EQ(pieces[i].source, source[i]) << i;
    EXPECT_EQ(pieces[i].tile, i == 5) << "only the centre is tiled";
  }
  EXPECT_EQ(pieces[5].kind, TPieceKind::Centre);
  EXPECT_EQ(pieces[0].kind, TPieceKind::Corner);
  EXPECT_EQ(pieces[3].kind, TPieceKind::Edge);
}

TEST(NinePartLayout, ADestinationNarrowerOrLowerThanItsMarginsDropsThosePairs) {
  // 6 wide < 3 + 4: the frame goes whole across the width, the heights keep theirs.
  auto narrow = NinePartPieces(Cut(20, 12, 3, 2, 4, 5, 6, 30));
  ASSERT_EQ(narrow.size(), 3u);
  EXPECT_EQ(narrow[0].dest, (TPieceRect{0, 0, 6, 2}));  // the top edge, whole width
  EXPECT_EQ(narrow[0].source, (TPieceRect{0, 0, 20, 2}));
  EXPECT_EQ(narrow[1].dest, (TPieceRect{0, 2, 6, 25}));
  EXPECT_EQ(narrow[2].dest, (TPieceRect{0, 25, 6, 30}));
  // Exactly as wide as both margins: they stay, there is no middle column.
  auto exact = NinePartPieces(Cut(20, 12, 3, 2, 4, 5, 7, 30));
  EXPECT_EQ(exact.size(), 6u);

  auto low = NinePartPieces(Cut(20, 12, 3, 2, 4, 5, 50, 6));
  ASSERT_EQ(low.size(), 3u);
  EXPECT_EQ(low[0].dest, (TPieceRect{0, 0, 3, 6}));
  EXPECT_EQ(low[0].source, (TPieceRect{0, 0, 3, 12}));
  EXPECT_EQ(low[1].kind, TPieceKind::Centre);
  EXPECT_EQ(low[2].dest, (TPieceRect{46, 0, 50, 6}));

  auto both = NinePartPieces(Cut(20, 12, 3, 2, 4, 5, 2, 2));
  ASSERT_EQ(both.size(), 1u);
  EXPECT_EQ(both[0].source, (TPieceRect{0, 0, 20, 12}));
  EXPECT_EQ(both[0].dest, (TPieceRect{0, 0, 2, 2}));
}

TEST(NinePartLayout, AnImageSmallerThanItsMarginsIsCutWithoutThem) {
  auto pieces = NinePartPieces(Cut(6, 12, 4, 0, 4, 0, 50, 30));
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].source, (TPieceRect{0, 0, 6, 12}));
  EXPECT_EQ(pieces[0].dest, (TPieceRect{0, 0, 50, 30}));
  // Negative margins count as none.
  EXPECT_EQ(NinePartPieces(Cut(6, 12, -3, -1, 0, 0, 50, 30)).size(), 1u);
}

TEST(NinePartLayout, FramesSideBySideOrStackedAndTheFrameNumberKeptInRange) {
  TNinePartCut cut = Cut(40, 10, 0, 0, 0, 0, 8, 8);
  cut.frame_count = 4;
  cut.frame = 3;
  EXPECT_EQ(NinePartFrame(cut), (TPieceRect{20, 0, 30, 10}));
  cut.frame = 9;
  EXPECT_EQ(NinePartFrame(cut), (TPieceRect{30, 0, 40, 10}));
  cut.frame = 0;
  EXPECT_EQ(NinePartFrame(cut), (TPieceRect{0, 0, 10, 10}));
  cut.frame_count = 0;  // counts as one frame
  EXPECT_EQ(NinePartFrame(cut), (TPieceRect{0, 0, 40, 10}));

  TNinePartCut stacked = Cut(100, 50, 1, 0, 1, 0, 80, 25);
  stacked.frames = TFrameOrientation::Stacked;
  stacked.frame_count = 2;
  stacked.frame = 2;
  EXPECT_EQ(NinePartFrame(stacked), (TPieceRect{0, 25, 100, 50}));
  const auto pieces = NinePartPieces(stacked);
  ASSERT_EQ(pieces.size(), 3u);  // left edge, centre, right edge
  EXPECT_EQ(pieces[1].source, (TPieceRect{1, 25, 99, 50}));
}

TEST(NinePartLayout, NothingToCutOrNoRoomGivesNoPieces) {
  EXPECT_TRUE(NinePartPieces(Cut(0, 10, 0, 0, 0, 0, 8, 8)).empty());
  EXPECT_TRUE(NinePartPieces(Cut(10, 10, 0, 0, 0, 0, 0, 8)).empty());
  EXPECT_TRUE(NinePartPieces(Cut(10, 10, 0, 0, 0, 0, 8, -1)).empty());
  TNinePartCut more_frames_than_columns = Cut(3, 10, 0, 0, 0, 0, 8, 8);
  more_frames_than_columns.frame_count = 4;
  EXPECT_TRUE(NinePartPieces(more_frames_than_columns).empty());
}

}  // namespace
}  // namespace hm
