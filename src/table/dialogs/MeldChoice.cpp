#include "table/dialogs/MeldChoice.h"

#include "ui_MeldChoice.h"

#include "game/tiles/TileGraphics.h"
#include "table/scene/MeldView.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOption>

#include <string>

MeldChoice::MeldChoice(QWidget *parent, const meld_offer &offer, tile lastDiscard)
    : QFrame(parent)
    , m_ui(std::make_unique<Ui::MeldChoice>())
    , m_scene(new QGraphicsScene(this))
    , m_offer(offer)
    , m_choiceKind(choiceKind(offer, lastDiscard, nullptr))
{
    const int kind = m_choiceKind == Kong ? KONG : m_choiceKind == Pong ? PONG : CHOW;
    m_meldView = std::make_unique<MeldView>(0, kind, offer.baseTile, -1, -1, 0);
    m_meldView->setImageSet(&TileGraphics::instance().painter());
    m_ui->setupUi(this);
    m_viewMinimum = m_ui->meldChoiceView->minimumSize();
    retranslate();
    m_meldView->markTile(lastDiscard);
    m_scene->addItem(m_meldView.get());
    m_ui->meldChoiceView->setScene(m_scene);
    fitView();
    connect(m_ui->meldChoiceButton, &QPushButton::clicked, this, &MeldChoice::buttonClicked);
    // The tiles take a new size with the table's scale at once, and their final images
    // when those are rendered.
    connect(&TileGraphics::instance(), &TileGraphics::gameScaleChanged, this,
            &MeldChoice::onTileGraphicsChanged);
    connect(&TileGraphics::instance(), &TileGraphics::tileGraphicsChanged, this,
            &MeldChoice::onTileGraphicsChanged);
}

MeldChoice::~MeldChoice()
{
    m_scene->removeItem(m_meldView.get());
}

MeldChoice::ChoiceKind MeldChoice::choiceKind(const meld_offer &offer, tile lastDiscard, QString *error)
{
    switch (offer.kind) {
    case CHOW: {
        const int offset = int(lastDiscard.code()) - int(offer.baseTile.code());
        if (offset >= 0 && offset <= 2)
            return ChoiceKind(ChowLow + offset);
        if (error) {
            *error = QStringLiteral("invalid tile %1 sent in chow meld offer, last discard is %2")
                         .arg(QString::fromStdString(tileToString(offer.baseTile)),
                              QString::fromStdString(tileToString(lastDiscard)));
        }
        return Invalid;
    }
    case KONG:
        return Kong;
    case PONG:
        return Pong;
    default:
        if (error)
            *error = QStringLiteral("invalid meld offer sent");
        return Invalid;
    }
}

void MeldChoice::retranslate()
{
    QString text;
    QString key;
    switch (m_choiceKind) {
    case ChowLow:
        text = tr("Chow Low");
        key = tr("Alt+1", "Chow Low");
        break;
    case ChowMid:
        text = tr("Chow Mid");
        key = tr("Alt+2", "Chow Mid");
        break;
    case ChowHi:
        text = tr("Chow Hi");
        key = tr("Alt+3", "Chow Hi");
        break;
    case Kong:
        text = tr("Kong");
        key = tr("Alt+K", "Kong");
        break;
    case Pong:
        text = tr("Pong");
        key = tr("Alt+P", "Pong");
        break;
    case Invalid:
        break;
    }
    m_ui->meldChoiceButton->setText(text);
    m_ui->meldChoiceButton->setShortcut(QKeySequence(key));
    m_ui->meldChoiceButton->setEnabled(m_choiceKind != Invalid);
    m_meldView->retranslate();
}

void MeldChoice::click()
{
    m_ui->meldChoiceButton->animateClick();
}

void MeldChoice::buttonClicked()
{
    emit selected(m_offer);
}

void MeldChoice::fitView()
{
    // The row is as high as the tiles, so that they show whole at every size.
    const QRectF meld = m_meldView->childrenBoundingRect();
    m_ui->meldChoiceView->setMinimumSize(m_viewMinimum.expandedTo(meld.toAlignedRect().size()));
    m_ui->meldChoiceView->setSceneRect(meld);
    m_ui->meldChoiceView->centerOn(m_meldView.get());
}

void MeldChoice::onTileGraphicsChanged()
{
    m_meldView->relayout();
    fitView();
}

void MeldChoice::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        retranslate();
    }
    QFrame::changeEvent(event);
}

void MeldChoice::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
