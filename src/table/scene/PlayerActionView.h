#pragma once

#include <QGraphicsPixmapItem>

// The word of a claim ("pong", "ron", ...) shown as an image in front of a
// seat, in the words of the table's rule set.
class PlayerActionView : public QGraphicsPixmapItem
{
public:
    explicit PlayerActionView(int seat, QGraphicsItem *parent = nullptr);

    // action: meld bits (0 clears); detail: for a win, the hand's end kind.
    void setAction(int action, int detail);
    void setRulesetId(int rulesetId);
    // 0 anchored at the seat, 1 centred on the position.
    void setAnchorMode(int mode);
    void setScale(double scale);
    // Rebuilds the image (after a language change).
    void refresh();

    int seat() const { return m_seat; }
    int action() const { return m_action; }
    int detail() const { return m_detail; }
    // The resource of the current image; empty for none.
    const QString &imagePath() const { return m_imagePath; }

private:
    bool isRiichiRuleset() const;

    int m_seat;
    int m_action = 0;
    int m_detail = 0;
    int m_rulesetId = 0;
    int m_anchorMode = 0;
    double m_scale = 1.0;
    QString m_imagePath;
};
