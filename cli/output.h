#pragma once

#include <QString>
#include <cstdio>

namespace cli {

class JsonWriter;

// Writes the text as UTF-8 and flushes at once, so a script reading a pipe sees each line as it
// happens.
void Put(const QString& text, FILE* stream = stdout);
// One line of complaint on standard error.
void Complain(const QString& line);
// One JSON object on a line of its own on standard output.
void PutJson(const JsonWriter& object);
// A message followed by the device's own words, when there are any:
// "当前活动串口是非空闲串口！（/dev/ttyS0: No such file or directory）".
QString WithReason(const QString& message, const QString& reason);

}  // namespace cli
