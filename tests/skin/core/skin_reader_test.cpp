#include "skin/core/skin_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/core/exception.h"
#include "tools/skinpack/archive_writer.h"

namespace hm {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes B(std::string_view s) { return Bytes(s.begin(), s.end()); }

TMemoryStream StreamOf(const Bytes& b) {
  return TMemoryStream(std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
}

std::string Member(const TSkinReader& reader, std::string_view name) {
  TMemoryStream out;
  reader.FindMember(name, out);
  EXPECT_EQ(out.Position(), 0);
  return std::string(out.Bytes());
}

// Loads a stored archive; the messages shown are collected.
struct TLoaded {
  TSkinReader reader;
  bool ok = false;
  std::vector<std::string> messages;

  explicit TLoaded(const Bytes& stored) {
    reader.OnMessage = [this](const std::string& m) { messages.push_back(m); };
    TMemoryStream s = StreamOf(stored);
    s.SetPosition(3);  // Load starts from 0 whatever the position
    ok = reader.Load(s);
  }
};

void PutInt32(Bytes& b, std::size_t at, std::int32_t v) {
  for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}

// An unpacked archive by hand, for layouts the writer refuses to make.
Bytes Unpacked(std::int32_t version, std::string_view names, const std::vector<std::int32_t>& sizes,
               std::string_view data) {
  Bytes b(16);
  PutInt32(b, 0, version);
  PutInt32(b, 4, static_cast<std::int32_t>(names.size()));
  PutInt32(b, 8, 0x12345678);  // reserved words: any value
  PutInt32(b, 12, -1);
  b.insert(b.end(), names.begin(), names.end());
  for (std::int32_t s : sizes) {
    b.resize(b.size() + 4);
    PutInt32(b, b.size() - 4, s);
  }
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

const std::vector<TSkinMember> kSkin = {
    {"Kol_Body_Top.BMP", B("BM-top")},
    {"kolvane.ini", B("[TitlebarSkin]\r\nSkinName=kolvane\r\n")},
    {"empty.bmp", {}},
    {"extra.ini.bak", B("second ini")},
};

TEST(SkinReader, MembersOfAPackedArchiveReadBackByName) {
  TLoaded a(BuildStoredArchive(kSkin));
  ASSERT_TRUE(a.ok);
  EXPECT_TRUE(a.messages.empty());
  ASSERT_EQ(a.reader.Count(), 4);
  EXPECT_EQ(a.reader.Names()[0], "kol_body_top.bmp");
  EXPECT_EQ(Member(a.reader, "kol_body_top.bmp"), "BM-top");
  EXPECT_EQ(Member(a.reader, "KOL_BODY_TOP.bmp"), "BM-top");
  EXPECT_EQ(Member(a.reader, "kolvane.ini"), "[TitlebarSkin]\r\nSkinName=kolvane\r\n");
  EXPECT_EQ(Member(a.reader, "extra.ini.bak"), "second ini");
  EXPECT_EQ(Member(a.reader, "empty.bmp"), "");
  EXPECT_EQ(Member(a.reader, "missing.bmp"), "");
}

TEST(SkinReader, FindMemberClearsTheOutStream) {
  TLoaded a(BuildStoredArchive(kSkin));
  TMemoryStream out("left over");
  a.reader.FindMember("missing", out);
  EXPECT_EQ(out.Size(), 0);
}

TEST(SkinReader, FindMemberContainingTakesTheFirstMatchAndDoesNotFoldTheText) {
  TLoaded a(BuildStoredArchive(kSkin));
  TMemoryStream out;
  std::string name = "unchanged";
  a.reader.FindMemberContaining(".ini", out, name);
  EXPECT_EQ(name, "kolvane.ini");
  EXPECT_EQ(std::string(out.Bytes()), "[TitlebarSkin]\r\nSkinName=kolvane\r\n");
  EXPECT_EQ(out.Position(), 0);

  name = "unchanged";
  a.reader.FindMemberContaining(".INI", out, name);  // names are lower case, the text is not
  EXPECT_EQ(name, "unchanged");
  EXPECT_EQ(out.Size(), 0);
}

TEST(SkinReader, NameTextSplitsLikeAStringList) {
  // No final line end, a lone LF and a lone CR: the same three names.
  for (std::string_view names : {"a.bmp\r\nb.bmp\r\nc.ini", "a.bmp\nb.bmp\rc.ini\r\n"}) {
    TLoaded a(CompressArchive(Unpacked(20000, names, {1, 2, 3}, "ABBCCC")));
    ASSERT_TRUE(a.ok) << names;
    ASSERT_EQ(a.reader.Count(), 3);
    EXPECT_EQ(Member(a.reader, "b.bmp"), "BB");
    EXPECT_EQ(Member(a.reader, "c.ini"), "CCC");
  }
  // A NUL ends the names; the sizes follow the full name text all the same.
  TLoaded n(CompressArchive(Unpacked(20000, std::string_view("a\r\nb\0c\r\n", 8), {1, 2}, "ABB")));
  ASSERT_TRUE(n.ok);
  EXPECT_EQ(n.reader.Count(), 2);
  EXPECT_EQ(Member(n.reader, "b"), "BB");
}

TEST(SkinReader, WrongVersionIsRefusedWithTheMessage) {
  for (std::int32_t version : {19999, 20001, 0}) {
    TLoaded a(CompressArchive(Unpacked(version, "a.ini\r\n", {1}, "A")));
    EXPECT_FALSE(a.ok);
    ASSERT_EQ(a.messages.size(), 1u);
    EXPECT_EQ(a.messages[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(a.reader.Count(), 0);
    EXPECT_EQ(Member(a.reader, "a.ini"), "");
  }
}

TEST(SkinReader, ALoadReplacesWhatAnEarlierOneRead) {
  TSkinReader reader;
  TMemoryStream first = StreamOf(BuildStoredArchive(kSkin));
  ASSERT_TRUE(reader.Load(first));
  TMemoryStream second = StreamOf(CompressArchive(Unpacked(20001, "a\r\n", {0}, "")));
  EXPECT_FALSE(reader.Load(second));
  EXPECT_EQ(Member(reader, "kolvane.ini"), "");
}

TEST(SkinReader, AtMost1001Members) {
  std::string names;
  std::vector<std::int32_t> sizes;
  for (int i = 0; i < 1002; ++i) {
    names += "m" + std::to_string(i) + "\r\n";
    sizes.push_back(1);
  }
  const std::string data(1002, 'x');
  TLoaded over(CompressArchive(Unpacked(20000, names, sizes, data)));
  EXPECT_FALSE(over.ok);
  EXPECT_EQ(over.reader.Count(), 0);

  std::vector<TSkinMember> members;
  for (int i = 0; i < 1001; ++i) members.push_back({"m" + std::to_string(i), {static_cast<std::uint8_t>(i)}});
  TLoaded full(BuildStoredArchive(members));
  ASSERT_TRUE(full.ok);
  EXPECT_EQ(full.reader.Count(), 1001);
  EXPECT_EQ(Member(full.reader, "m1000"), std::string(1, static_cast<char>(1000 & 0xFF)));

  members.push_back({"one.too.many", {}});
  EXPECT_THROW(BuildStoredArchive(members), Exception);
}

TEST(SkinReader, BadMemberSizesReadAsEmptyWithoutTouchingOthers) {
  // b claims -5 bytes, d claims more than there is.
  TLoaded a(CompressArchive(Unpacked(20000, "a\r\nb\r\nc\r\nd\r\n", {2, -5, 3, 1000}, "AABBBxyz")));
  ASSERT_TRUE(a.ok);
  EXPECT_EQ(Member(a.reader, "a"), "AA");
  EXPECT_EQ(Member(a.reader, "b"), "");
  EXPECT_EQ(Member(a.reader, "c"), "BBB");
  EXPECT_EQ(Member(a.reader, "d"), "");

  TLoaded huge(CompressArchive(Unpacked(20000, "a\r\nb\r\n", {INT32_MAX, 1}, "AB")));
  ASSERT_TRUE(huge.ok);
  EXPECT_EQ(Member(huge.reader, "a"), "");
  EXPECT_EQ(Member(huge.reader, "b"), "");
}

TEST(SkinReader, HeaderFieldsThatContradictTheDataAreRefused) {
  const Bytes good = Unpacked(20000, "a.bmp\r\nb.ini\r\n", {3, 2}, "AAABB");
  // Name text longer than the data, negative, or leaving no room for sizes.
  for (std::int32_t length : {-1, INT32_MIN, 100, INT32_MAX, 20}) {
    Bytes bad = good;
    PutInt32(bad, 4, length);
    TLoaded a(CompressArchive(bad));
    EXPECT_FALSE(a.ok) << length;
    EXPECT_TRUE(a.messages.empty());
  }
  // Unpacked data shorter than the header or than the size table.
  for (std::size_t keep : {std::size_t{0}, std::size_t{15}, std::size_t{16 + 14 + 7}}) {
    TLoaded a(CompressArchive(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(keep))));
    EXPECT_FALSE(a.ok) << keep;
  }
}

TEST(SkinReader, StoredSizeThatContradictsTheStreamIsRefusedOrCut) {
  const Bytes stored = BuildStoredArchive(kSkin);
  for (std::int32_t claimed : {-1, 0, 10, INT32_MAX, INT32_MIN}) {
    Bytes bad = stored;
    PutInt32(bad, 0, claimed);
    TLoaded a(bad);
    EXPECT_FALSE(a.ok) << claimed;
  }
  // Too short for the size word at all.
  EXPECT_FALSE(TLoaded(Bytes{1, 0}).ok);
  EXPECT_FALSE(TLoaded(Bytes{}).ok);

  // A cut stream decodes its tail from zero bits; whatever comes out, the
  // reader stays inside its data.
  for (std::size_t keep = 4; keep < stored.size(); keep += 7) {
    TLoaded a(Bytes(stored.begin(), stored.begin() + static_cast<std::ptrdiff_t>(keep)));
    if (a.ok)
      for (int i = 0; i < a.reader.Count(); ++i) Member(a.reader, a.reader.Names()[i]);
  }
}

TEST(SkinReader, EveryCorruptedByteOfAStoredArchiveIsHandled) {
  const Bytes stored = BuildStoredArchive(kSkin);
  for (std::size_t at = 0; at < stored.size(); ++at)
    for (std::uint8_t flip : {0x01, 0x80, 0xFF}) {
      Bytes bad = stored;
      bad[at] ^= flip;
      TLoaded a(bad);
      if (!a.ok) continue;
      TMemoryStream out;
      std::string name;
      a.reader.FindMemberContaining(".ini", out, name);
      for (int i = 0; i < a.reader.Count(); ++i) Member(a.reader, a.reader.Names()[i]);
    }
}

}  // namespace
}  // namespace hm
