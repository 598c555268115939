#pragma once

#include <QFrame>

#include <deque>
#include <vector>

// A line graph of a few samples in the widget's text colour: the largest touches the
// top edge, 0 lies on the bottom edge, the samples are spread evenly over the width.
class GraphWidget : public QFrame
{
    Q_OBJECT

public:
    explicit GraphWidget(QWidget *parent = nullptr);

    void setSamples(const std::deque<int> &samples);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_minimum = 0;
    int m_maximum = 0;
    std::vector<int> m_samples;
};
