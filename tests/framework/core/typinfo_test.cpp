#include "framework/core/typinfo.h"

#include <gtest/gtest.h>

#include "framework/core/exception.h"

#include "tests/framework/core/sample_classes.h"

namespace hm {
namespace {

using namespace sample;

// A getter that fails: by-name reads must still answer quietly.
class TFragile : public TComponent {
  HM_CLASS(TFragile, TComponent)

 public:
  explicit TFragile(TComponent* owner) : TComponent(owner) {}
  int Broken() const { throw Exception("broken"); }
  void SetBroken(int) { throw Exception("broken"); }
};

HM_PUBLISH(TFragile) { p.Prop("Broken", &TFragile::Broken, &TFragile::SetBroken); }

TEST(PublishedProperties, AreInheritedAncestorsFirst) {
  std::vector<std::string> names;
  for (const TPropInfo* p : TSamplePanel::StaticClass().Properties()) names.push_back(p->Name);
  const std::vector<std::string> expected = {"Name", "Tag", "Left", "Width", "Visible", "Align",
                                             "Color", "Caption", "Font", "OnClick"};
  EXPECT_EQ(names, expected);
  EXPECT_EQ(PropKind(MakeRoot<TSamplePanel>().get(), "visible"), TTypeKind::Enumeration);
}

TEST(PublishedProperties, KindsFollowFromTheDeclaredTypes) {
  const TClassInfo& c = TSampleControl::StaticClass();
  EXPECT_EQ(c.FindProperty("Left")->Kind, TTypeKind::Integer);
  EXPECT_EQ(c.FindProperty("Visible")->EnumType, &BooleanType());
  EXPECT_EQ(c.FindProperty("Align")->EnumType->Name(), "TAlign");
  EXPECT_EQ(c.FindProperty("Color")->Kind, TTypeKind::Color);
  EXPECT_EQ(c.FindProperty("Caption")->Kind, TTypeKind::String);
  EXPECT_EQ(c.FindProperty("Font")->Kind, TTypeKind::Class);
  EXPECT_EQ(c.FindProperty("OnClick")->Kind, TTypeKind::Method);
  EXPECT_EQ(TSampleMemo::StaticClass().FindProperty("Lines")->Kind, TTypeKind::StringList);
  EXPECT_EQ(TSampleGrid::StaticClass().FindProperty("Columns")->Kind, TTypeKind::Collection);
  EXPECT_EQ(TSampleGrid::StaticClass().FindProperty("DataSource")->Kind, TTypeKind::Component);
  EXPECT_EQ(TSampleSkin::StaticClass().FindProperty("SkinStream")->Kind, TTypeKind::Binary);
  EXPECT_EQ(TSampleFont::StaticClass().FindProperty("Style")->Kind, TTypeKind::Set);
}

TEST(AccessByName, ReadsAndWritesEachKind) {
  auto form = MakeRoot<TSampleForm>();
  auto* b = MakeOwned<TSampleControl>(*form);
  EXPECT_TRUE(SetPropInt(b, "Left", 12));
  EXPECT_EQ(GetPropInt(b, "left"), 12);
  EXPECT_EQ(b->left, 12) << "setter used";

  EXPECT_EQ(GetPropEnumName(b, "Visible"), "True");
  EXPECT_TRUE(SetPropEnumName(b, "Visible", "false"));
  EXPECT_FALSE(b->visible);
  EXPECT_TRUE(SetPropEnumName(b, "Align", "alClient"));
  EXPECT_EQ(GetPropEnumName(b, "Align"), "alClient");
  EXPECT_EQ(GetOrdProp(b, "Align"), alClient);

  EXPECT_TRUE(SetPropString(b, "Caption", "查找(&S)"));
  EXPECT_EQ(GetPropString(b, "Caption"), "查找(&S)");

  TObject* font = GetPropObject(b, "Font");
  ASSERT_EQ(font, b->font.get());
  EXPECT_EQ(GetPropObject(b, "Font", "TPersistent"), font) << "ancestor class accepted";
  EXPECT_EQ(GetPropObject(b, "Font", "TStrings"), nullptr) << "other class refused";
  EXPECT_TRUE(SetSetProp(font, "Style", "[fsUnderline, fsBold]"));
  EXPECT_EQ(GetSetProp(font, "Style"), "[fsBold, fsUnderline]");
  EXPECT_EQ(GetOrdProp(font, "Color"), clWindowText);
  EXPECT_TRUE(SetOrdProp(font, "Color", clRed));
  EXPECT_EQ(b->font->color, clRed);
}

TEST(AccessByName, NeverRaisesAndAnswersEmptyValues) {
  auto form = MakeRoot<TSampleForm>();
  auto* b = MakeOwned<TSampleControl>(*form);
  auto* fragile = MakeOwned<TFragile>(*form);
  // Null object.
  EXPECT_EQ(GetPropInt(nullptr, "Left"), 0);
  EXPECT_EQ(GetPropEnumName(nullptr, "Visible"), "");
  EXPECT_EQ(GetPropString(nullptr, "Caption"), "");
  EXPECT_EQ(GetPropObject(nullptr, "Font"), nullptr);
  EXPECT_FALSE(SetPropInt(nullptr, "Left", 1));
  // Missing property.
  EXPECT_EQ(GetPropInt(b, "Glyph"), 0);
  EXPECT_EQ(GetPropEnumName(b, "Checked"), "");
  EXPECT_EQ(GetPropString(b, "Text"), "");
  EXPECT_EQ(GetPropObject(b, "Glyph"), nullptr);
  EXPECT_FALSE(SetPropString(b, "Text", "x"));
  // Property of another kind.
  b->caption = "12";
  EXPECT_EQ(GetPropInt(b, "Caption"), 0);
  EXPECT_EQ(GetPropInt(b, "Visible"), 0) << "integer kind only";
  EXPECT_EQ(GetPropEnumName(b, "Left"), "");
  EXPECT_EQ(GetPropString(b, "Left"), "");
  EXPECT_EQ(GetPropObject(b, "Caption"), nullptr);
  // Values that do not fit.
  EXPECT_FALSE(SetPropEnumName(b, "Align", "alMiddle"));
  EXPECT_FALSE(SetOrdProp(b, "Align", 6));
  EXPECT_FALSE(SetSetProp(b->font.get(), "Style", "[fsShadow]"));
  EXPECT_FALSE(SetSetProp(b->font.get(), "Style", "fsBold"));
  EXPECT_FALSE(SetOrdProp(b->font.get(), "Style", 1 << 4));
  EXPECT_EQ(b->align, alNone);
  // Accessors that throw.
  EXPECT_EQ(GetPropInt(fragile, "Broken"), 0);
  EXPECT_FALSE(SetPropInt(fragile, "Broken", 1));
}

TEST(AccessByName, ReferencesAcceptOnlyTheirClassAndHandlersTheirSignature) {
  auto form = MakeRoot<TSampleForm>();
  auto* grid = MakeOwned<TSampleGrid>(*form);
  auto* source = MakeOwned<TSampleSource>(*form);
  EXPECT_FALSE(SetPropObject(grid, "DataSource", form.get()));
  EXPECT_TRUE(SetPropObject(grid, "DataSource", source));
  EXPECT_EQ(GetPropObject(grid, "DataSource"), source);
  EXPECT_TRUE(SetPropObject(grid, "DataSource", nullptr));
  EXPECT_EQ(grid->source, nullptr);

  EXPECT_TRUE(SetPropMethod(grid, "OnClick", *form, "Button1Click"));
  EXPECT_EQ(GetPropMethodName(grid, "OnClick"), "Button1Click");
  EXPECT_FALSE(SetPropMethod(grid, "OnClick", *form, "FormCanResize")) << "other parameters";
  EXPECT_FALSE(SetPropMethod(grid, "OnClick", *form, "NoSuchMethod"));
  grid->SetName("Grid9");
  grid->OnClick(grid);
  EXPECT_EQ(form->calls.back(), "Button1Click Grid9");
}

TEST(Sets, TextRoundTripAndRejectsUnknownMembers) {
  const TEnumType& t = EnumTypeOf<TFontStyle>();
  EXPECT_EQ(t.Count(), 4);
  EXPECT_EQ(SetToString(t, 0), "[]");
  EXPECT_EQ(SetToString(t, 0b1010), "[fsItalic, fsStrikeOut]");
  EXPECT_EQ(StringToSet(t, " [ fsItalic ,fsstrikeout ] "), 0b1010u);
  EXPECT_EQ(StringToSet(t, "[]"), 0u);
  EXPECT_FALSE(StringToSet(t, "[fsItalic,]"));
  EXPECT_FALSE(StringToSet(t, "fsItalic"));
  TFontStyles s{fsBold};
  s.Include(fsUnderline).Exclude(fsBold);
  EXPECT_EQ(s, (TFontStyles{fsUnderline}));
  EXPECT_TRUE((s + TFontStyles{fsBold}).Contains(fsBold));
}

TEST(Colours, SystemColoursUseTheHighByteAndNamesRoundTrip) {
  EXPECT_EQ(static_cast<std::uint32_t>(clBtnFace), 0xFF00000Fu);
  EXPECT_TRUE(IsSystemColor(clWindow));
  EXPECT_EQ(SystemColorIndex(clWindowText), 8);
  EXPECT_TRUE(IsSystemColor(static_cast<TColor>(0x8000000F)));
  EXPECT_EQ(SystemColorIndex(static_cast<TColor>(0x8000000F)), 15);
  EXPECT_FALSE(IsSystemColor(clNone));
  EXPECT_EQ(RgbColor(0xFF, 0x00, 0xFF), clFuchsia);
  EXPECT_EQ(ColorToIdent(clBtnFace), "clBtnFace");
  EXPECT_EQ(IdentToColor("CLWINDOW"), clWindow);
  EXPECT_EQ(ColorToIdent(static_cast<TColor>(0x123456)), std::nullopt);
  EXPECT_EQ(IdentToColor("clPink"), std::nullopt);
}

TEST(Collections, CopyItemByItemAndReportIndexes) {
  TCollection a(TCollection::ItemsOf<TSampleColumn>());
  auto& c = dynamic_cast<TSampleColumn&>(a.Add());
  c.fieldName = "区号";
  c.title->caption = "x";
  a.Add();
  EXPECT_EQ(a.Items(1)->Index(), 1);
  TCollection b(TCollection::ItemsOf<TSampleColumn>());
  b.Assign(a);
  ASSERT_EQ(b.Count(), 2);
  auto* copy = dynamic_cast<TSampleColumn*>(b.Items(0));
  EXPECT_EQ(copy->fieldName, "区号");
  EXPECT_EQ(copy->title->caption, "x") << "nested objects copied too";
  EXPECT_NE(copy, &c);
  b.Move(0, 1);
  EXPECT_EQ(dynamic_cast<TSampleColumn*>(b.Items(1))->fieldName, "区号");
  EXPECT_THROW(b.Items(2), EListError);
  b.Delete(0);
  EXPECT_EQ(b.Count(), 1);
  EXPECT_EQ(b.Items(0)->Collection(), &b);
}

}  // namespace
}  // namespace hm
