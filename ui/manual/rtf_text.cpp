#include "rtf_text.h"

#include <QStringDecoder>

namespace velkor::rtf {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the rest of the code page matches Latin-1.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, // 88-8F
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178, // 98-9F
};

} // namespace

QChar FromWindows1252(unsigned char b) {
    if (b >= 0x80 && b < 0xA0)
        return QChar(kHighControls[b - 0x80]);
    return QChar(char16_t(b));
}

bool IsForbidden(char16_t c) {
    if (c < 0x20)
        return c != u'\t';
    return (c >= 0xFDD0 && c <= 0xFDEF) || c == 0xFFFE || c == 0xFFFF;
}

void MendSurrogates(QString& text) {
    const qsizetype n = text.size();
    QChar* data = text.data();
    for (qsizetype i = 0; i < n; ++i) {
        if (data[i].isHighSurrogate() && i + 1 < n && data[i + 1].isLowSurrogate()) {
            ++i; // a whole pair
        } else if (data[i].isSurrogate()) {
            data[i] = QChar::ReplacementCharacter;
        }
    }
}

QString PlainText(QByteArrayView data, qsizetype max_chars, qsizetype max_lines) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString decoded = utf8.decode(data);
    if (utf8.hasError()) {
        decoded.clear();
        decoded.reserve(data.size());
        for (char b : data)
            decoded.append(FromWindows1252(static_cast<unsigned char>(b)));
    }
    QString text;
    text.reserve(std::min(decoded.size(), max_chars));
    qsizetype lines = 1;
    const qsizetype n = decoded.size();
    for (qsizetype i = 0; i < n && text.size() < max_chars; ++i) {
        char16_t c = decoded[i].unicode();
        if (c == u'\r') {
            if (i + 1 < n && decoded[i + 1] == u'\n')
                ++i;
            c = u'\n';
        }
        if (c == u'\n') {
            if (++lines > max_lines)
                break;
            text.append(QChar(u'\n'));
        } else if (!IsForbidden(c)) {
            text.append(QChar(c));
        }
    }
    MendSurrogates(text);
    return text;
}

} // namespace velkor::rtf
