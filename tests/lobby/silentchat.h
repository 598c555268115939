#pragma once

#include "connection/PlayerDbChatClient.h"

// A chat side that is always connected and never answers: pictures arrive only when the
// test hands them to the directory.
class SilentChat : public PlayerDbChatClient
{
public:
    bool isConnected() const override { return true; }
    QString domain() const override { return QStringLiteral("chat.example"); }
    void requestVCard(const XMPPJid &) override {}
    void uploadPhoto(const QImage &) override {}
    void setPhotoHash(const QByteArray &) override {}
};
