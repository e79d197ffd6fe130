#pragma once

#include "platform/win32/Win32Api.h"

#include <cstdint>
#include <cstring>
#include <span>
#include <utility>

namespace lumet {

// Owns a block from GlobalAlloc, the memory the clipboard and the common dialogs
// trade in, and frees it once unless it was handed over with Release.
class UniqueGlobal {
public:
    UniqueGlobal() = default;
    explicit UniqueGlobal(HGLOBAL memory) : memory_(memory) {}
    ~UniqueGlobal() { Free(); }

    UniqueGlobal(UniqueGlobal&& other) noexcept : memory_(other.Release()) {}
    UniqueGlobal& operator=(UniqueGlobal&& other) noexcept {
        if (this != &other) {
            Free();
            memory_ = other.Release();
        }
        return *this;
    }
    UniqueGlobal(const UniqueGlobal&) = delete;
    UniqueGlobal& operator=(const UniqueGlobal&) = delete;

    // A movable block holding a copy of `bytes`, as SetClipboardData wants it; empty
    // when the memory could not be had.
    static UniqueGlobal Holding(std::span<const std::uint8_t> bytes) {
        if (bytes.empty()) {
            return UniqueGlobal();
        }
        UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
        void* const data = block.memory_ != nullptr ? GlobalLock(block.memory_) : nullptr;
        if (data == nullptr) {
            return UniqueGlobal();
        }
        std::memcpy(data, bytes.data(), bytes.size());
        GlobalUnlock(block.memory_);
        return block;
    }

    explicit operator bool() const { return memory_ != nullptr; }
    HGLOBAL Get() const { return memory_; }

    // Gives up ownership to whoever frees the block from now on.
    HGLOBAL Release() { return std::exchange(memory_, nullptr); }

private:
    void Free() {
        if (memory_ != nullptr) {
            GlobalFree(memory_);
        }
    }

    HGLOBAL memory_ = nullptr;
};

} // namespace lumet
