#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

#include <functional>

class QGridLayout;

// A framed group of radio buttons, one per item, with the selected index
// (-1: none) and one click handler raised whenever the index changes.
class RadioGroup : public QGroupBox {
public:
    using Handler = std::function<void(RadioGroup&)>;

    explicit RadioGroup(const QString& caption = QString(), QWidget* parent = nullptr);

    void SetItems(const QStringList& items);
    const QStringList& Items() const { return FItems; }
    int ItemIndex() const;
    void SetItemIndex(int index);
    void SetColumns(int columns);

    Handler OnClick;
    int Tag = 0;

private:
    void Rebuild();

    QStringList FItems;
    QButtonGroup FButtons;
    QGridLayout* FLayout;
    int FColumns = 1;
};
