#include "model/text_cell.h"

#include "model/numbers.h"

namespace kvor {

void TextCell::formText() const
{
    const NumberText text = formatNumberText(number(), inline_[kSeparatorAt]);
    std::memcpy(inline_, text.text, text.size);
    tag_ = text.size;
}

}  // namespace kvor
