#include "CvSNMPRequest2Leds.h"

#include <QFrame>
#include <QTimer>

#include "CvErrorCodes.h"
#include "CvException.h"
#include "CvNumList.h"
#include "CvOptionList.h"
#include "CvPackedField.h"

namespace {

constexpr int kBlinkIntervalMs = 60;
constexpr int kLedTop = 1;

QColor ToQColor(CvLedColour colour) {
    return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

void Paint(Shape* shape, CvLedColour colour) {
    if (shape != nullptr) {
        const QColor c = ToQColor(colour);
        shape->SetColours(c, c);
    }
}

}  // namespace

CvSNMPRequest2Leds::CvSNMPRequest2Leds(QWidget* owner)
    : CvSNMPRequest2Controls(owner),
      PollTimer(std::make_unique<QTimer>()),
      BlinkTimer(std::make_unique<QTimer>()) {
    // The timers live and die with the request, so no tick reaches it once gone.
    QObject::connect(PollTimer.get(), &QTimer::timeout, PollTimer.get(), [this] { Poll(); });
    QObject::connect(BlinkTimer.get(), &QTimer::timeout, BlinkTimer.get(), [this] { PaintLeds(); });
    BlinkTimer->start(kBlinkIntervalMs);
}

CvSNMPRequest2Leds::~CvSNMPRequest2Leds() {
    StopPolling();
}

void CvSNMPRequest2Leds::AddLed(std::int32_t itemIndex, std::int32_t bytePos,
                                const CvSNMPLedColorMapList& map, Shape* shape) {
    CvSNMPLed led;
    led.ItemIndex = itemIndex;
    led.BytePos = bytePos;
    led.Map = &map;
    led.Shape = shape;
    led.Colour = map.OffColour;
    Paint(shape, led.Colour);
    Leds.push_back(std::move(led));
}

void CvSNMPRequest2Leds::AddLeds(std::int32_t itemIndex, const std::string& positions,
                                 const CvSNMPLedColorMapList& map, QWidget* panel, int firstLeft,
                                 int spacing, CvShapeKind, int width, int height) {
    CvNumList<std::int32_t> bytePositions(',');
    bytePositions.Parse(positions);
    for (std::int32_t k = 0; k < bytePositions.Count(); ++k) {
        auto* shape = new Shape(panel);
        shape->setGeometry(firstLeft + k * (spacing + width), kLedTop, width, height);
        shape->show();
        AddLed(itemIndex, bytePositions.Values[static_cast<std::size_t>(k)], map, shape);
    }
    if (auto* frame = qobject_cast<QFrame*>(panel)) {
        frame->setFrameStyle(QFrame::NoFrame);
    }
}

void CvSNMPRequest2Leds::SetDecodeMode(std::int32_t mode, std::int32_t headerBytes) {
    DecodeMode = mode > 0 ? mode : 1;
    HeaderBytes = headerBytes > 0 ? headerBytes : 4;
}

void CvSNMPRequest2Leds::StartPolling(std::int32_t interval) {
    PollTimer->start(interval * 10);
    try {
        Get();
    } catch (...) {
        ResetLeds();
        throw;
    }
}

void CvSNMPRequest2Leds::StopPolling() {
    PollTimer->stop();
    BlinkTimer->stop();
    ResetLeds();
}

void CvSNMPRequest2Leds::ResetLeds() {
    for (CvSNMPLed& led : Leds) {
        led.Blinking = false;
        led.Colour = led.Map->OffColour;
        Paint(led.Shape, led.Colour);
    }
}

void CvSNMPRequest2Leds::Poll() {
    // A tick does not wait for a slow exchange: the next one starts another.
    try {
        Get();
    } catch (const CvException& e) {
        ResetLeds();
        ShowStatus(e.Message());
    } catch (const std::exception& e) {
        ResetLeds();
        ShowStatus(e.what());
    }
}

void CvSNMPRequest2Leds::PaintLeds() {
    bool anyBlinking = false;
    for (CvSNMPLed& led : Leds) {
        CvLedColour colour = led.Colour;
        if (led.Blinking) {
            anyBlinking = true;
            const bool showsOff =
                led.Shape != nullptr && led.Shape->BrushColour() == ToQColor(led.Map->OffColour);
            if (!showsOff && BlinkCount <= BlinkTicks) {
                colour = led.Map->OffColour;
            }
        }
        Paint(led.Shape, colour);
    }
    if (anyBlinking) {
        ++BlinkCount;
    }
}

void CvSNMPRequest2Leds::OnRow() {
    BlinkCount = 0;
    for (CvSNMPLed& led : Leds) {
        UpdateLed(led);
    }
    PaintLeds();
}

void CvSNMPRequest2Leds::OnReadError(const CvSNMPError& error) {
    ResetLeds();
    LastOp = 0;
    ShowStatus(error.Message);
}

void CvSNMPRequest2Leds::ShowAbsent(CvSNMPLed& led) const {
    if (led.Map->AbsentColour == kNoLedColour) {
        CvRaise(kErrPartialOutOfRange);
    }
    led.Colour = led.Map->AbsentColour;
    led.Blinking = false;
}

void CvSNMPRequest2Leds::UpdateLed(CvSNMPLed& led) {
    const CvSNMPVar& item = Request->Vars.Item(led.ItemIndex);
    const std::string bytes = TextToField(
        item.Syntax, item.Options != nullptr ? item.Options->LabelToValue(item.Value) : item.Value);
    const auto at = [&](std::int32_t pos) {
        return static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(pos)]);
    };
    const auto size = static_cast<std::int32_t>(bytes.size());
    const CvSNMPLedColorMapList& map = *led.Map;
    if (led.BytePos < 0 || led.BytePos >= size) {
        ShowAbsent(led);
        return;
    }
    const std::uint8_t state = at(led.BytePos);
    if (DecodeMode == 1 || (DecodeMode == 2 && led.BytePos < HeaderBytes)) {
        led.Colour = map.Lookup(state & map.ColourMask);
        led.Blinking = (state & map.BlinkMask) != 0;
    } else if (DecodeMode == 2) {
        if (state == 1) {
            // Nothing plugged in: not an error even for a map without an absent colour.
            led.Blinking = false;
            led.Colour = map.AbsentColour != kNoLedColour ? map.AbsentColour : map.OffColour;
        } else if (led.BytePos + 1 < size) {
            led.Blinking = (state & map.BlinkMask) != 0;
            led.Colour = map.Lookup(at(led.BytePos + 1) & map.ColourMask);
        } else {
            // The colour byte lies past the value: the LED has no data.
            ShowAbsent(led);
        }
    }
}
