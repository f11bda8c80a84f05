// Character helpers shared by the rich-text reader: the Windows-1252 code page and the
// cleaning of text before it enters a QTextDocument.
#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>

namespace velkor::rtf {

// The character of byte b in the Windows-1252 code page (undefined codes give U+FFFD).
QChar FromWindows1252(unsigned char b);

// True for characters a document must not receive as text: C0 controls other than the tab,
// the code points Qt reserves for frame boundaries and the non-characters U+FFFE and U+FFFF.
bool IsForbidden(char16_t c);

// Replaces surrogate halves that do not form a pair with U+FFFD, in place.
void MendSurrogates(QString& text);

// The bytes as plain text: UTF-8 when they are valid UTF-8, Windows-1252 otherwise; line ends
// become '\n', forbidden characters are dropped, and at most max_chars characters and
// max_lines lines are kept.
QString PlainText(QByteArrayView data, qsizetype max_chars, qsizetype max_lines);

} // namespace velkor::rtf
