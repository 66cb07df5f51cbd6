#include "gui/dialogs/StatisticsDlg.h"

#include "core/editor/JournalStatsTexts.h"
#include "core/export/SafeFile.h"
#include "core/platform/TextEncoding.h"
#include "core/session/CQBKDoc.h"
#include "core/session/JournalUi.h"
#include "gui/platform/BackgroundWork.h"

#include <QAbstractButton>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {

QChartView* chartView(QChart* chart, const QString& name, QWidget* parent) {
    chart->legend()->hide();
    auto* view = new QChartView(chart, parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(420, 240);
    return view;
}

// A series over the months, on a scale from 0 to at least top.
void addSeries(QChart& chart, QAbstractSeries* series, const QStringList& months, long long top) {
    chart.addSeries(series);
    auto* monthAxis = new QBarCategoryAxis;
    monthAxis->append(months);
    chart.addAxis(monthAxis, Qt::AlignBottom);
    series->attachAxis(monthAxis);
    auto* scale = new QValueAxis;
    scale->setRange(0, static_cast<qreal>(std::max<long long>(top, 1)));
    scale->setLabelFormat(QStringLiteral("%d"));
    chart.addAxis(scale, Qt::AlignLeft);
    series->attachAxis(scale);
}

// Both charts' series and axes from the months counted.
void fillCharts(const JournalStats& stats, QChart& entries, QChart& words) {
    for (QChart* chart : {&entries, &words}) {
        chart->removeAllSeries();
        for (QAbstractAxis* axis : chart->axes())
            chart->removeAxis(axis);
    }
    QStringList months;
    auto* entrySet = new QBarSet(JournalStatsTexts::EntriesChartTitle());
    auto* wordLine = new QLineSeries;
    long long mostEntries = 0;
    long long mostWords = 0;
    for (const auto& [month, totals] : stats.perMonth) {
        months << JournalStatsTexts::MonthName(month.first, month.second);
        *entrySet << static_cast<qreal>(totals.entries);
        wordLine->append(static_cast<qreal>(months.size() - 1), static_cast<qreal>(totals.words));
        mostEntries = std::max(mostEntries, totals.entries);
        mostWords = std::max(mostWords, totals.words);
    }
    auto* bars = new QBarSeries;
    bars->append(entrySet);
    addSeries(entries, bars, months, mostEntries);
    addSeries(words, wordLine, months, mostWords);
}

} // namespace

