#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class NewVersionDialog;
}

// Offers the newer client: "Update" asks for the download (the dialog stays
// and shows the progress), "Quit" rejects the dialog.
class NewVersionDialog : public QDialog
{
    Q_OBJECT

public:
    NewVersionDialog(const QString &newVersion, const QString &runningVersion,
                     QWidget *parent = nullptr);
    ~NewVersionDialog() override;

    // Switches to the download: the buttons are disabled and the bar shows progress.
    void showDownloading();
    void setProgress(qint64 received, qint64 total);

signals:
    void updateRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    std::unique_ptr<Ui::NewVersionDialog> m_ui;
    QString m_newVersion;
    QString m_runningVersion;
};
