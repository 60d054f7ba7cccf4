// The program's own heap blocks and the two containers built on them. Everything here lives on
// the process heap, comes zero-filled and needs nothing of the C++ runtime library, so the program
// carries no exception or string machinery it never uses.
#pragma once

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

namespace host {

// A zero-filled block of count * size bytes. Running out of memory (or a count * size that does not
// fit in a size_t) is the fatal error "分配 %d 字节内存失败!".
void* AllocateBlock(std::size_t count, std::size_t size);
// The same, but null instead of the fatal error: for blocks whose size comes from input.
void* TryAllocateBlock(std::size_t count, std::size_t size);
// Releases a block of either kind; null is ignored.
void ReleaseBlock(void* block);
// Writes the decimal digits of `value` and a NUL at the end of `buffer`; returns the first digit.
// Needs no heap, so that even the out-of-memory message can use it.
const char* DecimalDigits(std::size_t value, char (&buffer)[24]);
// Ends the program with "分配 <bytes> 字节内存失败!".
[[noreturn]] void OutOfMemory(std::size_t bytes);

// What Array and List share: the elements on one heap block, access to them, and their release.
template <typename T>
class Elements {
public:
    Elements(const Elements&) = delete;
    Elements& operator=(const Elements&) = delete;

    T* Data() { return items_; }
    const T* Data() const { return items_; }
    std::size_t Size() const { return count_; }
    bool Empty() const { return count_ == 0; }
    T& operator[](std::size_t i) { return items_[i]; }
    const T& operator[](std::size_t i) const { return items_[i]; }
    T* begin() { return items_; }
    T* end() { return items_ + count_; }
    const T* begin() const { return items_; }
    const T* end() const { return items_ + count_; }

protected:
    Elements() = default;
    ~Elements() { Clear(); }
    void Clear() {
        for (std::size_t i = 0; i < count_; ++i)
            items_[i].~T();
        ReleaseBlock(items_);
        items_ = nullptr;
        count_ = 0;
    }
    // Takes the other's elements; it is left empty.
    void TakeFrom(Elements& other) {
        Clear();
        std::swap(items_, other.items_);
        std::swap(count_, other.count_);
    }
    T* items_ = nullptr;
    std::size_t count_ = 0;
};

// A fixed number of value-initialised elements, allocated once. Move-only; an Array made by the
// default constructor or left by a move has no elements.
template <typename T>
class Array : public Elements<T> {
public:
    Array() = default;
    explicit Array(std::size_t count) { Adopt(static_cast<T*>(AllocateBlock(count, sizeof(T))), count); }
    // For sizes taken from input: false, with `out` left as it was, when memory runs out.
    static bool TryMake(std::size_t count, Array& out) {
        T* items = static_cast<T*>(TryAllocateBlock(count, sizeof(T)));
        if (!items && count)
            return false;
        Array made;
        made.Adopt(items, count);
        out = std::move(made);
        return true;
    }
    Array(Array&& other) noexcept { this->TakeFrom(other); }
    Array& operator=(Array&& other) noexcept {
        if (this != &other)
            this->TakeFrom(other);
        return *this;
    }

private:
    void Adopt(T* items, std::size_t count) {
        this->items_ = items;
        this->count_ = items ? count : 0;
        // The block comes zero-filled, which is the value-initialised state of the plain types
        // (picture rows, characters); only other types need constructing, element by element.
        if constexpr (!std::is_trivially_default_constructible<T>::value) {
            for (std::size_t i = 0; i < this->count_; ++i)
                new (this->items_ + i) T();
        }
    }
};

// A growing sequence: appends at the end, removes anywhere keeping the order. Elements move when
// it grows, so pointers into it last only until the next Append. Move-only.
template <typename T>
class List : public Elements<T> {
public:
    List() = default;
    List(List&& other) noexcept { TakeFrom(other); }
    List& operator=(List&& other) noexcept {
        if (this != &other)
            TakeFrom(other);
        return *this;
    }

    // Makes room for `capacity` elements, so that appending up to there moves nothing.
    void Reserve(std::size_t capacity) {
        if (capacity > capacity_)
            GrowTo(capacity);
    }
    void Append(T item) {
        if (this->count_ == capacity_)
            GrowTo(capacity_ ? capacity_ * 2 : 8);
        new (this->items_ + this->count_) T(std::move(item));
        ++this->count_;
    }
    void RemoveAt(std::size_t index) {
        for (std::size_t i = index; i + 1 < this->count_; ++i)
            this->items_[i] = std::move(this->items_[i + 1]);
        this->items_[--this->count_].~T();
    }

private:
    void TakeFrom(List& other) {
        Elements<T>::TakeFrom(other);
        capacity_ = other.capacity_;
        other.capacity_ = 0;
    }
    void GrowTo(std::size_t capacity) {
        T* items = static_cast<T*>(AllocateBlock(capacity, sizeof(T)));
        for (std::size_t i = 0; i < this->count_; ++i) {
            new (items + i) T(std::move(this->items_[i]));
            this->items_[i].~T();
        }
        ReleaseBlock(this->items_);
        this->items_ = items;
        capacity_ = capacity;
    }
    std::size_t capacity_ = 0;
};

}  // namespace host
