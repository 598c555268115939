#include "game/GameWindowActionQueue.h"

#include "game/GameWindowAction.h"
#include "table/scene/GameWindowAnimation.h"

#include <QSettings>

GameWindowActionQueue::GameWindowActionQueue(std::function<void()> repaint, QObject *parent)
    : QObject(parent), m_repaint(std::move(repaint))
{
}

GameWindowActionQueue::~GameWindowActionQueue()
{
    clear();
}

bool GameWindowActionQueue::animationsEnabled()
{
    return QSettings().value(QStringLiteral("game/animations"), true).toBool();
}

void GameWindowActionQueue::enqueueAction(GameWindowAction *action)
{
    m_actions.emplace_back(action);
    if (!animationsEnabled())
        flush();
    else if (!m_busy)
        nextAction();
    flushWhenFull();
}

void GameWindowActionQueue::enqueueAnimation(GameWindowAnimation *animation)
{
    if (!animationsEnabled()) {
        flush();
        std::unique_ptr<GameWindowAnimation> owned(animation);
        owned->start(true);
        owned->finish(true);
    } else {
        connect(animation, &GameWindowAnimation::finished, this, &GameWindowActionQueue::nextAction);
        m_actions.emplace_back(animation->startAction());
        m_actions.emplace_back(animation->endAction());
        if (!m_busy)
            nextAction();
    }
    flushWhenFull();
}

void GameWindowActionQueue::flushWhenFull()
{
    if (m_actions.size() > MaxWaiting)
        flush();
}

std::unique_ptr<GameWindowAction> GameWindowActionQueue::takeFront()
{
    std::unique_ptr<GameWindowAction> action = std::move(m_actions.front());
    m_actions.pop_front();
    return action;
}

void GameWindowActionQueue::nextAction()
{
    // An action that queues another one runs it through this loop, in order, rather
    // than through a second loop that would run past an animation's start.
    if (m_stepping)
        return;
    m_stepping = true;
    while (!m_actions.empty()) {
        if (!takeFront()->execute(false))
            break;
    }
    m_stepping = false;
    m_busy = !m_actions.empty();
    requestRepaint();
}

void GameWindowActionQueue::flush()
{
    while (!m_actions.empty())
        takeFront()->execute(false);
    m_busy = false;
    requestRepaint();
}

void GameWindowActionQueue::clear()
{
    // Deleting an action may delete an animation; move them out first so that nothing
    // run from a destructor sees a half-emptied queue.
    std::deque<std::unique_ptr<GameWindowAction>> dropped;
    dropped.swap(m_actions);
    dropped.clear();
    m_busy = false;
}

void GameWindowActionQueue::requestRepaint()
{
    if (m_repaint)
        m_repaint();
}
