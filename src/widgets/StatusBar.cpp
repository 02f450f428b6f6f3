#include "StatusBar.h"

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent), FSimpleText(new QLabel(this)) {
    setSizeGripEnabled(false);
    addWidget(FSimpleText, 1);
    FSimpleText->hide();
}

QLabel* StatusBar::AddPanel(int width) {
    auto* panel = new QLabel(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (width > 0) {
        panel->setFixedWidth(width);
    }
    addWidget(panel, width > 0 ? 0 : 1);
    panel->setVisible(!FSimple);
    FPanels.push_back(panel);
    return panel;
}

QLabel* StatusBar::Panel(int index) const {
    return index >= 0 && index < PanelCount() ? FPanels[static_cast<std::size_t>(index)] : nullptr;
}

void StatusBar::SetSimplePanel(bool simple) {
    FSimple = simple;
    FSimpleText->setVisible(simple);
    for (QLabel* panel : FPanels) {
        panel->setVisible(!simple);
    }
}

void StatusBar::SetSimpleText(const QString& text) {
    FSimpleText->setText(text);
}
