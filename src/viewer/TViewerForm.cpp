#include "TViewerForm.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <ctime>
#include <string_view>

#include "CounterPlot.h"
#include "CvCatalogues.h"
#include "StatusBar.h"
#include "TabSeparated.h"

namespace {

constexpr int kDefaultWidth = 760;
constexpr int kDefaultHeight = 560;

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

QString ReadStatus(const std::string& message) {
    return QString::fromStdString(
        StatusText(CatalogueText(CvCatalogue::Status, kStatusRead), message, "", LocalNow()));
}

bool HasCounters(const ViewerPage& page) {
    for (const ViewerSection& section : page.Sections) {
        for (int r = 0; section.Records[r].Oid != nullptr; ++r) {
            if (IsCounterSyntax(section.Records[r].Syntax)) {
                return true;
            }
        }
    }
    return false;
}

QString Text(const std::vector<std::string>& row, std::size_t column) {
    return column < row.size() ? QString::fromStdString(row[column]) : QString();
}

}  // namespace

struct TViewerForm::Section {
    explicit Section(const ViewerSection& decl) : Decl(decl), Rates(decl) {}

    const ViewerSection& Decl;
    SectionRates Rates;
    QLabel* Caption = nullptr;
    QLabel* Note = nullptr;
    QTableWidget* Table = nullptr;
    std::vector<std::string> Keys;  // of the rows shown, in order
    std::vector<std::vector<std::string>> Rows;
    int Fitted = 0;  // 1: to values, 2: to rates as well
    bool Scalar() const { return Decl.ItemType == SVT_SV; }
    int RecordCount() const {
        int count = 0;
        while (Decl.Records[count].Oid != nullptr) {
            ++count;
        }
        return count;
    }
};

const std::vector<std::pair<QString, int>>& TViewerForm::Intervals() {
    static const std::vector<std::pair<QString, int>> intervals = {
        {"Off", 0},      {"2 s", 2000},   {"5 s", 5000},
        {"10 s", 10000}, {"30 s", 30000}, {"1 min", 60000}};
    return intervals;
}

TViewerForm::TViewerForm(const ViewerPage& page, const QString& deviceAddress, QWidget* parent)
    : QMainWindow(parent),
      RefreshButton(new QPushButton("Refresh")),
      IntervalCombo(new QComboBox),
      CopyButton(new QPushButton("Copy")),
      Status(new StatusBar(this)),
      FPage(page),
      FTimer(new QTimer(this)),
      FReader(page) {
    setObjectName("ViewerForm");
    setWindowTitle(QString::fromUtf8(page.Title) + ": " + deviceAddress);
    RefreshButton->setObjectName("RefreshButton");
    IntervalCombo->setObjectName("IntervalCombo");
    CopyButton->setObjectName("CopyButton");
    CopyButton->setShortcut(QKeySequence::Copy);
    Status->setObjectName("StatusBar");
    Status->AddPanel(0);
    setStatusBar(Status);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    auto* top = new QHBoxLayout;
    top->addWidget(RefreshButton);
    top->addWidget(new QLabel("Refresh every:"));
    top->addWidget(IntervalCombo);
    top->addWidget(CopyButton);
    top->addStretch();
    column->addLayout(top);
    auto* parts = new QSplitter(Qt::Vertical);
    parts->setChildrenCollapsible(false);
    column->addWidget(parts, 1);
    setCentralWidget(central);

    for (std::size_t s = 0; s < page.Sections.size(); ++s) {
        auto* box = new QWidget;
        BuildSection(page.Sections[s], static_cast<int>(s) + 1, box);
        parts->addWidget(box);
        parts->setStretchFactor(static_cast<int>(s), 3);
    }
    std::vector<int> sizes(FSections.size(), 3);
    if (!page.PlotColumns.empty() && !FSections.empty()) {
        const Section& first = *FSections.front();
        const std::vector<int>& counters = first.Rates.CounterRecords();
        QStringList labels;
        for (const char* oid : page.PlotColumns) {
            for (std::size_t c = 0; c < counters.size(); ++c) {
                if (std::string_view(first.Decl.Records[counters[c]].Oid) == oid) {
                    FPlotCounters.push_back(c);
                    labels << QString::fromUtf8(first.Decl.Records[counters[c]].Label);
                }
            }
        }
        Plot = new CounterPlot;
        Plot->setObjectName("CounterPlot");
        Plot->SetColumns(labels);
        parts->addWidget(Plot);
        parts->setStretchFactor(parts->count() - 1, 2);
        sizes.push_back(2);
        connect(first.Table, &QTableWidget::itemSelectionChanged, this, [this] { ShowPlot(); });
    }

    // Shares of the height: each section three, the plot two.
    for (int& size : sizes) {
        size *= 100;
    }
    parts->setSizes(QList<int>(sizes.begin(), sizes.end()));
    for (const auto& [text, ms] : Intervals()) {
        IntervalCombo->addItem(text, ms);
    }
    IntervalCombo->setCurrentText(HasCounters(page) ? "5 s" : "Off");
    const auto applyInterval = [this] {
        const int ms = IntervalCombo->currentData().toInt();
        if (ms == 0) {
            FTimer->stop();
        } else {
            FTimer->start(ms);
        }
    };
    applyInterval();
    connect(IntervalCombo, &QComboBox::currentIndexChanged, this, applyInterval);
    // A read still running when the time comes is not doubled.
    connect(FTimer, &QTimer::timeout, this, [this] { Refresh(); });
    connect(RefreshButton, &QPushButton::clicked, this, [this] { Refresh(); });
    connect(CopyButton, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(ClipboardText()); });

    resize(kDefaultWidth, kDefaultHeight);
    const QSettings settings(SettingsFile(), QSettings::IniFormat);
    restoreGeometry(settings.value(SettingsKey() + "/geometry").toByteArray());
    FClock.start();
    Refresh();
}

