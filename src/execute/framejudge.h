#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVector>

#include "commdefinition.h"

namespace comm {

// One field of a received frame that is not what the receive frame asks for.
struct FieldDifference {
    Field field;
    QVector<int> expected;  // a byte value, or -1 for a byte that may be anything
    QByteArray received;
};

// How a received frame compares with the receive frame of the communication.
struct FrameVerdict {
    bool match = true;
    int expectedLength = 0;
    QList<FieldDifference> differences;  // in wire order
    // For each received byte: what it should have been when it differs, else -1.
    QVector<int> expectedAt;
};

// Compares frame with the receive frame of def: every entered start, data and end byte must be
// the one received (-1 takes any byte); the check field must hold the frame's named checksum of
// the received data bytes, or, when it names none, the entered check bytes. A frame shorter or
// longer than the receive frame does not match.
FrameVerdict JudgeFrame(const CommDefinition& def, const QByteArray& frame);

// What follows "第N幀" on the block's first line: " 正确", or " 错误：" and each differing field
// with what was expected and what came.
QString VerdictText(const FrameVerdict& verdict);

// The received-frame block with its verdict, each differing byte marked with what it should be.
QString JudgedBlock(int frameNumber, const QByteArray& frame, const CommDefinition& def,
                    const FrameVerdict& verdict);

// The bytes that were waiting when the receive limit passed, as a block of their own:
// "\r\n不完整的幀：已收到 N 字节\r\n" and their lines, marked as JudgedBlock marks them when a
// verdict is given.
QString IncompleteBlock(const QByteArray& bytes, const CommDefinition& def,
                        const FrameVerdict* verdict);

// "校验: 发送 CRC-16/MODBUS(低字节在前)，接收 无" for a communication that names a checksum for
// either frame; empty when it names none.
QString CheckNamesText(const CommDefinition& def);

// "已收到 5 字节: 01 83 02 C0 F1", or "未收到任何字节" when nothing waits.
QString WaitingText(const QByteArray& bytes);

}  // namespace comm
