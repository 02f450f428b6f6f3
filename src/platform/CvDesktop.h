#pragma once

#include <QString>

#include <functional>

// Opens documents with the desktop's handler (the help file).
namespace CvDesktop {

// False when no handler took the file.
bool OpenFile(const QString& path);

// Tests answer instead of the desktop; an empty opener restores it.
using Opener = std::function<bool(const QString& path)>;
void SetOpener(Opener opener);

}  // namespace CvDesktop
