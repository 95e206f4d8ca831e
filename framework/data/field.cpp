#include "framework/data/field.h"

#include <charconv>
#include <cmath>

#include "framework/core/exception.h"
#include "framework/core/typinfo.h"
#include "framework/data/dataset.h"

namespace hm {

HM_PUBLISH(TField) {}

TField::TField(TDataSet& dataSet, int index, std::string name, TFieldType type)
    : dataSet_(dataSet), index_(index), name_(std::move(name)), type_(type) {}

int TField::DisplayWidth() const {
  if (displayWidth_ > 0) return displayWidth_;
  switch (type_) {
    case ftLargeint: return 15;
    case ftFloat: return 10;
    default: return 20;
  }
}

TAlignment TField::Alignment() const {
  if (alignmentSet_) return alignment_;
  return (type_ == ftLargeint || type_ == ftFloat) ? taRightJustify : taLeftJustify;
}

void TField::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  alignmentSet_ = true;
}

bool TField::CanModify() const { return !readOnly_ && dataSet_.CanModify(); }

const TFieldValue& TField::Value() const { return dataSet_.ActiveValue(index_); }

bool TField::IsNull() const { return hm::IsNull(Value()); }

std::string TField::AsString() const { return ValueToText(Value()); }

std::int64_t TField::AsInteger() const {
  const TFieldValue& v = Value();
  if (IsNull()) return 0;
  if (const auto* i = std::get_if<std::int64_t>(&v)) return *i;
  if (const auto* d = std::get_if<double>(&v)) {
    if (std::isfinite(*d) && std::abs(*d) < 9.2e18) return static_cast<std::int64_t>(std::llround(*d));
  }
  const std::string text = AsString();
  std::int64_t out = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), out);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size()) {
    throw EConvertError("'" + text + "' is not a valid integer value");
  }
  return out;
}

void TField::SetValue(const TFieldValue& value) { dataSet_.SetFieldValue(*this, value); }

void TField::SetAsString(const std::string& text) {
  switch (type_) {
    case ftLargeint: {
      if (text.empty()) return Clear();
      std::int64_t v = 0;
      const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
      if (r.ec != std::errc() || r.ptr != text.data() + text.size()) {
        throw EConvertError("'" + text + "' is not a valid integer value");
      }
      return SetValue(v);
    }
    case ftFloat: {
      if (text.empty()) return Clear();
      double v = 0;
      const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
      if (r.ec != std::errc() || r.ptr != text.data() + text.size()) {
        throw EConvertError("'" + text + "' is not a valid floating point value");
      }
      return SetValue(v);
    }
    case ftBlob: return SetValue(TBlobValue{text});
    default: return SetValue(text);
  }
}

}  // namespace hm
