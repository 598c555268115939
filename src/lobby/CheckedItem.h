#pragma once

#include <QPixmap>
#include <QStandardItem>

// A cell that shows a check mark or an empty box for a flag, and gives the flag itself
// under CheckedRole.
class CheckedItem : public QStandardItem
{
public:
    static constexpr int CheckedRole = Qt::UserRole + 2;

    explicit CheckedItem(bool checked);
    ~CheckedItem() override;

    QVariant data(int role = Qt::UserRole + 1) const override;

    // Written directly by the owning model, which then announces the change.
    bool checked;

private:
    QPixmap m_checkedImage;
    QPixmap m_uncheckedImage;
};
