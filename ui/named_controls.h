// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QString;
class QWidget;

// A one-line label of a dialog, named as the code names it (its objectName), at its place.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  int width);
