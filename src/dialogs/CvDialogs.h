#pragma once

#include <QString>

#include <functional>
#include <string_view>

class QLabel;
class QWidget;
class TForm1;

// What a dedicated dialog reads from the main window when the menu opens it.
struct TDialogContext {
    QWidget* MainWindow = nullptr;  // owner and centre of the dialog
    float Scale = 1.0f;             // FScale as the windows apply it: 1 where the toolkit scales
    bool LargeFonts = false;        // FLargeFonts: sizes × 1.25
    QString DeviceAddress{};        // FDeviceAddress
    QString WindowTitle{};          // FWindowTitle as the menu entry set it
    QString Caption{};              // the caption the menu entry sets; "" keeps the dialog's own
    TForm1* Form1 = nullptr;        // the module-wide readiness flags
    QLabel* StpVersion = nullptr;   // the main window's ST_STPVersion: read and written back
    std::function<void()> RefreshRmonMenu{};  // the main window reads the RMON state again
};

// Whether this build has the dialog of that form class.
bool HasDialog(std::string_view formClass);

// Creates the dialog, applies the caption, shows it modally and frees it when
// it returns. Failures end in the dialog's own message areas; nothing raises.
void OpenDialog(std::string_view formClass, TDialogContext& context);
