// Stand-in for the shared state header until it lands: the install directory chosen on
// DirectoryPage, read by the install step.
#pragma once

#include "host/text.h"

extern host::Text InstallDirectory;
