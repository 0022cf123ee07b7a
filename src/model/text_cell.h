#pragma once
// One cell of a TextTable: a text kept inline up to 23 bytes (every number the
// system formats fits: "-1,23456789012345E-4932" is 23), on the heap beyond;
// or a computed number, kept as its value and the decimal separator of its
// text. 24 bytes a cell, so 25 tendon tables of 32767 rows cost no heap per
// number.
//
// A number's text is formed when the cell is first read as text, and the cell
// then holds that text: its value is what the text reads back as, so nothing
// changes for the reader. That first read writes to the cell, so cells that
// several threads read at once are copied (which copies a number as a number)
// or read through number(), never through view().

#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

namespace kvor {

class TextCell {
public:
    TextCell() noexcept { tag_ = 0; }
    explicit TextCell(std::string_view text) { init(text); }
    TextCell(const TextCell& other) { copyFrom(other); }
    TextCell(TextCell&& other) noexcept
    {
        std::memcpy(static_cast<void*>(this), &other, sizeof *this);
        other.tag_ = 0;
    }
    TextCell& operator=(const TextCell& other)
    {
        if (this != &other) {
            release();
            copyFrom(other);
        }
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

    // A computed value whose text is formed when it is first read
    // (formatNumber with `decimalSeparator`).
    void assignNumber(long double value, char decimalSeparator) noexcept
    {
        release();
        std::memcpy(inline_, &value, sizeof value);
        inline_[kSeparatorAt] = decimalSeparator;
        tag_ = kNumberTag;
    }
    bool holdsNumber() const noexcept { return tag_ == kNumberTag; }
    // The value of a cell that holdsNumber().
    long double number() const noexcept
    {
        long double v;
        std::memcpy(&v, inline_, sizeof v);
        return v;
    }

    std::string_view view() const
    {
        if (tag_ == kNumberTag)
            formText();
        if (tag_ != kHeapTag)
            return {inline_, tag_};
        const char* p;
        size_t n;
        std::memcpy(&p, inline_, sizeof p);
        std::memcpy(&n, inline_ + sizeof p, sizeof n);
        return {p, n};
    }

    bool operator==(const TextCell& other) const { return view() == other.view(); }

private:
    static constexpr unsigned char kInlineCapacity = 23;
    static constexpr unsigned char kHeapTag = 0xFF;
    static constexpr unsigned char kNumberTag = 0xFE;
    static constexpr size_t kSeparatorAt = 16;
    static_assert(sizeof(long double) <= kSeparatorAt);

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

    void copyFrom(const TextCell& other)
    {
        if (other.tag_ == kHeapTag)
            init(other.view());
        else
            std::memcpy(static_cast<void*>(this), &other, sizeof *this);
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

    // Replaces the number by its text, which always fits inline.
    void formText() const;

    // Mutable: forming a number's text changes how the cell holds it, not what it holds.
    mutable char inline_[kInlineCapacity];
    mutable unsigned char tag_;
};

static_assert(sizeof(TextCell) == 24);

}  // namespace kvor
