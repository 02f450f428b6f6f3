// The window of a table dialog, built from its declaration: list, edit
// area, port-grid pages, button column and message output.
#include "TTableDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ComboBox.h"
#include "Edit.h"
#include "ListView.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TStackingPortUitForm.h"

namespace {

constexpr int kButtonColumnWidth = 96;
constexpr int kMemoHeight = 72;

// Every grid of the dialogs offers the first unit of the default model.
const char kModel[] = "Vanta-A";

}  // namespace

void TTableDialog::BuildWindow() {
    auto* left = new QVBoxLayout;
    List = new ListView(this);
    List->setObjectName(Decl.ListName);
    left->addWidget(List, 1);
    left->addWidget(BuildFields());
    if (!Decl.Grids.empty()) {
        PageControl = new QTabWidget(this);
        PageControl->setObjectName("PageControl1");
        BuildGrids();
        left->addWidget(PageControl, 1);
    }
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(BuildButtons());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    if (Decl.StatusBarOutput) {
        Status = new StatusBar(this);
        Status->setObjectName("StatusBar1");
        Status->AddPanel(0);
        layout->addWidget(Status);
    } else {
        Memo = new QPlainTextEdit(this);
        Memo->setObjectName("Memo1");
        Memo->setReadOnly(true);
        Memo->setFixedHeight(kMemoHeight);
        layout->addWidget(Memo);
    }

    List->viewport()->installEventFilter(this);
    connect(List, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (List->SelectedLine() >= 0) {
            ListClick();
        }
    });
    QAbstractItemModel* rows = List->model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, [this] { CountRows(); });
    connect(rows, &QAbstractItemModel::rowsRemoved, this, [this] { CountRows(); });
    connect(rows, &QAbstractItemModel::modelReset, this, [this] { CountRows(); });
}

QWidget* TTableDialog::BuildButtons() {
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFixedWidth(kButtonColumnWidth);
    auto* column = new QVBoxLayout(panel);
    RowCountText = new StaticText(panel);
    RowCountText->setObjectName("ST_Count2");
    RowCountText->setAlignment(Qt::AlignCenter);
    column->addWidget(RowCountText);
    auto* samples = new QLabel("Samples", panel);
    samples->setObjectName("Label11");
    samples->setAlignment(Qt::AlignCenter);
    column->addWidget(samples);
    for (const TDialogButton& entry : Decl.Buttons) {
        auto* button = new QPushButton(entry.Caption, panel);
        button->setObjectName(entry.Name);
        button->setVisible(entry.Visible);
        column->addWidget(button);
        const TDialogAction action = entry.Action;
        connect(button, &QPushButton::clicked, this, [this, action] {
            switch (action) {
                case TDialogAction::Refresh:
                    RefreshBtnClick();
                    break;
                case TDialogAction::Set:
                    SetBtnClick();
                    break;
                case TDialogAction::Add:
                    AddBtnClick();
                    break;
                case TDialogAction::Delete:
                    DeleteBtnClick();
                    break;
                case TDialogAction::Close:
                    close();
                    break;
            }
        });
    }
    column->addStretch(1);
    return panel;
}

QWidget* TTableDialog::BuildFields() {
    QWidget* area = Decl.FieldsBox != nullptr ? new QGroupBox(this) : new QWidget(this);
    if (Decl.FieldsBox != nullptr) {
        area->setObjectName(Decl.FieldsBox);
    }
    auto* grid = new QGridLayout(area);
    int slot = 0;
    for (const TDialogField& field : Decl.Fields) {
        QWidget* control = nullptr;
        switch (field.Kind) {
            case TFieldKind::Edit:
                control = new Edit(area);
                break;
            case TFieldKind::Combo:
                control = new ComboBox(area);
                break;
            case TFieldKind::Static:
                control = new StaticText(area);
                break;
        }
        control->setObjectName(field.Name);
        auto* label = new QLabel(field.Label, area);
        label->setBuddy(control);
        // Two label/control pairs to a row.
        grid->addWidget(label, slot / 2, (slot % 2) * 2);
        grid->addWidget(control, slot / 2, (slot % 2) * 2 + 1);
        ++slot;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return area;
}

void TTableDialog::BuildGrids() {
    for (const TGridPage& page : Decl.Grids) {
        auto* sheet = new QWidget;
        sheet->setObjectName(page.Sheet);
        auto* box = new QScrollArea(sheet);
        box->setObjectName(page.Box);
        box->setWidgetResizable(true);
        auto* fill = new QVBoxLayout(sheet);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(box);
        auto* grid = new TStackingPortUitForm;
        grid->setObjectName(page.Grid);
        grid->AddUnitPage("Unit1", 1, TStackingPortUitForm::kPortsPerUnit, 12);
        grid->ShowUnitPorts("1", kModel, 1, PortCountOfModel(kModel));
        box->setWidget(grid);
        PageControl->addTab(sheet, page.Caption);
        Grids.push_back(grid);
    }
}
