#pragma once

#include "game/tiles/GameScale.h"

#include <QString>
#include <QThread>

#include <memory>

class TileImages;

// Loads or renders one tile set off the GUI thread. It works on its own copies
// of the inputs; the result is taken over on the GUI thread after finished().
class ResizeWorker : public QThread
{
    Q_OBJECT

public:
    ResizeWorker(const QString &backPath, const QString &facePath, const GameScale &scale,
                 QObject *parent = nullptr);
    ~ResizeWorker() override;

    const QString &backPath() const { return m_backPath; }
    const QString &facePath() const { return m_facePath; }
    const GameScale &scale() const { return m_scale; }

    // The set made by the thread (null until it ran, or when it failed); the
    // caller owns it. Only call after the thread has finished.
    std::unique_ptr<TileImages> takeResult();

protected:
    void run() override;

private:
    const QString m_backPath;
    const QString m_facePath;
    const GameScale m_scale;
    std::unique_ptr<TileImages> m_result;
};
