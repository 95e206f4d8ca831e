#include "framework/core/persistent.h"

#include "framework/core/exception.h"
#include "framework/core/typinfo.h"

namespace hm {

HM_PUBLISH(TPersistent) {}

void TPersistent::Assign(const TPersistent& source) { source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& dest) const {
  throw EConvertError("Cannot assign a " + ClassName() + " to a " + dest.ClassName());
}

}  // namespace hm
