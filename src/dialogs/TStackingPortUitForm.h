#pragma once

#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class CheckBox;
class QTabWidget;

// Front ports of a switch model; 0 for a model this module does not know.
int PortCountOfModel(const QString& modelName);

// The check-box positions a grid of `unitPages` pages binds to a port list:
// "0,1,…,63" for one page, bit i of the list being check box i.
std::string PortBitPositions(int unitPages);

// A page of numbered check boxes per stack unit that edits one port list:
// check box i stands for port i mod 64 + 1 of unit i div 64 + 1.
class TStackingPortUitForm : public QWidget {
public:
    static constexpr int kPortsPerUnit = 64;
    static constexpr int kClientWidth = 543;
    static constexpr int kClientHeight = 252;

    explicit TStackingPortUitForm(QWidget* parent = nullptr);

    // A hidden-tab page of `count` invisible check boxes in `columns`
    // columns (10 whenever "DeviceInfo.ini" is in the current folder).
    void AddUnitPage(const QString& caption, int firstPort, int count, int columns);
    // Shows page `unitText` with the model in its caption and the first
    // `portCount` check boxes of `unit`. A bad unit text changes nothing.
    void ShowUnitPorts(const QString& unitText, const QString& modelName, int unit, int portCount);
    void UncheckAll();
    // Empties both lists; the check boxes go with the grid.
    void ClearLists();

    // Host order for BindBits.
    std::vector<QWidget*> CheckBoxWidgets() const;

    QTabWidget* UnitPageControl;
    std::vector<CheckBox*> PortCheckBoxes;
    std::vector<QWidget*> UnitPages;
};
