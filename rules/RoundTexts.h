#pragma once

#include <cstdint>
#include <string>
#include <string_view>

std::string captionText(std::string_view category);

// The slots with one space between neighbours: "_ T T _ _".
std::string maskedWordText(std::string_view slots);

std::string winsText(std::int16_t winsTally);

// What a screen reader is told as a round starts: "5 letters. Wins: 1".
std::string roundStartNews(std::size_t letters, std::int16_t winsTally);

// What a screen reader is told after a miss: "3 of 9 pieces shown".
std::string piecesShownText(int misses);
