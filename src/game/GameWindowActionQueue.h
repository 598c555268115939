#pragma once

#include <QObject>

#include <deque>
#include <functional>
#include <memory>

class GameWindowAction;
class GameWindowAnimation;

// The table window's queue of table events: actions run one after another, and an
// animation holds the queue until it has finished, so that animations never overlap
// and later events wait for earlier ones. With the setting "game/animations" off, or
// once more than MaxWaiting actions wait, everything runs at once.
//
// Every action is taken out of the queue before it runs, so an action may queue,
// flush or clear the queue itself and still runs and is deleted exactly once.
class GameWindowActionQueue : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxWaiting = 20;

    // repaint is called once after each step of the queue (a redraw of the table view).
    explicit GameWindowActionQueue(std::function<void()> repaint = {}, QObject *parent = nullptr);
    // Deletes the waiting actions without running them.
    ~GameWindowActionQueue() override;

    void setRepaint(std::function<void()> repaint) { m_repaint = std::move(repaint); }

    // Both take ownership.
    void enqueueAction(GameWindowAction *action);
    void enqueueAnimation(GameWindowAnimation *animation);

    // Runs every waiting action at once; started animations end at their final state.
    void flush();
    // Deletes the waiting actions without running them.
    void clear();

    // An animation is running and the queue waits for its end.
    bool isBusy() const { return m_busy; }
    bool isEmpty() const { return m_actions.empty(); }
    int size() const { return static_cast<int>(m_actions.size()); }

public slots:
    // Runs actions until one starts an animation or the queue is empty.
    void nextAction();

private:
    static bool animationsEnabled();
    void flushWhenFull();
    std::unique_ptr<GameWindowAction> takeFront();
    void requestRepaint();

    std::deque<std::unique_ptr<GameWindowAction>> m_actions;
    std::function<void()> m_repaint;
    bool m_busy = false;
    bool m_stepping = false;
};
