// The window of a table dialog, built from its declaration: lists, edit
// area, port grids and check-box pages, button column and message output.
#include "TTableDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "ListView.h"
#include "RadioGroup.h"
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
    Grids.assign(Decl.Grids.size(), nullptr);
    auto* left = new QVBoxLayout;
    for (std::size_t k = 0; k < Decl.Requests.size(); ++k) {
        const TRequestDecl& request = Decl.Requests[k];
        ListView* list = nullptr;
        if (request.ListName != nullptr) {
            list = new ListView(this);
            list->setObjectName(request.ListName);
            list->setVisible(request.ListVisible);
            if (request.ListVisible) {
                left->addWidget(list, 1);
            }
        }
        FLists.push_back(list);
    }
    List = FLists.empty() ? nullptr : FLists[0];
    left->addWidget(BuildFields());
    bool gridsShown = false;
    for (std::size_t g = 0; g < Decl.Grids.size(); ++g) {
        if (Decl.Grids[g].Hidden) {
            NewGrid(g, this)->hide();
        } else {
            gridsShown = true;
        }
    }
    if (Decl.GridsBox != nullptr) {
        left->addWidget(BuildGridBoxes(), 1);
    } else if (gridsShown || !Decl.Bits.empty()) {
        PageControl = new QTabWidget(this);
        PageControl->setObjectName("PageControl1");
        BuildPages();
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
        Memo->setObjectName(Decl.MemoName);
        Memo->setReadOnly(true);
        Memo->setFixedHeight(kMemoHeight);
        layout->addWidget(Memo);
    }

    if (List == nullptr) {
        return;
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
    FButtonPanel = panel;
    panel->setObjectName("Panel1");
    panel->setFixedWidth(kButtonColumnWidth);
    auto* column = new QVBoxLayout(panel);
    if (Decl.CountName != nullptr) {
        RowCountText = new StaticText(panel);
        RowCountText->setObjectName(Decl.CountName);
        RowCountText->setAlignment(Qt::AlignCenter);
        column->addWidget(RowCountText);
        if (Decl.CountLabelName != nullptr) {
            auto* samples = new QLabel("Samples", panel);
            samples->setObjectName(Decl.CountLabelName);
            samples->setAlignment(Qt::AlignCenter);
            column->addWidget(samples);
        }
    }
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
                case TDialogAction::Own:
                    break;  // the dialog wires it
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
    // Label, control and, where the dialog asks whether to write it, a check box.
    bool sendBoxes = false;
    for (const TDialogField& field : Decl.Fields) {
        sendBoxes = sendBoxes || field.SendBox != nullptr;
    }
    const int stride = sendBoxes ? 3 : 2;
    int slot = 0;
    for (const TDialogField& field : Decl.Fields) {
        QWidget* control = nullptr;
        switch (field.Kind) {
            case TFieldKind::Edit: {
                auto* edit = new Edit(area);
                edit->setReadOnly(field.ReadOnly);
                control = edit;
                break;
            }
            case TFieldKind::Combo: {
                auto* combo = new ComboBox(area);
                for (const char* item : field.Items) {
                    combo->addItem(item);
                }
                control = combo;
                break;
            }
            case TFieldKind::Static:
                control = new StaticText(area);
                break;
            case TFieldKind::Check:
                control = new CheckBox(field.Label, area);
                break;
            case TFieldKind::Radio:
                control = new RadioGroup(field.Label, area);
                break;
            case TFieldKind::Option:
                control = new QRadioButton(field.Label, area);
                break;
        }
        control->setObjectName(field.Name);
        if (!field.Visible) {
            control->hide();
            continue;
        }
        // Two label/control pairs to a row.
        // Check boxes and radio buttons carry their own caption.
        const int row = slot / 2;
        const int column = (slot % 2) * stride;
        if (field.Kind != TFieldKind::Check && field.Kind != TFieldKind::Radio &&
            field.Kind != TFieldKind::Option) {
            auto* label = new QLabel(field.Label, area);
            label->setBuddy(control);
            grid->addWidget(label, row, column);
        }
        grid->addWidget(control, row, column + 1);
        if (field.SendBox != nullptr) {
            auto* send = new CheckBox(QString(), area);
            send->setObjectName(field.SendBox);
            send->setAccessibleName(QString("Write ") + field.Label);
            send->setToolTip("Write this field");
            grid->addWidget(send, row, column + 2);
        }
        ++slot;
    }
    const int row = (slot + 1) / 2;
    for (std::size_t k = 0; k < Decl.Notes.size(); ++k) {
        grid->addWidget(new QLabel(Decl.Notes[k], area), row + static_cast<int>(k), 0, 1,
                        2 * stride);
    }
    // Spare height stays below the fields.
    grid->setRowStretch(row + static_cast<int>(Decl.Notes.size()), 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(1 + stride, 1);
    return area;
}

TStackingPortUitForm* TTableDialog::NewGrid(std::size_t g, QWidget* parent) {
    const TGridPage& page = Decl.Grids[g];
    auto* grid = new TStackingPortUitForm(parent);
    grid->setObjectName(page.Grid);
    for (int unit = 1; unit <= page.Units; ++unit) {
        grid->AddUnitPage(QString("Unit%1").arg(unit),
                          (unit - 1) * TStackingPortUitForm::kPortsPerUnit + 1,
                          TStackingPortUitForm::kPortsPerUnit, 12);
    }
    grid->ShowUnitPorts("1", kModel, 1, PortCountOfModel(kModel));
    grid->setEnabled(!page.ReadOnly);
    Grids[g] = grid;
    return grid;
}

void TTableDialog::BuildPages() {
    for (std::size_t g = 0; g < Decl.Grids.size(); ++g) {
        const TGridPage& page = Decl.Grids[g];
        if (page.Hidden) {
            continue;
        }
        auto* sheet = new QWidget;
        sheet->setObjectName(page.Sheet);
        auto* box = new QScrollArea(sheet);
        box->setObjectName(page.Box);
        box->setWidgetResizable(true);
        auto* fill = new QVBoxLayout(sheet);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(box);
        box->setWidget(NewGrid(g, nullptr));
        PageControl->addTab(sheet, page.Caption);
    }
    for (const TBitsPage& page : Decl.Bits) {
        BuildBitsPage(page);
    }
}

void TTableDialog::BuildBitsPage(const TBitsPage& page) {
    auto* sheet = new QWidget;
    sheet->setObjectName(page.Sheet);
    auto* boxes = new QGridLayout(sheet);
    for (int b = 0; b < 8; ++b) {
        auto* box = new CheckBox(page.Captions[b], sheet);
        box->setObjectName(QString("CheckBox%1").arg(page.FirstBox + b));
        boxes->addWidget(box, b % 4, b / 4);
    }
    const int tab = PageControl->addTab(sheet, page.Caption);
    PageControl->setTabVisible(tab, page.TabVisible);
}

QWidget* TTableDialog::BuildGridBoxes() {
    auto* area = new QGroupBox(this);
    area->setObjectName(Decl.GridsBox);
    auto* row = new QVBoxLayout(area);
    for (std::size_t g = 0; g < Decl.Grids.size(); ++g) {
        const TGridPage& page = Decl.Grids[g];
        if (page.Hidden) {
            continue;
        }
        auto* frame = new QGroupBox(page.Caption, area);
        frame->setObjectName(page.Sheet);
        auto* box = new QScrollArea(frame);
        box->setObjectName(page.Box);
        box->setWidgetResizable(true);
        auto* fill = new QVBoxLayout(frame);
        fill->addWidget(box);
        box->setWidget(NewGrid(g, nullptr));
        row->addWidget(frame);
    }
    return area;
}
