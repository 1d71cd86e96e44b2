#pragma once
// Writing a controller's text into a widget without disturbing the caret when nothing
// changed (setting a text moves the caret).

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

namespace cesuan {

inline void setTextIfChanged(QPlainTextEdit* box, const QString& text) {
    if (box->toPlainText() != text) box->setPlainText(text);
}

inline void setTextIfChanged(QLineEdit* box, const QString& text) {
    if (box->text() != text) box->setText(text);
}

}  // namespace cesuan
