#include "ui/PreferencesWindow.h"

#include "app/Utils.h"
#include "app/startup/GameSounds.h"
#include "app/startup/TranslationsManager.h"
#include "connection/PlayerDb.h"
#include "game/tiles/TileGraphics.h"
#include "ui/AvatarDialog.h"
#include "ui/BusyCursor.h"
#include "ui_PreferencesView.h"

#include <QEvent>
#include <QPainter>
#include <QPicture>
#include <QSettings>
#include <QSignalBlocker>

namespace {

// "sounds:/lobby_1min", looped while the lobby is shown.
const int lobbySound = 13;

bool isOn(int state)
{
    return state == Qt::Checked;
}

void store(const char *key, const QVariant &value)
{
    QSettings().setValue(QLatin1String(key), value);
}

template<typename Draw>
void showPicture(QLabel *label, Draw draw)
{
    QPicture picture;
    QPainter painter(&picture);
    draw(&painter, QPoint(0, 0));
    painter.end();
    label->setPicture(picture);
}

} // namespace

PreferencesWindow::PreferencesWindow(TranslationsManager *translations, PlayerDb *playerDb,
                                     QWidget *parent)
    : QWidget(parent), m_translations(translations), m_playerDb(playerDb),
      m_ui(new Ui::PreferencesView)
{
    m_ui->setupUi(this);

    QSettings settings;
    m_ui->autoReplaceBonus->setCheckState(
        Utils::settingCheckState(settings, "game/autoReplaceBonus", true));
    m_ui->autoPopdownScoreDialog->setCheckState(
        Utils::settingCheckState(settings, "game/autoPopdownScoreDialog", false));
    m_ui->inGameSoundCheckBox->setCheckState(Utils::settingCheckState(settings, "game/sound", true));
    m_ui->animationsCheckBox->setCheckState(
        Utils::settingCheckState(settings, "game/animations", true));
    m_ui->compactViewBox->setCheckState(
        Utils::invertCheckState(Utils::settingCheckState(settings, "game/compactView", true)));
    m_ui->tableInvitesCheckBox->setCheckState(
        Utils::settingCheckState(settings, "game/showtableinvites", true));
    m_ui->quickLastDrawnTileDiscard->setCheckState(
        Utils::settingCheckState(settings, "game/tableClickDiscardTile", false));

    if (m_playerDb) {
        connect(m_playerDb, &PlayerDb::playerPictureUpdate, this,
                &PreferencesWindow::onPlayerPictureUpdate);
        onPlayerPictureUpdate(m_playerDb->localPlayerId());
    }

    fillTileBox("game/tileblank", TileGraphics::tileBlankNames(), m_ui->tileBlankSelection);
    fillTileBox("game/tileface", TileGraphics::tileFaceNames(), m_ui->tileFaceSelection);
    connect(&TileGraphics::instance(), &TileGraphics::tileGraphicsChanged, this,
            &PreferencesWindow::updatePreview);
    TileGraphics::instance().setTileSet(m_ui->tileBlankSelection->currentIndex(),
                                        m_ui->tileFaceSelection->currentIndex());
    updatePreview();
    connect(m_ui->tileBlankSelection, &QComboBox::currentIndexChanged, this,
            &PreferencesWindow::onTileBlankSelectionIndexChanged);
    connect(m_ui->tileFaceSelection, &QComboBox::currentIndexChanged, this,
            &PreferencesWindow::onTileFaceSelectionIndexChanged);

    fillLanguageBox();
}

PreferencesWindow::~PreferencesWindow()
{
    delete m_ui;
}

void PreferencesWindow::fillTileBox(const char *key, const QStringList &names, QComboBox *box)
{
    int index = QSettings().value(QLatin1String(key), 0).toInt();
    if (index < 0 || index >= names.size())
        index = 0;
    box->addItems(names);
    box->setCurrentIndex(index);
}

void PreferencesWindow::fillLanguageBox()
{
    QComboBox *box = m_ui->languageSelection;
    bool found = false;
    if (m_translations) {
        const QString current = m_translations->language();
        for (const TranslationsManager::Language &language : m_translations->availableLanguages()) {
            box->addItem(QIcon(), language.second, language.first);
            if (language.first == current) {
                box->setCurrentIndex(box->count() - 1);
                found = true;
            }
        }
    }
    connect(box, &QComboBox::currentIndexChanged, this,
            &PreferencesWindow::onLanguageSelectionCurrentIndexChanged);
    if (!found && box->count() > 0)
        box->setCurrentIndex(0);
}

