// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/books.h"

#include <QWidget>
#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QTableView;
class QValueAxis;
class BalanceDayModel;

// The closed business days of the books as charts: money and debt at each day end, the
// profit, the guests and the units sold per day, over the last 30 days or over all. Beneath
// the chart the same figures stand in a table, newest day first, for reading them exactly and
// for screen readers. The open day is left out until it closes: its figures still change.
class TBalanceHistory : public QWidget {
    Q_OBJECT
public:
    enum class Chart { Money, Profit, Guests, Units };
    enum class Range { Last30Days, AllDays };

    explicit TBalanceHistory(const PubBooks& books, QWidget* parent = nullptr);

    // Draws anew when a day has closed since the last drawing, or when the books began anew.
    void Follow(bool booksBegunAnew);
    // Reads the days and draws them.
    void Redraw();

    // Closed days in the chart and the table.
    int ShownDays() const { return static_cast<int>(dayNumbers_.size()); }
    QChart* ChartObject() const { return chart_; }

    QLabel* ChartCaption = nullptr;
    QComboBox* ChartChoice = nullptr; // one of Chart
    QLabel* RangeCaption = nullptr;
    QComboBox* RangeChoice = nullptr; // one of Range
    QChartView* ChartView = nullptr;
    QTableView* DayTable = nullptr;

    // One line of a chart: a figure of the days, its name and colour.
    struct Figure;

private:
    void BuildChart();
    const std::vector<Figure>& Figures() const;
    void ReadDays();
    void DrawSeries();
    void FitDayColumns();
    void ScaleAxes();
    void Describe();
    QString FiguresSaid(bool euro) const;

    const PubBooks& books_;
    QChart* chart_ = nullptr;
    QValueAxis* dayAxis_ = nullptr;
    QValueAxis* valueAxis_ = nullptr;
    BalanceDayModel* dayModel_ = nullptr;
    int drawnDayCount_ = -1; // DayCount of the books at the last drawing

    // The days read: their numbers (1 = the first day of the books), dates and one list of
    // values per figure of the chosen chart.
    std::vector<int> dayNumbers_;
    std::vector<double> dayDates_;
    std::vector<std::vector<double>> values_;
};
