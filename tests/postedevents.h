#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <utility>

// What a change of language, fonts, style sheet or size leads to is posted, not done at
// once: the widgets retranslate on a posted language change, each layout asked for lays
// out its widgets and asks the layouts around them in turn, and some widgets place what
// they show over others in a call queued after the layouts. settleWidgets() delivers
// these until none is left, so that a test sees the state such a change leads to at
// once, without running the event loop for a guessed time.
namespace PostedEvents {

// Delivers the posted language changes, layout requests and queued calls, then those
// the delivered ones posted in turn, until a round finds none. False when they still
// come after `rounds` rounds. (Not every posted event: the web engine's own work comes
// as posted timer events as long as a page has work to do.)
inline bool settleWidgets(int rounds = 32)
{
    static constexpr QEvent::Type types[] = {QEvent::LanguageChange, QEvent::LayoutRequest, QEvent::MetaCall};
    class Counter : public QObject
    {
    public:
        Counter() { QCoreApplication::instance()->installEventFilter(this); }
        ~Counter() override { QCoreApplication::instance()->removeEventFilter(this); }
        bool eventFilter(QObject *, QEvent *event) override
        {
            for (QEvent::Type type : types)
                m_count += event->type() == type;
            return false;
        }
        int take() { return std::exchange(m_count, 0); }

    private:
        int m_count = 0;
    };
    Counter delivered;
    for (int round = 0; round < rounds; ++round) {
        for (QEvent::Type type : types)
            QCoreApplication::sendPostedEvents(nullptr, type);
        if (delivered.take() == 0)
            return true;
    }
    return false;
}

} // namespace PostedEvents
