#include "TabSeparated.h"

QString TabSeparatedLines(const QStringList& captions, const QList<QStringList>& lines) {
    QString text = captions.join('\t') + '\n';
    for (const QStringList& line : lines) {
        text += line.join('\t') + '\n';
    }
    return text;
}
