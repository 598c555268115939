#include "ui/ModelessMsgBox.h"

#include "app/ClientErrors.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

namespace {

// Spaces the buttons: each asks for 30 pixels beyond its own minimum width, which is
// never less than its text needs in the current language.
class CustomDialogButtonBox : public QDialogButtonBox
{
public:
    using QDialogButtonBox::QDialogButtonBox;

    QSize minimumSizeHint() const override
    {
        int width = 0;
        int height = 0;
        const auto allButtons = buttons();
        for (const QAbstractButton *button : allButtons) {
            const QSize least = button->minimumSize().expandedTo(button->minimumSizeHint());
            width += least.width() + 30;
            height = std::max(height, least.height());
        }
        return QSize(width - 10, height);
    }
};

ModelessMsgBox::MsgBox *showBox(QWidget *parent, int kind, ModelessMsgBox::Wording wording,
                                QDialogButtonBox::StandardButtons buttons,
                                QDialogButtonBox::StandardButton defaultButton)
{
    auto *box = ModelessMsgBox::create(parent, kind, std::move(wording), buttons, defaultButton);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
    box->raise();
    box->centerOnParent();
    return box;
}

// Adds the standard buttons in ascending order; the default is the given one, else the
// first of the accept role.
ModelessMsgBox::MsgBox *addButtons(ModelessMsgBox::MsgBox *box, QDialogButtonBox::StandardButtons buttons,
                                   QDialogButtonBox::StandardButton defaultButton)
{
    QDialogButtonBox *buttonBox = box->buttonBox();
    QPushButton *chosen = nullptr;
    for (quint32 value = QDialogButtonBox::Ok; value <= QDialogButtonBox::RestoreDefaults;
         value <<= 1) {
        const auto standard = static_cast<QDialogButtonBox::StandardButton>(value);
        if (!buttons.testFlag(standard))
            continue;
        QPushButton *button = box->addButton(standard);
        if (chosen)
            continue;
        if (defaultButton != QDialogButtonBox::NoButton) {
            if (defaultButton == standard)
                chosen = button;
        } else if (buttonBox->buttonRole(button) == QDialogButtonBox::AcceptRole) {
            chosen = button;
        }
    }
    box->setDefaultButton(chosen);
    buttonBox->updateGeometry();
    box->updateGeometry();
    return box;
}

ModelessMsgBox::Wording fixedWording(const QString &title, const QString &text)
{
    return [title, text] { return ModelessMsgBox::Texts{title, text}; };
}

} // namespace

