#include "ui/AvatarDialog.h"

#include "app/Utils.h"
#include "ui/Avatar.h"
#include "ui/BusyCursor.h"
#include "ui/ModelessMsgBox.h"
#include "ui_AvatarDialog.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMainWindow>
#include <QStandardItemModel>

namespace {

const QSize avatarBox(64, 64);

AvatarDialog::FileChooser &fileChooser()
{
    static AvatarDialog::FileChooser chooser;
    return chooser;
}

QImage fitted(const QImage &image)
{
    return image.scaled(avatarBox, Qt::KeepAspectRatio, Qt::FastTransformation);
}

} // namespace

AvatarDialog::AvatarDialog(QWidget *parent)
    : MahjongDialog(parent, HideTitleBar), m_ui(std::make_unique<Ui::AvatarDialog>())
{
    auto *body = new QWidget(this);
    m_ui->setupUi(body);
    body->setFixedSize(318, 399);
    m_model = new QStandardItemModel(body);
    connect(m_ui->avatarView, &QListView::doubleClicked, this, &AvatarDialog::onAvatarDoubleClicked);
    m_ui->avatarView->setItemDelegate(new AvatarDelegate(this));
    m_ui->avatarView->setModel(m_model);
    loadStockAvatars();
    if (m_model->rowCount() > 0)
        m_ui->avatarView->setCurrentIndex(m_model->index(0, 0));
    setContentWidget(body);
    setWindowTitle(body->windowTitle());
    QMetaObject::connectSlotsByName(this);
}

AvatarDialog::~AvatarDialog() = default;

void AvatarDialog::setFileChooser(FileChooser chooser)
{
    fileChooser() = std::move(chooser);
}

void AvatarDialog::loadStockAvatars()
{
    const QStringList filters{QStringLiteral("*.png"), QStringLiteral("*.gif"),
                              QStringLiteral("*.jpg"), QStringLiteral("*.bmp")};
    for (const QString &path : QDir::searchPaths(QStringLiteral("avatars"))) {
        const QDir dir(path);
        for (const QFileInfo &file : dir.entryInfoList(filters, QDir::Files, QDir::Name)) {
            const QImage image(file.absoluteFilePath());
            if (image.isNull()) {
                qWarning() << "failed to load default avatar from" << file.absoluteFilePath();
                continue;
            }
            addAvatar(image);
        }
    }
}

void AvatarDialog::addAvatar(const QImage &image)
{
    auto *item = new QStandardItem;
    item->setEditable(false);
    item->setData(QVariant::fromValue(Avatar(fitted(image))), Qt::DisplayRole);
    m_model->setItem(m_model->rowCount(), 0, item);
}

void AvatarDialog::onChangeAvatarSucceded()
{
    close();
}

void AvatarDialog::onChangeAvatarFailed()
{
    BusyCursor::restore(this);
    warn([] { return tr("Failed to change avatar"); });
}

void AvatarDialog::on_customButton_clicked()
{
    const QString caption = tr("Locate Avatar Image");
    const QString filter = tr("Image files") + QStringLiteral(" (*.png *.gif *.jpg *.bmp)");
    const QString fileName = fileChooser()
        ? fileChooser()(this, caption, QDir::homePath(), filter)
        : QFileDialog::getOpenFileName(this, caption, QDir::homePath(), filter);
    if (fileName.isEmpty())
        return;
    const QFileDevice::Permissions readable =
        QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (!(QFile::permissions(fileName) & readable)) {
        warn([fileName] { return tr("The file %1 is unreadable").arg(fileName); });
        return;
    }
    const QImage image(fileName);
    if (image.isNull()) {
        warn([fileName] { return tr("The file %1 is an invalid image").arg(fileName); });
        return;
    }
    send(fitted(image));
}

void AvatarDialog::on_cancelButton_clicked()
{
    close();
}

void AvatarDialog::on_okButton_clicked()
{
    onAvatarDoubleClicked(m_ui->avatarView->currentIndex());
}

void AvatarDialog::onAvatarDoubleClicked(const QModelIndex &index)
{
    const QVariant data = index.data(Qt::DisplayRole);
    if (!index.isValid() || data.userType() != qMetaTypeId<Avatar>())
        return;
    send(data.value<Avatar>().image);
}

void AvatarDialog::send(const QImage &image)
{
    BusyCursor::set(this);
    emit changeAvatar(image);
}

void AvatarDialog::warn(std::function<QString()> text)
{
    QWidget *owner = Utils::findMainWindow();
    // File names are the user's text, never markup.
    ModelessMsgBox::warning(owner ? owner : window(), [text] {
        return ModelessMsgBox::Texts{tr("Choose avatar"), text()};
    })->setTextFormat(Qt::PlainText);
}

void AvatarDialog::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_ui->avatarView->hasFocus()) {
        on_okButton_clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AvatarDialog::closeEvent(QCloseEvent *event)
{
    BusyCursor::restore(this);
    MahjongDialog::closeEvent(event);
}

void AvatarDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && contentWidget())
        m_ui->retranslateUi(contentWidget());
    MahjongDialog::changeEvent(event);
}
