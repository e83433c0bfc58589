#pragma once

#include <QEvent>

// Sent by the touch scroll area to the painted button under a finger that
// touched the screen: the button shows itself pressed while the area waits to
// see whether the touch is a tap or the start of a drag.
class QAnnounceMousePressedEvent : public QEvent
{
public:
    static constexpr QEvent::Type TYPE = QEvent::Type(1000);
    QAnnounceMousePressedEvent() : QEvent(TYPE) {}
};

// The touch became a drag: the button shows itself released without clicking.
class QDiscardMousePressedEvent : public QEvent
{
public:
    static constexpr QEvent::Type TYPE = QEvent::Type(1001);
    QDiscardMousePressedEvent() : QEvent(TYPE) {}
};
