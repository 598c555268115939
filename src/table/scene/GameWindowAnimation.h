#pragma once

#include <QObject>
#include <QTimeLine>

class GameWindowAction;

// One visual step of the game on the table scene, played on its own time line
// (20 ms updates, ease-in-out). The table window's queue wraps it into a start and an
// end action and waits for finished() in between.
//
// With instant set (animations off), start() only makes the state change of the step
// and finish() completes it; no time line runs and finished() is not emitted.
class GameWindowAnimation : public QObject
{
    Q_OBJECT

public:
    explicit GameWindowAnimation(int durationMs);
    ~GameWindowAnimation() override;

    virtual void start(bool instant) = 0;
    virtual void finish(bool instant) = 0;

    // New queue actions (owned by the caller): the start action calls start() and holds
    // the queue; the end action calls finish() and schedules the animation's deletion.
    // An end action deleted before it ran deletes the animation with it.
    GameWindowAction *startAction();
    GameWindowAction *endAction();

    QTimeLine *timeLine() { return &m_timeLine; }

signals:
    void finished();

protected:
    QTimeLine m_timeLine;
};
