#pragma once
// Multi-line texts travel between views and controllers with CR LF line ends; the widgets
// hold "\n".

#include <QString>

namespace cesuan {

// A widget's text for its controller: every line end becomes CR LF.
inline QString toControllerLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

// A controller's text for a widget: CR LF (and a lone CR) become "\n".
inline QString toWidgetLines(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

}  // namespace cesuan
