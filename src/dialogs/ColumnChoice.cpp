#include "ColumnChoice.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include <stdexcept>
#include <string>

QString ShownText(const QWidget& control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
        return edit->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&control)) {
        return combo->currentText();
    }
    return {};
}

bool ControlIs(const QWidget& form, const TControlIs& condition) {
    const auto* control = form.findChild<const QWidget*>(condition.Control);
    if (control == nullptr) {
        throw std::logic_error(std::string("no control ") + condition.Control);
    }
    switch (condition.Test) {
        case TControlTest::Empty:
            return ShownText(*control).isEmpty();
        case TControlTest::Reads:
            return ShownText(*control) == condition.Text;
        case TControlTest::At: {
            const auto* combo = qobject_cast<const QComboBox*>(control);
            return combo != nullptr && combo->currentIndex() == condition.Position;
        }
        case TControlTest::Unchecked: {
            const auto* box = qobject_cast<const QAbstractButton*>(control);
            return box != nullptr && !box->isChecked();
        }
    }
    return false;
}

std::set<int> ExcludedColumns(const QWidget& form, const TColumnChoice& choice,
                              std::set<int> excluded) {
    for (const TColumnRule& rule : choice) {
        bool holds = true;
        for (const TControlIs& condition : rule.When) {
            holds = holds && ControlIs(form, condition);
        }
        if (!holds) {
            continue;
        }
        excluded.insert(rule.Exclude.begin(), rule.Exclude.end());
        for (const int column : rule.Include) {
            excluded.erase(column);
        }
    }
    return excluded;
}
