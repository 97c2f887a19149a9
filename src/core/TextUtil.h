#pragma once

#include <QString>
#include <QVariant>

// Widths of printed text are counted as the Korean double-byte code page does:
// an ASCII character takes one byte, every other character two.

// "" for Null, otherwise the value as text.
QString NullToStr(const QVariant &value);
int ByteLen(const QString &text);
// The longest prefix of at most n bytes; when a double-byte character would cross the
// limit it is dropped and a space keeps the result n bytes wide.
QString CutByBytes(const QString &text, int n);
// Exactly n characters: cut, or padded with spaces. Null or empty gives n spaces.
QString FixWidth(const QVariant &value, int n);
