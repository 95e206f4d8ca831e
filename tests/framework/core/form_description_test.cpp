#include "framework/core/form_description.h"

#include <gtest/gtest.h>

#include "tests/framework/core/sample_classes.h"

namespace hm {
namespace {

using namespace sample;

// Grid1 refers to DataSource1 before DataSource1 is read; the binary record
// is a 32-bit length followed by that many bytes ("ABC\0\xFF").
const char* const kForm = R"(object Form1: TSampleForm
  Caption = 'It''s '#13#10'工具箱'
  Color = $00FF8000
  Font.Charset = GB2312_CHARSET
  Font.Name = 'Tahoma'
  Font.Style = [fsBold, fsItalic]
  OnCreate = FormCreate
  OnCanResize = FormCanResize
  object Panel1: TSamplePanel
    Left = 7
    Align = alClient
    Color = clWhite
    object Button1: TSampleControl
      Left = -3
      Visible = False
      Caption = '查找(&S)'
      Font.Charset = 0
      Font.Color = clRed
      OnClick = Button1Click
    end
    object Memo1: TSampleMemo
      Lines.Strings = (
        'first'
        ''
        'third')
    end
  end
  object Grid1: TSampleGrid
    DataSource = DataSource1
    Columns = <
      item
        FieldName = '区号'
        Title.TitleButton = True
        Width = 46
      end
      item
        FieldName = '省名'
        Title.Caption = '省份'
      end>
  end
  object DataSource1: TSampleSource
    Tag = 99
  end
  object SkinData1: TSampleSkin
    SkinStream = {
      05000000414243
      00FF}
  end
end
)";

class FormDescription : public ::testing::Test {
 protected:
  void SetUp() override { RegisterClasses<TSamplePanel, TSampleMemo, TSampleSource, TSampleSkin>(); }
};

TEST_F(FormDescription, ReadsEveryKindOfValueInStoredOrder) {
  auto form = MakeRoot<TSampleForm>();
  ReadComponent(*form, kForm);

  EXPECT_EQ(form->Name(), "Form1");
  EXPECT_EQ(form->caption, "It's \r\n工具箱");
  EXPECT_EQ(form->color, static_cast<TColor>(0x00FF8000));
  EXPECT_EQ(form->font->name, "Tahoma");
  EXPECT_EQ(form->font->charset, 134) << "integer by its name";
  EXPECT_EQ(form->font->height, -11) << "constructor default kept";
  EXPECT_EQ(form->font->style, (TFontStyles{fsBold, fsItalic}));

  ASSERT_EQ(form->ComponentCount(), 6);
  const char* order[] = {"Panel1", "Button1", "Memo1", "Grid1", "DataSource1", "SkinData1"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(form->Components(i)->Name(), order[i]);

  auto* panel = dynamic_cast<TSamplePanel*>(form->FindComponent("Panel1"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->parent, form.get());
  EXPECT_EQ(panel->align, alClient);
  EXPECT_EQ(panel->color, clWhite);

  ASSERT_NE(form->Button1, nullptr) << "published field set";
  EXPECT_EQ(form->Button1->parent, panel);
  EXPECT_EQ(form->Button1->left, -3);
  EXPECT_FALSE(form->Button1->visible);
  EXPECT_EQ(form->Button1->font->color, clRed);
  EXPECT_EQ(form->Button1->font->charset, 0);
  EXPECT_EQ(form->Button1->width, 75);

  auto* memo = dynamic_cast<TSampleMemo*>(form->FindComponent("Memo1"));
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->lines.ToVector(), (std::vector<std::string>{"first", "", "third"}));

  ASSERT_NE(form->Grid1, nullptr);
  EXPECT_EQ(form->Grid1->source, form->FindComponent("DataSource1")) << "forward reference resolved";
  ASSERT_EQ(form->Grid1->columns.Count(), 2);
  auto* c0 = dynamic_cast<TSampleColumn*>(form->Grid1->columns.Items(0));
  auto* c1 = dynamic_cast<TSampleColumn*>(form->Grid1->columns.Items(1));
  EXPECT_EQ(c0->fieldName, "区号");
  EXPECT_TRUE(c0->title->titleButton);
  EXPECT_EQ(c0->width, 46);
  EXPECT_EQ(c1->title->caption, "省份");
  EXPECT_EQ(c1->width, 64);

  EXPECT_EQ(form->FindComponent("DataSource1")->Tag(), 99);
  auto* skin = dynamic_cast<TSampleSkin*>(form->FindComponent("SkinData1"));
  EXPECT_EQ(skin->store, std::string("ABC\0\xFF", 5));
}

TEST_F(FormDescription, HandlersBindByNameWithTheirOwnSignatures) {
  auto form = MakeRoot<TSampleForm>();
  ReadComponent(*form, kForm);
  form->OnCreate(form.get());
  form->Button1->OnClick(form->Button1);
  EXPECT_EQ(form->calls, (EventLog{"Loaded", "FormCreate", "Button1Click Button1"}));
  int w = 10, h = 10;
  bool resize = false;
  form->OnCanResize(form.get(), w, h, resize);
  EXPECT_EQ(w, 303);
  EXPECT_EQ(h, 335);
  EXPECT_TRUE(resize);
  EXPECT_EQ(form->Button1->OnClick.MethodName(), "Button1Click");
}

TEST_F(FormDescription, LoadedRunsAfterEverythingWasReadWhileStillLoading) {
  auto form = MakeRoot<TSampleForm>();
  EventLog log;
  TSampleControl::logForNew = &log;
  ReadComponent(*form, kForm);
  TSampleControl::logForNew = nullptr;
  EXPECT_EQ(log, (EventLog{"Loaded Panel1", "Loaded Button1", "Loaded Memo1", "Loaded Grid1"}));
  EXPECT_EQ(form->calls.front(), "Loaded") << "the root first";
  EXPECT_TRUE(form->Button1->wasLoadingWhenLoaded);
  EXPECT_FALSE(form->Button1->ComponentState().Contains(csLoading));
  EXPECT_FALSE(form->ComponentState().Contains(csLoading));
}

TEST_F(FormDescription, WriteStoresOnlyWhatDiffersFromDefaults) {
  auto form = MakeRoot<TSampleForm>();
  form->SetName("F");
  auto* b = MakeOwned<TSampleControl>(*form);
  b->SetName("B");
  b->SetParentComponent(form.get());
  b->left = 5;
  const std::string text = WriteComponent(*form);
  EXPECT_EQ(text,
            "object F: TSampleForm\n"
            "  object B: TSampleControl\n"
            "    Left = 5\n"
            "  end\n"
            "end\n");
}

TEST_F(FormDescription, ReadWriteReadRoundTrips) {
  auto first = MakeRoot<TSampleForm>();
  ReadComponent(*first, kForm);
  const std::string written = WriteComponent(*first);

  auto second = MakeRoot<TSampleForm>();
  ReadComponent(*second, written);
  EXPECT_EQ(WriteComponent(*second), written);

  EXPECT_EQ(second->caption, first->caption);
  EXPECT_EQ(second->color, first->color);
  EXPECT_EQ(second->Grid1->source, second->FindComponent("DataSource1"));
  EXPECT_EQ(dynamic_cast<TSampleColumn*>(second->Grid1->columns.Items(1))->title->caption, "省份");
  EXPECT_EQ(dynamic_cast<TSampleSkin*>(second->FindComponent("SkinData1"))->store, std::string("ABC\0\xFF", 5));
  EXPECT_EQ(second->Button1->parent, second->FindComponent("Panel1"));
  EXPECT_NE(written.find("OnClick = Button1Click"), std::string::npos) << written;
  EXPECT_NE(written.find("Font.Charset = ANSI_CHARSET"), std::string::npos) << written;
}

TEST_F(FormDescription, LongBinaryDataAndClearedDefaultsRoundTrip) {
  auto form = MakeRoot<TSampleForm>();
  form->SetName("F");
  auto* skin = MakeOwned<TSampleSkin>(*form);
  skin->SetName("S");
  for (int i = 0; i < 1000; ++i) skin->store += static_cast<char>(i * 7);
  auto* grid = MakeOwned<TSampleGrid>(*form);
  grid->SetName("G");
  grid->font->name.clear();  // differs from a non-empty default
  const std::string text = WriteComponent(*form);
  EXPECT_NE(text.find("Font.Name = ''"), std::string::npos) << text;

  auto copy = ReadRootComponent(text);
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->ClassName(), "TSampleForm");
  EXPECT_EQ(dynamic_cast<TSampleSkin*>(copy->FindComponent("S"))->store, skin->store);
  EXPECT_EQ(dynamic_cast<TSampleGrid*>(copy->FindComponent("G"))->font->name, "");
}

struct Malformed {
  const char* name;
  const char* text;
  int line;
  const char* component;
  const char* property;
  const char* reason;  // a part of the reason
};

class MalformedDescription : public ::testing::TestWithParam<Malformed> {
 protected:
  void SetUp() override { RegisterClasses<TSamplePanel, TSampleMemo, TSampleSource, TSampleSkin>(); }
};

TEST_P(MalformedDescription, RaisesOneErrorNamingLineComponentAndPropertyAndFreesWhatItMade) {
  const Malformed& m = GetParam();
  auto form = MakeRoot<TSampleForm>();
  try {
    ReadComponent(*form, m.text);
    FAIL() << "no error for " << m.name;
  } catch (const EDescriptionError& e) {
    EXPECT_EQ(e.Line(), m.line) << e.what();
    EXPECT_EQ(e.Component(), m.component) << e.what();
    EXPECT_EQ(e.Property(), m.property) << e.what();
    EXPECT_NE(e.Reason().find(m.reason), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("Line " + std::to_string(m.line)), std::string::npos);
  }
  EXPECT_EQ(form->ComponentCount(), 0);
  EXPECT_EQ(form->Button1, nullptr);
  EXPECT_EQ(form->Grid1, nullptr);
  EXPECT_FALSE(form->ComponentState().Contains(csLoading));
}

const Malformed kMalformed[] = {
    {"UnknownClass", "object F: TSampleForm\n  object X1: TNoSuchThing\n  end\nend\n", 2, "X1", "", "Class TNoSuchThing not found"},
    {"UnknownProperty", "object F: TSampleForm\n  object B: TSampleControl\n    Heigth = 3\n  end\nend\n", 3, "B", "Heigth", "does not exist"},
    {"UnknownNestedProperty", "object F: TSampleForm\n  Font.Size = 8\nend\n", 2, "F", "Font.Size", "Property Size does not exist"},
    {"TextForInteger", "object F: TSampleForm\n  object B: TSampleControl\n    Left = 'x'\n  end\nend\n", 3, "B", "Left", "Invalid property value"},
    {"IntegerTooLarge", "object F: TSampleForm\n  object B: TSampleControl\n    Left = 2147483648\n  end\nend\n", 3, "B", "Left", "Invalid property value '2147483648'"},
    {"FloatForInteger", "object F: TSampleForm\n  object B: TSampleControl\n    Left = 1.5\n  end\nend\n", 3, "B", "Left", "Invalid property value"},
    {"BadBoolean", "object F: TSampleForm\n  object B: TSampleControl\n    Visible = Maybe\n  end\nend\n", 3, "B", "Visible", "Invalid property value 'Maybe'"},
    {"BadEnumeration", "object F: TSampleForm\n  object B: TSampleControl\n    Align = alMiddle\n  end\nend\n", 3, "B", "Align", "alMiddle"},
    {"BadSetMember", "object F: TSampleForm\n  Font.Style = [fsBold, fsShadow]\nend\n", 2, "F", "Font.Style", "fsShadow"},
    {"UnclosedSet", "object F: TSampleForm\n  Font.Style = [fsBold fsItalic]\nend\n", 2, "F", "Font.Style", "fsItalic"},
    {"BadColour", "object F: TSampleForm\n  Color = clPink\nend\n", 2, "F", "Color", "clPink"},
    {"ValueForObject", "object F: TSampleForm\n  Font = 3\nend\n", 2, "F", "Font", "is an object"},
    {"UnterminatedString", "object F: TSampleForm\n  Caption = 'abc\nend\n", 2, "F", "Caption", "Unterminated string"},
    {"MissingEquals", "object F: TSampleForm\n  Caption 'abc'\nend\n", 2, "F", "Caption", "'=' expected"},
    {"ExtraEnd", "object F: TSampleForm\n  object B: TSampleControl\n  end\nend\nend\n", 5, "F", "", "Unexpected 'end'"},
    {"MissingEnd", "object F: TSampleForm\n  object B: TSampleControl\n    Left = 1\nend\n", 5, "F", "", "'end' expected"},
    {"EmptyText", "  \n", 2, "", "", "empty"},
    {"WrongRootClass", "object F: TSampleGrid\nend\n", 1, "F", "", "does not match"},
    {"DuplicateName", "object F: TSampleForm\n  object B: TSampleControl\n  end\n  object b: TSampleControl\n  end\nend\n", 4, "b", "", "already exists"},
    {"FieldOfOtherClass", "object F: TSampleForm\n  object Button1: TSampleSource\n  end\nend\n", 2, "Button1", "", "does not match the field"},
    {"UnknownMethod", "object F: TSampleForm\n  OnCreate = FormDestroy\nend\n", 2, "F", "OnCreate", "Method FormDestroy not found"},
    {"MethodWithOtherParameters", "object F: TSampleForm\n  OnCreate = FormCanResize\nend\n", 2, "F", "OnCreate", "do not fit"},
    {"UnresolvedReference", "object F: TSampleForm\n  object G: TSampleGrid\n    DataSource = Nobody\n  end\nend\n", 3, "G", "DataSource", "Component Nobody not found"},
    {"ReferenceOfOtherClass", "object F: TSampleForm\n  object G: TSampleGrid\n    DataSource = F\n  end\nend\n", 3, "G", "DataSource", "not a TSampleSource"},
    {"TruncatedBinary", "object F: TSampleForm\n  object S: TSampleSkin\n    SkinStream = {0A0000004142}\n  end\nend\n", 3, "S", "SkinStream", "truncated"},
    {"BinaryLengthBeyondTheRecord", "object F: TSampleForm\n  object S: TSampleSkin\n    SkinStream = {FFFFFF7F41}\n  end\nend\n", 3, "S", "SkinStream", "truncated"},
    {"BinaryWithoutLength", "object F: TSampleForm\n  object S: TSampleSkin\n    SkinStream = {0A00}\n  end\nend\n", 3, "S", "SkinStream", "truncated"},
    {"OddHexDigits", "object F: TSampleForm\n  object S: TSampleSkin\n    SkinStream = {010000004}\n  end\nend\n", 3, "S", "SkinStream", "Odd number"},
    {"BadHexDigit", "object F: TSampleForm\n  object S: TSampleSkin\n    SkinStream = {0100 00XY}\n  end\nend\n", 3, "S", "SkinStream", "Invalid character 'X'"},
    {"UnclosedBinary", "object F: TSampleForm\n  object S: TSampleSkin\n    SkinStream = {01000000\n", 3, "S", "SkinStream", "not closed"},
    {"BadCollectionItem", "object F: TSampleForm\n  object G: TSampleGrid\n    Columns = <\n      item\n        Width = wide\n      end>\n  end\nend\n", 5, "G", "Columns[0].Width", "Invalid property value 'wide'"},
    {"CollectionWithoutItem", "object F: TSampleForm\n  object G: TSampleGrid\n    Columns = < Width = 3 >\n  end\nend\n", 3, "G", "Columns", "'item' expected"},
    {"UnclosedStringList", "object F: TSampleForm\n  object M: TSampleMemo\n    Lines.Strings = (\n      'a'\n  end\nend\n", 5, "M", "Lines.Strings", "String expected but 'end'"},
};

INSTANTIATE_TEST_SUITE_P(Cases, MalformedDescription, ::testing::ValuesIn(kMalformed),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormDescription, StringPartsJoinAndCodesAreCodePoints) {
  auto form = MakeRoot<TSampleForm>();
  ReadComponent(*form, "object F: TSampleForm\n  Caption = 'a' +\n    'b'#24037'c' + #39\nend\n");
  EXPECT_EQ(form->caption, "ab\xE5\xB7\xA5" "c'");
}

TEST_F(FormDescription, CodesOfUtf16HalvesJoinAndLoneHalvesAreReplaced) {
  auto form = MakeRoot<TSampleForm>();
  ReadComponent(*form, "object F: TSampleForm\n  Caption = #55357#56832'|'#55357'x'#56832#55357\nend\n");
  EXPECT_EQ(form->caption, "\xF0\x9F\x98\x80|\xEF\xBF\xBDx\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST_F(FormDescription, HandlersSetInCodeAreNotStored) {
  auto form = MakeRoot<TSampleForm>();
  form->SetName("F");
  int clicks = 0;
  form->OnCreate = [&](TObject*) { ++clicks; };
  form->OnCreate(form.get());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form->OnCreate.MethodName(), "");
  EXPECT_EQ(WriteComponent(*form), "object F: TSampleForm\nend\n");
}

TEST_F(FormDescription, DeepNestingIsRefusedNotAStackOverflow) {
  std::string text = "object F: TSampleForm\n";
  for (int i = 0; i < 5000; ++i) text += "object P" + std::to_string(i) + ": TSamplePanel\n";
  auto form = MakeRoot<TSampleForm>();
  try {
    ReadComponent(*form, text);
    FAIL() << "accepted";
  } catch (const EDescriptionError& e) {
    EXPECT_EQ(e.Line(), 101);
    EXPECT_NE(e.Reason().find("nested too deeply"), std::string::npos);
  }
  EXPECT_EQ(form->ComponentCount(), 0);
}

TEST_F(FormDescription, RootOfAnUnknownClassIsAnErrorNotACrash) {
  EXPECT_THROW(ReadRootComponent("object X: TUnknownForm\nend\n"), EDescriptionError);
  EXPECT_THROW(ReadRootComponent("garbage"), EDescriptionError);
}

}  // namespace
}  // namespace hm