TViewerForm::~TViewerForm() = default;

void TViewerForm::BuildSection(const ViewerSection& decl, int number, QWidget* box) {
    auto section = std::make_unique<Section>(decl);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    section->Caption = new QLabel("<b>" + QString::fromUtf8(decl.Caption).toHtmlEscaped() + "</b>");
    section->Note = new QLabel;
    section->Note->setObjectName(QStringLiteral("Section%1Note").arg(number));
    section->Note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    section->Note->setWordWrap(true);
    section->Table = new QTableWidget;
    section->Table->setObjectName(QStringLiteral("Section%1").arg(number));
    section->Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    section->Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    section->Table->verticalHeader()->hide();
    section->Table->setWordWrap(false);
    section->Table->horizontalHeader()->setStretchLastSection(true);
    section->Table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QStringList headers;
    if (section->Scalar()) {
        headers = {"Name", "Value", "Rate"};
    } else {
        for (int r = 0; decl.Records[r].Oid != nullptr; ++r) {
            headers << QString::fromUtf8(decl.Records[r].Label);
            if (IsCounterSyntax(decl.Records[r].Syntax)) {
                headers << QString::fromUtf8(decl.Records[r].Label) + "/s";
            }
        }
    }
    section->Table->setColumnCount(static_cast<int>(headers.size()));
    section->Table->setHorizontalHeaderLabels(headers);
    if (section->Scalar()) {
        section->Table->setRowCount(section->RecordCount());
        for (int r = 0; r < section->RecordCount(); ++r) {
            section->Table->setItem(r, 0, new QTableWidgetItem(decl.Records[r].Label));
        }
    }
    section->Table->hide();
    layout->addWidget(section->Caption);
    layout->addWidget(section->Note);
    layout->addWidget(section->Table, 1);
    FSections.push_back(std::move(section));
}

QTableWidget* TViewerForm::SectionTable(int section) const {
    return FSections.at(static_cast<std::size_t>(section))->Table;
}

QString TViewerForm::SectionNote(int section) const {
    const Section& s = *FSections.at(static_cast<std::size_t>(section));
    return s.Table->isHidden() ? s.Note->text() : QString();
}

bool TViewerForm::Refresh() {
    return FReader.Start([this](const ViewerSnapshot& snapshot) { ReadDone(snapshot); });
}

