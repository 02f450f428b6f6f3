#include "CvOptionControls.h"

#include "ComboBox.h"
#include "CvOptionList.h"
#include "RadioGroup.h"

namespace {

QStringList Labels(const CvOptionList& options) {
    QStringList labels;
    for (std::int32_t i = 0; i < options.Count(); ++i) {
        labels << QString::fromStdString(options.Pair(i).Label);
    }
    return labels;
}

}  // namespace

void FillItems(const CvOptionList& options, ComboBox& combo) {
    combo.clear();
    combo.addItems(Labels(options));
}

void FillItems(const CvOptionList& options, RadioGroup& group) {
    group.SetItems(Labels(options));
}

void SelectText(const CvOptionList& options, ComboBox& combo, std::string_view text) {
    combo.setCurrentIndex(options.SelectionIndex(text));
}

void SelectText(const CvOptionList& options, RadioGroup& group, std::string_view text) {
    group.SetItemIndex(options.SelectionIndex(text));
}
