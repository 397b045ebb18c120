#pragma once

#include "printout.h"

// A summary as a document window of the given kind fills it, with the window's own captions.
inline comm::print::CommPrintout SamplePrintout(int kind) {
    comm::print::CommPrintout p;
    p.caption = QStringLiteral("通讯 1");
    const QString kindLines[4] = {QStringLiteral("1.发送数据后不向微机回送数据"),
                                  QStringLiteral("1.接收数据后不向下位机回送数据"),
                                  QStringLiteral("1.发送数据后向微机回送数据"),
                                  QStringLiteral("1.接收数据后向下位机回送数据")};
    p.kindLine = kindLines[(kind - 1) & 3];
    p.settingsLine = QStringLiteral("2.串口设置:9600,奇,8,1");
    p.loop = {QStringLiteral("3.循环通讯"), QStringLiteral("一直循环"), QStringLiteral("循环次数"),
              true, QString()};
    p.delay = {QStringLiteral("4.延迟"), QStringLiteral("不延迟"), QStringLiteral("延迟时间"), true,
               QString()};
    p.sendPanel = {QStringLiteral("微机发送数据幀格式"), kind != 2, {}};
    p.recvPanel = {QStringLiteral("微机接收数据幀格式"), kind != 1, {}};
    p.fieldCounts = {2, 3, 1, 1, 1, 4, 0, 2};
    return p;
}
