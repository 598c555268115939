#include "app/startup/MahjongApplication.h"

#include "app/startup/MahjongStyle.h"
#include "app/startup/MessageHandler.h"
#include "app/Utils.h"

#include <QDebug>
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

void showAlert(QtMsgType type, const QString &text)
{
    QMessageBox box(QMessageBox::Critical,
                    QCoreApplication::translate("MahjongApplication", "Error"), text,
                    QMessageBox::Ok, Utils::findMainWindow());
    box.setTextFormat(Qt::PlainText);
    if (type == QtFatalMsg) {
        box.setText(QCoreApplication::translate(
                        "MahjongApplication",
                        "The program has to end because of an error:\n%1\n\nPlease send the log "
                        "file %2 to our support so that we can fix it.")
                        .arg(text, MessageHandler::logFilePath()));
    }
    box.exec();
}

} // namespace

MahjongApplication::MahjongApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
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
