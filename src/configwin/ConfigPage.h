#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <span>

#include "CvSNMPVar.h"

class QWidget;
class TConfigForm;

// The input format of the edit of one column (position in the list).
struct TColumnFormat {
    std::int32_t Column = 0;
    const char* Format = nullptr;
};

// Adjustments made after the set-up. Sizes are in units of the display
// scale and truncated toward zero after scaling; 0 leaves a size alone.
struct TPageAdjustments {
    std::span<const TColumnFormat> Formats{};
    std::int32_t EditWidth = 0;      // the value controls' width, the window refitted
    std::int32_t EditWidthPlus = 0;  // added to the first row's value-control width
    bool HideEditButton = false;
    std::int32_t Height = 0;      // the window height
    std::int32_t HeightPlus = 0;  // added to the height the set-up produced
    std::int32_t WidthPlus = 0;   // added to the width the set-up produced
    bool Unscaled = false;        // the sizes above are pixels
};

// Everything a generic page is opened with: pure data, so that a catalogue
// of pages can be a table of these. Item types MVT_FMV and MVT_UMV make a
// table page, the others a scalar page.
struct TConfigPageParams {
    const char* Title = "";
    const CvSNMPVarDesc* Table = nullptr;
    std::uint8_t ItemType = SVT_SV;
    std::int32_t KeyCount = 0;
    std::int32_t StatusColumn = -1;      // the RowStatus column of Add and Delete
    const char* AddStatus = nullptr;     // null: no Add
    const char* DeleteStatus = nullptr;  // null: no Delete
    TPageAdjustments Adjust{};
    bool CaptionWithAddress = false;  // caption "title: address"
    const char* Instance = nullptr;   // the list's instance suffix, if any
};

// What the opening reads from and writes to the main window.
struct TMainWindowValues {
    QWidget* MainWindow = nullptr;  // owner of the window, which is centred on it
    float Scale = 1.0f;             // FScale as the windows apply it: 1 where the toolkit scales
    QString DeviceAddress{};        // FDeviceAddress
    QString WindowTitle{};          // FWindowTitle: the title of the page being opened
};

// The opening sequence up to the modal show: sets the main window's title,
// builds the window with its binding and page, applies the adjustments and
// the caption. Set-up failures (a wrong status label, a bad format) raise.
std::unique_ptr<TConfigForm> BuildConfigPage(const TConfigPageParams& page,
                                             TMainWindowValues& main);

// Builds the window, shows it modally and frees it when it returns.
void OpenConfigPage(const TConfigPageParams& page, TMainWindowValues& main);
