#include "chat/FriendSearchWindow.h"

#include "chat/xmpp/XMPPClient.h"
#include "ui_FriendSearchView.h"

#include <QDebug>
#include <QEvent>

#include <stdexcept>

namespace {

const QString RequestTag = QStringLiteral("FriendSearchWindow");

// "node@domain/resource" as the address constructor takes it; throws
// std::invalid_argument for a part that is too long.
XMPPJid jidFromText(const QString &text)
{
    const qsizetype at = text.indexOf(QLatin1Char('@'));
    const QString node = at < 0 ? QString() : text.left(at);
    const QString rest = at < 0 ? text : text.mid(at + 1);
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    return XMPPJid(slash < 0 ? rest : rest.left(slash), node, slash < 0 ? QString() : rest.mid(slash + 1));
}

} // namespace

FriendSearchWindow::FriendSearchWindow(XMPPClient *client, const QString &searchService, QWidget *parent)
    : QWidget(parent),
      m_client(client),
      m_searchService(searchService),
      m_addAction(new QAction(this)),
      m_ui(std::make_unique<Ui::FriendSearchView>())
{
    m_ui->setupUi(this);
    m_ui->resultList->setColumnCount(1);

    connect(m_client, &XMPPClient::connected, this, &FriendSearchWindow::onConnected);
    connect(m_client, &XMPPClient::disconnected, this, &FriendSearchWindow::onDisconnected);
    connect(m_client, &XMPPClient::requestSearchFormResult, this, &FriendSearchWindow::onRequestSearchFormResult);
    connect(m_client, &XMPPClient::requestSearchFormError, this, &FriendSearchWindow::onRequestSearchFormError);
    connect(m_client, &XMPPClient::searchReport, this, &FriendSearchWindow::onSearchReport);
    connect(m_client, &XMPPClient::searchError, this, &FriendSearchWindow::onSearchError);

    connect(m_ui->searchInput, &QLineEdit::returnPressed, this, &FriendSearchWindow::on_searchButton_clicked);
    connect(m_ui->searchInput, &QLineEdit::textChanged, this, &FriendSearchWindow::onSearchInputChanged);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QWidget::close);

    m_ui->resultList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_ui->resultList, &QTreeWidget::customContextMenuRequested, this,
            &FriendSearchWindow::onResultTableContextMenu);
    connect(m_ui->resultList, &QTreeWidget::currentItemChanged, this, &FriendSearchWindow::onSelectionChanged);
    connect(m_ui->resultList, &QTreeWidget::itemDoubleClicked, this, &FriendSearchWindow::onAddAction);

    m_ui->addToFriendsButton->setEnabled(false);
    connect(m_ui->addToFriendsButton, &QPushButton::clicked, this, &FriendSearchWindow::onAddAction);
    connect(m_addAction, &QAction::triggered, this, &FriendSearchWindow::onAddAction);
    m_contextMenu.addAction(m_addAction);

    m_ui->searchInput->setEnabled(false);
    m_ui->searchButton->setEnabled(false);
    retranslate();

    if (m_client->state() == XMPPClient::ConnectedState)
        requestForm();
}

FriendSearchWindow::~FriendSearchWindow() = default;

void FriendSearchWindow::requestForm()
{
    m_client->requestSearchForm(m_searchService, RequestTag);
}

void FriendSearchWindow::retranslate()
{
    m_addAction->setText(tr("Add to friends"));
    m_addAction->setToolTip(tr("Add item to friends list"));
    m_ui->resultList->setHeaderLabels({tr("User")});
}

void FriendSearchWindow::setSearchText(const QString &text)
{
    m_ui->searchInput->setText(text);
}

void FriendSearchWindow::startSearch()
{
    if (m_ui->searchInput->text().isEmpty())
        return;
    if (m_searchField >= 0 && !m_searchPending)
        on_searchButton_clicked();
    else
        m_searchPending = true;
}

void FriendSearchWindow::onConnected()
{
    requestForm();
}

void FriendSearchWindow::onDisconnected()
{
    m_ui->statusLabel->clear();
    m_ui->searchInput->setEnabled(false);
    m_ui->searchButton->setEnabled(false);
    m_searchField = -1;
    m_searchPending = false;
}

