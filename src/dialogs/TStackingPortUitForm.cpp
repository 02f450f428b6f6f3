#include "TStackingPortUitForm.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "CheckBox.h"

int PortCountOfModel(const QString& modelName) {
    if (modelName == "Vanta-A" || modelName == "Vanta-AP") {
        return 26;
    }
    if (modelName == "Vanta-B") {
        return 27;
    }
    if (modelName == "Vanta-C") {
        return 50;
    }
    return 0;
}

std::string PortBitPositions(int unitPages) {
    std::string positions;
    for (int bit = 0; bit < unitPages * TStackingPortUitForm::kPortsPerUnit; ++bit) {
        if (bit > 0) {
            positions += ',';
        }
        positions += std::to_string(bit);
    }
    return positions;
}

TStackingPortUitForm::TStackingPortUitForm(QWidget* parent)
    : QWidget(parent), UnitPageControl(new QTabWidget(this)) {
    setObjectName("StackingPortUitForm");
    UnitPageControl->setObjectName("UnitPageControl");
    UnitPageControl->tabBar()->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(UnitPageControl);
    resize(kClientWidth, kClientHeight);
}

void TStackingPortUitForm::AddUnitPage(const QString& caption, int firstPort, int count,
                                       int columns) {
    // Installations with a device description lay the ports out ten to a row.
    if (QFileInfo::exists("DeviceInfo.ini")) {
        columns = 10;
    }
    auto* scrollBox = new QScrollArea;
    auto* ports = new QWidget;
    scrollBox->setWidget(ports);
    scrollBox->setWidgetResizable(false);
    UnitPages.push_back(scrollBox);
    UnitPageControl->addTab(scrollBox, caption);

    int right = 0;
    int bottom = 0;
    for (int i = 0; i < count; ++i) {
        auto* box = new CheckBox(QString::number(firstPort + i), ports);
        const int f = QFontInfo(box->font()).pointSize();
        const int column = i % columns;
        const int row = i / columns;
        const int height = box->sizeHint().height();
        box->setGeometry(column * 5 * f + 20, row * height + 4,
                         static_cast<int>(box->text().size()) * f + 3 * f, height);
        box->hide();
        right = std::max(right, box->geometry().right() + 1);
        bottom = std::max(bottom, box->geometry().bottom() + 1);
        PortCheckBoxes.push_back(box);
    }
    ports->resize(right + 4, bottom + 4);
}

void TStackingPortUitForm::ShowUnitPorts(const QString& unitText, const QString& modelName,
                                         int unit, int portCount) {
    bool number = false;
    const int page = unitText.toInt(&number) - 1;
    if (!number || page < 0 || page >= static_cast<int>(UnitPages.size())) {
        return;
    }
    UnitPageControl->setTabText(page, UnitPageControl->tabText(page) + " " + modelName);
    UnitPageControl->setCurrentIndex(page);
    const int first = (unit - 1) * kPortsPerUnit;
    for (int i = first; i < first + portCount; ++i) {
        if (i >= 0 && i < static_cast<int>(PortCheckBoxes.size())) {
            PortCheckBoxes[static_cast<std::size_t>(i)]->show();
        }
    }
}

void TStackingPortUitForm::UncheckAll() {
    for (CheckBox* box : PortCheckBoxes) {
        box->setChecked(false);
    }
}

void TStackingPortUitForm::ClearLists() {
    PortCheckBoxes.clear();
    UnitPages.clear();
}

std::vector<QWidget*> TStackingPortUitForm::CheckBoxWidgets() const {
    return {PortCheckBoxes.begin(), PortCheckBoxes.end()};
}
