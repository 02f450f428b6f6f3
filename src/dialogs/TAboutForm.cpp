#include "TAboutForm.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "TSNMPPanel.h"

namespace {

// Ctrl+Shift+F12 on OK shows the full build.
constexpr Qt::KeyboardModifiers kBuildKeys = Qt::ControlModifier | Qt::ShiftModifier;
constexpr int kBuildKey = Qt::Key_F12;

// A 32 x 32 badge of a model.
QLabel* ModelPicture(QWidget* owner, const char* name, const QString& mark) {
    QPixmap picture(32, 32);
    picture.fill(QColor(0x1f, 0x4e, 0x79));
    QPainter painter(&picture);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, mark);
    painter.end();
    auto* label = new QLabel(owner);
    label->setObjectName(name);
    label->setFixedSize(32, 32);
    label->setPixmap(picture);
    return label;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      ImageVantaA(ModelPicture(this, "ImageVantaA", "A")),
      ImageVantaB(ModelPicture(this, "ImageVantaB", "B")),
      ImageVantaC(ModelPicture(this, "ImageVantaC", "C")),
      ImageVantaAP(ModelPicture(this, "ImageVantaAP", "AP")),
      AboutLabel(new QLabel(this)),
      VersionLabel(new QLabel("Release Version 1.20(Build 2006/05/23)", this)),
      BT_Ok(new QPushButton("OK", this)) {
    setObjectName("AboutForm");
    AboutLabel->setObjectName("AboutLabel");
    QFont bold = AboutLabel->font();
    bold.setBold(true);
    AboutLabel->setFont(bold);
    VersionLabel->setObjectName("VersionLabel");
    BT_Ok->setObjectName("BT_Ok");
    BT_Ok->setDefault(true);
    connect(BT_Ok, &QPushButton::clicked, this, &QDialog::accept);
    BT_Ok->installEventFilter(this);

    auto* layout = new QGridLayout(this);
    for (QLabel* picture : {ImageVantaA, ImageVantaB, ImageVantaC, ImageVantaAP}) {
        layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    }
    layout->addWidget(AboutLabel, 0, 1);
    layout->addWidget(VersionLabel, 1, 1);
    layout->addWidget(BT_Ok, 2, 1, Qt::AlignRight);
    setFixedSize(kClientWidth, kClientHeight);
    FormActivate();
}

void TAboutForm::FormActivate() {
    ImageVantaA->show();
    for (QLabel* other : {ImageVantaB, ImageVantaC, ImageVantaAP}) {
        other->hide();
    }
    AboutLabel->setText("Corvane Vanta-A Management Module");
    setWindowTitle("About Vanta-A Module");
}

void TAboutForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
    CentreOnOwner(this, parentWidget());
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == BT_Ok && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == kBuildKey && key->modifiers() == kBuildKeys) {
            VersionLabel->setText("Release Version 1.20R09(Build 2006/05/23)");
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