void PreferencesWindow::on_autoReplaceBonus_stateChanged(int state)
{
    store("game/autoReplaceBonus", isOn(state));
}

void PreferencesWindow::on_autoPopdownScoreDialog_stateChanged(int state)
{
    store("game/autoPopdownScoreDialog", isOn(state));
}

void PreferencesWindow::on_inGameSoundCheckBox_stateChanged(int state)
{
    store("game/sound", isOn(state));
    if (state == Qt::Unchecked)
        GameSounds::instance().stop(lobbySound);
    else if (state == Qt::Checked)
        GameSounds::instance().play(lobbySound, GameSounds::LOOP);
}

void PreferencesWindow::on_animationsCheckBox_stateChanged(int state)
{
    store("game/animations", isOn(state));
}

void PreferencesWindow::on_compactViewBox_stateChanged(int state)
{
    const bool compact = !isOn(state);
    store("game/compactView", compact);
    emit compactViewChanged(compact);
}

void PreferencesWindow::on_tableInvitesCheckBox_stateChanged(int state)
{
    store("game/showtableinvites", isOn(state));
}

void PreferencesWindow::on_quickLastDrawnTileDiscard_stateChanged(int state)
{
    store("game/tableClickDiscardTile", isOn(state));
}

void PreferencesWindow::on_setAvatarButton_clicked()
{
    if (findChild<AvatarDialog *>())
        return;
    auto *dialog = new AvatarDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (m_playerDb) {
        connect(dialog, &AvatarDialog::changeAvatar, m_playerDb, &PlayerDb::setPicture);
        connect(m_playerDb, &PlayerDb::changePictureFailed, dialog,
                &AvatarDialog::onChangeAvatarFailed);
    }
    new AutoCenterToParent(dialog);
    dialog->showAndRaise(true);
}

void PreferencesWindow::onPlayerPictureUpdate(qint32 id)
{
    if (!m_playerDb || id != m_playerDb->localPlayerId())
        return;
    m_ui->avatarLabel->setText(QString());
    m_ui->avatarLabel->setPixmap(m_playerDb->picture(id, true));
    if (AvatarDialog *dialog = findChild<AvatarDialog *>())
        dialog->close();
}

void PreferencesWindow::onTileBlankSelectionIndexChanged(int index)
{
    store("game/tileblank", index);
    changeTileSet(index, m_ui->tileFaceSelection->currentIndex());
}

void PreferencesWindow::onTileFaceSelectionIndexChanged(int index)
{
    store("game/tileface", index);
    changeTileSet(m_ui->tileBlankSelection->currentIndex(), index);
}

void PreferencesWindow::changeTileSet(int blankIndex, int faceIndex)
{
    BusyCursor::set(this);
    TileGraphics::instance().setTileSet(blankIndex, faceIndex);
    updatePreview();
    BusyCursor::restore(this);
}

void PreferencesWindow::onLanguageSelectionCurrentIndexChanged(int index)
{
    if (!m_translations)
        return;
    BusyCursor::set(this);
    m_translations->setLanguage(m_ui->languageSelection->itemData(index).toString());
    BusyCursor::restore(this);
}

void PreferencesWindow::updatePreview()
{
    const TilePainter &tiles = TileGraphics::instance().basePainter();
    showPicture(m_ui->tileFront, [&tiles](QPainter *painter, const QPoint &at) {
        tiles.drawOwnHandTile(painter, at, tile(0), false, true);
    });
    showPicture(m_ui->tileBack, [&tiles](QPainter *painter, const QPoint &at) {
        tiles.drawHiddenTile(painter, at, 0);
    });
    showPicture(m_ui->hiddenTileRight, [&tiles](QPainter *painter, const QPoint &at) {
        tiles.drawWallStack(painter, at, 1, 0);
    });
}

void PreferencesWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        const QStringList blanks = TileGraphics::tileBlankNames();
        for (int i = 0; i < blanks.size() && i < m_ui->tileBlankSelection->count(); ++i)
            m_ui->tileBlankSelection->setItemText(i, blanks.at(i));
        const QStringList faces = TileGraphics::tileFaceNames();
        for (int i = 0; i < faces.size() && i < m_ui->tileFaceSelection->count(); ++i)
            m_ui->tileFaceSelection->setItemText(i, faces.at(i));
        // The language may have been chosen elsewhere (the login page).
        const int index = m_translations ? m_ui->languageSelection->findData(m_translations->language()) : -1;
        if (index >= 0) {
            const QSignalBlocker blocker(m_ui->languageSelection);
            m_ui->languageSelection->setCurrentIndex(index);
        }
    }
    QWidget::changeEvent(event);
}
