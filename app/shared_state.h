// The one value that outlives a handler, and the clean-up routine that releases it.
#pragma once

#include "host/text.h"

namespace app {

// The install directory chosen on DirectoryPage; null until its Next stores one.
extern host::Text InstallDirectory;

// The clean-up routine of the exit path: releases InstallDirectory if it holds a text.
void ReleaseSharedState();

}  // namespace app
