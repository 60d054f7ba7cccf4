// Paths of the two programs in the test build and in the shipping build, and UTF-8 to UTF-16
// conversion for expected texts (u8 literals stay UTF-8 whatever the narrow execution charset).
#pragma once

#include <string>

namespace producttest {

// Windows path of a program below products/ of the test build or of the shipping build.
std::wstring TestBuildProgram(const std::string& name);
std::wstring ShippingProgram(const std::string& name);

std::wstring Utf8(const char* text);
std::string Narrow(const std::wstring& text);

}  // namespace producttest
