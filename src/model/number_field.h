#pragma once
// An input field that may stay empty and, once typed, must hold a number the
// field accepts: its rule (the field, the input's text it reads, the message
// when the text is no such number) and the check of a field by its rule.

#include "model/numbers.h"
#include "model/report.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace kvor {

template <class Input>
struct NumberFieldRule {
    Field field;
    std::string Input::*text;
    const char* fault;
};

// The check of `field` by its rule in `rules`: an empty text passes, and so
// does a number for which accepts(field, value) holds; anything else gives the
// rule's message, the focus on the field and a beep after the message. A field
// no rule names passes.
template <class Input, std::size_t N, class Accepts>
std::optional<Report> checkNumberField(const std::array<NumberFieldRule<Input>, N>& rules, const Input& input,
                                       Field field, char sep, Accepts accepts)
{
    for (const NumberFieldRule<Input>& rule : rules) {
        if (rule.field != field)
            continue;
        const std::string& text = input.*rule.text;
        if (text.empty())
            return std::nullopt;
        const std::optional<long double> value = parseNumber(text, sep);
        if (value && accepts(field, *value))
            return std::nullopt;
        return Report{rule.fault, Beep::AfterMessage, field, {}};
    }
    return std::nullopt;
}

}  // namespace kvor
