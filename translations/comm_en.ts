<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>HelpBoxes</name>
    <message>
        <source>确定[&amp;Y]</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>程序帮助</source>
        <translation>Program help</translation>
    </message>
    <message>
        <source>简 介</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>功 能</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>帮 助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>RS232串口简介</source>
        <translation>About RS232 serial ports</translation>
    </message>
    <message>
        <source>程 序 简 介</source>
        <translation>About the program</translation>
    </message>
    <message>
        <source>新 建 通 讯</source>
        <translation>New communication</translation>
    </message>
    <message>
        <source>打 开 通 讯</source>
        <translation>Open communication</translation>
    </message>
    <message>
        <source>执 行 通 讯</source>
        <translation>Run communication</translation>
    </message>
    <message>
        <source>关 闭 通 讯</source>
        <translation>Close communication</translation>
    </message>
    <message>
        <source>保 存 通 讯</source>
        <translation>Save communication</translation>
    </message>
    <message>
        <source>打 印 通 讯</source>
        <translation>Print communication</translation>
    </message>
    <message>
        <source>串 口 设 置</source>
        <translation>Port settings</translation>
    </message>
    <message>
        <source>技 术 支 持</source>
        <translation>Technical support</translation>
    </message>
    <message>
        <source>监听活动串口</source>
        <translation>Monitor the active port</translation>
    </message>
    <message>
        <source>识 别 设 置</source>
        <translation>Identify settings</translation>
    </message>
    <message>
        <source>发 送 文 件</source>
        <translation>Send a file</translation>
    </message>
    <message>
        <source>接 收 文 件</source>
        <translation>Receive a file</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>提示信息</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>comm::help::AboutBox</name>
    <message>
        <source>关于程序</source>
        <translation>About</translation>
    </message>
    <message>
        <source>通用RS232串口通讯调试程序</source>
        <translation>General RS232 Serial Communication Debugger</translation>
    </message>
    <message>
        <source>硬件工具</source>
        <translation>Hardware tool</translation>
    </message>
    <message>
        <source>欢迎使用</source>
        <translation>Welcome</translation>
    </message>
</context>
<context>
    <name>comm::help::HelpWindow</name>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>拖动以调整宽度</source>
        <translation>Drag to change the width</translation>
    </message>
    <message>
        <source>谢谢您使用该程序!</source>
        <translation>Thank you for using this program!</translation>
    </message>
</context>
<context>
    <name>comm::help::SupportBox</name>
    <message>
        <source>技术支持</source>
        <translation>Technical support</translation>
    </message>
    <message>
        <source>自己注意(2400,o,7,2)和(2400,e,8,1)同样可以协调通讯但接收到数据的区别是数据的二进制最高位相反一个是1一个是0</source>
        <translation>Note: (2400,o,7,2) and (2400,e,8,1) can both carry the same exchange, but the data received differ: the highest bit of each byte is 1 in one and 0 in the other</translation>
    </message>
</context>
</TS>
