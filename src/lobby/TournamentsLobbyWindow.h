#pragma once

#include "app/TournamentInfo.h"

#include <QModelIndex>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

class LinkDelegatingPage;
class QTreeView;
class QUrl;
class TournamentLobbyFilter;
class TournamentsController;
class TournamentsLobbyModel;

namespace Ui {
class TournamentsLobbyView;
}

// Resizes every column of the view to its contents.
void resizeAllColumnsToContents(QTreeView *view);
// Gives the first ten columns of the view the ten widths.
void applyColumnWidths(QTreeView *view, const int *widths);

// The Tournaments tab: the tournament list narrowed by rule sets, buy-in levels,
// availability and a search, with the selected tournament's short information page below.
class TournamentsLobbyWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ResizeDelayMs = 2000;
    static const std::array<int, 10> defaultColumnWidths;

    TournamentsLobbyWindow(TournamentsController *controller, QWidget *parent = nullptr);
    ~TournamentsLobbyWindow() override;

    void setModel(TournamentsLobbyModel *model);
    // Selects the tournament of that persistent id and reports it as selected.
    void showTournament(qint32 persistentId);

    TournamentLobbyFilter *filter() const { return m_filter; }
    bool isPageLoading() const { return m_pageLoading; }
    // The tournament id of a row of the list; -1 for an invalid index.
    qint32 tournamentIdOf(const QModelIndex &index) const;

signals:
    void tournamentSelected(qint32 id);
    void tournamentActivated(qint32 id);
    void launchBrowser(const QString &url);

public slots:
    void onCurrentTournamentChanged(const QModelIndex &current);
    void onTournamentActivated(const QModelIndex &index);
    void onTournamentAdded(const TournamentInfo &info);
    void onResizeColumnsTimeout();
    void onLoadFinished(bool ok);
    void onLinkClicked(const QUrl &url);
    void onViewAllAvailableTournamentsChanged(int state);
    void onClassicRulesChanged(int state);
    void onInternationalRulesChanged(int state);
    void onRiichiRulesChanged(int state);
    void onHongKongRulesChanged(int state);
    void onLevel1BuyInChanged(int state);
    void onLevel2BuyInChanged(int state);
    void onLevel3BuyInChanged(int state);
    void onNoBuyInChanged(int state);
    void onFreeTextSearchChanged(const QString &text);

protected:
    void changeEvent(QEvent *event) override;

private:
    void setRulesets(const char *key, int state, std::initializer_list<int> rulesets);
    void setBuyInLevel(const char *key, int state, int level);
    void makePaneTransparent();
    void clearPane();

    TournamentLobbyFilter *m_filter;
    QPointer<TournamentsLobbyModel> m_model;
    TournamentsController *m_controller;
    QTimer m_resizeTimer;
    std::unique_ptr<Ui::TournamentsLobbyView> m_ui;
    QSettings m_settings;
    bool m_pageLoading = false;
    LinkDelegatingPage *m_page;
};
