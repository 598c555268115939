#include "ui/MahjongDialog.h"
#include "ui_MahjongDialog.h"

#include <QMouseEvent>
#include <QResizeEvent>

#include <algorithm>

MahjongDialog::MahjongDialog(QWidget *parent, int options)
    : QFrame(parent)
    , m_ui(std::make_unique<Ui::MahjongDialog>())
{
    m_ui->setupUi(this);
    // The frame covers whatever lies beneath it, with or without a style sheet.
    setAutoFillBackground(true);
    m_ui->closeButton->setVisible(options & ShowCloseButton);
    if (options & HideTitleBar)
        m_ui->topBar->hide();
    connect(m_ui->closeButton, &QToolButton::clicked, this, &MahjongDialog::onCloseClicked);
}

MahjongDialog::~MahjongDialog() = default;

void MahjongDialog::setContentWidget(QWidget *content)
{
    m_content = content;
    setWindowTitle(content->windowTitle());
    m_ui->layout->addWidget(content);
    content->installEventFilter(this);
    updateGeometry();
    setVisible(content->isVisible());
}

void MahjongDialog::centerOnParent()
{
    const QWidget *parent = parentWidget();
    if (!parent)
        return;
    move((parent->width() - width()) / 2, (parent->height() - height()) / 2);
}

void MahjongDialog::showAndRaise(bool center)
{
    if (!m_shownOnce) {
        // One show/hide round lets the layout compute the dialog's size before it is placed.
        m_shownOnce = true;
        show();
        hide();
    }
    show();
    raise();
    if (center)
        centerOnParent();
}

void MahjongDialog::onCloseClicked()
{
    close();
}

void MahjongDialog::fitIntoParent(int minimumWidth)
{
    const QWidget *parent = parentWidget();
    if (!parent)
        return;
    // A text that wraps takes the height it needs at the dialog's width.
    const int w = std::min(parent->width(), std::max(minimumWidth, width()));
    const int h = hasHeightForWidth() ? std::max(height(), heightForWidth(w)) : height();
    resize(w, std::min(parent->height(), h));
}

bool MahjongDialog::event(QEvent *event)
{
    const bool handled = QFrame::event(event);
    // Laid out anew (a text changed, a row shown): the dialog takes the height its
    // wrapped texts now need.
    if (event->type() == QEvent::LayoutRequest)
        fitIntoParent();
    return handled;
}

bool MahjongDialog::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
        fitIntoParent();
        break;
    case QEvent::Close:
        close();
        break;
    case QEvent::ShowToParent:
        fitIntoParent();
        show();
        break;
    case QEvent::HideToParent:
        hide();
        break;
    case QEvent::WindowTitleChange:
        if (m_content)
            setWindowTitle(m_content->windowTitle());
        break;
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}

void MahjongDialog::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && !m_ui->topBar->isHidden()
        && m_ui->topBar->geometry().contains(pos)) {
        m_grabOffset = pos;
        m_dragging = true;
        raise();
    }
}

void MahjongDialog::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}

void MahjongDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QPoint p = mapToParent(mapFromGlobal(event->globalPosition().toPoint()));
    const QPoint target = p - m_grabOffset;
    const QWidget *parent = parentWidget();
    if (!parent || parent->rect().contains(p))
        move(target);
}

void MahjongDialog::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    // A first resize has no old size: there is no centre to keep yet.
    if (!event->oldSize().isValid())
        return;
    const int dx = event->size().width() - event->oldSize().width();
    const int dy = event->size().height() - event->oldSize().height();
    move(std::max(0, x() - dx / 2), std::max(0, y() - dy / 2));
}

void MahjongDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowTitleChange && !m_titleGuard) {
        m_titleGuard = true;
        m_ui->titleText->setText(windowTitle());
        if (m_content)
            m_content->setWindowTitle(windowTitle());
        m_titleGuard = false;
    }
    QFrame::changeEvent(event);
}

AutoCenterToParent::AutoCenterToParent(QWidget *dialog)
    : QObject(dialog)
{
    if (QWidget *parent = dialog->parentWidget())
        parent->installEventFilter(this);
}

bool AutoCenterToParent::eventFilter(QObject *watched, QEvent *event)
{
    auto *dialog = qobject_cast<MahjongDialog *>(parent());
    if (dialog && event->type() == QEvent::Resize && watched == dialog->parentWidget())
        dialog->centerOnParent();
    return QObject::eventFilter(watched, event);
}
