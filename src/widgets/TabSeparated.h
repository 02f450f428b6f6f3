#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// TAB-separated lines with the captions first, the way the clipboard takes a
// table for a spreadsheet; every line ends with a line feed.
QString TabSeparatedLines(const QStringList& captions, const QList<QStringList>& lines);
