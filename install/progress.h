// The progress bar of ProgressPage: 标签1 grows by a timer inside the invisible ruler 分组框1.
#pragma once

namespace install {

// Places the bar 5 pixels right of the ruler's left edge and starts 时钟1 with period 1.
void StartProgress();

}  // namespace install
