#include "app/startup/MahjongApplication.h"

#include "app/startup/MahjongStyle.h"
#include "app/startup/MessageHandler.h"
#include "app/Utils.h"
#include "connection/ConnectionManager.h"
#include "ui/DebugDialog.h"
#include "ui/ModelessMsgBox.h"

#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QMessageBox>

namespace {

QString readStyleSheet(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning() << "cannot read style sheet" << name << file.errorString();
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

// The box of a client error, which leaves the windows as they are, or of a fatal
// message, before the process aborts.
void showAlert(QtMsgType type, const QString &text)
{
    if (type != QtFatalMsg) {
        ModelessMsgBox::critical(Utils::findMainWindow(), [text] {
            return ModelessMsgBox::Texts{QCoreApplication::translate("MahjongApplication", "Error"), text};
        })->setTextFormat(Qt::PlainText);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("MahjongApplication", "Error"),
                    QCoreApplication::translate(
                        "MahjongApplication",
                        "The program has to end because of an error:\n%1\n\nPlease send the log "
                        "file %2 to our support so that we can fix it.")
                        .arg(text, MessageHandler::logFilePath()),
                    QMessageBox::Ok, Utils::findMainWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

MahjongApplication::MahjongApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

MahjongApplication::~MahjongApplication()
{
    // The filter goes before the dialog: the events of the dialog's own destruction
    // would reach it while the dialog is a DebugDialog no longer.
    removeEventFilter(this);
    delete m_debugDialog;
}

void MahjongApplication::setupStyle()
{
    setStyle(new MahjongStyle);
    loadStyleSheet();
}

void MahjongApplication::installLogAlerts()
{
    MessageHandler::setAlert(&showAlert);
}

void MahjongApplication::loadStyleSheet()
{
    QString sheet = readStyleSheet(QStringLiteral("resources:/defaultui.css"));
    sheet += QLatin1Char('\n');
    sheet += readStyleSheet(QStringLiteral("resources:/customui.css"));
    setStyleSheet(sheet);
}

void MahjongApplication::openDebugDialog()
{
    if (m_debugDialog) {
        m_debugDialog->raise();
        return;
    }
    m_debugDialog = new DebugDialog;
    connect(m_debugDialog, &DebugDialog::loadStyleSheet, this, &MahjongApplication::loadStyleSheet);
    installEventFilter(this);
    m_debugDialog->show();
}

void MahjongApplication::startNetworkStats(ConnectionManager *connectionManager)
{
    if (m_debugDialog && connectionManager)
        m_debugDialog->setConnection(connectionManager->connection());
}

QString MahjongApplication::styleSheetPath(const QWidget *widget)
{
    QStringList parts;
    for (; widget; widget = widget->isWindow() ? nullptr : widget->parentWidget()) {
        QString part = QString::fromLatin1(widget->metaObject()->className());
        if (!widget->objectName().isEmpty())
            part += QLatin1Char('#') + widget->objectName();
        parts.prepend(part);
    }
    return parts.join(QStringLiteral(" > "));
}

bool MahjongApplication::eventFilter(QObject *watched, QEvent *event)
{
    // The mouse entering a widget names it; leaving one returns to its parent (when
    // the mouse moves on to another widget, that one's enter follows).
    if (m_debugDialog && watched->isWidgetType()) {
        const auto *widget = static_cast<const QWidget *>(watched);
        if (event->type() == QEvent::Enter)
            showCssPath(widget);
        else if (event->type() == QEvent::Leave && !widget->isWindow())
            showCssPath(widget->parentWidget());
    }
    return QApplication::eventFilter(watched, event);
}

void MahjongApplication::showCssPath(const QWidget *widget)
{
    // The debug window's own widgets are left out, so that its path can be selected.
    if (!widget || widget == m_widgetUnderMouse || widget->window() == m_debugDialog)
        return;
    m_widgetUnderMouse = widget;
    m_debugDialog->setCssPath(styleSheetPath(widget));
}
