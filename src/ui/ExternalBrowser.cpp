#include "ui/ExternalBrowser.h"

#include "ui/ModelessMsgBox.h"

#include <QDebug>
#include <QDesktopServices>
#include <QUrl>

bool ExternalBrowser::open(QWidget *parent, const QUrl &url)
{
    if (QDesktopServices::openUrl(url))
        return true;
    const QString address = url.toDisplayString();
    qWarning().noquote() << QStringLiteral("no web browser opened %1").arg(address);
    ModelessMsgBox::MsgBox *box = ModelessMsgBox::warning(parent, [address] {
        return ModelessMsgBox::Texts{
            tr("Page not opened"),
            tr("No web browser could be started for this page.\nTo see it, copy its address into a web browser:\n\n%1")
                .arg(address)};
    });
    // The address comes from the server or a page: shown as it is, to select and copy.
    box->setTextFormat(Qt::PlainText);
    box->setTextSelectable();
    return false;
}
