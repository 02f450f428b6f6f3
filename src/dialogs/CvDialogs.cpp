#include "CvDialogs.h"

bool HasDialog(std::string_view) { return false; }

void OpenDialog(std::string_view, TDialogContext&) {}
