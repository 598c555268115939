#pragma once

#include <QFrame>

#include <memory>

namespace Ui {
class TablePreviewPlayerWidget;
}

// One seat card of the table preview: the seated player's picture and screen name.
class TablePreviewPlayerWidget : public QFrame
{
    Q_OBJECT

public:
    explicit TablePreviewPlayerWidget(QWidget *parent = nullptr);
    ~TablePreviewPlayerWidget() override;

    void setPicture(const QPixmap &picture);
    void setName(const QString &name);
    QString name() const;
    void clear();

private:
    std::unique_ptr<Ui::TablePreviewPlayerWidget> m_ui;
};
