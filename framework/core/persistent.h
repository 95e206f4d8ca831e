// Objects whose published properties can be stored in a form description:
// components and their nested objects (fonts, string lists, collections).
#pragma once

#include "framework/core/object.h"

namespace hm {

class TPersistent : public TObject {
  HM_CLASS(TPersistent, TObject)

 public:
  // Copies `source` into this object. The default asks the source
  // (AssignTo) and raises EConvertError "Cannot assign a X to a Y" when
  // neither side knows how.
  virtual void Assign(const TPersistent& source);

 protected:
  virtual void AssignTo(TPersistent& dest) const;
};

}  // namespace hm
