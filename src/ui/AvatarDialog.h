#pragma once

#include "ui/MahjongDialog.h"

#include <QImage>
#include <QModelIndex>

#include <functional>
#include <memory>

class QStandardItemModel;

namespace Ui {
class AvatarDialog;
}

// Lets the player choose a picture: one of the stock avatars or any image file, sent
// scaled to fit 64 x 64 with changeAvatar(). The dialog shows the wait cursor until the
// opener closes it (the new picture arrived) or the change is reported as failed.
class AvatarDialog : public MahjongDialog
{
    Q_OBJECT

public:
    // (parent, caption, start directory, filter) -> the chosen file, empty when cancelled.
    using FileChooser = std::function<QString(QWidget *, const QString &, const QString &,
                                              const QString &)>;

    explicit AvatarDialog(QWidget *parent);
    ~AvatarDialog() override;

    // Replaces the file dialog of "Custom..."; an empty chooser restores the default.
    static void setFileChooser(FileChooser chooser);

signals:
    void changeAvatar(const QImage &image);

public slots:
    void onChangeAvatarSucceded();
    void onChangeAvatarFailed();
    void on_customButton_clicked();
    void on_cancelButton_clicked();
    void on_okButton_clicked();
    void onAvatarDoubleClicked(const QModelIndex &index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void loadStockAvatars();
    void addAvatar(const QImage &image);
    // A warning over the main window, worded by text in the language of the moment.
    void warn(std::function<QString()> text);
    void send(const QImage &image);

    QStandardItemModel *m_model = nullptr;
    std::unique_ptr<Ui::AvatarDialog> m_ui;
};
