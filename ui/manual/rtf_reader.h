// A small rich-text (RTF) reader that fills a QTextDocument.
//
// It understands groups, paragraphs and line breaks, tabs, bold, italic and underline, font
// sizes, the font and colour tables, paragraph alignment and indents, and the \'hh and \uN
// escapes. Everything else (pictures, style sheets, document information, unknown control
// words) is skipped. Any input is accepted: what can be read is shown, in time proportional to
// the input, with the memory bounded by the limits below. Input that does not begin with
// "{\rtf" is shown as plain text.
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

class QTextDocument;

namespace velkor {

// Bounds that keep a hostile file from exhausting memory; past them the rest is not shown.
struct RtfLimits {
    int max_depth = 1000;            // nested groups kept on the state stack
    qsizetype max_chars = 2'000'000; // characters placed in the document
    qsizetype max_blocks = 100'000;  // paragraphs placed in the document
    qsizetype max_runs = 250'000;    // runs of differently formatted text
    int max_table_entries = 4096;    // entries of the font or colour table
    int max_font_name = 128;         // characters of one font name
};

// Replaces the content of document with what can be read from data: rich text when data
// begins with "{\rtf", otherwise the bytes as plain text (UTF-8 when valid, Windows-1252
// otherwise). Returns true when the data was read as rich text.
bool ReadRtf(QByteArrayView data, QTextDocument& document, const RtfLimits& limits = {});

} // namespace velkor
