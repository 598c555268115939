#include "app/startup/GameSounds.h"

#include <QDebug>
#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSettings>
#include <QSoundEffect>
#include <QUrl>

#include <array>

namespace {

const std::array<const char *, GameSounds::soundCount> names{
    "sounds:/hover",  "sounds:/tile_discarded",  "sounds:/joined",         "sounds:/left",
    "sounds:/chow",   "sounds:/pong",            "sounds:/kong",           "sounds:/mahjong",
    "sounds:/washout", "sounds:/start",          "sounds:/meld_suggestion", "sounds:/meld_pass_only",
    "sounds:/wind_assignment", "sounds:/lobby_1min"};

bool validId(int id)
{
    return id >= 0 && id < GameSounds::soundCount;
}

// QSoundEffect on the WAV files found through the "sounds" search path.
class SoundEffectBackend : public SoundBackend
{
public:
    SoundEffectBackend()
    {
        // Without an output every effect would complain on its own; say it once and
        // stay silent.
        if (QMediaDevices::audioOutputs().isEmpty()) {
            qWarning().noquote() << QStringLiteral(" [INFO ] no audio output found: the game plays no sounds");
            return;
        }
        for (int id = 0; id < GameSounds::soundCount; ++id) {
            const QFileInfo file(GameSounds::soundName(id) + QStringLiteral(".wav"));
            if (!file.exists()) {
                qWarning() << "sound not found:" << GameSounds::soundName(id);
                continue;
            }
            const QString path = file.absoluteFilePath();
            auto effect = std::make_unique<QSoundEffect>();
            effect->setSource(path.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + path)
                                                                : QUrl::fromLocalFile(path));
            m_effects[id] = std::move(effect);
        }
    }

    void play(int id, bool loop) override
    {
        QSoundEffect *effect = m_effects[id].get();
        if (!effect)
            return;
        effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
        effect->play();
    }

    void stop(int id) override
    {
        if (QSoundEffect *effect = m_effects[id].get())
            effect->stop();
    }

private:
    std::array<std::unique_ptr<QSoundEffect>, GameSounds::soundCount> m_effects;
};

} // namespace

GameSounds &GameSounds::instance()
{
    static GameSounds sounds(std::make_unique<SoundEffectBackend>());
    return sounds;
}

GameSounds::GameSounds(std::unique_ptr<SoundBackend> backend)
    : m_backend(std::move(backend))
{
}

GameSounds::~GameSounds() = default;

QString GameSounds::soundName(int id)
{
    return validId(id) ? QString::fromLatin1(names[id]) : QString();
}

void GameSounds::play(int id, int flags)
{
    if (!validId(id)) {
        qWarning() << "no sound with id" << id;
        return;
    }
    if (id == m_looping || !QSettings().value(QStringLiteral("game/sound"), true).toBool())
        return;

    if (flags & EXCLUSIVE) {
        for (int other = 0; other < soundCount; ++other) {
            if (other != id)
                m_backend->stop(other);
        }
        m_looping = -1;
    }
    if (flags & LOOP) {
        if (m_looping >= 0)
            m_backend->stop(m_looping);
        m_looping = id;
    }
    m_backend->play(id, flags & LOOP);
}

void GameSounds::stop(int id)
{
    if (!validId(id))
        return;
    m_backend->stop(id);
    if (id == m_looping)
        m_looping = -1;
}

void GameSounds::playMeldSound(meld kind)
{
    switch (kind) {
    case CHOW:
        play(4, 0);
        break;
    case PONG:
        play(5, 0);
        break;
    case KONG:
        play(6, 0);
        break;
    case MAHJONG:
        play(7, 0);
        break;
    default:
        qWarning() << "no sound for meld kind" << int(kind);
        break;
    }
}