void TViewerForm::ReadDone(const ViewerSnapshot& snapshot) {
    QString failure;
    bool everyUnsupported = !FSections.empty();
    const QString unsupported =
        "This device does not support " + QString::fromUtf8(FPage.GroupText) + ".";
    for (std::size_t s = 0; s < FSections.size() && s < snapshot.Sections.size(); ++s) {
        Section& section = *FSections[s];
        const ViewerSectionData& data = snapshot.Sections[s];
        everyUnsupported = everyUnsupported && data.Status == ViewerSectionData::State::Unsupported;
        switch (data.Status) {
            case ViewerSectionData::State::Rows: {
                const std::vector<std::vector<CounterRate>> rates =
                    section.Rates.Update(data.Rows, snapshot.UpTimeKnown, snapshot.UpTime);
                section.Rows = data.Rows;
                ShowRows(section, data);
                ShowRates(section, rates);
                FitColumns(section, rates);
                if (&section == FSections.front().get()) {
                    RecordPlot(section, rates);
                }
                break;
            }
            case ViewerSectionData::State::Empty:
                section.Rates.Update({}, false, 0);
                section.Rows.clear();
                section.Keys.clear();
                ShowNote(section, "No entries.");
                break;
            case ViewerSectionData::State::Unsupported:
                section.Rates.Update({}, false, 0);
                section.Rows.clear();
                section.Keys.clear();
                ShowNote(section, unsupported);
                break;
            case ViewerSectionData::State::Failed:
                // What was shown stays; the status line tells why it is old.
                if (failure.isEmpty()) {
                    failure = QString::fromStdString(data.Failure);
                }
                if (section.Rows.empty()) {
                    ShowNote(section, QString::fromStdString(data.Failure));
                }
                break;
        }
    }
    ShowPlot();
    QString status;
    if (!failure.isEmpty()) {
        status = ReadStatus(failure.toStdString());
    } else if (everyUnsupported) {
        status = unsupported;
    } else {
        status = ReadStatus(CodeMessage(kOk));
    }
    SetStatus(status);
    ++FReadsDone;
    if (OnReadDone) {
        OnReadDone(!failure.isEmpty(), failure.isEmpty() ? status : failure);
    }
}

void TViewerForm::ShowRows(Section& section, const ViewerSectionData& data) {
    QTableWidget* table = section.Table;
    if (section.Scalar()) {
        const std::vector<std::string> none;
        const std::vector<std::string>& values = data.Rows.empty() ? none : data.Rows.front();
        for (int r = 0; r < section.RecordCount(); ++r) {
            table->setItem(r, 1, new QTableWidgetItem(Text(values, static_cast<std::size_t>(r))));
            table->setItem(r, 2, new QTableWidgetItem);
        }
    } else {
        const std::string selected = SelectedKey(section);
        table->clearSelection();
        table->setRowCount(static_cast<int>(data.Rows.size()));
        section.Keys.clear();
        for (std::size_t r = 0; r < data.Rows.size(); ++r) {
            const std::vector<std::string>& row = data.Rows[r];
            section.Keys.push_back(section.Rates.RowKey(row));
            int col = 0;
            for (int k = 0; k < section.RecordCount(); ++k) {
                const auto item = static_cast<int>(r);
                table->setItem(item, col++, new QTableWidgetItem(Text(row, k)));
                if (IsCounterSyntax(section.Decl.Records[k].Syntax)) {
                    table->setItem(item, col++, new QTableWidgetItem);
                }
            }
        }
        // The same row stays selected though rows came or went.
        for (std::size_t r = 0; r < section.Keys.size(); ++r) {
            if (!selected.empty() && section.Keys[r] == selected) {
                table->selectRow(static_cast<int>(r));
            }
        }
    }
    // The plot starts with the first row rather than an empty picture.
    if (Plot != nullptr && &section == FSections.front().get() &&
        table->selectedRanges().isEmpty() && table->rowCount() > 0) {
        table->selectRow(0);
    }
    section.Note->clear();
    section.Note->hide();
    table->show();
}

// To the first values, and again to the first rates; later widths are the user's.
void TViewerForm::FitColumns(Section& section, const std::vector<std::vector<CounterRate>>& rates) {
    bool anyRate = false;
    for (const std::vector<CounterRate>& row : rates) {
        for (const CounterRate& rate : row) {
            anyRate = anyRate || rate.State != CounterRate::Kind::Unknown;
        }
    }
    if (section.Fitted == 0 || (section.Fitted == 1 && anyRate)) {
        section.Fitted = anyRate ? 2 : 1;
        section.Table->resizeColumnsToContents();
    }
}

void TViewerForm::ShowRates(Section& section, const std::vector<std::vector<CounterRate>>& rates) {
    const std::vector<int>& counters = section.Rates.CounterRecords();
    for (std::size_t r = 0; r < rates.size(); ++r) {
        for (std::size_t c = 0; c < counters.size(); ++c) {
            // A scalar's rate is its row's third column; a table's stands right of its counter.
            const int row = section.Scalar() ? counters[c] : static_cast<int>(r);
            const int col = section.Scalar() ? 2 : counters[c] + static_cast<int>(c) + 1;
            auto* item = new QTableWidgetItem(RateText(rates[r][c]));
            if (rates[r][c].State == CounterRate::Kind::Discontinuity) {
                item->setToolTip(
                    "The counter was reset or the device restarted since the read before.");
            }
            section.Table->setItem(row, col, item);
        }
    }
}

