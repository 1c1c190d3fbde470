// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Number texts shown to the player.

// General format: up to 15 significant digits, decimal comma, no grouping, no trailing zeros;
// 12.34 gives "12,34", 50 gives "50". Very large or very small values use an exponent ("1E20").
std::string FormatGeneral(double value);

// Two decimals with a point, minus sign when negative, no grouping: -0.5 gives "-0.50".
std::string FormatFixed2(double value);

// "Vermögen: 10000.00 €"
std::string MoneyText(double wealth);

// An amount as the books show it, in the German way: two decimals, decimal comma, thousands
// point and the euro sign, "-1.234,56 €". An amount that rounds to 0,00 shows no sign. From a
// thousand billion on, cents are no longer exact and the digits would not fit a column, so
// such an amount shows seven significant digits with an exponent: "1,797693E308 €".
std::string EuroText(double amount);
