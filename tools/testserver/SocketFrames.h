#pragma once

#include "protocol/codec.h"

#include <QAbstractSocket>
#include <QString>

#include <memory>

// Appends what the socket holds to the frame buffer and hands each whole message to
// `handle`. A frame that cannot be decoded is logged and ends the connection.
template <typename Log, typename Handle>
void readMessages(QAbstractSocket *socket, protocol::frame_buffer &frames, Log log, Handle handle)
{
    frames.append(socket->readAll());
    for (;;) {
        std::unique_ptr<protocol::message_t> message;
        try {
            message = frames.next();
        } catch (const protocol::decode_error &e) {
            log(QStringLiteral("BAD FRAME %1").arg(QString::fromStdString(e.what())));
            socket->abort();
            return;
        }
        if (!message)
            return;
        handle(*message);
    }
}
