#include "lobby/TournamentsLobbyWindow.h"

#include "app/Utils.h"
#include "lobby/EvenRowDelegate.h"
#include "lobby/TournamentLobbyFilter.h"
#include "lobby/TournamentsLobbyModel.h"
#include "ui/web/LinkDelegatingPage.h"
#include "ui/web/PageGround.h"

#include "ui_TournamentsLobbyView.h"

#include <QEvent>
#include <QHeaderView>
#include <QtDebug>

const std::array<int, 10> TournamentsLobbyWindow::defaultColumnWidths{20, 45, 100, 90, 80,
                                                                      80, 60, 60, 150, 75};

void resizeAllColumnsToContents(QTreeView *view)
{
    for (int column = 0; column < view->header()->count(); ++column)
        view->resizeColumnToContents(column);
}

void applyColumnWidths(QTreeView *view, const int *widths)
{
    for (int column = 0; column < 10; ++column)
        view->setColumnWidth(column, widths[column]);
}

TournamentsLobbyWindow::TournamentsLobbyWindow(TournamentsController *controller, QWidget *parent)
    : QWidget(parent)
    , m_filter(new TournamentLobbyFilter(this))
    , m_controller(controller)
    , m_ui(std::make_unique<Ui::TournamentsLobbyView>())
{
    m_ui->setupUi(this);
    QTreeView *list = m_ui->tournamentsLobbyTreeView;
    m_filter->setSortCaseSensitivity(Qt::CaseInsensitive);
    list->setModel(m_filter);
    // Every row as high as a line of any script: Japanese and Chinese texts line up.
    list->setItemDelegate(new EvenRowDelegate(list));
    list->setUniformRowHeights(true);
    // The registered mark's column is narrower than the style's smallest section.
    list->header()->setMinimumSectionSize(defaultColumnWidths[0]);
    list->header()->setStretchLastSection(false);
    list->header()->setSortIndicatorShown(true);
    list->header()->setSortIndicator(1, Qt::AscendingOrder);
    connect(list, &QTreeView::activated, this, &TournamentsLobbyWindow::onTournamentActivated);
    m_filter->sort(1, Qt::AscendingOrder);
    connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TournamentsLobbyWindow::onCurrentTournamentChanged);

    m_page = new LinkDelegatingPage(m_ui->webView);
    m_ui->webView->setPage(m_page);
    connect(m_page, &QWebEnginePage::loadFinished, this, &TournamentsLobbyWindow::onLoadFinished);
    connect(m_page, &LinkDelegatingPage::linkClicked, this, &TournamentsLobbyWindow::onLinkClicked);
    m_ui->webView->hide();

    connect(m_ui->classicRules, &QCheckBox::stateChanged, this, &TournamentsLobbyWindow::onClassicRulesChanged);
    connect(m_ui->internationalRules, &QCheckBox::stateChanged, this,
            &TournamentsLobbyWindow::onInternationalRulesChanged);
    connect(m_ui->riichiRules, &QCheckBox::stateChanged, this, &TournamentsLobbyWindow::onRiichiRulesChanged);
    connect(m_ui->hongKongRules, &QCheckBox::stateChanged, this, &TournamentsLobbyWindow::onHongKongRulesChanged);
    m_ui->classicRules->setCheckState(Utils::settingCheckState(m_settings, "mttlobby/classic", true));
    m_ui->internationalRules->setCheckState(Utils::settingCheckState(m_settings, "mttlobby/international", true));
    m_ui->riichiRules->setCheckState(Utils::settingCheckState(m_settings, "mttlobby/riichi", true));
    m_ui->hongKongRules->setCheckState(Utils::settingCheckState(m_settings, "lobby/hongkong", true));
    m_filter->setRulesFilterEnabled(true);

    connect(m_ui->level1BuyIn, &QCheckBox::stateChanged, this, &TournamentsLobbyWindow::onLevel1BuyInChanged);
    connect(m_ui->level2BuyIn, &QCheckBox::stateChanged, this, &TournamentsLobbyWindow::onLevel2BuyInChanged);
    connect(m_ui->level3BuyIn, &QCheckBox::stateChanged, this, &TournamentsLobbyWindow::onLevel3BuyInChanged);
    connect(m_ui->noBuyIn, &QCheckBox::stateChanged, this, &TournamentsLobbyWindow::onNoBuyInChanged);
    m_filter->setBuyInFilterEnabled(true);
    m_ui->level1BuyIn->setCheckState(Utils::settingCheckState(m_settings, "mttlobby/level1buyin", true));
    m_ui->level2BuyIn->setCheckState(Utils::settingCheckState(m_settings, "mttlobby/level2buyin", true));
    m_ui->level3BuyIn->setCheckState(Utils::settingCheckState(m_settings, "mttlobby/level3buyin", true));
    m_ui->noBuyIn->setCheckState(Utils::settingCheckState(m_settings, "mttlobby/nobuyin", true));

    connect(m_ui->viewAllAvailableTournamentsCheckBox, &QCheckBox::stateChanged, this,
            &TournamentsLobbyWindow::onViewAllAvailableTournamentsChanged);
    const Qt::CheckState viewAll =
        Utils::settingCheckState(m_settings, "mttlobby/viewallavailabletournaments", true);
    m_ui->viewAllAvailableTournamentsCheckBox->setCheckState(viewAll);
    m_filter->setFullTournamentsMode(viewAll == Qt::Checked ? Ignore : ExcludeMatch);

    connect(m_ui->freeTextSearch, &QLineEdit::textChanged, this, &TournamentsLobbyWindow::onFreeTextSearchChanged);
    connect(&m_resizeTimer, &QTimer::timeout, this, &TournamentsLobbyWindow::onResizeColumnsTimeout);
    m_resizeTimer.setSingleShot(true);
    m_resizeTimer.setInterval(ResizeDelayMs);
}

