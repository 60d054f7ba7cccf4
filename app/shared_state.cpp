#include "app/shared_state.h"

namespace app {

host::Text InstallDirectory;

void ReleaseSharedState() {
    InstallDirectory = host::Text();
}

}  // namespace app
