// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/balance_history.h"

#include "game/date_time.h"
#include "game/number_format.h"
#include "ui/books_table.h"
#include "ui/dialog_form.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QTableView>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

struct TBalanceHistory::Figure {
    DayFigure Source;
    const char* Name;
    QColor Colour;
};

namespace {

struct ChartKind {
    const char* Choice;     // the entry of the chart choice
    const char* ValueTitle; // the title of the value axis
    bool Euro;
    std::vector<TBalanceHistory::Figure> Figures;
};

const std::vector<ChartKind>& ChartKinds() {
    static const std::vector<ChartKind> kinds = {
        {"Vermögen und Schulden",
         "Euro",
         true,
         {{DayFigure::Wealth, "Vermögen", QColor(0, 255, 0)},
          {DayFigure::Debt, "Schulden", QColor(255, 0, 0)},
          {DayFigure::NetWorth, "Vermögen − Schulden", QColor(255, 255, 0)}}},
        {"Gewinn / Verlust pro Tag",
         "Euro",
         true,
         {{DayFigure::Profit, "Gewinn / Verlust", QColor(0, 255, 255)}}},
        {"Gäste pro Tag", "Gäste", false, {{DayFigure::Guests, "Gäste", QColor(0, 255, 255)}}},
        {"Verkaufte Stück pro Tag",
         "Stück",
         false,
         {{DayFigure::DrinksSold, "Getränke", QColor(0, 255, 255)},
          {DayFigure::WinesSold, "Weine", QColor(255, 110, 180)},
          {DayFigure::DishesSold, "Speisen", QColor(255, 165, 0)}}},
    };
    return kinds;
}

constexpr int RecentDays = 30;
// More points than the plot has pixels only cost drawing time: a long run is thinned to the
// lowest and highest value of each stretch of days, which keeps every peak.
constexpr int MostPointsDrawn = 1200;
// Saturated amounts would overflow the axis arithmetic; no chart can tell them apart anyway.
constexpr double LargestCharted = 1e300;

QString ValueText(double value, bool euro) {
    if (euro)
        return QString::fromStdString(EuroText(value));
    return QLocale(QLocale::German).toString(value, 'f', 0);
}

QString DateText(double clock) {
    return QString::fromStdString(ClockText(clock)).left(10); // "dd.mm.yyyy"
}

// 1, 2 or 5 times a power of ten, so that `span` takes about `parts` steps.
double NiceStep(double span, int parts, double smallest) {
    const double raw = span / parts;
    if (!(raw > smallest))
        return smallest;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double normalised = raw / magnitude;
    const double nice = normalised <= 1 ? 1 : normalised <= 2 ? 2 : normalised <= 5 ? 5 : 10;
    return nice * magnitude;
}

QList<QPointF> ChartPoints(const std::vector<int>& days, const std::vector<double>& values) {
    QList<QPointF> points;
    const std::size_t count = values.size();
    const auto point = [&](std::size_t i) {
        return QPointF(days[i], std::clamp(values[i], -LargestCharted, LargestCharted));
    };
    if (count <= MostPointsDrawn) {
        points.reserve(static_cast<qsizetype>(count));
        for (std::size_t i = 0; i < count; ++i)
            points << point(i);
        return points;
    }
    const std::size_t stretch = (count + MostPointsDrawn / 2 - 1) / (MostPointsDrawn / 2);
    points.reserve(MostPointsDrawn + 2);
    for (std::size_t first = 0; first < count; first += stretch) {
        const auto begin = values.begin() + static_cast<std::ptrdiff_t>(first);
        const auto end =
            values.begin() + static_cast<std::ptrdiff_t>(std::min(first + stretch, count));
        const auto [low, high] = std::minmax_element(begin, end);
        const auto a = static_cast<std::size_t>(std::min(low, high) - values.begin());
        const auto b = static_cast<std::size_t>(std::max(low, high) - values.begin());
        points << point(a);
        if (b != a)
            points << point(b);
    }
    return points;
}

void StyleAxis(QValueAxis* axis) {
    axis->setLabelsBrush(QBrush(Qt::yellow));
    axis->setLabelsFont(GameFont());
    axis->setTitleBrush(QBrush(Qt::yellow));
    axis->setTitleFont(GameFont());
    axis->setLinePenColor(QColor(150, 150, 150));
    axis->setGridLineColor(QColor(70, 70, 70));
    axis->setMinorGridLineVisible(false);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
}

} // namespace

