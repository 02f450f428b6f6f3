#pragma once

#include <QPointer>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CvSNMPLedColorMapList.h"
#include "CvSNMPRequest2Controls.h"
#include "Shape.h"

class QTimer;

// The outlines an LED shape can take.
enum class CvShapeKind { Rectangle };

// One LED fed by a byte of a polled value.
struct CvSNMPLed {
    std::int32_t ItemIndex = 0;
    std::int32_t BytePos = 0;
    const CvSNMPLedColorMapList* Map = nullptr;
    QPointer<::Shape> Shape;  // a shape gone with its panel is no longer painted
    bool Blinking = false;
    CvLedColour Colour = 0;  // state colour of the last reply
};

// Polls one octet-string variable and paints LED shapes from its bytes:
// decode mode 1 reads one state byte per LED; mode 2 reads one byte per LED
// inside the header and a state byte followed by a colour byte after it.
// LEDs reporting activity flash for a few blink ticks after each reply.
class CvSNMPRequest2Leds : public CvSNMPRequest2Controls {
public:
    std::vector<CvSNMPLed> Leds;
    std::unique_ptr<QTimer> PollTimer;   // stopped until StartPolling
    std::unique_ptr<QTimer> BlinkTimer;  // 60 ms, running until StopPolling
    std::int32_t BlinkTicks = 6;
    std::int32_t BlinkCount = 0;
    std::int32_t DecodeMode = 1;
    std::int32_t HeaderBytes = 4;

    explicit CvSNMPRequest2Leds(QWidget* owner);
    ~CvSNMPRequest2Leds() override;

    // Appends an LED showing `map`'s off colour.
    void AddLed(std::int32_t itemIndex, std::int32_t bytePos, const CvSNMPLedColorMapList& map,
                Shape* shape);
    // One shape per byte position of `positions` ("3,5,7"), side by side in
    // `panel` from `firstLeft` with `spacing` pixels between them; the
    // panel loses its bevels.
    void AddLeds(std::int32_t itemIndex, const std::string& positions,
                 const CvSNMPLedColorMapList& map, QWidget* panel, int firstLeft, int spacing,
                 CvShapeKind shapeKind, int width, int height);
    // Values of 0 or less select mode 1 and 4 header bytes.
    void SetDecodeMode(std::int32_t mode, std::int32_t headerBytes);

    // Polls every `interval` hundredths of a second and once at once; a
    // failure of that first poll resets the LEDs and raises.
    void StartPolling(std::int32_t interval);
    // Stops both timers and resets the LEDs.
    void StopPolling();
    void ResetLeds();

    // One poll tick: a failure to send resets the LEDs into the status target.
    void Poll();
    // Paints every LED; a blinking one alternates with its off colour until
    // BlinkCount passes BlinkTicks. Runs after each reply and on every blink tick.
    void PaintLeds();

    void OnRow() override;
    // Resets the LEDs and shows the failure in the status target, never in a box.
    void OnReadError(const CvSNMPError& error) override;
    virtual void UpdateLed(CvSNMPLed& led);

private:
    void ShowAbsent(CvSNMPLed& led) const;
};
