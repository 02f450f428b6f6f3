#include "ConfigPage.h"

#include <QPushButton>

#include "CvModal.h"
#include "CvSNMPRequest2Edits.h"
#include "CvSNMPVarList.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TSNMPListViewPanel.h"

namespace {

std::int32_t Scaled(std::int32_t size, const TPageAdjustments& adjust, float scale) {
    return adjust.Unscaled ? size : static_cast<std::int32_t>(static_cast<float>(size) * scale);
}

void Adjust(TConfigForm& form, const TPageAdjustments& adjust, float scale) {
    TSNMPEditorPanel* page = form.Page();
    for (const TColumnFormat& format : adjust.Formats) {
        page->SetVarFormat(format.Column, format.Format);
    }
    if (adjust.EditWidth > 0) {
        page->SetEditWidthAndFit(Scaled(adjust.EditWidth, adjust, scale));
    }
    if (adjust.EditWidthPlus > 0 && page->Editor->RowCount() > 0) {
        const int first = page->Editor->Rows.front().ValueControl->width();
        page->Editor->SetEditWidth(first + Scaled(adjust.EditWidthPlus, adjust, scale),
                                   TEditsPanel::kVertical);
    }
    if (adjust.HideEditButton) {
        page->Buttons->EditButton->hide();
        page->Buttons->ArrangeButtons();
    }
    QSize size = form.size();
    if (adjust.Height > 0) {
        size.setHeight(Scaled(adjust.Height, adjust, scale));
    }
    size +=
        QSize(Scaled(adjust.WidthPlus, adjust, scale), Scaled(adjust.HeightPlus, adjust, scale));
    form.resize(size);
}

}  // namespace

std::unique_ptr<TConfigForm> BuildConfigPage(const TConfigPageParams& page,
                                             TMainWindowValues& main) {
    main.WindowTitle = QString::fromUtf8(page.Title);
    auto form = std::make_unique<TConfigForm>(main.MainWindow);
    auto binding = std::make_unique<CvSNMPRequest2Edits>(form.get());
    CvSNMPVarList vars(page.Table, page.ItemType, page.KeyCount);
    binding->Request->Vars.Assign(vars);
    if (page.Instance != nullptr) {
        binding->Request->Vars.Instance = page.Instance;
    }
    if (page.ItemType == MVT_FMV || page.ItemType == MVT_UMV) {
        const bool add = page.AddStatus != nullptr;
        const bool remove = page.DeleteStatus != nullptr;
        form->SetupTable(std::move(binding), add ? page.StatusColumn : -1,
                         add ? page.AddStatus : "", remove ? page.StatusColumn : -1,
                         remove ? page.DeleteStatus : "");
    } else {
        form->SetupScalar(std::move(binding));
    }
    Adjust(*form, page.Adjust, main.Scale);
    form->setWindowTitle(page.CaptionWithAddress ? main.WindowTitle + ": " + main.DeviceAddress
                                                 : main.WindowTitle);
    return form;
}

void OpenConfigPage(const TConfigPageParams& page, TMainWindowValues& main) {
    const std::unique_ptr<TConfigForm> form = BuildConfigPage(page, main);
    CvModal::Exec(*form);
}
