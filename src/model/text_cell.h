#pragma once
// One cell of a TextTable: a text kept inline up to 23 bytes (every number the
// system formats fits: "-1,23456789012345E-4932" is 23), on the heap beyond.
// 24 bytes a cell, so 25 tendon tables of 32767 rows cost no heap per number.

#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

namespace kvor {

class TextCell {
public:
    TextCell() noexcept { tag_ = 0; }
    explicit TextCell(std::string_view text) { init(text); }
    TextCell(const TextCell& other) { init(other.view()); }
    TextCell(TextCell&& other) noexcept
    {
        std::memcpy(static_cast<void*>(this), &other, sizeof *this);
        other.tag_ = 0;
    }
    TextCell& operator=(const TextCell& other)
    {
        if (this != &other)
            assign(other.view());
        return *this;
    }
    TextCell& operator=(TextCell&& other) noexcept
    {
        if (this != &other) {
            release();
            std::memcpy(static_cast<void*>(this), &other, sizeof *this);
            other.tag_ = 0;
        }
        return *this;
    }
    ~TextCell() { release(); }

    void assign(std::string_view text)
    {
        release();
        init(text);
    }

    std::string_view view() const noexcept
    {
        if (tag_ != kHeapTag)
            return {inline_, tag_};
        const char* p;
        size_t n;
        std::memcpy(&p, inline_, sizeof p);
        std::memcpy(&n, inline_ + sizeof p, sizeof n);
        return {p, n};
    }

    bool operator==(const TextCell& other) const noexcept { return view() == other.view(); }

private:
    static constexpr unsigned char kInlineCapacity = 23;
    static constexpr unsigned char kHeapTag = 0xFF;

    void init(std::string_view text)
    {
        if (text.size() <= kInlineCapacity) {
            if (!text.empty())
                std::memcpy(inline_, text.data(), text.size());
            tag_ = static_cast<unsigned char>(text.size());
            return;
        }
        char* p = new char[text.size()];
        std::memcpy(p, text.data(), text.size());
        const size_t n = text.size();
        std::memcpy(inline_, &p, sizeof p);
        std::memcpy(inline_ + sizeof p, &n, sizeof n);
        tag_ = kHeapTag;
    }

    void release() noexcept
    {
        if (tag_ == kHeapTag) {
            char* p;
            std::memcpy(&p, inline_, sizeof p);
            delete[] p;
        }
        tag_ = 0;
    }

    char inline_[kInlineCapacity];
    unsigned char tag_;
};

static_assert(sizeof(TextCell) == 24);

}  // namespace kvor
