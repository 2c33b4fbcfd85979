#pragma once

#include <QString>

// Writes the tape of `shape` as a file of about `bytes` bytes, built as the program builds
// a tape (circle entries of about 140 bytes, make_tape.py's rule) and saved as its file.
// With `anotherWriter`, the file starts with a header of another program's kind.
void writeLongTape(const QString& shape, qint64 bytes, bool anotherWriter = false);
