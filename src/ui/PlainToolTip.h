#pragma once

#include <QString>

// Tool tips that look like markup are shown as rich text. This keeps server and user
// text as it stands, line breaks included; plain text is returned unchanged.
QString plainToolTip(const QString &text);
