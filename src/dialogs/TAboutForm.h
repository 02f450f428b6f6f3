#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The module's name and release.
class TAboutForm : public QDialog {
public:
    static constexpr int kClientWidth = 323;
    static constexpr int kClientHeight = 105;

    explicit TAboutForm(QWidget* owner);

    QLabel* ImageVantaA;
    QLabel* ImageVantaB;
    QLabel* ImageVantaC;
    QLabel* ImageVantaAP;
    QLabel* AboutLabel;
    QLabel* VersionLabel;
    QPushButton* BT_Ok;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormActivate();
};