StatisticsDlg::StatisticsDlg(CQBKDoc& doc, JournalUi& ui, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_ui(ui), m_allDays(new QCheckBox(tr("&All days"), this)),
      m_from(new QDateEdit(QDate::currentDate().addYears(-1), this)),
      m_to(new QDateEdit(QDate::currentDate(), this)), m_summary(new QFormLayout),
      m_table(new QTableWidget(this)), m_charts(new QWidget(this)), m_entriesChart(new QChart),
      m_wordsChart(new QChart) {
    setObjectName(QStringLiteral("statisticsDialog"));
    setWindowTitle(tr("Statistics"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_allDays->setObjectName(QStringLiteral("statsAllDays"));
    m_allDays->setChecked(true);
    for (QDateEdit* edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setMinimumDate(QDate(1753, 1, 1));
        edit->setEnabled(false);
    }
    auto* count = new QPushButton(tr("&Count"), this);
    count->setObjectName(QStringLiteral("statsCount"));
    auto* span = new QHBoxLayout;
    span->addWidget(m_allDays);
    auto* fromLabel = new QLabel(tr("&From"), this);
    fromLabel->setBuddy(m_from);
    auto* toLabel = new QLabel(tr("&To"), this);
    toLabel->setBuddy(m_to);
    span->addWidget(fromLabel);
    span->addWidget(m_from);
    span->addWidget(toLabel);
    span->addWidget(m_to);
    span->addWidget(count);
    span->addStretch();

    m_table->setObjectName(QStringLiteral("statsTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    if (auto* corner = m_table->findChild<QAbstractButton*>()) // Qt's, without a name
        corner->setAccessibleName(tr("Select all"));
    m_table->setTabKeyNavigation(false); // Tab leaves the table; arrows move within it
    m_table->setAccessibleName(tr("Statistics table"));
    m_entriesChart->setTitle(JournalStatsTexts::EntriesChartTitle());
    m_wordsChart->setTitle(JournalStatsTexts::WordsChartTitle());
    auto* charts = new QVBoxLayout(m_charts);
    charts->setContentsMargins(0, 0, 0, 0);
    charts->addWidget(chartView(m_entriesChart, QStringLiteral("entriesChart"), m_charts));
    charts->addWidget(chartView(m_wordsChart, QStringLiteral("wordsChart"), m_charts));

    auto* left = new QVBoxLayout;
    left->addLayout(m_summary);
    left->addWidget(m_table, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 2);
    body->addWidget(m_charts, 3);

    // A plain row: Qt's button box left Tab going round its two action buttons only.
    auto* saveCharts = new QPushButton(tr("Save C&harts..."), this);
    saveCharts->setObjectName(QStringLiteral("statsSaveCharts"));
    auto* saveTable = new QPushButton(tr("Save T&able..."), this);
    saveTable->setObjectName(QStringLiteral("statsSaveTable"));
    auto* close = new QPushButton(tr("&Close"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {saveCharts, saveTable})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(span);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    connect(m_allDays, &QCheckBox::toggled, this, [this](bool all) {
        m_from->setEnabled(!all);
        m_to->setEnabled(!all);
    });
    connect(count, &QPushButton::clicked, this, &StatisticsDlg::Recount);
    connect(saveCharts, &QPushButton::clicked, this, &StatisticsDlg::ChooseChartFile);
    connect(saveTable, &QPushButton::clicked, this, &StatisticsDlg::ChooseTableFile);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    resize(1000, 640);
}

StatisticsDlg* StatisticsDlg::Open(CQBKDoc& doc, JournalUi& ui, QWidget* parent) {
    auto* open = parent ? parent->findChild<StatisticsDlg*>() : nullptr;
    if (!open) {
        open = new StatisticsDlg(doc, ui, parent);
        open->show();
    }
    open->raise();
    open->activateWindow();
    open->Recount();
    return open;
}

StatsSpan StatisticsDlg::Span() const {
    if (m_allDays->isChecked())
        return {};
    return {m_from->date(), m_to->date()};
}

void StatisticsDlg::Recount() {
    const std::shared_ptr<BackgroundReader> reader = m_doc.OpenBackgroundReader();
    if (!reader)
        return;
    struct Outcome {
        JournalStats stats;
        std::optional<CppSQLite3Exception> error;
    };
    auto outcome = std::make_shared<Outcome>();
    const StatsSpan span = Span();
    const QDate today = QDate::currentDate();
    const QPointer<StatisticsDlg> self(this);
    CQBKDoc& doc = m_doc;
    BackgroundWork::Start(
        this, {tr("Statistics"), tr("Counting the entries..."), QStringLiteral("statsProgress")},
        [reader, outcome, span, today](BackgroundWork::Progress& progress) {
            try {
                outcome->stats =
                    ComputeJournalStats(reader->Reader(), span, today, &progress.CancelFlag(),
                                        [&progress](long long done, long long total) {
                                            progress.Tell(static_cast<std::size_t>(done),
                                                          static_cast<std::size_t>(total));
                                        });
            } catch (const CppSQLite3Exception& e) {
                outcome->error = e;
            }
        },
        [&doc, outcome, self](bool cancelled) {
            if (outcome->error)
                doc.ShowDatabaseError(*outcome->error);
            else if (self && !cancelled)
                self->Show(outcome->stats);
        });
}

void StatisticsDlg::Show(const JournalStats& stats) {
    m_stats = stats;
    while (m_summary->rowCount() > 0)
        m_summary->removeRow(0);
    for (const auto& [label, value] : JournalStatsTexts::Summary(stats)) {
        auto* shown = new QLabel(value, this);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_summary->addRow(label, shown);
    }
    const std::vector<QString> columns = JournalStatsTexts::MonthColumns();
    m_table->clear();
    m_table->setColumnCount(static_cast<int>(columns.size()));
    m_table->setRowCount(static_cast<int>(stats.perMonth.size()));
    for (int column = 0; column < static_cast<int>(columns.size()); ++column)
        m_table->setHorizontalHeaderItem(column, new QTableWidgetItem(columns[column]));
    const QLocale locale;
    int row = 0;
    for (const auto& [month, totals] : stats.perMonth) {
        const QString cells[] = {JournalStatsTexts::MonthName(month.first, month.second),
                                 locale.toString(totals.entries), locale.toString(totals.words),
                                 locale.toString(totals.characters)};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(row, column, item);
        }
        ++row;
    }
    m_table->resizeColumnsToContents();
    fillCharts(stats, *m_entriesChart, *m_wordsChart);
}

bool StatisticsDlg::Write(const QString& path, const std::function<bool(QIODevice&)>& write) {
    // The file dialog asked before replacing a file; a journal is never replaced.
    SafeFile file(path, OutputRule({QString::fromStdString(m_doc.Path())}, true));
    if (!file.open() || !write(file.device()) || !file.commit()) {
        m_ui.showError(textToStored(file.message()));
        return false;
    }
    return true;
}

bool StatisticsDlg::SaveCharts(const QString& path) {
    return Write(path, [this, &path](QIODevice& device) {
        if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
            QSvgGenerator svg;
            svg.setOutputDevice(&device);
            svg.setSize(m_charts->size());
            svg.setViewBox(QRect(QPoint(), m_charts->size()));
            svg.setTitle(windowTitle());
            QPainter painter(&svg);
            m_charts->render(&painter);
            return painter.end();
        }
        return m_charts->grab().save(&device, "PNG");
    });
}

bool StatisticsDlg::SaveTable(const QString& path) {
    const std::string tsv = m_stats ? JournalStatsTsv(*m_stats) : std::string();
    return Write(path, [&tsv](QIODevice& device) {
        return device.write(tsv.data(), static_cast<qint64>(tsv.size())) ==
               static_cast<qint64>(tsv.size());
    });
}

void StatisticsDlg::ChooseChartFile() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Charts"), QString(),
                                                      tr("PNG image (*.png);;SVG image (*.svg)"));
    if (!path.isEmpty())
        SaveCharts(path);
}

void StatisticsDlg::ChooseTableFile() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Table"), QString(),
                                                      tr("Tab-separated values (*.tsv)"));
    if (!path.isEmpty())
        SaveTable(path);
}