void TViewerForm::ShowNote(Section& section, const QString& note) {
    section.Table->hide();
    section.Table->setRowCount(section.Scalar() ? section.Table->rowCount() : 0);
    section.Note->setText(note);
    section.Note->show();
}

void TViewerForm::RecordPlot(const Section& section,
                             const std::vector<std::vector<CounterRate>>& rates) {
    if (Plot == nullptr) {
        return;
    }
    const std::int64_t now = FClock.elapsed();
    for (std::size_t r = 0; r < rates.size() && r < section.Keys.size(); ++r) {
        std::vector<CounterRate> plotted;
        for (const std::size_t c : FPlotCounters) {
            plotted.push_back(rates[r][c]);
        }
        FHistory.Add(section.Keys[r], now, plotted);
    }
}

void TViewerForm::ShowPlot() {
    if (Plot == nullptr) {
        return;
    }
    const Section& section = *FSections.front();
    const std::string key = SelectedKey(section);
    QString name;
    const int line = section.Table->currentRow();
    if (!key.empty() && line >= 0 && static_cast<std::size_t>(line) < section.Rows.size()) {
        const std::vector<std::string>& row = section.Rows[static_cast<std::size_t>(line)];
        // The interface's own name where the page reads one, else its index.
        for (int r = section.Decl.KeyCount; r < section.RecordCount(); ++r) {
            if (!IsCounterSyntax(section.Decl.Records[r].Syntax)) {
                name = Text(row, static_cast<std::size_t>(r));
                break;
            }
        }
        if (name.isEmpty()) {
            name = QString::fromUtf8(section.Decl.Records[0].Label) + " " + Text(row, 0);
        }
    }
    Plot->ShowRow(&FHistory, key, name, FClock.elapsed());
}

std::string TViewerForm::SelectedKey(const Section& section) const {
    const QList<QTableWidgetSelectionRange> ranges = section.Table->selectedRanges();
    if (ranges.isEmpty() || section.Scalar()) {
        return {};
    }
    const auto line = static_cast<std::size_t>(ranges.front().topRow());
    return line < section.Keys.size() ? section.Keys[line] : std::string();
}

QString TViewerForm::ClipboardText() const {
    QString text;
    for (const auto& section : FSections) {
        if (!text.isEmpty()) {
            text += '\n';
        }
        text += QString::fromUtf8(section->Decl.Caption) + '\n';
        const QTableWidget* table = section->Table;
        if (table->isHidden()) {
            text += section->Note->text() + '\n';
            continue;
        }
        QStringList captions;
        for (int c = 0; c < table->columnCount(); ++c) {
            captions << table->horizontalHeaderItem(c)->text();
        }
        std::vector<int> lines;
        for (const QTableWidgetSelectionRange& range : table->selectedRanges()) {
            for (int line = range.topRow(); line <= range.bottomRow(); ++line) {
                lines.push_back(line);
            }
        }
        std::sort(lines.begin(), lines.end());
        if (lines.empty()) {
            for (int line = 0; line < table->rowCount(); ++line) {
                lines.push_back(line);
            }
        }
        QList<QStringList> rows;
        for (const int line : lines) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c) {
                const QTableWidgetItem* item = table->item(line, c);
                cells << (item != nullptr ? item->text() : QString());
            }
            rows << cells;
        }
        text += TabSeparatedLines(captions, rows);
    }
    return text;
}

QString TViewerForm::SettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/windows.ini";
}

QString TViewerForm::SettingsKey() const {
    // "/TMIB_IFTable" -> "MIB_IFTable"
    return QString::fromUtf8(FPage.Argument).mid(2);
}

void TViewerForm::closeEvent(QCloseEvent* event) {
    FTimer->stop();
    QSettings settings(SettingsFile(), QSettings::IniFormat);
    settings.setValue(SettingsKey() + "/geometry", saveGeometry());
    QMainWindow::closeEvent(event);
}

void TViewerForm::SetStatus(const QString& text) {
    Status->Panel(0)->setText(text);
}
