#pragma once

#include <functional>

// One queued step of the table window's replay of table events. execute() answers true
// when the step is done, false when it started something (an animation) whose end
// resumes the queue.
class GameWindowAction
{
public:
    virtual ~GameWindowAction() = default;
    virtual bool execute(bool instant) = 0;
};

// A step that calls one function (a lambda holding its arguments by value).
class CallbackGameWindowAction : public GameWindowAction
{
public:
    explicit CallbackGameWindowAction(std::function<void()> callback)
        : m_callback(std::move(callback))
    {
    }

    bool execute(bool) override
    {
        if (m_callback)
            m_callback();
        return true;
    }

private:
    std::function<void()> m_callback;
};
