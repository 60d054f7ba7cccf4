// Fatal errors: the program stops with an error box and exit code -1, without any clean-up.
#pragma once

namespace host {

// Shows a message box without owner, caption "错误", the error icon and the text
// "运行时出错!\r\n\r\n错误信息：" + message + "\r\n", then ends the process with exit code -1.
[[noreturn]] void FatalError(const char* message);

}  // namespace host
