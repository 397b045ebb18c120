#pragma once

#include <QString>
#include <cstdio>

#include "porttext.h"
#include "serialport.h"

namespace cli {

class JsonWriter;

// Writes the text as UTF-8 and flushes at once, so a script reading a pipe sees each line as it
// happens.
void Put(const QString& text, FILE* stream = stdout);
// One line of complaint on standard error.
void Complain(const QString& line);
// One JSON object on a line of its own on standard output.
void PutJson(const JsonWriter& object);
// A message followed by the device's own words, when there are any.
using comm::WithReason;
// WithReason with the port's failure, then (as the windows' boxes have it) the device and the
// reason in words on the lines below, with what to do when permission was refused.
QString WithPortProblem(const QString& message, const comm::SerialPort::Failure& failure);

}  // namespace cli
