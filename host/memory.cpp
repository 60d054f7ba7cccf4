#include "host/memory.h"

#include <windows.h>

#include "host/fatal.h"

namespace host {

const char* DecimalDigits(std::size_t value, char (&buffer)[24]) {
    char* d = buffer + sizeof(buffer);
    *--d = '\0';
    do {
        *--d = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value);
    return d;
}

// "分配 %d 字节内存失败!" with the byte count, formatted on the stack: the heap has just failed.
void OutOfMemory(std::size_t bytes) {
    char digits[24];
    char message[64];
    lstrcpyA(message, "分配 ");
    lstrcatA(message, DecimalDigits(bytes, digits));
    lstrcatA(message, " 字节内存失败!");
    FatalError(message);
}

void* TryAllocateBlock(std::size_t count, std::size_t size) {
    if (size && count > static_cast<std::size_t>(-1) / size)
        return nullptr;
    const std::size_t bytes = count * size;
    // HeapAlloc serves zero bytes too; a zero-sized request still gets its own block.
    return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes ? bytes : 1);
}

void* AllocateBlock(std::size_t count, std::size_t size) {
    void* block = TryAllocateBlock(count, size);
    if (!block)
        OutOfMemory(size && count > static_cast<std::size_t>(-1) / size ? static_cast<std::size_t>(-1)
                                                                           : count * size);
    return block;
}

void ReleaseBlock(void* block) {
    if (block)
        HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace host