namespace ModelessMsgBox {

MsgBox::MsgBox(int, Wording wording, QWidget *parent)
    : MahjongDialog(parent, ShowCloseButton)
    , m_wording(std::move(wording))
{
    setAttribute(Qt::WA_DeleteOnClose);

    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout;
    m_text = new QLabel(body);
    m_text->setObjectName(QStringLiteral("messageText"));
    // A long text, an address say, wraps rather than widening the box beyond its window.
    m_text->setWordWrap(true);
    layout->addWidget(m_text);

    m_buttonBox = new CustomDialogButtonBox(body);
    connect(m_buttonBox, &QDialogButtonBox::clicked, this, &MsgBox::onClicked);
    if (style()->styleHint(QStyle::SH_MessageBox_CenterButtons, nullptr, this))
        m_buttonBox->setCenterButtons(true);

    layout->addWidget(m_buttonBox);
    body->setLayout(layout);
    setContentWidget(body);
    applyWording();
    // The room the window leaves decides where the text wraps and where the box stands.
    if (parent)
        parent->installEventFilter(this);
}

MsgBox::MsgBox(int kind, const QString &title, const QString &text, QWidget *parent)
    : MsgBox(kind, fixedWording(title, text), parent)
{
}

void MsgBox::applyWording()
{
    const Texts texts = m_wording();
    contentWidget()->setWindowTitle(texts.title);
    m_text->setText(texts.text);
    fitText();
}

// The text stands at its own width up to a line of some 80 characters, wrapping beyond;
// never narrower than its longest unbreakable run or the buttons, nor wider than the
// window leaves room for. The box takes the height the text needs at that width.
void MsgBox::fitText()
{
    ensurePolished();
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(m_text->font());
    const QString text = m_text->text();
    const Qt::TextFormat format = m_text->textFormat();
    if (format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text)))
        document.setHtml(text);
    else
        document.setPlainText(text);
    const QMargins textMargins = m_text->contentsMargins();
    const int extra = textMargins.left() + textMargins.right() + 2 * m_text->margin();
    const int natural = int(std::ceil(document.idealWidth())) + extra;
    const int measure = m_text->fontMetrics().averageCharWidth() * 80 + extra;
    int textWidth = std::max({std::min(natural, measure), m_text->minimumSizeHint().width(),
                              m_buttonBox->minimumSizeHint().width()});
    if (const QWidget *window = parentWidget()) {
        const QMargins bodyMargins = contentWidget()->layout()->contentsMargins();
        const int chrome = (width() - contentsRect().width()) + bodyMargins.left() + bodyMargins.right();
        textWidth = std::min(textWidth, window->width() - chrome);
    }
    textWidth = std::max(textWidth, 1);
    m_text->setMinimumSize(textWidth, m_text->heightForWidth(textWidth));
    // Laid out at once, so that the box never shows its buttons over a text still at its
    // former size.
    contentWidget()->layout()->activate();
    layout()->activate();
    resize(minimumSizeHint());
}

void MsgBox::setTextFormat(Qt::TextFormat format)
{
    m_text->setTextFormat(format);
    fitText();
}

void MsgBox::setTextSelectable()
{
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

bool MsgBox::eventFilter(QObject *watched, QEvent *event)
{
    // The window is watched for its size only: what the dialog does when its content
    // shows, hides, closes or is retitled is not for the window's own events.
    const QWidget *window = parentWidget();
    if (watched != window)
        return MahjongDialog::eventFilter(watched, event);
    if (event->type() == QEvent::Resize) {
        // Wrapped anew for the room the window leaves, the box stays inside it.
        fitText();
        move(std::clamp(x(), 0, std::max(0, window->width() - width())),
             std::clamp(y(), 0, std::max(0, window->height() - height())));
    }
    return false;
}

void MsgBox::showEvent(QShowEvent *event)
{
    // The style sheet's font is the text's only once the box is polished.
    fitText();
    MahjongDialog::showEvent(event);
}

void MsgBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_text)
        applyWording();
    MahjongDialog::changeEvent(event);
}

QPushButton *MsgBox::addButton(QDialogButtonBox::StandardButton button)
{
    return m_buttonBox->addButton(button);
}

void MsgBox::setDefaultButton(QPushButton *button)
{
    m_defaultButton = button;
    if (button) {
        button->setDefault(true);
        button->setFocus();
    }
}

void MsgBox::finish(int result)
{
    // A click hides nothing, so a close could follow before the deferred deletion.
    if (m_finished)
        return;
    m_finished = true;
    emit finished(result);
}

void MsgBox::onClicked(QAbstractButton *button)
{
    finish(m_buttonBox->standardButton(button));
    deleteLater();
}

void MsgBox::onFinished(int result)
{
    finish(result);
    deleteLater();
}

void MsgBox::closeEvent(QCloseEvent *event)
{
    finish(0);
    MahjongDialog::closeEvent(event);
}

MsgBox *create(QWidget *parent, int kind, Wording wording, QDialogButtonBox::StandardButtons buttons,
               QDialogButtonBox::StandardButton defaultButton)
{
    return addButtons(new MsgBox(kind, std::move(wording), parent), buttons, defaultButton);
}

MsgBox *create(QWidget *parent, int kind, const QString &title, const QString &text,
               QDialogButtonBox::StandardButtons buttons, QDialogButtonBox::StandardButton defaultButton)
{
    return addButtons(new MsgBox(kind, title, text, parent), buttons, defaultButton);
}

