#pragma once

#include <QKeySequence>
#include <QPushButton>

// A push button that re-emits its click with an id, and whose tool tip names its shortcut.
class UPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit UPushButton(QWidget *parent = nullptr);
    explicit UPushButton(const QString &text, QWidget *parent = nullptr);

    void setId(qint32 id) { m_id = id; }
    qint32 id() const { return m_id; }

    // The tool tip shown on hover: the tool tip (or the text) and the shortcut.
    QString composedToolTip();

signals:
    void clicked(qint32 id);

public slots:
    void onClicked();

protected:
    bool event(QEvent *e) override;

private:
    qint32 m_id = -1;
    QString m_lastText;
    QString m_lastToolTip;
    QKeySequence m_lastShortcut;
    QString m_composedToolTip;
};
