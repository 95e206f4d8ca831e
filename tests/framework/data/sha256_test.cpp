#include "framework/data/sha256.h"

#include <gtest/gtest.h>

#include "framework/data/password_verifier.h"

namespace hm {
namespace {

TEST(Sha256, KnownVectors) {
  EXPECT_EQ(ToHex(Sha256Of("")), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(ToHex(Sha256Of("abc")), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // 56 bytes: the length no longer fits the first block.
  EXPECT_EQ(ToHex(Sha256Of("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  EXPECT_EQ(ToHex(Sha256Of(std::string(1000000, 'a'))),
            "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(Sha256, PiecewiseUpdatesEqualOneUpdate) {
  const std::string text = "The quick brown fox jumps over the lazy dog, again and again and again!";
  for (std::size_t split : {std::size_t{0}, std::size_t{1}, std::size_t{55}, std::size_t{64}, text.size()}) {
    Sha256 h;
    h.Update(std::string_view(text).substr(0, split));
    h.Update(std::string_view(text).substr(split));
    EXPECT_EQ(ToHex(h.Finish()), ToHex(Sha256Of(text))) << "split at " << split;
  }
}

TEST(PasswordVerifier, AcceptsOnlyItsPassword) {
  const TPasswordVerifier v = TPasswordVerifier::Make("quorbane5173");
  EXPECT_TRUE(v.WellFormed());
  EXPECT_TRUE(v.Matches("quorbane5173"));
  EXPECT_FALSE(v.Matches("quorbane5174"));
  EXPECT_FALSE(v.Matches("QUORBANE5173"));
  EXPECT_FALSE(v.Matches(""));
  // The hash covers salt and password: the same password under another
  // salt gives another hash.
  const TPasswordVerifier other = TPasswordVerifier::Make("quorbane5173");
  EXPECT_NE(v.saltHex, other.saltHex);
  EXPECT_NE(v.hashHex, other.hashHex);
}

TEST(PasswordVerifier, IsSha256OfSaltAndPassword) {
  const std::string salt(16, 'x');
  const TPasswordVerifier v = TPasswordVerifier::Make("pw", ToHex(salt.data(), salt.size()));
  EXPECT_EQ(v.hashHex, ToHex(Sha256Of(salt + "pw")));
}

TEST(PasswordVerifier, MalformedVerifierMatchesNothing) {
  TPasswordVerifier v = TPasswordVerifier::Make("pw");
  TPasswordVerifier shortSalt = v;
  shortSalt.saltHex.pop_back();
  TPasswordVerifier notHex = v;
  notHex.hashHex[0] = 'g';
  TPasswordVerifier empty;
  for (const TPasswordVerifier* bad : {&shortSalt, &notHex, &empty}) {
    EXPECT_FALSE(bad->WellFormed());
    EXPECT_FALSE(bad->Matches("pw"));
    EXPECT_FALSE(bad->Matches(""));
  }
}

}  // namespace
}  // namespace hm
