#pragma once

#include <cstdint>
#include <string>
#include <string_view>

std::string captionText(std::string_view category);

// The slots with one space between neighbours: "_ T T _ _".
std::string maskedWordText(std::string_view slots);

std::string winsText(std::int16_t winsTally);
