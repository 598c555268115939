#pragma once

#include <QWidget>

class PlayerDb;
class QComboBox;
class QLabel;
class TranslationsManager;

namespace Ui {
class PreferencesView;
}

// The settings page of the lobby: language, game options, the player's picture and the
// tile artwork with a preview. Every control takes effect at once and is stored in the
// "game/" settings.
class PreferencesWindow : public QWidget
{
    Q_OBJECT

public:
    PreferencesWindow(TranslationsManager *translations, PlayerDb *playerDb, QWidget *parent);
    ~PreferencesWindow() override;

signals:
    void compactViewChanged(bool compact);

public slots:
    void on_autoReplaceBonus_stateChanged(int state);
    void on_autoPopdownScoreDialog_stateChanged(int state);
    void on_inGameSoundCheckBox_stateChanged(int state);
    void on_animationsCheckBox_stateChanged(int state);
    void on_compactViewBox_stateChanged(int state);
    void on_tableInvitesCheckBox_stateChanged(int state);
    void on_quickLastDrawnTileDiscard_stateChanged(int state);
    void on_setAvatarButton_clicked();
    void onPlayerPictureUpdate(qint32 id);
    void onTileBlankSelectionIndexChanged(int index);
    void onTileFaceSelectionIndexChanged(int index);
    void onLanguageSelectionCurrentIndexChanged(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fillTileBox(const char *key, const QStringList &names, QComboBox *box);
    void fillLanguageBox();
    void changeTileSet(int blankIndex, int faceIndex);
    void updatePreview();

    TranslationsManager *m_translations;
    PlayerDb *m_playerDb;
    Ui::PreferencesView *m_ui;
};
