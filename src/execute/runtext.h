#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "commdefinition.h"
#include "portmap.h"  // the busy port message, which runs report too

namespace comm {

// The texts of a run in the interface language: captions, messages, listing lines, frame blocks,
// counters, elapsed time, line event messages. The execution window, the run engine and
// comm-cli's run report all take them from here, so they agree on every character.

// The start/stop button: "开始执行[&S]", "停止执行[&N]".
QString StartCaption();
QString StopCaption();

// Why a run does not start: the communication is not saved, a send byte was not entered, the
// kind is none of the four, a frame is damaged or empty.
QString UnsavedMessage();
QString IncompleteMessage();
QString NoKindMessage();
QString BrokenSendFrameMessage();
QString EmptySendFrameMessage();
QString BrokenReceiveFrameMessage();
QString EmptyReceiveFrameMessage();

// The question when the receive limit passes: OK waits again, Cancel ends the run.
QString TimeoutQuestion();

// Why the port failed, with the system's reason.
QString OpenFailedMessage(const QString& reason);
QString DeviceLostMessage(const QString& reason);
QString SendFailedMessage();
// "message：reason".
QString WithFailureReason(const QString& message, const QString& reason);

// "起始位", "数据位", "校验和", "结束位"
QString FieldName(Field field);

// One listed byte: "7E   起始位第: 1位\r\n" (position counted from 1).
QString FieldLine(int value, Field field, int position);

// "\r\n第N幀": how a received frame's block begins.
QString FrameHeading(int frameNumber);

// The block a received frame adds to the receive listing: "\r\n第N幀\r\n" and one field line per
// byte, the bytes split over the receive fields by the counts of def.
QString ReceivedBlock(int frameNumber, const QByteArray& frame, const CommDefinition& def);

// "3幀"
QString CounterText(int count);

// Elapsed seconds as shown beside "执行时间：": "12.5秒", "0.003秒", "0秒"; milliseconds at most.
QString ElapsedText(qint64 milliseconds);

// Checking received frames: "正确：3幀  错误：1幀".
QString JudgedCountsText(int good, int bad);

// The end of a run in one line: "发送：3幀  接收：0幀  执行时间：1.5秒".
QString RunSummaryText(int sent, int received, qint64 milliseconds);

// The message of a line event or line error code; empty for a code that is no line event
// (0, 1005 and anything else outside the table), which changes nothing.
QString LineEventMessage(int code);

// Every code LineEventMessage knows, in the order they are checked.
QList<int> LineEventCodes();

}  // namespace comm
