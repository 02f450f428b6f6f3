#pragma once

#include <string_view>

class CvOptionList;
class ComboBox;
class RadioGroup;

// An option list shown in a list control: every label in order, and the
// entry of a text selected by label, else by value (none when neither).
void FillItems(const CvOptionList& options, ComboBox& combo);
void FillItems(const CvOptionList& options, RadioGroup& group);
void SelectText(const CvOptionList& options, ComboBox& combo, std::string_view text);
void SelectText(const CvOptionList& options, RadioGroup& group, std::string_view text);
