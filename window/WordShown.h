#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How much of a word the window shows. No label or box can show more than a few dozen of a
// word's letters, so a longer word is cut to a stretch of it before any text is made: a word of
// millions of letters is never built, laid out or held whole as text.
inline constexpr std::size_t kMostLettersShown = 100;

// The masked word text that Label1 shows: the whole of it, or of a longer word the middle
// slots, where the centred label has them.
std::string label1Text(std::string_view slots);

// What a screen reader is told of the masked word, slot by slot, a hidden one as "blank" (a
// reader says an underscore as "underscore", or not at all): the whole of it, or the start of a
// longer one and its length.
std::string maskedWordNews(std::string_view slots);

// The secret word, in UTF-8, as the loss tells it: the whole of it, or the start of a longer
// one and its length.
std::string secretWordShown(std::string_view secretWord);