MsgBox *information(QWidget *parent, Wording wording, QDialogButtonBox::StandardButtons buttons,
                    QDialogButtonBox::StandardButton defaultButton)
{
    return showBox(parent, Information, std::move(wording), buttons, defaultButton);
}

MsgBox *information(QWidget *parent, const QString &title, const QString &text,
                    QDialogButtonBox::StandardButtons buttons,
                    QDialogButtonBox::StandardButton defaultButton)
{
    return showBox(parent, Information, fixedWording(title, text), buttons, defaultButton);
}

MsgBox *warning(QWidget *parent, Wording wording, QDialogButtonBox::StandardButtons buttons,
                QDialogButtonBox::StandardButton defaultButton)
{
    return showBox(parent, Warning, std::move(wording), buttons, defaultButton);
}

MsgBox *warning(QWidget *parent, const QString &title, const QString &text,
                QDialogButtonBox::StandardButtons buttons,
                QDialogButtonBox::StandardButton defaultButton)
{
    return showBox(parent, Warning, fixedWording(title, text), buttons, defaultButton);
}

MsgBox *critical(QWidget *parent, Wording wording, QDialogButtonBox::StandardButtons buttons,
                 QDialogButtonBox::StandardButton defaultButton)
{
    return showBox(parent, Critical, std::move(wording), buttons, defaultButton);
}

MsgBox *critical(QWidget *parent, const QString &title, const QString &text,
                 QDialogButtonBox::StandardButtons buttons,
                 QDialogButtonBox::StandardButton defaultButton)
{
    return showBox(parent, Critical, fixedWording(title, text), buttons, defaultButton);
}

MsgBox *question(QWidget *parent, Wording wording, QDialogButtonBox::StandardButtons buttons,
                 QDialogButtonBox::StandardButton defaultButton)
{
    return showBox(parent, Question, std::move(wording), buttons, defaultButton);
}

MsgBox *question(QWidget *parent, const QString &title, const QString &text,
                 QDialogButtonBox::StandardButtons buttons,
                 QDialogButtonBox::StandardButton defaultButton)
{
    return showBox(parent, Question, fixedWording(title, text), buttons, defaultButton);
}

static void attachHelper(MsgBox *box, QObject *receiver, std::function<void(int)> callback)
{
    if (!box)
        return;
    if (!callback) {
        qWarning() << "ModelessMsgBox: ignoring an empty callback";
        return;
    }
    auto *helper = new detail::MsgBoxFinishedHelper(box->parent(), receiver, std::move(callback));
    QObject::connect(box, &MsgBox::finished, helper, &detail::MsgBoxFinishedHelper::onFinished);
    // A box without a parent would otherwise leave its helper behind when it never finishes.
    QObject::connect(box, &QObject::destroyed, helper, &QObject::deleteLater);
}

void connectFinished(MsgBox *box, std::function<void(int)> callback)
{
    attachHelper(box, nullptr, std::move(callback));
}

void connectFinished(MsgBox *box, QObject *receiver, std::function<void(int)> callback)
{
    attachHelper(box, receiver, std::move(callback));
}

namespace detail {

MsgBoxFinishedHelper::MsgBoxFinishedHelper(QObject *parent, QObject *receiver,
                                           std::function<void(int)> callback)
    : QObject(parent)
    , m_callback(std::move(callback))
    , m_receiver(receiver)
    , m_tracksReceiver(receiver != nullptr)
{
}

void MsgBoxFinishedHelper::onFinished(int result)
{
    auto callback = std::move(m_callback);
    m_callback = nullptr;
    deleteLater();
    if (!callback || (m_tracksReceiver && !m_receiver))
        return;
    try {
        callback(result);
    } catch (const std::exception &e) {
        qCCritical(clientErrors) << "message box callback failed:" << e.what();
    } catch (...) {
        qCCritical(clientErrors) << "message box callback failed";
    }
}

} // namespace detail
} // namespace ModelessMsgBox