// The figures of the chart's days as a table, newest day first.
class BalanceDayModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetDays(const std::vector<int>& numbers, const std::vector<double>& dates,
                 const std::vector<std::vector<double>>& values, QStringList names, bool euro) {
        beginResetModel();
        numbers_ = numbers;
        dates_ = dates;
        values_ = values;
        names_ = std::move(names);
        euro_ = euro;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(numbers_.size());
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : 2 + static_cast<int>(names_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid())
            return {};
        const std::size_t day = numbers_.size() - 1 - static_cast<std::size_t>(index.row());
        const int column = index.column();
        const double value = column >= 2 ? values_[static_cast<std::size_t>(column - 2)][day] : 0;
        switch (role) {
        case Qt::DisplayRole:
            if (column == 0)
                return QLocale(QLocale::German).toString(numbers_[day]);
            if (column == 1)
                return DateText(dates_[day]);
            return ValueText(value, euro_);
        case Qt::ForegroundRole:
            if (column >= 2 && ValueText(value, euro_).front() == u'-')
                return QBrush(QColor(255, 0, 0));
            return {};
        case Qt::TextAlignmentRole:
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        if (section == 0)
            return QStringLiteral("Tag");
        if (section == 1)
            return QStringLiteral("Datum");
        return names_.value(section - 2);
    }

private:
    std::vector<int> numbers_;
    std::vector<double> dates_;
    std::vector<std::vector<double>> values_;
    QStringList names_;
    bool euro_ = true;
};

TBalanceHistory::TBalanceHistory(const PubBooks& books, QWidget* parent)
    : QWidget(parent), books_(books) {
    ChartCaption = MakeLabel(this, "ChartCaption", QStringLiteral("Diagramm:"), QPoint());
    ChartChoice = new QComboBox(this);
    ChartChoice->setObjectName(QStringLiteral("ChartChoice"));
    for (const ChartKind& kind : ChartKinds())
        ChartChoice->addItem(QString::fromUtf8(kind.Choice));
    ChartCaption->setBuddy(ChartChoice);
    RangeCaption = MakeLabel(this, "RangeCaption", QStringLiteral("Zeitraum:"), QPoint());
    RangeChoice = new QComboBox(this);
    RangeChoice->setObjectName(QStringLiteral("RangeChoice"));
    RangeChoice->addItems({QStringLiteral("Letzte 30 Tage"), QStringLiteral("Alle Tage")});
    RangeCaption->setBuddy(RangeChoice);
    for (QComboBox* choice : {ChartChoice, RangeChoice}) {
        GiveOutlineOnBlack(choice);
        choice->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        connect(choice, &QComboBox::currentIndexChanged, this, &TBalanceHistory::Redraw);
    }

    BuildChart();

    dayModel_ = new BalanceDayModel(this);
    DayTable = MakeBooksTable(this, "DayTable", QStringLiteral("Zahlen der Tage"), dayModel_);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(ChartCaption, 0, 0);
    layout->addWidget(ChartChoice, 0, 1);
    layout->addWidget(RangeCaption, 0, 2);
    layout->addWidget(RangeChoice, 0, 3);
    layout->setColumnStretch(4, 1);
    layout->addWidget(ChartView, 1, 0, 1, 5);
    layout->addWidget(DayTable, 2, 0, 1, 5);
    layout->setRowStretch(1, 3);
    layout->setRowStretch(2, 2);
}