void FriendSearchWindow::onRequestSearchFormResult(const XMPPDataForm &form, const QString &requestTag)
{
    if (requestTag != RequestTag)
        return;
    m_form = form;
    m_searchField = -1;
    const QList<XMPPDataForm::Field> &fields = m_form.fields();
    for (int i = 0; i < fields.size(); ++i) {
        if (fields.at(i).type == XMPPDataForm::TextSingle && fields.at(i).var == QLatin1String("search"))
            m_searchField = i;
    }
    if (m_searchField < 0) {
        qWarning() << "The search service" << m_searchService << "has no search field";
        return;
    }
    m_ui->searchInput->setEnabled(true);
    m_ui->searchInput->setFocus(Qt::OtherFocusReason);
    if (m_searchPending)
        on_searchButton_clicked();
}

void FriendSearchWindow::onRequestSearchFormError(const QString &requestTag)
{
    if (requestTag != RequestTag)
        return;
    m_ui->searchButton->setEnabled(false);
    m_ui->statusLabel->setText(tr("Search error"));
}

void FriendSearchWindow::on_searchButton_clicked()
{
    const QString text = m_ui->searchInput->text();
    // Asked for before the form came: it goes out with the form.
    if (!text.isEmpty() && m_searchField < 0) {
        m_searchPending = true;
        return;
    }
    if (!text.isEmpty()) {
        m_form.field(m_searchField).value = text;
        m_client->search(m_searchService, m_form, RequestTag);
    }
    m_searchPending = false;
}

void FriendSearchWindow::onSearchInputChanged(const QString &text)
{
    m_ui->searchButton->setEnabled(text.size() >= 2);
}

void FriendSearchWindow::onSearchReport(const XMPPDataReport &report, const QString &requestTag)
{
    if (requestTag != RequestTag)
        return;
    m_ui->resultList->clear();
    int count = 0;
    for (const XMPPDataReport::Row &row : report.rows()) {
        XMPPJid jid;
        try {
            jid = jidFromText(row.value(QStringLiteral("jid")));
        } catch (const std::invalid_argument &) {
            qWarning() << "Skipping a search result with an address that is too long";
            continue;
        }
        const QString name = row.value(QStringLiteral("Name"));
        if (jid.isEmpty() || name.isEmpty())
            continue;
        auto *item = new QTreeWidgetItem(m_ui->resultList);
        item->setData(0, Qt::DisplayRole, name);
        item->setData(0, Qt::UserRole, QVariant::fromValue(jid));
        ++count;
    }
    m_ui->resultList->sortItems(0, Qt::AscendingOrder);
    m_ui->statusLabel->setText(tr("%Ln user(s) found", nullptr, count));
}

void FriendSearchWindow::onSearchError(const QString &requestTag)
{
    if (requestTag != RequestTag)
        return;
    m_ui->searchInput->setEnabled(true);
    m_ui->searchButton->setEnabled(true);
    m_ui->statusLabel->setText(tr("Search error"));
}

void FriendSearchWindow::onAddAction()
{
    const QTreeWidgetItem *item = m_ui->resultList->currentItem();
    if (!item)
        return;
    const QVariant value = item->data(0, Qt::UserRole);
    if (value.canConvert<XMPPJid>())
        emit selectedJid(value.value<XMPPJid>());
}

void FriendSearchWindow::onResultTableContextMenu(const QPoint &pos)
{
    QTreeWidgetItem *item = m_ui->resultList->itemAt(pos);
    if (!item)
        return;
    m_ui->resultList->setCurrentItem(item);
    m_addAction->setEnabled(true);
    m_contextMenu.popup(m_ui->resultList->viewport()->mapToGlobal(pos));
}

void FriendSearchWindow::onSelectionChanged(QTreeWidgetItem *current, QTreeWidgetItem *)
{
    m_ui->addToFriendsButton->setEnabled(current != nullptr);
}

void FriendSearchWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        retranslate();
    }
    QWidget::changeEvent(event);
}
