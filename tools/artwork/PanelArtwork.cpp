// Draws the front panel's artwork: the front view of a Vanta-A (800 x 90,
// JPEG), the port-socket and fibre-slot glyphs of its buttons and the 24 x 24
// decoration at its right end. Usage: panel-artwork OUTPUT-FOLDER
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

// Where the panel puts its controls; the picture is drawn around them.
constexpr int kPairLeft[] = {358, 384, 410, 435, 461, 487, 530, 556, 582, 609, 634, 659};
constexpr QPoint kFibreSlot[] = {{696, 27}, {696, 53}, {732, 27}, {732, 53}};

const QColor kChassisTop(0x55, 0x5b, 0x63);
const QColor kChassisBottom(0x2c, 0x30, 0x36);
const QColor kRecess(0x1b, 0x1d, 0x21);
const QColor kPrint(0xd8, 0xdc, 0xe0);
const QColor kAccent(0x3f, 0xa9, 0xf5);

QFont Font(int pixels, bool bold = false) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void Recess(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(0x0e, 0x0f, 0x11), 1));
    p.setBrush(kRecess);
    p.drawRoundedRect(r, 2, 2);
    p.setPen(QColor(0x6a, 0x70, 0x78));
    p.drawLine(r.bottomLeft() + QPointF(2, 1), r.bottomRight() + QPointF(-2, 1));
}

void Ear(QPainter& p, int left, int width) {
    p.fillRect(left, 0, width, 90, QColor(0x62, 0x68, 0x70));
    p.setPen(QColor(0x3a, 0x3e, 0x44));
    p.setBrush(QColor(0x22, 0x24, 0x28));
    const int cx = left + width / 2;
    for (const int cy : {18, 70}) {
        p.drawRoundedRect(QRectF(cx - 2.5, cy - 5, 5, 10), 2.5, 2.5);
    }
}

void CentredText(QPainter& p, int centreX, int top, int height, const QString& text) {
    p.drawText(QRect(centreX - 20, top, 40, height), Qt::AlignHCenter | Qt::AlignVCenter, text);
}

