#include "table/dialogs/MeldAuction.h"

#include "ui_MeldAuction.h"

#include "table/dialogs/MeldChoice.h"

#include <QDebug>
#include <QEvent>

MeldAuction::MeldAuction(QWidget *parent)
    : MahjongDialog(parent, 0)
    , m_ui(std::make_unique<Ui::MeldAuction>())
    , m_defaultShortcut(this)
{
    setObjectName(QStringLiteral("MeldAuction"));
    auto *body = new QFrame;
    m_ui->setupUi(body);
    setContentWidget(body);
    m_ui->mahjongButtonFrame->hide();
    m_ui->mahjongButton->hide();
    m_ui->meldChoiceSeparator->hide();
    m_ui->passButton->hide();
    m_ui->closeButton->hide();
    connect(m_ui->closeButton, &QPushButton::clicked, this, &MeldAuction::closeClicked);
    connect(m_ui->passButton, &QPushButton::clicked, this, &MeldAuction::passClicked);
    connect(m_ui->mahjongButton, &QPushButton::clicked, this, &MeldAuction::mahjongClicked);
    connect(&m_defaultShortcut, &QShortcut::activated, this, &MeldAuction::onDefaultActionActivated);
    m_ui->passButton->setShortcut(QKeySequence(Qt::Key_Escape));
    updateMahjongText();
}

MeldAuction::~MeldAuction() = default;

void MeldAuction::setShortcutKey(const QKeySequence &key)
{
    m_defaultShortcut.setKey(key);
}

void MeldAuction::setMode(int mode)
{
    m_mode = mode;
    updateTitle();
    updateMahjongText();
}

// A win on the own draw is called otherwise than one on another player's tile. The
// shortcut follows the text, which replaces it.
void MeldAuction::updateMahjongText()
{
    m_ui->mahjongButton->setText(m_mode == 1 ? tr("Mahjong", "a win on the own draw")
                                             : tr("Mahjong", "a win on another player's tile"));
    m_ui->mahjongButton->setShortcut(QKeySequence(tr("Alt+M", "Mahjong")));
}

void MeldAuction::updateTitle()
{
    switch (m_mode) {
    case 0:
    case 1:
        setWindowTitle(tr("Choose Meld"));
        break;
    case 2:
        setWindowTitle(tr("Rob the Kong"));
        break;
    case 3:
        setWindowTitle(tr("Replace tiles"));
        break;
    default:
        setWindowTitle(QString());
        break;
    }
}

void MeldAuction::showPassButton()
{
    m_passEnabled = true;
    m_ui->passButton->show();
}

void MeldAuction::showCloseButton()
{
    m_ui->closeButton->show();
}

void MeldAuction::setMeldOffers(const meld_offer &offer, const tile &lastDiscard)
{
    m_passEnabled = true;
    if (offer.kind == RIICHI) {
        qWarning() << "invalid meld offer sent: riichi";
        return;
    }
    if (offer.kind == MAHJONG) {
        m_mahjongOffered = true;
        m_ui->mahjongButton->show();
        m_ui->mahjongButtonFrame->show();
        m_ui->meldChoiceSeparator->show();
        return;
    }
    QString error;
    if (MeldChoice::choiceKind(offer, lastDiscard, &error) == MeldChoice::Invalid) {
        qWarning().noquote() << error << "- kind" << offer.kind;
        return;
    }
    auto row = std::make_unique<MeldChoice>(this, offer, lastDiscard);
    connect(row.get(), &MeldChoice::selected, this, &MeldAuction::meldSelected);
    m_ui->meldChoiceLayout->addWidget(row.get());
    m_rows.push_back(std::move(row));

    auto separator = std::make_unique<QFrame>(this);
    separator->setObjectName(QStringLiteral("meldChoiceSeparator"));
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    m_ui->meldChoiceLayout->addWidget(separator.get());
    m_rows.push_back(std::move(separator));
    // The rows' widget takes their size now rather than when its layout next runs: the
    // dialog is sized from it before it shows.
    m_ui->meldChoiceLayout->activate();
}

std::vector<MeldChoice *> MeldAuction::choices() const
{
    std::vector<MeldChoice *> result;
    for (const auto &row : m_rows) {
        if (auto *choice = qobject_cast<MeldChoice *>(row.get()))
            result.push_back(choice);
    }
    return result;
}

void MeldAuction::mahjongClicked()
{
    if (m_mahjongOffered)
        emit meldSelected(meld_offer(MAHJONG, tile(0)));
}

void MeldAuction::passClicked()
{
    if (m_passEnabled)
        emit passSelected();
}

void MeldAuction::closeClicked()
{
    hide();
    emit closeSelected();
}

void MeldAuction::onDefaultActionActivated()
{
    if (!isVisible())
        return;
    if (m_mahjongOffered) {
        m_ui->mahjongButton->animateClick();
        return;
    }
    const auto rows = choices();
    if (rows.size() == 1)
        rows.front()->click();
}

bool MeldAuction::event(QEvent *event)
{
    const bool handled = MahjongDialog::event(event);
    // The rows grow and shrink with the tiles; the dialog keeps their size.
    if (event->type() == QEvent::LayoutRequest)
        adjustSize();
    return handled;
}

void MeldAuction::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(static_cast<QFrame *>(contentWidget()));
        updateTitle();
        updateMahjongText();
    }
    MahjongDialog::changeEvent(event);
}
