// The control-skin classes a frame skin may make by name.
#pragma once

namespace hm {

// Registers every control-skin class with the class registry, so the frame
// skin can create the one the control-skin choice names.
void RegisterControlSkins();

}  // namespace hm
