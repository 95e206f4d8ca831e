// Names of enumeration values, so enumerations and sets can be read and
// written by value name ("sfMainform", "[xcMainMenu, xcPopupMenu]").
//
//   HM_ENUM(TSkinFormType, sfMainform, sfOnlyThisForm, sfDialog)
//
// declares the enumeration (values 0, 1, 2, ...) together with its names.
// HM_ENUM_NAMES(Type, a, b, c) adds names to an enumeration declared
// elsewhere whose values run from 0 in the same order.
#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace hm {

class TEnumType {
 public:
  // `names` is the text of the value list: "a, b, c".
  TEnumType(std::string name, std::string_view names);
  const std::string& Name() const { return name_; }
  int Count() const { return static_cast<int>(names_.size()); }
  // Empty for a value outside the enumeration.
  std::string ValueName(std::int64_t value) const;
  // -1 when no value has that name (ASCII case ignored).
  int ValueOf(std::string_view name) const;

 private:
  std::string name_;
  std::vector<std::string> names_;
};

// False, True.
const TEnumType& BooleanType();

// A set of up to 64 members of a named enumeration; bit i is member i.
template <class E>
class Set {
 public:
  constexpr Set() = default;
  constexpr Set(std::initializer_list<E> members) {
    for (E e : members) Include(e);
  }
  static constexpr Set FromBits(std::uint64_t bits) {
    Set s;
    s.bits_ = bits;
    return s;
  }
  constexpr std::uint64_t Bits() const { return bits_; }
  constexpr bool Contains(E e) const { return (bits_ >> static_cast<unsigned>(e)) & 1u; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr Set& Include(E e) {
    bits_ |= std::uint64_t{1} << static_cast<unsigned>(e);
    return *this;
  }
  constexpr Set& Exclude(E e) {
    bits_ &= ~(std::uint64_t{1} << static_cast<unsigned>(e));
    return *this;
  }
  friend constexpr Set operator+(Set a, Set b) { return FromBits(a.bits_ | b.bits_); }
  friend constexpr Set operator-(Set a, Set b) { return FromBits(a.bits_ & ~b.bits_); }
  friend constexpr Set operator*(Set a, Set b) { return FromBits(a.bits_ & b.bits_); }
  friend constexpr bool operator==(Set a, Set b) = default;

 private:
  std::uint64_t bits_ = 0;
};

template <class V> struct IsSet : std::false_type {};
template <class E> struct IsSet<Set<E>> : std::true_type { using Element = E; };

// Found by argument-dependent lookup: HmEnumTypeOf(static_cast<E*>(nullptr)).
template <class E>
concept NamedEnum = requires(E* e) {
  { HmEnumTypeOf(e) } -> std::same_as<const TEnumType&>;
};

template <NamedEnum E> const TEnumType& EnumTypeOf() { return HmEnumTypeOf(static_cast<E*>(nullptr)); }

}  // namespace hm

#define HM_ENUM_NAMES(Type, ...)                                        \
  inline const ::hm::TEnumType& HmEnumTypeOf(Type*) {                   \
    static const ::hm::TEnumType type(#Type, #__VA_ARGS__);             \
    return type;                                                        \
  }

#define HM_ENUM(Type, ...)          \
  enum Type : int { __VA_ARGS__ };  \
  HM_ENUM_NAMES(Type, __VA_ARGS__)