QImage FrontView() {
    QImage image(800, 90, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient body(0, 0, 0, 90);
    body.setColorAt(0, kChassisTop);
    body.setColorAt(0.08, QColor(0x4a, 0x50, 0x58));
    body.setColorAt(1, kChassisBottom);
    p.fillRect(image.rect(), body);
    p.setPen(QColor(0x8a, 0x90, 0x98));
    p.drawLine(0, 0, 799, 0);
    p.setPen(QColor(0x15, 0x17, 0x1a));
    p.drawLine(0, 89, 799, 89);
    Ear(p, 0, 12);
    Ear(p, 793, 7);

    // Name plate.
    p.setPen(kPrint);
    p.setFont(Font(17, true));
    p.drawText(QRect(20, 14, 70, 22), Qt::AlignLeft | Qt::AlignVCenter, "VANTA");
    p.fillRect(20, 37, 66, 2, kAccent);
    p.setFont(Font(9, true));
    p.drawText(QRect(20, 42, 75, 12), Qt::AlignLeft | Qt::AlignVCenter, "Vanta-A");
    p.setFont(Font(7));
    p.drawText(QRect(20, 54, 75, 10), Qt::AlignLeft | Qt::AlignVCenter, "24-port Gigabit");
    p.drawText(QRect(20, 63, 75, 10), Qt::AlignLeft | Qt::AlignVCenter, "managed switch");

    // System LED captions beside the LED windows at 99,30 / 99,41 / 99,52.
    p.setFont(Font(7));
    const char* captions[] = {"Power", "Console", "RPS"};
    for (int i = 0; i < 3; ++i) {
        p.drawText(QRect(110, 28 + 11 * i, 50, 11), Qt::AlignLeft | Qt::AlignVCenter, captions[i]);
    }

    // Console port.
    Recess(p, QRectF(200, 30, 34, 30));
    p.setBrush(QColor(0x08, 0x08, 0x08));
    p.setPen(QColor(0x9a, 0xa0, 0xa8));
    p.drawRect(QRectF(206, 36, 22, 18));
    p.setFont(Font(7));
    p.setPen(kPrint);
    p.drawText(QRect(190, 62, 54, 10), Qt::AlignHCenter | Qt::AlignVCenter, "Console");

    // Port groups with their LED rows; numbers above the odd ports and below
    // the even ones.
    Recess(p, QRectF(353, 3, 336, 78));
    Recess(p, QRectF(691, 3, 74, 78));
    p.setFont(Font(6));
    p.setPen(kPrint);
    for (int port = 1; port <= 24; ++port) {
        const int left = kPairLeft[(port - 1) / 2];
        const int centre = left + 12;
        if (port % 2 == 1) {
            CentredText(p, centre, 14, 7, QString::number(port));
        } else {
            CentredText(p, centre, 74, 7, QString::number(port));
        }
    }
    // Fibre slots: number beside each slot, the group's name below.
    for (int i = 0; i < 4; ++i) {
        const QPoint at = kFibreSlot[i];
        p.drawText(QRect(at.x(), at.y() - 8, 29, 7), Qt::AlignHCenter | Qt::AlignVCenter,
                   QString("%1F").arg(21 + i));
    }
    p.drawText(QRect(691, 72, 74, 8), Qt::AlignHCenter | Qt::AlignVCenter, "SFP 21-24");
    p.end();
    return image;
}

// An RJ-45 socket seen from the front, latch notch at the bottom.
QImage PortSocket() {
    QImage image(21, 19, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(0xb8, 0xbe, 0xc6));
    p.setBrush(QColor(0x60, 0x66, 0x6e));
    p.drawRect(0, 0, 20, 18);
    QPainterPath opening;
    opening.moveTo(3, 3);
    opening.lineTo(17, 3);
    opening.lineTo(17, 13);
    opening.lineTo(13, 13);
    opening.lineTo(13, 16);
    opening.lineTo(7, 16);
    opening.lineTo(7, 13);
    opening.lineTo(3, 13);
    opening.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0a, 0x0a, 0x0a));
    p.drawPath(opening);
    p.setPen(QColor(0xc8, 0xa0, 0x40));
    for (int x = 4; x <= 16; x += 2) {
        p.drawLine(x, 4, x, 6);
    }
    p.end();
    return image;
}

// A fibre-module cage with its two receptacles.
QImage FibreSlot() {
    QImage image(25, 13, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(QColor(0xc8, 0xcc, 0xd2));
    p.setBrush(QColor(0x8a, 0x90, 0x98));
    p.drawRect(0, 0, 24, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0a, 0x0a, 0x0a));
    p.drawRect(2, 2, 21, 9);
    p.setBrush(QColor(0x30, 0x34, 0x3a));
    p.drawRect(5, 4, 6, 5);
    p.drawRect(14, 4, 6, 5);
    p.end();
    return image;
}

// The mark at the panel's right end: a V in a ring.
QImage Decoration() {
    QImage image(24, 24, QImage::Format_RGB32);
    image.fill(QColor(0x20, 0x23, 0x28));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kAccent, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(2, 2, 20, 20));
    p.setPen(QPen(kPrint, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(7.5, 8), QPointF(12, 17), QPointF(16.5, 8)}));
    p.end();
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    struct Output {
        QImage Image;
        const char* Name;
        const char* Format;
        int Quality;
    };
    const Output outputs[] = {
        {FrontView(), "front-view.jpg", "JPG", 92},
        {PortSocket(), "port-socket.png", "PNG", -1},
        {FibreSlot(), "fibre-slot.png", "PNG", -1},
        {Decoration(), "decoration.bmp", "BMP", -1},
    };
    for (const Output& o : outputs) {
        const QString path = out.filePath(o.Name);
        if (!o.Image.save(path, o.Format, o.Quality)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
