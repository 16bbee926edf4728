#pragma once
// Texts of the terminal are CP936 (GBK) bytes: ASCII as one byte, Chinese as two. Every length
// limit of the project counts these bytes.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vosket {

// The CP936 bytes of text; a character that CP936 cannot hold becomes '?'.
QByteArray ToGbk(const QString& text);

// As ToGbk, but at most maxBytes long, cut only between characters.
QByteArray FitGbk(const QString& text, qsizetype maxBytes);

// The text of CP936 bytes; a byte that starts no valid character becomes U+FFFD.
QString FromGbk(QByteArrayView bytes);

// Whether a cut after the first n bytes of bytes would split a double-byte character.
bool SplitsDoubleByte(QByteArrayView bytes, qsizetype n);

} // namespace vosket