void TBalanceHistory::BuildChart() {
    chart_ = new QChart;
    chart_->setBackgroundBrush(QBrush(Qt::black));
    chart_->setBackgroundRoundness(0);
    chart_->setMargins(QMargins(2, 2, 2, 2));
    chart_->setTitleBrush(QBrush(Qt::yellow));
    chart_->setTitleFont(GameFont());
    chart_->setLocalizeNumbers(true);
    chart_->setLocale(QLocale(QLocale::German, QLocale::Germany));
    chart_->legend()->setLabelColor(Qt::yellow);
    chart_->legend()->setFont(GameFont());
    chart_->legend()->setAlignment(Qt::AlignBottom);

    dayAxis_ = new QValueAxis;
    dayAxis_->setTitleText(QStringLiteral("Geschäftstag"));
    dayAxis_->setLabelFormat(QStringLiteral("%.0f"));
    valueAxis_ = new QValueAxis;
    for (QValueAxis* axis : {dayAxis_, valueAxis_})
        StyleAxis(axis);
    chart_->addAxis(dayAxis_, Qt::AlignBottom);
    chart_->addAxis(valueAxis_, Qt::AlignLeft);

    ChartView = new QChartView(chart_, this);
    ChartView->setObjectName(QStringLiteral("ChartView"));
    ChartView->setRenderHint(QPainter::Antialiasing);
    ChartView->setMinimumHeight(150);
    ChartView->setBackgroundBrush(QBrush(Qt::black));
}

const std::vector<TBalanceHistory::Figure>& TBalanceHistory::Figures() const {
    return ChartKinds()[static_cast<std::size_t>(std::max(0, ChartChoice->currentIndex()))].Figures;
}

void TBalanceHistory::Follow(bool booksBegunAnew) {
    if (booksBegunAnew || books_.DayCount() != drawnDayCount_)
        Redraw();
}

void TBalanceHistory::Redraw() {
    drawnDayCount_ = books_.DayCount();
    ReadDays();
    DrawSeries();
    ScaleAxes();
    Describe();
}

void TBalanceHistory::ReadDays() {
    const int closedDays = books_.DayCount() - 1;
    const bool recent = RangeChoice->currentIndex() == static_cast<int>(Range::Last30Days);
    const int firstDay = recent ? std::max(0, closedDays - RecentDays) : 0;
    dayNumbers_.clear();
    dayDates_.clear();
    for (int day = firstDay; day < closedDays; ++day) {
        dayNumbers_.push_back(day + 1);
        dayDates_.push_back(books_.Day(day).OpenedAt);
    }
    values_.clear();
    for (const Figure& figure : Figures()) {
        std::vector<double> series = books_.Series(figure.Source, firstDay);
        series.resize(dayNumbers_.size()); // without the open day
        values_.push_back(std::move(series));
    }
}

void TBalanceHistory::DrawSeries() {
    const std::vector<Figure>& figures = Figures();
    const bool fewPoints = dayNumbers_.size() <= RecentDays + 1;
    // New lines each time: Qt Charts does not take a line changed after its removal well.
    chart_->removeAllSeries();
    QStringList names;
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const Figure& figure = figures[i];
        names << QString::fromUtf8(figure.Name);
        auto* line = new QLineSeries;
        line->setName(names.back());
        QPen pen(figure.Colour);
        pen.setWidth(2);
        line->setPen(pen);
        line->setPointsVisible(fewPoints);
        line->replace(ChartPoints(dayNumbers_, values_[i]));
        chart_->addSeries(line);
        line->attachAxis(dayAxis_);
        line->attachAxis(valueAxis_);
    }
    // Without days there is nothing to scale: only the title says why.
    const bool anyDay = !dayNumbers_.empty();
    chart_->legend()->setVisible(anyDay && figures.size() > 1);
    dayAxis_->setVisible(anyDay);
    valueAxis_->setVisible(anyDay);
    chart_->setTitle(dayNumbers_.empty()
                         ? QStringLiteral("Noch kein Tag abgeschlossen: die Tage erscheinen hier "
                                          "nach dem Tagesabschluss um 00:30.")
                         : QString());
    const ChartKind& kind =
        ChartKinds()[static_cast<std::size_t>(std::max(0, ChartChoice->currentIndex()))];
    valueAxis_->setTitleText(QString::fromUtf8(kind.ValueTitle));
    dayModel_->SetDays(dayNumbers_, dayDates_, values_, names, kind.Euro);
    FitDayColumns();
}

