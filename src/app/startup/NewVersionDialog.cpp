#include "app/startup/NewVersionDialog.h"

#include "ui_NewVersionDialog.h"

#include <QEvent>
#include <QPushButton>

NewVersionDialog::NewVersionDialog(const QString &newVersion, const QString &runningVersion,
                                   QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::NewVersionDialog>())
    , m_newVersion(newVersion)
    , m_runningVersion(runningVersion)
{
    m_ui->setupUi(this);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &NewVersionDialog::updateRequested);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    retranslate();
}

NewVersionDialog::~NewVersionDialog() = default;

void NewVersionDialog::retranslate()
{
    m_ui->message->setText(tr("Version %1 of the client is available; you have version %2.\n"
                              "Please update the client to go on playing.")
                               .arg(m_newVersion, m_runningVersion));
    m_ui->buttons->button(QDialogButtonBox::Ok)->setText(tr("Update"));
    m_ui->buttons->button(QDialogButtonBox::Cancel)->setText(tr("Quit"));
}

void NewVersionDialog::showDownloading()
{
    m_ui->buttons->setEnabled(false);
    m_ui->progress->setVisible(true);
    m_ui->progress->setRange(0, 0);
}

void NewVersionDialog::setProgress(qint64 received, qint64 total)
{
    if (total <= 0)
        return;
    m_ui->progress->setRange(0, 1000);
    m_ui->progress->setValue(static_cast<int>(received * 1000 / total));
}

void NewVersionDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        retranslate();
    }
    QDialog::changeEvent(event);
}
