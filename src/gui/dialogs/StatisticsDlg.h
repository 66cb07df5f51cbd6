#pragma once

#include "core/editor/JournalStats.h"

#include <QDialog>
#include <optional>

class CQBKDoc;
class JournalUi;
class QChart;
class QChartView;
class QCheckBox;
class QDateEdit;
class QFormLayout;
class QTableWidget;

// Tools > Statistics: what the journal holds over a span of days, as figures, a table per
// month and two charts (entries per month as bars, words per month as a line), each of which
// can be saved. The counting runs on a worker with its own connection.
class StatisticsDlg : public QDialog {
    Q_OBJECT

public:
    StatisticsDlg(CQBKDoc& doc, JournalUi& ui, QWidget* parent = nullptr);
    // Opens the window (one at a time) and starts counting.
    static StatisticsDlg* Open(CQBKDoc& doc, JournalUi& ui, QWidget* parent);

    // Counts again over the chosen span.
    void Recount();
    // Shows counted statistics (also what a test hands in).
    void Show(const JournalStats& stats);
    // Writes the charts as an image (.svg as SVG, anything else as PNG) or the table as TSV;
    // false when it failed (told).
    bool SaveCharts(const QString& path);
    bool SaveTable(const QString& path);

    QChart* entriesChart() const { return m_entriesChart; }
    QChart* wordsChart() const { return m_wordsChart; }
    QTableWidget* table() const { return m_table; }

private:
    void ChooseChartFile();
    void ChooseTableFile();
    StatsSpan Span() const;
    bool Write(const QString& path, const std::function<bool(QIODevice&)>& write);

    CQBKDoc& m_doc;
    JournalUi& m_ui;
    QCheckBox* m_allDays;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QFormLayout* m_summary;
    QTableWidget* m_table;
    QWidget* m_charts;
    QChart* m_entriesChart;
    QChart* m_wordsChart;
    std::optional<JournalStats> m_stats;
};
