// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// The names a new game deals out in random order (UTF-8; stored in the game as Windows-1252).
extern const std::array<std::string_view, 30> LocationNames;
extern const std::array<std::string_view, 20> StaffNames;
extern const std::array<std::string_view, 50> DrinkNames;
extern const std::array<std::string_view, 30> DishNames;
extern const std::array<std::string_view, 30> WineNames;
