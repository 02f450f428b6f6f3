#include "StaticText.h"

StaticText::StaticText(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}