// Measuring thousands of days would take longer than a frame. Digits are all of one width, so
// the widest text of a column is that of its lowest or highest value (or its heading).
void TBalanceHistory::FitDayColumns() {
    const QHeaderView* header = DayTable->horizontalHeader();
    const int rows = static_cast<int>(dayNumbers_.size());
    const auto width = [&](int row, int column) {
        return BooksCellWidth(DayTable, dayModel_->index(row, column));
    };
    for (int column = 0; column < dayModel_->columnCount(); ++column) {
        int needed = header->sectionSizeHint(column);
        if (rows > 0 && column < 2) // the newest day has the largest number; dates are alike
            needed = std::max(needed, width(0, column));
        if (rows > 0 && column >= 2) {
            const std::vector<double>& series = values_[static_cast<std::size_t>(column - 2)];
            const auto [low, high] = std::minmax_element(series.begin(), series.end());
            for (const auto extreme : {low, high})
                needed = std::max(
                    needed, width(rows - 1 - static_cast<int>(extreme - series.begin()), column));
        }
        DayTable->setColumnWidth(column, needed);
    }
}

void TBalanceHistory::ScaleAxes() {
    if (dayNumbers_.empty()) {
        dayAxis_->setRange(0, 1);
        dayAxis_->setTickInterval(1);
        valueAxis_->setRange(0, 1);
        valueAxis_->setTickInterval(1);
        valueAxis_->setLabelFormat(QStringLiteral("%.0f"));
        return;
    }
    const double firstDay = dayNumbers_.front();
    const double lastDay = dayNumbers_.back();
    // A single day stands in the middle of the axis.
    dayAxis_->setRange(firstDay - (firstDay == lastDay ? 0.5 : 0),
                       lastDay + (firstDay == lastDay ? 0.5 : 0));
    dayAxis_->setTickInterval(NiceStep(lastDay - firstDay, 6, 1));

    const bool euro =
        ChartKinds()[static_cast<std::size_t>(std::max(0, ChartChoice->currentIndex()))].Euro;
    // Counts and the profit are read against zero; the axis always shows it.
    double low = 0;
    double high = 0;
    for (const std::vector<double>& series : values_)
        for (const double value : series) {
            low = std::min(low, std::clamp(value, -LargestCharted, LargestCharted));
            high = std::max(high, std::clamp(value, -LargestCharted, LargestCharted));
        }
    const double step = NiceStep(high - low, 5, euro ? 0.01 : 1);
    low = std::floor(low / step) * step;
    high = std::max(std::ceil(high / step) * step, low + step);
    valueAxis_->setRange(low, high);
    valueAxis_->setTickInterval(step);
    valueAxis_->setLabelFormat(
        euro ? (step >= 1 ? QStringLiteral("%.0f €") : QStringLiteral("%.2f €"))
             : QStringLiteral("%.0f"));
}

// What a screen reader says of the chart: the figures' last, lowest and highest values. The
// table beneath holds every day.
void TBalanceHistory::Describe() {
    const ChartKind& kind =
        ChartKinds()[static_cast<std::size_t>(std::max(0, ChartChoice->currentIndex()))];
    const QString name = QStringLiteral("Diagramm: %1, %2")
                             .arg(ChartChoice->currentText(), RangeChoice->currentText());
    QString text = QStringLiteral("Noch kein Tag abgeschlossen.");
    if (!dayNumbers_.empty())
        text = FiguresSaid(kind.Euro);
    // The chart's drawing surface takes the focus in its place; it is told the same.
    for (QWidget* chart : {static_cast<QWidget*>(ChartView), ChartView->viewport()}) {
        chart->setAccessibleName(name);
        chart->setAccessibleDescription(text);
    }
}

QString TBalanceHistory::FiguresSaid(bool euro) const {
    QString text = QStringLiteral("Tag %1 bis %2.")
                       .arg(QLocale(QLocale::German).toString(dayNumbers_.front()),
                            QLocale(QLocale::German).toString(dayNumbers_.back()));
    const std::vector<Figure>& figures = Figures();
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const std::vector<double>& series = values_[i];
        const auto [low, high] = std::minmax_element(series.begin(), series.end());
        text += QStringLiteral(" %1: zuletzt %2, höchstens %3, mindestens %4.")
                    .arg(QString::fromUtf8(figures[i].Name), ValueText(series.back(), euro),
                         ValueText(*high, euro), ValueText(*low, euro));
    }
    return text + QStringLiteral(" Jeder Tag steht in der Tabelle darunter.");
}
