#include "desktop/frame/passwordbox.h"

#include <QLineEdit>

namespace korvell {

void makePasswordBox(QLineEdit* box, int maxLength)
{
    box->setEchoMode(QLineEdit::Password);
    box->setMaxLength(maxLength);
    // The style's own mask character is a dot; the users know "*".
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
}

} // namespace korvell
