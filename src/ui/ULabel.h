#pragma once

#include <QLabel>

// A label that elides a long text to its width and shows the full text as tool tip.
class ULabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(Qt::TextElideMode elideMode READ elideMode WRITE setElideMode)

public:
    explicit ULabel(QWidget *parent = nullptr, Qt::WindowFlags f = {});
    explicit ULabel(const QString &text, QWidget *parent = nullptr, Qt::WindowFlags f = {});

    void setText(const QString &text);
    QString fullText() const { return m_fullText; }

    Qt::TextElideMode elideMode() const { return m_elideMode; }
    void setElideMode(Qt::TextElideMode mode);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void elide();
    void computeSizeHint();

    Qt::TextElideMode m_elideMode = Qt::ElideMiddle;
    QString m_fullText;
    QSize m_sizeHint{-1, -1};
};