TournamentsLobbyWindow::~TournamentsLobbyWindow() = default;

qint32 TournamentsLobbyWindow::tournamentIdOf(const QModelIndex &index) const
{
    if (!index.isValid() || !m_ui->tournamentsLobbyTreeView->model())
        return -1;
    return index.data(Qt::UserRole).toInt();
}

void TournamentsLobbyWindow::setModel(TournamentsLobbyModel *model)
{
    if (m_model)
        disconnect(m_model, &TournamentsLobbyModel::tournamentAdded, this,
                   &TournamentsLobbyWindow::onTournamentAdded);
    m_model = model;
    if (model) {
        connect(model, &TournamentsLobbyModel::tournamentAdded, this, &TournamentsLobbyWindow::onTournamentAdded);
        // The model may have been built in another language than the current one.
        model->retranslate();
    }
    m_filter->setSourceModel(model);
    // The name takes the width the other columns leave, so the list never scrolls
    // sideways and the pot stays in view.
    if (model)
        m_ui->tournamentsLobbyTreeView->header()->setSectionResizeMode(TournamentsLobbyModel::NameColumn,
                                                                       QHeaderView::Stretch);
    if (model && !model->tournamentIds().isEmpty())
        resizeAllColumnsToContents(m_ui->tournamentsLobbyTreeView);
    else
        applyColumnWidths(m_ui->tournamentsLobbyTreeView, defaultColumnWidths.data());
}

void TournamentsLobbyWindow::showTournament(qint32 persistentId)
{
    if (!m_model)
        return;
    const qint32 id = m_model->tournamentIdByPersistentId(persistentId);
    if (id <= 0)
        return;
    const QModelIndex index = m_filter->mapFromSource(m_model->indexOfTournament(id));
    if (index.isValid()) {
        m_ui->tournamentsLobbyTreeView->selectionModel()->select(
            index, QItemSelectionModel::Select | QItemSelectionModel::Current | QItemSelectionModel::Rows);
    }
    emit tournamentSelected(id);
}

void TournamentsLobbyWindow::onCurrentTournamentChanged(const QModelIndex &current)
{
    const qint32 id = tournamentIdOf(current);
    if (id == -1)
        return;
    if (!m_model || !m_model->hasTournament(id)) {
        qWarning() << "no tournament info for tmntId = " << id;
        return;
    }
    const QUrl url = m_model->tournamentInfo(id).shortInfoUrl();
    m_ui->webView->stop();
    if (!url.isEmpty()) {
        qWarning() << "showing" << url;
        makePaneTransparent();
        clearPane();
        m_ui->webView->show();
        m_pageLoading = true;
        m_ui->webView->load(url);
    } else {
        m_ui->webView->hide();
        m_pageLoading = false;
        clearPane();
    }
    emit tournamentSelected(id);
}

