#pragma once

// Clicks a link inside a label as a player does: where the label shows it.

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

// Clicks the label's first link: the mouse sweeps the label's lines until the link says
// it is under the mouse. False when no link was found.
inline bool clickLink(QLabel *label)
{
    QSignalSpy hovered(label, &QLabel::linkHovered);
    for (int y = 3; y < label->height(); y += 5) {
        for (int x = 1; x < label->width(); x += 3) {
            QTest::mouseMove(label, QPoint(x, y));
            if (!hovered.isEmpty() && !hovered.last().at(0).toString().isEmpty()) {
                QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(x, y));
                return true;
            }
        }
    }
    return false;
}
