#include "table/dialogs/ConcealedActionDialog.h"

#include "ui_ConcealedActionDialog.h"

#include <QEvent>

ConcealedActionDialog::ConcealedActionDialog(QWidget *parent)
    : QFrame(parent), m_ui(std::make_unique<Ui::ConcealedActionDialog>())
{
    m_ui->setupUi(this);
    connect(m_ui->riichiButton, &QPushButton::clicked, this, &ConcealedActionDialog::riichiSelected);
    connect(m_ui->kongButton, &QPushButton::clicked, this, &ConcealedActionDialog::kongSelected);
    connect(m_ui->pongToKongButton, &QPushButton::clicked, this,
            &ConcealedActionDialog::pongToKongSelected);
    connect(m_ui->replaceBonusButton, &QPushButton::clicked, this,
            &ConcealedActionDialog::replaceFlowerSelected);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &ConcealedActionDialog::cancelSelected);
}

ConcealedActionDialog::~ConcealedActionDialog() = default;

void ConcealedActionDialog::setOffers(const meld_offer_vector &offers)
{
    for (QPushButton *button : {m_ui->riichiButton, m_ui->kongButton, m_ui->pongToKongButton,
                                m_ui->replaceBonusButton, m_ui->cancelButton})
        button->hide();
    for (const meld_offer &offer : offers) {
        switch (offer.kind) {
        case PONG_TO_KONG:
            m_ui->pongToKongButton->show();
            break;
        case KONG:
            m_ui->kongButton->show();
            break;
        case BONUS:
            m_ui->replaceBonusButton->show();
            break;
        case RIICHI:
            m_ui->riichiButton->show();
            break;
        default:
            break;
        }
    }
}

void ConcealedActionDialog::showCancelOnly()
{
    m_ui->kongButton->hide();
    m_ui->pongToKongButton->hide();
    m_ui->replaceBonusButton->hide();
    m_ui->riichiButton->hide();
    m_ui->cancelButton->show();
}

void ConcealedActionDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QFrame::changeEvent(event);
}