void TournamentsLobbyWindow::onTournamentActivated(const QModelIndex &index)
{
    if (index.isValid())
        emit tournamentActivated(tournamentIdOf(index));
}

void TournamentsLobbyWindow::onTournamentAdded(const TournamentInfo &)
{
    m_resizeTimer.start();
}

void TournamentsLobbyWindow::onResizeColumnsTimeout()
{
    resizeAllColumnsToContents(m_ui->tournamentsLobbyTreeView);
}

void TournamentsLobbyWindow::onLoadFinished(bool ok)
{
    if (!m_pageLoading)
        return;
    m_pageLoading = false;
    if (!ok) {
        m_ui->webView->hide();
        return;
    }
    makePaneTransparent();
    m_ui->webView->show();
    QTreeView *list = m_ui->tournamentsLobbyTreeView;
    if (list->currentIndex().isValid())
        list->scrollTo(list->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void TournamentsLobbyWindow::onLinkClicked(const QUrl &url)
{
    emit launchBrowser(url.toString());
}

void TournamentsLobbyWindow::onViewAllAvailableTournamentsChanged(int state)
{
    m_settings.setValue(QStringLiteral("mttlobby/viewallavailabletournaments"), state == Qt::Checked);
    if (state == Qt::Checked)
        m_filter->setFullTournamentsMode(Ignore);
    else if (state == Qt::Unchecked)
        m_filter->setFullTournamentsMode(ExcludeMatch);
}

void TournamentsLobbyWindow::onClassicRulesChanged(int state)
{
    setRulesets("mttlobby/classic", state, {0});
}

void TournamentsLobbyWindow::onInternationalRulesChanged(int state)
{
    setRulesets("mttlobby/international", state, {1});
}

void TournamentsLobbyWindow::onRiichiRulesChanged(int state)
{
    setRulesets("mttlobby/riichi", state, {2, 3, 4});
}

void TournamentsLobbyWindow::onHongKongRulesChanged(int state)
{
    setRulesets("lobby/hongkong", state, {5});
}

void TournamentsLobbyWindow::onLevel1BuyInChanged(int state)
{
    setBuyInLevel("mttlobby/level1buyin", state, 1);
}

void TournamentsLobbyWindow::onLevel2BuyInChanged(int state)
{
    setBuyInLevel("mttlobby/level2buyin", state, 2);
}

void TournamentsLobbyWindow::onLevel3BuyInChanged(int state)
{
    setBuyInLevel("mttlobby/level3buyin", state, 3);
}

void TournamentsLobbyWindow::onNoBuyInChanged(int state)
{
    setBuyInLevel("mttlobby/nobuyin", state, 0);
}

void TournamentsLobbyWindow::onFreeTextSearchChanged(const QString &text)
{
    m_filter->setSearchText(text);
}

void TournamentsLobbyWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        if (m_model) {
            m_model->retranslate();
            m_resizeTimer.start();
        }
    }
    QWidget::changeEvent(event);
}

void TournamentsLobbyWindow::setRulesets(const char *key, int state, std::initializer_list<int> rulesets)
{
    const bool checked = state == Qt::Checked;
    m_settings.setValue(QLatin1String(key), checked);
    for (const int ruleset : rulesets) {
        if (checked)
            m_filter->addRuleset(ruleset);
        else
            m_filter->removeRuleset(ruleset);
    }
}

void TournamentsLobbyWindow::setBuyInLevel(const char *key, int state, int level)
{
    const bool checked = state == Qt::Checked;
    m_settings.setValue(QLatin1String(key), checked);
    if (checked)
        m_filter->addBuyInLevel(level);
    else
        m_filter->removeBuyInLevel(level);
}

void TournamentsLobbyWindow::makePaneTransparent()
{
    PageGround::layOn(m_ui->webView);
    QPalette palette = m_ui->webView->palette();
    palette.setBrush(QPalette::Base, QBrush(Qt::transparent));
    m_ui->webView->setPalette(palette);
    m_ui->webView->setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TournamentsLobbyWindow::clearPane()
{
    m_ui->webView->setHtml(QString());
}
