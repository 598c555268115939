#pragma once

#include "ui/MahjongDialog.h"

#include <QDialogButtonBox>
#include <QPointer>

#include <functional>

class QAbstractButton;
class QLabel;
class QPushButton;

// Non-blocking message boxes: every box is shown at once inside the asking window and
// reports its answer through finished(int) (the clicked standard button, 0 when closed).
namespace ModelessMsgBox {

// A box's title and text in the current language.
struct Texts
{
    QString title;
    QString text;
};
// Words a box: asked when the box is made and again at every language change while it
// is open, so that an open box speaks the new language as the windows do.
using Wording = std::function<Texts()>;

class MsgBox : public MahjongDialog
{
    Q_OBJECT

public:
    MsgBox(int kind, Wording wording, QWidget *parent);
    // A box with a fixed title and text.
    MsgBox(int kind, const QString &title, const QString &text, QWidget *parent);

    // Qt::PlainText for a text of the server, the user or the log, shown as it is.
    void setTextFormat(Qt::TextFormat format);
    // The text can be selected and copied, with the mouse or the keyboard.
    void setTextSelectable();
    QPushButton *addButton(QDialogButtonBox::StandardButton button);
    QDialogButtonBox *buttonBox() const { return m_buttonBox; }
    QPushButton *defaultButton() const { return m_defaultButton; }
    void setDefaultButton(QPushButton *button);

signals:
    void finished(int result);

public slots:
    void onClicked(QAbstractButton *button);
    void onFinished(int result);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void applyWording();
    void fitText();
    void finish(int result);

    Wording m_wording;
    QLabel *m_text = nullptr;
    QDialogButtonBox *m_buttonBox = nullptr;
    QPushButton *m_defaultButton = nullptr;
    bool m_finished = false;
};

enum Kind { Information = 1, Warning = 2, Critical = 3, Question = 4 };

// A box with its buttons, not shown yet: worded anew at every language change, or with a
// fixed title and text.
MsgBox *create(QWidget *parent, int kind, Wording wording, QDialogButtonBox::StandardButtons buttons,
               QDialogButtonBox::StandardButton defaultButton);
MsgBox *create(QWidget *parent, int kind, const QString &title, const QString &text,
               QDialogButtonBox::StandardButtons buttons, QDialogButtonBox::StandardButton defaultButton);

// The boxes of each kind, shown at once: worded anew at every language change, or with
// a fixed title and text.
MsgBox *information(QWidget *parent, Wording wording,
                    QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok,
                    QDialogButtonBox::StandardButton defaultButton = QDialogButtonBox::NoButton);
MsgBox *information(QWidget *parent, const QString &title, const QString &text,
                    QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok,
                    QDialogButtonBox::StandardButton defaultButton = QDialogButtonBox::NoButton);
MsgBox *warning(QWidget *parent, Wording wording,
                QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok,
                QDialogButtonBox::StandardButton defaultButton = QDialogButtonBox::NoButton);
MsgBox *warning(QWidget *parent, const QString &title, const QString &text,
                QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok,
                QDialogButtonBox::StandardButton defaultButton = QDialogButtonBox::NoButton);
MsgBox *critical(QWidget *parent, Wording wording,
                 QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok,
                 QDialogButtonBox::StandardButton defaultButton = QDialogButtonBox::NoButton);
MsgBox *critical(QWidget *parent, const QString &title, const QString &text,
                 QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok,
                 QDialogButtonBox::StandardButton defaultButton = QDialogButtonBox::NoButton);
MsgBox *question(QWidget *parent, Wording wording,
                 QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Yes | QDialogButtonBox::No,
                 QDialogButtonBox::StandardButton defaultButton = QDialogButtonBox::Yes);
MsgBox *question(QWidget *parent, const QString &title, const QString &text,
                 QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Yes | QDialogButtonBox::No,
                 QDialogButtonBox::StandardButton defaultButton = QDialogButtonBox::Yes);

// Calls callback once with the box's result. An empty callback is refused.
void connectFinished(MsgBox *box, std::function<void(int)> callback);
// The same, but the callback is dropped when receiver is destroyed before the answer.
void connectFinished(MsgBox *box, QObject *receiver, std::function<void(int)> callback);

namespace detail {

class MsgBoxFinishedHelper : public QObject
{
    Q_OBJECT

public:
    MsgBoxFinishedHelper(QObject *parent, QObject *receiver, std::function<void(int)> callback);

public slots:
    void onFinished(int result);

private:
    std::function<void(int)> m_callback;
    QPointer<QObject> m_receiver;
    bool m_tracksReceiver;
};

} // namespace detail
} // namespace ModelessMsgBox
