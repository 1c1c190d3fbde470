// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

// A group box drawn the classic way: an etched frame with the caption set into its top line.
// Children are placed by pixel position, relative to the box's top-left corner.
class TGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TGroupBox(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
