// The public half of the key the maker signs update manifests with. The build
// sets it (ZEV_UPDATE_PUBLIC_KEY); a build that did not gets the repository's
// test key, whose private half anybody can read, and says so.
#pragma once

#include "os/ecdsa.h"

namespace update {

const os::P256PublicKey& MakerKey();
bool BuiltWithTestKey();

}  // namespace update
