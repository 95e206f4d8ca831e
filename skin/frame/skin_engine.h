// Puts the skin engine together: the skin manager learns how frame skins
// are made, the control-skin classes become known by name, and the shared
// work bitmap exists. Call it once before the first skinned form is made.
#pragma once

namespace hm {

class TSkinManage;

// Hands the manager the factories of this layer's skins.
void RegisterFrameSkins(TSkinManage& manager);

// RegisterFrameSkins for the process's manager, the control-skin classes,
// and the drawing state; again nothing when it ran already.
void InstallSkinEngine();

}  // namespace hm
