// One column of an open dataset. Fields belong to their dataset and live
// until it closes; what they read is the dataset's active record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/core/enum_type.h"
#include "framework/core/object.h"
#include "framework/data/alignment.h"
#include "framework/data/field_value.h"

namespace hm {

class TDataSet;

HM_ENUM(TFieldType, ftUnknown, ftString, ftLargeint, ftFloat, ftBlob)

class TField : public TObject {
  HM_CLASS(TField, TObject)

 public:
  TField(TDataSet& dataSet, int index, std::string name, TFieldType type);

  TDataSet& DataSet() const { return dataSet_; }
  // Position in the dataset's field list, from 0.
  int Index() const { return index_; }
  const std::string& FieldName() const { return name_; }
  TFieldType DataType() const { return type_; }

  const std::string& DisplayLabel() const { return displayLabel_.empty() ? name_ : displayLabel_; }
  void SetDisplayLabel(std::string label) { displayLabel_ = std::move(label); }
  // Width in characters that a grid column gets by default.
  int DisplayWidth() const;
  void SetDisplayWidth(int chars) { displayWidth_ = chars; }
  // Left for text, right for numbers unless set.
  TAlignment Alignment() const;
  void SetAlignment(TAlignment alignment);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  // The dataset is open, can be updated, and this field is not read-only.
  bool CanModify() const;

  // Of the active record; null when the dataset is closed or empty.
  const TFieldValue& Value() const;
  bool IsNull() const;
  // The value as text: empty for null or no record.
  std::string AsString() const;
  std::string DisplayText() const { return AsString(); }
  // Raises EConvertError when the value is not an integer.
  std::int64_t AsInteger() const;

  // Changing a value puts the dataset into edit mode; Post writes it.
  // Text is converted to the field's type: empty text is null for numbers,
  // and text that is no number raises EConvertError.
  void SetValue(const TFieldValue& value);
  void SetAsString(const std::string& text);
  void Clear() { SetValue(std::monostate{}); }

 private:
  TDataSet& dataSet_;  // owns this field
  int index_;
  std::string name_;
  TFieldType type_;
  std::string displayLabel_;
  int displayWidth_ = 0;  // 0: from the type
  bool alignmentSet_ = false;
  TAlignment alignment_ = taLeftJustify;
  bool readOnly_ = false;
};

}  // namespace hm
