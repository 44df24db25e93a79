#pragma once

#include "aashto.h"
#include "language.h"
#include "number_format.h"
#include "unified.h"

#include <optional>
#include <string>

// Where the window's rules and the standard's answer a sample differently, and why: so that a
// face can show one rule set's answer and say, beside it, what the other gives.
namespace classifier {

// The same answer: the same group; for AASHTO also the same index once the window's is rounded
// as the standard rounds it, so that 12.375 and 12 agree and a full index against a partial one
// does not.
bool sameAnswer(const UnifiedResult& one, const UnifiedResult& other);
bool sameAnswer(const AashtoResult& one, const AashtoResult& other);

// A result as the other rule set's answer: "standard: GM, silty gravel", "window rules: SM, silty
// sand with gravel", "standard: A-2-6 (1)", "window rules: no group".
std::string answerText(const UnifiedResult& result, Language language);
std::string answerText(const AashtoResult& result, Language language, const NumberFormat& format);
// "standard: not classified": the rule set refuses the sample.
std::string refusedText(Rules rules, Language language);

// Why `other` answers otherwise than `one`: the step of its path that decided differently, as
// its path writes it. Nothing when the two answer alike.
std::optional<std::string> whyOtherwise(const UnifiedResult& one, const UnifiedResult& other,
                                        Language language, const NumberFormat& format);
std::optional<std::string> whyOtherwise(const AashtoResult& one, const AashtoResult& other,
                                        Language language, const NumberFormat& format);

} // namespace classifier
