#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CounterHistory.h"
#include "SectionRates.h"
#include "ViewerReader.h"

class CounterPlot;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;
class StatusBar;

// The window of one viewer page: each section as a table (a scalar group as
// rows of name, value and rate), counters with their rates since the read
// before, a plot of the selected interface's traffic where the page has one,
// and the outcome of the last read in status panel 0.
class TViewerForm : public QMainWindow {
public:
    // The intervals offered, in milliseconds (0: no timed reads).
    static const std::vector<std::pair<QString, int>>& Intervals();

    // Starts the first read at once.
    TViewerForm(const ViewerPage& page, const QString& deviceAddress, QWidget* parent = nullptr);
    ~TViewerForm() override;

    QPushButton* RefreshButton;
    QComboBox* IntervalCombo;
    QPushButton* CopyButton;
    StatusBar* Status;
    CounterPlot* Plot = nullptr;  // only on pages with plotted columns

    // Starts a read; false (nothing started) while one runs.
    bool Refresh();
    bool Reading() const { return FReader.Busy(); }
    int ReadsDone() const { return FReadsDone; }
    // After every read: whether it failed, and the engine's message when it
    // did, else the status text.
    std::function<void(bool failed, const QString& message)> OnReadDone;

    int SectionCount() const { return static_cast<int>(FSections.size()); }
    QTableWidget* SectionTable(int section) const;
    // The text shown instead of the section's table ("No entries."); empty
    // while the table is shown.
    QString SectionNote(int section) const;

    // The shown sections for the clipboard: each section's caption, then its
    // selected lines (every line when none is selected) TAB-separated with
    // the column captions first, or the text shown instead of the table.
    QString ClipboardText() const;

    // Where window sizes are kept, per page.
    static QString SettingsFile();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Section;
    void BuildSection(const ViewerSection& decl, int number, QWidget* box);
    void ReadDone(const ViewerSnapshot& snapshot);
    void ShowRows(Section& section, const ViewerSectionData& data);
    void ShowRates(Section& section, const std::vector<std::vector<CounterRate>>& rates);
    void ShowNote(Section& section, const QString& note);
    void FitColumns(Section& section, const std::vector<std::vector<CounterRate>>& rates);
    void RecordPlot(const Section& section, const std::vector<std::vector<CounterRate>>& rates);
    void ShowPlot();
    std::string SelectedKey(const Section& section) const;
    QString SettingsKey() const;
    void SetStatus(const QString& text);

    const ViewerPage& FPage;
    QTimer* FTimer;
    std::vector<std::unique_ptr<Section>> FSections;
    std::vector<std::size_t> FPlotCounters;  // counter slots of the first section plotted
    CounterHistory FHistory;
    QElapsedTimer FClock;
    int FReadsDone = 0;
    ViewerReader FReader;  // last: ends before the window's parts go
};
