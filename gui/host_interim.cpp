// Interim: the Text and FatalError of host/ until the host library provides them; lets the GUI
// layer, the program and its tests link meanwhile. Removed when the host library lands.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/fatal.h"
#include "host/text.h"

namespace host {

Text Text::Copy(const char* bytes, std::size_t size) {
    Text text = AllocateText(size);
    if (size)
        std::memcpy(text.data_, bytes, size);
    return text;
}

Text Text::Copy(const char* s) {
    return s ? Copy(s, std::strlen(s)) : Text();
}

Text::~Text() {
    std::free(data_);
}

Text::Text(Text&& other) noexcept : data_(other.data_) {
    other.data_ = nullptr;
}

Text& Text::operator=(Text&& other) noexcept {
    if (this != &other) {
        std::free(data_);
        data_ = other.data_;
        other.data_ = nullptr;
    }
    return *this;
}

std::size_t Text::Size() const {
    return data_ ? std::strlen(data_) : 0;
}

Text AllocateText(std::size_t size) {
    char* bytes = static_cast<char*>(std::calloc(size + 1, 1));
    if (!bytes) {
        char message[64];
        std::snprintf(message, sizeof(message), "分配 %d 字节内存失败!", static_cast<int>(size + 1));
        FatalError(message);
    }
    return Text(bytes);
}

char* MutableBytes(Text& text) {
    return const_cast<char*>(text.Get());
}

void FatalError(const char* message) {
    const std::string text = std::string("运行时出错!\r\n\r\n错误信息：") + message + "\r\n";
    MessageBoxA(nullptr, text.c_str(), "错误", MB_ICONERROR);
    ExitProcess(static_cast<UINT>(-1));
}

}  // namespace host
