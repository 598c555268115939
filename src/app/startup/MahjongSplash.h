#pragma once

#include <QSplashScreen>

// The start-up window: the product title, the version and what start-up is
// doing now.
class MahjongSplash : public QSplashScreen
{
    Q_OBJECT

public:
    explicit MahjongSplash(const QString &version);

    void showStatus(const QString &text);

protected:
    // A click closes the splash.
    void mousePressEvent(QMouseEvent *event) override;

private:
    static QPixmap picture(const QString &version);
};
