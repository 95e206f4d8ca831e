// Edit masks without a window: which character each position takes, the
// case marks, and the edit text of a value and back.
#include "framework/ui/portable/edit_mask.h"

#include <gtest/gtest.h>

namespace hm {
namespace {

TEST(EditMask, TrailingFieldsSetSavedLiteralsAndTheBlank) {
  const TEditMask both("000-00;0;*");
  EXPECT_EQ(both.Size(), 6);
  EXPECT_FALSE(both.SaveLiterals());
  EXPECT_EQ(both.Blank(), u'*');
  const TEditMask one("00;1");
  EXPECT_TRUE(one.SaveLiterals());
  EXPECT_EQ(one.Blank(), u'_');
  const TEditMask escaped("0\\;0");  // an escaped ";" is a literal, not a field
  EXPECT_EQ(escaped.Size(), 3);
  EXPECT_TRUE(escaped.IsLiteral(1));
}

TEST(EditMask, PositionsAcceptOnlyTheirKindOfCharacter) {
  const TEditMask mask("0L#A");
  EXPECT_EQ(mask.Accept(0, u'7'), u'7');
  EXPECT_EQ(mask.Accept(0, u'x'), 0);
  EXPECT_EQ(mask.Accept(1, u'x'), u'x');
  EXPECT_EQ(mask.Accept(1, u'7'), 0);
  EXPECT_EQ(mask.Accept(1, u'中'), u'中') << "ideographs are letters";
  EXPECT_EQ(mask.Accept(1, u'ä'), u'ä');
  EXPECT_EQ(mask.Accept(2, u'-'), u'-');
  EXPECT_EQ(mask.Accept(2, u'x'), 0);
  EXPECT_EQ(mask.Accept(3, u'5'), u'5');
  EXPECT_EQ(mask.Accept(3, u'.'), 0);
  EXPECT_TRUE(mask.IsRequired(0));
  EXPECT_FALSE(mask.IsRequired(2));
}

TEST(EditMask, CaseMarksFoldLettersBeyondAscii) {
  const TEditMask mask(">LL<LL<>L");
  EXPECT_EQ(mask.Accept(0, u'a'), u'A');
  EXPECT_EQ(mask.Accept(1, u'ä'), u'Ä');
  EXPECT_EQ(mask.Accept(2, u'Ж'), u'ж');
  EXPECT_EQ(mask.Accept(3, u'Q'), u'q');
  EXPECT_EQ(mask.Accept(4, u'q'), u'q') << "<> ends the folding";
}

TEST(EditMask, FormatAndValueRoundTripWithAndWithoutSavedLiterals) {
  const TEditMask saved("000-0000;1;_");
  EXPECT_EQ(saved.Format(u"123-4567"), u"123-4567");
  EXPECT_EQ(saved.Value(u"123-4567"), u"123-4567");
  const TEditMask bare("000-0000;0;_");
  EXPECT_EQ(bare.Format(u"1234567"), u"123-4567");
  EXPECT_EQ(bare.Value(u"123-4567"), u"1234567");
  EXPECT_EQ(bare.Value(u"1_3-4___"), u"1 34") << "blanks read as spaces, trailing ones dropped";
}

TEST(EditMask, FirstMissingPointsAtTheFirstBlankRequiredPosition) {
  const TEditMask mask("00-99-00");
  EXPECT_EQ(mask.FirstMissing(u"12-__-34"), -1) << "optional positions may stay blank";
  EXPECT_EQ(mask.FirstMissing(u"12-34-_4"), 6);
  EXPECT_EQ(mask.FirstMissing(u"_2-34-56"), 0);
}

}  // namespace
}  // namespace hm
