#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "commdefinition.h"
#include "portmap.h"  // kBusyPortMessage

namespace comm {

// The texts of a run: listing lines, frame blocks, counters, elapsed time, line event messages.
// Pure functions so the window, comm-cli and tests agree on every character.

inline const QString kStartCaption = QStringLiteral("开始执行[&S]");
inline const QString kStopCaption = QStringLiteral("停止执行[&N]");
inline const QString kUnsavedMessage = QStringLiteral("请您先保存当前通讯，再执行！");
inline const QString kIncompleteMessage =
    QStringLiteral("您输入的数据不完整，请检查输入完整后重新执行！");
inline const QString kTimeoutQuestion =
    QStringLiteral("超过最大接收数据时间，请检查您的发送程序，继续吗？");

// "起始位", "数据位", "校验和", "结束位"
QString FieldName(Field field);

// "起始位第:", "数据位第:", "校验和第:", "结束位第:"
QString FieldWord(Field field);

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

// The message of a line event or line error code; empty for a code that is no line event
// (0, 1005 and anything else outside the table), which changes nothing.
QString LineEventMessage(int code);

// Every code LineEventMessage knows, in the order they are checked.
QList<int> LineEventCodes();

}  // namespace comm
