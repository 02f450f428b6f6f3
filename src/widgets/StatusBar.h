#pragma once

#include <QLabel>
#include <QStatusBar>

#include <vector>

// A status bar of indexed panels, or one simple text across the whole bar.
class StatusBar : public QStatusBar {
public:
    explicit StatusBar(QWidget* parent = nullptr);

    // Appends a panel of `width` pixels (0: it takes the room left).
    QLabel* AddPanel(int width);
    int PanelCount() const { return static_cast<int>(FPanels.size()); }
    QLabel* Panel(int index) const;

    void SetSimplePanel(bool simple);
    bool SimplePanel() const { return FSimple; }
    void SetSimpleText(const QString& text);
    QString SimpleText() const { return FSimpleText->text(); }

private:
    std::vector<QLabel*> FPanels;
    QLabel* FSimpleText;
    bool FSimple = false;
};
