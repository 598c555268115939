#pragma once

#include <QRegularExpression>
#include <QString>
#include <QTime>
#include <QtGlobal>

#include <functional>

// The Qt message handler that writes "mahjong.log": one line per message, the
// time "hh:mm:ss.zzz", a level tag and the text. Informational lines are
// warnings whose text begins with " [INFO ] "; they get no second tag.
namespace MessageHandler {

// The error boxes, called on the GUI thread: for a critical message of the client's
// own (category clientErrors) from the event loop after the line has been written,
// for a fatal one at once (from the GUI thread only) before the process aborts. The
// critical messages of the libraries only go to the log.
using Alert = std::function<void(QtMsgType type, const QString &text)>;

// The formatted line, without the line break.
QString formatLine(QtMsgType type, const QString &text, const QTime &time);

// Messages below the level (warnings by default) are dropped.
void setMinimumLevel(QtMsgType level);
// When valid and not empty, messages whose text does not match are dropped.
void setFilter(const QRegularExpression &filter);
// Whether a message passes the level and the filter.
bool accepts(QtMsgType type, const QString &text);

// Moves an existing "mahjong.log" in dir to "mahjong.log.old" and opens a new
// one; without a log file the messages go to standard error.
bool openLog(const QString &dir);
// The open log file's path, or empty.
QString logFilePath();
void closeLog();

void setAlert(Alert alert);

// Installs the handler; returns the previous one.
QtMessageHandler install();

// The handler itself.
void handle(QtMsgType type, const QMessageLogContext &context, const QString &text);

} // namespace MessageHandler
