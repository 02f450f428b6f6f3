#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QPointer>

#include "CheckBox.h"
#include "ComboBox.h"
#include "CvSNMPRequest2Controls.h"
#include "ListView.h"
#include "RadioGroup.h"

class CvEditConstraint;
class CvOptionList;
class Edit;
class QLineEdit;

// Binds a request's items to a window's controls: edits (alone or in groups
// with edit formats), labels, static texts, check boxes (alone or as a
// bitmap group), combo boxes and radio groups, and a list view holding one
// table row per line. Get fills the controls, Set reads them back.
class CvSNMPRequest2Edits : public CvSNMPRequest2Controls {
public:
    // The handler a binding took over from one control and calls on.
    struct SavedHandler {
        ComboBox::Handler Change;
        RadioGroup::Handler RadioClick;
        CheckBox::Handler CheckClick;
    };

    // One bound control or group of controls.
    struct Binding {
        std::int32_t ItemIndex = 0;
        std::int32_t Offset = 0;  // of a part inside the item's value
        std::uint32_t Syntax = 0;
        const CvOptionList* Options = nullptr;
        std::int32_t ControlCount = 0;
        std::vector<int> BitPositions;            // check-box groups only
        std::vector<QPointer<QWidget>> Controls;  // a combo box's companion edit comes second
        std::vector<SavedHandler> SavedHandlers;  // one per control
        bool Companion = false;
    };

    ListView::SelectHandler SavedSelectItem;
    QPointer<ListView> List;
    std::vector<Binding> Bindings;
    std::unique_ptr<CvEditConstraint> Constraints;
    bool AutoEnable = true;

    explicit CvSNMPRequest2Edits(QWidget* owner);
    ~CvSNMPRequest2Edits() override;

    void BeforeRead() override;
    void OnRow() override;
    void GatherValues() override;
    void AfterRead() override;
    virtual void ListSelectItem(ListView& sender, int line, bool selected);

    void AttachListView(ListView* listView, bool autoEnable = true);
    void BindControl(std::int32_t itemIndex, QWidget* control);
    void BindList(std::int32_t itemIndex, QWidget* comboBoxOrRadioGroup);
    void BindPart(std::int32_t itemIndex, std::int32_t offset, std::uint32_t syntax,
                  const CvOptionList* options, QWidget* control, Edit* companionEdit = nullptr);
    void BindFormatted(std::int32_t itemIndex, const std::string& format,
                       const std::vector<Edit*>& edits);
    void BindPartFormatted(std::int32_t itemIndex, std::int32_t offset, std::uint32_t syntax,
                           const CvOptionList* options, const std::string& format,
                           const std::vector<Edit*>& edits);
    // `positions`: comma-separated bit numbers, the k-th box showing positions[k].
    void BindBits(std::int32_t itemIndex, const std::string& positions,
                  const std::vector<QWidget*>& checkBoxes);
    void BindPartBits(std::int32_t itemIndex, std::int32_t offset, std::uint32_t syntax,
                      const CvOptionList* options, const std::string& positions,
                      const std::vector<QWidget*>& checkBoxes);
    void Unbind(std::int32_t itemIndex);
    void SetConstraintOwner(QWidget* control);

    // -1: every item.
    void ValuesToControls(std::int32_t itemIndex);
    void ControlsToValues(std::int32_t itemIndex);
    void EnableControls(bool enabled);

private:
    Binding& AddBinding(std::int32_t itemIndex, std::int32_t offset, std::uint32_t syntax,
                        const CvOptionList* options, const std::vector<QWidget*>& controls);
    const CvOptionList* AppliedOptions(const Binding& binding) const;
    void CheckListControl(const Binding& binding) const;
    void ChainHandlers(Binding& binding);
    void RestoreHandlers(Binding& binding);
    void ShowInControls(const Binding& binding);
    void ShowInEdit(QLineEdit* edit, const std::string& text);
    std::string ReadPart(const Binding& binding) const;
    void BuildColumns();
    void CopyLineToValues(int line);
    // The column of an item in the list's lines; -1 when it has none.
    int ColumnOfItem(std::int32_t itemIndex) const;
    // The same from the items' flags as they are now.
    int LayoutColumnOfItem(std::int32_t itemIndex) const;

    std::vector<int> FItemColumns;  // as the list's columns were built
};
