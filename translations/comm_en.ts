<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>BoundedListing</name>
    <message>
        <source>（较早的 %1 幀已不再显示）</source>
        <translation>(%1 earlier frames are no longer shown)</translation>
    </message>
</context>
<context>
    <name>Checksums</name>
    <message>
        <source>累加和</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>LRC(累加和取补)</source>
        <translation>LRC (sum complement)</translation>
    </message>
    <message>
        <source>异或</source>
        <translation>XOR</translation>
    </message>
    <message>
        <source>CRC-16/MODBUS(低字节在前)</source>
        <translation>CRC-16/MODBUS (low byte first)</translation>
    </message>
    <message>
        <source>CRC-16/CCITT-FALSE(高字节在前)</source>
        <translation>CRC-16/CCITT-FALSE (high byte first)</translation>
    </message>
    <message>
        <source>CRC-32(低字节在前)</source>
        <translation>CRC-32 (low byte first)</translation>
    </message>
</context>
<context>
    <name>CommFile</name>
    <message>
        <source> 通讯文件(*.Txl)|*.Txl|所有文件(*.*)|*.*</source>
        <translation> Communication files(*.Txl)|*.Txl|All files(*.*)|*.*</translation>
    </message>
    <message>
        <source>该文件的格式不是通讯文件的格式！</source>
        <translation>This file is not in the format of a communication file!</translation>
    </message>
    <message>
        <source>该文件不存在，请重新打开！</source>
        <translation>This file does not exist. Please choose another!</translation>
    </message>
    <message>
        <source>打开该文件失败：%1</source>
        <translation>Opening the file failed: %1</translation>
    </message>
    <message>
        <source>保存通讯文件失败：%1</source>
        <translation>Saving the communication file failed: %1</translation>
    </message>
</context>
<context>
    <name>CommKind</name>
    <message>
        <source>发送数据后不向微机回送数据</source>
        <translation>Device sends no answer to the PC</translation>
    </message>
    <message>
        <source>接收数据后不向下位机回送数据</source>
        <translation>PC sends no answer to the device</translation>
    </message>
    <message>
        <source>发送数据后向微机回送数据</source>
        <translation>Device answers the PC</translation>
    </message>
    <message>
        <source>接收数据后向下位机回送数据</source>
        <translation>PC answers the device</translation>
    </message>
</context>
<context>
    <name>CommOptions</name>
    <message>
        <source>%1“%2”无效：请输入0到%3之间的毫秒数！</source>
        <translation>%1 &quot;%2&quot; is not valid: enter a number of milliseconds from 0 to %3!</translation>
    </message>
    <message>
        <source>延迟时间</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>接收最长等待时间</source>
        <translation>Longest receive wait</translation>
    </message>
</context>
<context>
    <name>FileCheck</name>
    <message>
        <source>“%1”是文件夹，不是文件！</source>
        <translation>&quot;%1&quot; is a folder, not a file!</translation>
    </message>
    <message>
        <source>“%1”不是普通文件（是管道、设备或套接字），不能读写！</source>
        <translation>&quot;%1&quot; is not a regular file (it is a pipe, a device or a socket) and cannot be read or written!</translation>
    </message>
    <message>
        <source>文件名“%1”含有文件系统不能表示的字符！</source>
        <translation>The file name &quot;%1&quot; has characters the file system cannot hold!</translation>
    </message>
    <message>
        <source>文件“%1”不存在！</source>
        <translation>The file &quot;%1&quot; does not exist!</translation>
    </message>
    <message>
        <source>文件“%1”有 %2 字节，超过这种文件最多的 %3 字节！</source>
        <translation>The file &quot;%1&quot; has %2 bytes, more than the %3 bytes such a file can have!</translation>
    </message>
    <message>
        <source>文件夹“%1”不存在！</source>
        <translation>The folder &quot;%1&quot; does not exist!</translation>
    </message>
</context>
<context>
    <name>FrameChecksum</name>
    <message>
        <source>数据位中还有未输入的字节，请先输入完整再计算校验！</source>
        <translation>Some data bytes are not entered yet. Enter them all before computing the checksum!</translation>
    </message>
    <message>
        <source>该幀没有校验位，无法写入校验结果！</source>
        <translation>This frame has no checksum bytes to write the result into!</translation>
    </message>
    <message>
        <source>%1的结果有%2个字节，比校验位(%3位)长，未写入任何字节！</source>
        <translation>%1 gives %2 bytes, more than the checksum bytes (%3); nothing was written!</translation>
    </message>
</context>
<context>
    <name>FrameJudge</name>
    <message>
        <source>  ← 应为 </source>
        <translation>  ← expected </translation>
    </message>
    <message>
        <source> 正确</source>
        <translation> good</translation>
    </message>
    <message>
        <source>%1 应为 %2，收到 %3</source>
        <translation>%1 expected %2, received %3</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>长度 应为 %1 字节</source>
        <translation>length expected %1 bytes</translation>
    </message>
    <message>
        <source> 错误：</source>
        <translation> bad: </translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>不完整的幀：已收到 %1 字节</source>
        <translation>Incomplete frame: %1 bytes received</translation>
    </message>
    <message>
        <source>校验: 发送 %1，接收 %2</source>
        <translation>Checksum: send %1, receive %2</translation>
    </message>
    <message>
        <source>未收到任何字节</source>
        <translation>No bytes received</translation>
    </message>
    <message>
        <source>已收到 %1 字节: %2</source>
        <translation>%1 bytes received: %2</translation>
    </message>
</context>
<context>
    <name>HelpBoxes</name>
    <message>
        <source>确定[&amp;Y]</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>HelpTopicText</name>
    <message>
        <source>RS232接口是由美国电子工业协会（EIA）制定的串行物理接口标准，是计算机与外部设备之间进行异步串行通讯最常用的标准硬件接口。它规定了连接器的形状、各引脚的用途、信号的电平以及通讯的时序，只要通讯双方都遵守这一标准，就可以直接用电缆连接起来交换数据。

RS232接口的连接器有25针（DB25）和9针（DB9）两种，现在的个人计算机上多为9针连接器。9针连接器的第2脚为接收数据（RXD），第3脚为发送数据（TXD），第5脚为信号地（GND），其余引脚为联络和状态信号。

RS232接口的最高波特率为115200 bps。通讯双方必须采用相同的波特率、校验方式、数据位和停止位，才能正确地收发数据。</source>
        <translation>RS232 is the serial physical interface standard drawn up by the Electronic Industries Alliance (EIA), and the hardware interface most used for asynchronous serial communication between a computer and its devices. It sets the shape of the connector, the use of each pin, the signal levels and the timing; any two sides that keep to it can be joined by a cable and exchange data.

RS232 connectors have 25 pins (DB25) or 9 pins (DB9); today&apos;s personal computers mostly have the 9-pin one. On the 9-pin connector, pin 2 is received data (RXD), pin 3 transmitted data (TXD), pin 5 signal ground (GND); the other pins carry handshake and status signals.

The highest baud rate of RS232 is 115200 bps. Both sides must use the same baud rate, parity, data bits and stop bits to send and receive data correctly.</translation>
    </message>
    <message>
        <source>本程序是为开发下位机程序的工程师准备的微机端通讯平台。下位机（例如单片机系统）通过RS232串口与微机通讯时，开发人员通常还要在微机上另外编写一个测试程序来收发数据；有了本程序，就不必再编写任何微机端的测试程序了。

您只需按照下位机的通讯协议，在本程序中定义通讯的种类、数据幀的格式和串口设置，并把它保存为通讯文件，以后随时打开执行即可。

下位机可以采用查询方式或中断方式收发数据，本程序同样可以用查询或中断的方式与之配合，双方的方式可以任意组合。</source>
        <translation>This program is a PC-side communication platform for engineers who write the programs of devices. When a device (a microcontroller system, for example) talks to a PC over an RS232 port, its developers usually have to write a test program on the PC as well to send and receive data; with this program there is no PC-side test program to write.

Define the kind of communication, the layout of the frames and the port settings in this program following the device&apos;s protocol, save it as a communication file, and open and run it whenever you need it.

The device may send and receive by polling or by interrupts; this program works with either, in any combination.</translation>
    </message>
    <message>
        <source>选择“通讯”菜单中的“新建通讯”，或单击工具栏上的“新建通讯”按钮，程序便启动新建通讯向导，分三步定义一个新的通讯：

第一步，选择通讯的种类，即微机发送数据后下位机是否回送数据，或者微机接收下位机的数据后是否向下位机回送数据；
第二步，确定数据和命令的幀格式，即起始位、数据位、校验位和结束位各有多少个字节；
第三步，选择串口设置，包括波特率、校验方式、数据位和停止位。

完成向导后，程序打开通讯窗口，您可以在窗口中逐个输入各字节的数值。</source>
        <translation>Choose New Communication in the Communication menu, or click New Communication on the toolbar, and the new-communication wizard defines a new communication in three steps:

Step 1: choose the kind of communication, that is, whether the device answers after the PC sends, or whether the PC answers after it receives the device&apos;s data;
Step 2: set the layout of the data and command frames, that is, how many bytes the start, data, checksum and end fields have;
Step 3: choose the port settings: baud rate, parity, data bits and stop bits.

When the wizard is done, the program opens the communication window, where you enter the value of each byte.</translation>
    </message>
    <message>
        <source>选择“通讯”菜单中的“打开通讯”，或单击工具栏上的“打开通讯”按钮，在对话框中选择一个以前保存的通讯文件（*.Txl），程序便读入该文件，并在通讯窗口中显示它的种类、串口设置、选项和数据幀格式。

注意：请不要打开不是由本程序建立的文件，否则程序无法识别文件的格式，也可能得到错误的通讯定义。</source>
        <translation>Choose Open Communication in the Communication menu, or click Open Communication on the toolbar, and choose a communication file (*.Txl) saved before; the program reads it and shows its kind, port settings, options and frame layout in the communication window.

Note: do not open files that this program did not make; the program cannot recognise their format and may read a wrong communication.</translation>
    </message>
    <message>
        <source>执行通讯是本程序的核心功能。选择“通讯”菜单中的“执行通讯”，或单击工具栏上的“执行通讯”按钮，打开通讯执行窗口，再单击“开始执行”，程序便在活动串口上按照您输入的数据和格式与下位机交换数据。

执行窗口中的发送窗口和接收窗口分别显示串口发送缓冲区和接收缓冲区中的数据，并标明每个字节所在的位置，便于您核对通讯是否正确。

执行之前和执行之中，请留意执行窗口中的提示和程序给出的提示信息，按照正确的顺序启动通讯双方的程序。</source>
        <translation>Running a communication is what this program is for. Choose Run Communication in the Communication menu, or click Run Communication on the toolbar, to open the execution window, then click Start: the program exchanges data with the device on the active port, with the bytes and layout you entered.

The send and receive panes of the execution window show the data of the port&apos;s send and receive buffers and mark the place of each byte, so you can check that the exchange is right.

Before and during a run, watch the execution window&apos;s hints and the program&apos;s notices, and start the programs of both sides in the right order.</translation>
    </message>
    <message>
        <source>关闭当前活动的通讯文件。</source>
        <translation>Closes the active communication file.</translation>
    </message>
    <message>
        <source>保存当前活动的通讯。选择“通讯”菜单中的“保存通讯”，或单击工具栏上的“保存通讯”按钮；第一次保存时程序会请您输入文件名，也可以用“通讯另存为”把通讯保存到另一个文件中。

“通讯”菜单中的“保存幀数据”选项决定保存时是否把您输入的各字节数据连同幀格式一起保存。该选项在程序启动时处于选中状态；取消选中后，文件中只保存通讯的格式，不保存输入的数据。</source>
        <translation>Saves the active communication. Choose Save Communication in the Communication menu, or click Save Communication on the toolbar; the first time, the program asks for a file name. Save Communication As saves the communication to another file.

The Save Frame Data option in the Communication menu decides whether the bytes you entered are saved with the frame layout. It is on when the program starts; when it is off, the file keeps only the layout of the communication, not the bytes entered.</translation>
    </message>
    <message>
        <source>打印当前活动通讯的通讯文件格式。</source>
        <translation>Prints the format of the active communication.</translation>
    </message>
    <message>
        <source>在使用本程序的过程中如果遇到问题，请先阅读本帮助中相应功能的说明，并留意各窗口中的提示和程序给出的提示信息。

您也可以选择“帮助”菜单中的“技术支持”，或单击工具栏上的“技术支持”按钮，查看常见问题的说明。如果问题仍然不能解决，请与本程序的提供者联系；联系时请说明所用的通讯种类、串口设置，以及出现问题时的操作步骤和提示信息。</source>
        <translation>If you meet a problem while using this program, first read the description of the function in this help, and watch the hints in each window and the program&apos;s notices.

You can also choose Technical Support in the Help menu, or click Technical Support on the toolbar, for notes on common problems. If that does not solve it, contact the supplier of this program, and tell them the kind of communication, the port settings, what you did when the problem appeared and the notices you saw.</translation>
    </message>
    <message>
        <source>选择“监听”菜单中的“监听活动串口”，或单击工具栏上的“监听串口”按钮，打开监听窗口。单击“开始监听”后，程序在活动串口上连续监听，把收到的每个字节显示出来，直到您单击“结束监听”。

监听到的数据可以用“存储数据”保存到文件中，以后再用“导入数据”读入查看。数据可以按ASC字符显示，也可以按十六进制显示；监听的串口设置可以用“通讯设置”修改。</source>
        <translation>Choose Monitor Active Port in the Monitor menu, or click Monitor Port on the toolbar, to open the monitor window. After you click Start Monitoring, the program listens on the active port and shows every byte it receives until you click Stop Monitoring.

Store Data saves what was captured to a file, and Import Data reads it back to look at later. The data can be shown as ASCII characters or in hexadecimal; Port Settings changes the settings the monitor listens with.</translation>
    </message>
    <message>
        <source>选择“监听”菜单中的“自动识别设置”，或单击工具栏上的“自动识别串口设置”按钮，打开识别窗口。单击“开始识别”后，程序在活动串口上依次试用各种波特率、校验方式和数据位的组合，找出下位机可能使用的串口设置。

识别期间下位机必须一直不停地发送数据。识别的结果仅供参考：凡是在某个设置下收到数据而没有出现错误，程序就把该设置连同收到的前十个字节加入窗口的列表中。一般来说，波特率大的可能性比较大，波特率小的可能性比较小。</source>
        <translation>Choose Identify Settings in the Monitor menu, or click Identify Port Settings on the toolbar, to open the identification window. After you click Start Identifying, the program tries combinations of baud rate, parity and data bits on the active port in turn to find the settings the device may be using.

The device must keep sending all the time while identification runs. The result is only a guide: every setting under which data arrived without errors is added to the window&apos;s list with the first ten bytes received. In general, a higher baud rate is the more likely one, a lower baud rate the less likely.</translation>
    </message>
    <message>
        <source>通过串口电缆，可以在两台都运行本程序的计算机之间传送一个文件。发送方选择“文件”菜单中的“发送文件”，接收方选择“文件”菜单中的“接收文件”；传送时双方都使用固定的串口设置，与通讯和监听的设置无关。

请务必先在接收方单击“接收文件”，使它处于等待接收的状态，然后再在发送方开始发送，否则传送不能完成。

接收到的文件以发送方传来的文件名称，保存在接收方本程序所在的文件夹中。</source>
        <translation>Two computers that both run this program can copy a file between them over a serial cable. The sender chooses Send File in the File menu, the receiver Receive File in the File menu; both sides use fixed port settings for the transfer, whatever the communication and monitor settings are.

Be sure to click Receive File on the receiving side first, so that it waits for the file, and only then start sending; otherwise the transfer cannot complete.

The received file is saved under the name the sender gave, in the folder of the program on the receiving side.</translation>
    </message>
    <message>
        <source>在“设置”菜单中，或用工具栏上的四个串口按钮，可以选择本程序使用的活动串口。执行通讯、监听串口、识别设置和传送文件都在活动串口上进行。

一般的个人计算机带有串口一和串口二，本程序还支持串口三和串口四。程序启动时选中的是串口一。

每个串口对应本机的一个串口设备，规则如下（依次判断）：
1. 设置了环境变量 RS232_COM1..RS232_COM4 时，对应该变量给出的设备路径（例如 /dev/ttyUSB0 或虚拟串口）；
2. 否则，对应您在“设置”菜单的“串口对应设备...”中为它指定的设备。指定的是设备本身（USB 转串口适配器按其序列号识别），插在哪个 USB 口上都不变；也可以直接输入一个设备路径；
3. 否则自动对应：未被前两条占用的检测到的设备按顺序排列（主板串口在前，其后是各种适配器），依次对应其余的串口。

没有对应设备的串口在使用时会提示“没有对应的设备”。设备插上或拔下后一秒之内，菜单和工具栏按钮的提示以及状态栏中“活动串口”旁边的一栏就会更新。串口打不开时，提示框会写明设备和原因；若原因是没有权限，在 Debian 上把用户加入 dialout 组后重新登录即可。指定的对应关系保存在本程序唯一的设置文件中，下次启动仍然有效。</source>
        <translation>Choose the active port in the Setup menu or with the four port buttons on the toolbar. Runs, monitoring, settings identification and file transfers all use the active port.

A usual personal computer has ports 1 and 2; this program also supports ports 3 and 4. Port 1 is chosen when the program starts.

Each port stands for one serial device of this machine, by this rule (in order):
1. When the environment variable RS232_COM1..RS232_COM4 is set, the device path it gives (for example /dev/ttyUSB0 or a virtual line);
2. Otherwise the device you bound to it with Serial port devices... in the Setup menu. The binding is to the device itself (a USB serial adapter is known by its serial number), whatever USB socket it is in; you may also type a device path;
3. Otherwise automatically: the detected devices not taken by the first two, in a stable order (the board&apos;s own ports first, then adapters), go to the remaining ports in turn.

A port without a device says so when it is used. Within a second of a device being plugged in or out, the tips of the menu items and toolbar buttons and the status bar panel beside the active port are updated. When a port cannot be opened, the notice names the device and the reason; when the reason is a missing permission, on Debian add your user to the dialout group and log in again. The bindings are kept in the program&apos;s one settings file and hold at the next start.</translation>
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
    <name>IdentifyText</name>
    <message>
        <source>字节 %1/%2  可读 %3%</source>
        <translation>Bytes %1/%2  readable %3%</translation>
    </message>
    <message>
        <source>  超出数据位 %1</source>
        <translation>  wider than data bits %1</translation>
    </message>
    <message>
        <source>  线路差错 %1</source>
        <translation>  line errors %1</translation>
    </message>
    <message>
        <source>  线路差错 不详</source>
        <translation>  line errors unknown</translation>
    </message>
    <message>
        <source>  疑似乱码</source>
        <translation>  looks like garbage</translation>
    </message>
    <message>
        <source>自动识别过程用户中断!!!</source>
        <translation>Identification stopped by the user!!!</translation>
    </message>
    <message>
        <source>自动识别过程完毕,可能的设置有:%1个</source>
        <translation>Identification finished, possible settings: %1</translation>
    </message>
    <message>
        <source>无法启动Holdpane程序：%1</source>
        <translation>Cannot start the Holdpane program: %1</translation>
    </message>
    <message>
        <source>当前串口无法报告线路差错（例如虚拟串口或不计差错的转换器），凡收到数据的设置都会被列出，请参考“依据”一栏。</source>
        <translation>This port cannot report line errors (a virtual port, for example, or a converter that does not count them): every setting that received data is listed. See the Evidence column.</translation>
    </message>
    <message>
        <source>注意：该串口无法报告线路差错，凡收到数据的设置都会被列出</source>
        <translation>Note: this port cannot report line errors; every setting that received data is listed</translation>
    </message>
</context>
<context>
    <name>IdentifyWindow</name>
    <message>
        <source>当前设置:</source>
        <translation>Current settings:</translation>
    </message>
    <message>
        <source>识别进程:</source>
        <translation>Progress:</translation>
    </message>
    <message>
        <source>开始识别</source>
        <translation>Start Identifying</translation>
    </message>
    <message>
        <source>自动识别串口设置</source>
        <translation>Identify Port Settings</translation>
    </message>
    <message>
        <source>串口状态:</source>
        <translation>Port state:</translation>
    </message>
    <message>
        <source>可能的设置</source>
        <translation>Possible settings</translation>
    </message>
    <message>
        <source>接收的数据(十六进制)</source>
        <translation>Received data (hex)</translation>
    </message>
    <message>
        <source>依据</source>
        <translation>Evidence</translation>
    </message>
    <message>
        <source>1、o为奇校验、e为偶校验  2、波特率大的可能性比较大，波特率小的可能性比较小</source>
        <translation>1. o is odd parity, e is even parity  2. A higher baud rate is the more likely, a lower baud rate the less likely</translation>
    </message>
    <message>
        <source>退出[&amp;X]</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>可能的串口设置(仅供参考):</source>
        <translation>Possible port settings (only a guide):</translation>
    </message>
    <message>
        <source>结束识别</source>
        <translation>Stop Identifying</translation>
    </message>
</context>
<context>
    <name>LineSettings</name>
    <message>
        <source>偶</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>奇</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>缺省</source>
        <translation>None</translation>
    </message>
    <message>
        <source>串口设置“%1”格式不对，应为“波特率,校验,数据位,停止位”，例如“9600,O,8,1”</source>
        <translation>Port settings &quot;%1&quot; are not in the form &quot;baud,parity,data bits,stop bits&quot;, for example &quot;9600,O,8,1&quot;</translation>
    </message>
    <message>
        <source>波特率“%1”无效，应为正整数</source>
        <translation>Baud rate &quot;%1&quot; is not valid; it must be a positive whole number</translation>
    </message>
    <message>
        <source>校验“%1”无效，应为 E（偶）、O（奇）或 N（无）</source>
        <translation>Parity &quot;%1&quot; is not valid; it must be E (even), O (odd) or N (none)</translation>
    </message>
    <message>
        <source>数据位“%1”无效，应为 4 到 8</source>
        <translation>Data bits &quot;%1&quot; are not valid; they must be 4 to 8</translation>
    </message>
    <message>
        <source>停止位“%1”无效，应为 1、1.5 或 2</source>
        <translation>Stop bits &quot;%1&quot; are not valid; they must be 1, 1.5 or 2</translation>
    </message>
</context>
<context>
    <name>LineStatePanel</name>
    <message>
        <source>幀错误</source>
        <translation>Framing errors</translation>
    </message>
    <message>
        <source>校验错误</source>
        <translation>Parity errors</translation>
    </message>
    <message>
        <source>溢出</source>
        <translation>Overruns</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation>not available</translation>
    </message>
    <message>
        <source>线路状态</source>
        <translation>Line state</translation>
    </message>
    <message>
        <source>线路错误: </source>
        <translation>Line errors: </translation>
    </message>
</context>
<context>
    <name>LogSaving</name>
    <message>
        <source>保存日志</source>
        <translation>Save Log</translation>
    </message>
    <message>
        <source>日志文件(*.log *.txt)</source>
        <translation>Log files (*.log *.txt)</translation>
    </message>
    <message>
        <source>所有文件(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>还没有带时间的收发记录可以保存！</source>
        <translation>There is no timed record of sending and receiving to save yet!</translation>
    </message>
    <message>
        <source>保存日志失败：%1</source>
        <translation>Saving the log failed: %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>提示信息</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>该文件已经存在是否覆盖?</source>
        <translation>The file already exists. Overwrite it?</translation>
    </message>
</context>
<context>
    <name>MonitorDialogs</name>
    <message>
        <source>打开/另存为[通讯]</source>
        <translation>Open/Save As [Communication]</translation>
    </message>
    <message>
        <source> 存储文件(*.Dax)</source>
        <translation> Storage files (*.Dax)</translation>
    </message>
    <message>
        <source>所有文件(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
</context>
<context>
    <name>MonitorLayout</name>
    <message>
        <source>一</source>
        <translation>1</translation>
    </message>
    <message>
        <source>二</source>
        <translation>2</translation>
    </message>
    <message>
        <source>三</source>
        <translation>3</translation>
    </message>
    <message>
        <source>四</source>
        <translation>4</translation>
    </message>
    <message>
        <source>串口%1已打开</source>
        <translation>Port %1 open</translation>
    </message>
    <message>
        <source>串口%1未打开</source>
        <translation>Port %1 closed</translation>
    </message>
    <message>
        <source>监听状态</source>
        <translation>Listening</translation>
    </message>
    <message>
        <source>初始状态</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>共收到 : %1个</source>
        <translation>Received: %1</translation>
    </message>
</context>
<context>
    <name>MonitorText</name>
    <message>
        <source>存储数据失败!!!</source>
        <translation>Could not store the data!!!</translation>
    </message>
    <message>
        <source>打开该文件失败!!!</source>
        <translation>Could not open the file!!!</translation>
    </message>
    <message>
        <source>设备断开，等待它恢复（%1）</source>
        <translation>Device disconnected, waiting for it to come back (%1)</translation>
    </message>
    <message>
        <source>设备已恢复，继续监听</source>
        <translation>Device is back, monitoring goes on</translation>
    </message>
</context>
<context>
    <name>Ports</name>
    <message>
        <source>串口一</source>
        <translation>Port 1</translation>
    </message>
    <message>
        <source>串口二</source>
        <translation>Port 2</translation>
    </message>
    <message>
        <source>串口三</source>
        <translation>Port 3</translation>
    </message>
    <message>
        <source>串口四</source>
        <translation>Port 4</translation>
    </message>
    <message>
        <source>%1没有对应的设备</source>
        <translation>%1 has no device</translation>
    </message>
    <message>
        <source>由环境变量 RS232_COM%1 指定</source>
        <translation>set by the environment variable RS232_COM%1</translation>
    </message>
    <message>
        <source>用户指定</source>
        <translation>bound by the user</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>无设备（指定的 %1 不在）</source>
        <translation>no device (the bound %1 is not present)</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>no device</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>。请接上设备，或在“设置”菜单的“串口对应设备...”中指定。</source>
        <translation>. Plug in a device, or bind one with Serial port devices... in the Setup menu.</translation>
    </message>
    <message>
        <source>设备不存在</source>
        <translation>the device does not exist</translation>
    </message>
    <message>
        <source>设备正被其他程序或窗口使用</source>
        <translation>the device is in use by another program or window</translation>
    </message>
    <message>
        <source>没有使用该设备的权限。在 Debian 上把用户加入 dialout 组（sudo adduser $USER dialout），重新登录后生效</source>
        <translation>no permission to use the device. On Debian add your user to the dialout group (sudo adduser $USER dialout) and log in again</translation>
    </message>
    <message>
        <source>设备：%1
原因：%2</source>
        <translation>Device: %1
Reason: %2</translation>
    </message>
    <message>
        <source>没有检测到串口设备</source>
        <translation>No serial devices detected</translation>
    </message>
    <message>
        <source>检测到的串口设备：</source>
        <translation>Serial devices detected:</translation>
    </message>
    <message>
        <source>当前活动串口是非空闲串口！</source>
        <translation>The active port is not free!</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>串口未打开</source>
        <translation>The port is not open</translation>
    </message>
    <message>
        <source>串口号 %1 无效，应为 1 到 4</source>
        <translation>Port number %1 is not valid; it must be 1 to 4</translation>
    </message>
    <message>
        <source>%1 正被其他程序使用</source>
        <translation>%1 is in use by another program</translation>
    </message>
    <message>
        <source>设备已从系统中移除</source>
        <translation>the device was removed from the system</translation>
    </message>
    <message>
        <source>无法再从设备读取（设备已断开或对端已关闭）</source>
        <translation>cannot read from the device any more (it was disconnected or the far end closed)</translation>
    </message>
    <message>
        <source>无法再向设备写入（设备已断开或对端已关闭）</source>
        <translation>cannot write to the device any more (it was disconnected or the far end closed)</translation>
    </message>
    <message>
        <source>本机串口不支持 4 位数据位，请改用 5 到 8 位</source>
        <translation>The serial ports of this computer do not support 4 data bits; use 5 to 8</translation>
    </message>
    <message>
        <source>本机串口不支持 1.5 位停止位，请改用 1 或 2 位</source>
        <translation>The serial ports of this computer do not support 1.5 stop bits; use 1 or 2</translation>
    </message>
    <message>
        <source>本机串口不支持标记和空号校验，请改用 E、O 或 N</source>
        <translation>The serial ports of this computer do not support mark and space parity; use E, O or N</translation>
    </message>
    <message>
        <source>校验“%1”无效，应为 E（偶）、O（奇）、N（无）、M（标记）或 S（空号）</source>
        <translation>Parity &quot;%1&quot; is not valid; it must be E (even), O (odd), N (none), M (mark) or S (space)</translation>
    </message>
    <message>
        <source>该设备没有调制解调器控制线（例如虚拟串口），不能设置 DTR、RTS、中断和硬件流控</source>
        <translation>The device has no modem control lines (a virtual serial port, for example); DTR, RTS, break and hardware flow control cannot be set</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>没有可用的打印机，请先在“打印设置”中选择打印机！</source>
        <translation>No printer is available. Choose one in Print Setup first!</translation>
    </message>
    <message>
        <source>打印机无法开始打印，请检查打印机！</source>
        <translation>The printer cannot start printing. Please check the printer!</translation>
    </message>
    <message>
        <source>打印机出错，打印没有完成！</source>
        <translation>Printer error: printing did not complete!</translation>
    </message>
    <message>
        <source>已打印到文件：</source>
        <translation>Printed to file: </translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>页面设置(&amp;R)...</source>
        <translation>Page Setup(&amp;R)...</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Print Setup</translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>起始位：%1位</source>
        <translation>Start bytes:%1</translation>
    </message>
    <message>
        <source>数据位：%1位</source>
        <translation>Data bytes:%1</translation>
    </message>
    <message>
        <source>校验位：%1位</source>
        <translation>Checksum bytes:%1</translation>
    </message>
    <message>
        <source>结束位：%1位</source>
        <translation>End bytes:%1</translation>
    </message>
    <message>
        <source>%1%2次</source>
        <translation>%1 %2 times</translation>
    </message>
    <message>
        <source>%1%2毫秒</source>
        <translation>%1 %2 ms</translation>
    </message>
</context>
<context>
    <name>RunText</name>
    <message>
        <source>收到 Break</source>
        <translation>Break received</translation>
    </message>
    <message>
        <source>CD (RLSD) 超时</source>
        <translation>CD (RLSD) timeout</translation>
    </message>
    <message>
        <source>CTS Timeout</source>
        <translation>CTS timeout</translation>
    </message>
    <message>
        <source>DSR Timeout</source>
        <translation>DSR timeout</translation>
    </message>
    <message>
        <source>Framing Error</source>
        <translation>Framing error</translation>
    </message>
    <message>
        <source>数据丢失</source>
        <translation>Data lost</translation>
    </message>
    <message>
        <source>接收缓冲区溢出</source>
        <translation>Receive buffer overflow</translation>
    </message>
    <message>
        <source>Parity 错误</source>
        <translation>Parity error</translation>
    </message>
    <message>
        <source>传输缓冲区已满</source>
        <translation>Transmit buffer full</translation>
    </message>
    <message>
        <source>获取 DCB 时意外错误</source>
        <translation>Unexpected error while getting the DCB</translation>
    </message>
    <message>
        <source>CD 线状态变化</source>
        <translation>CD line changed</translation>
    </message>
    <message>
        <source>CTS 线状态变化</source>
        <translation>CTS line changed</translation>
    </message>
    <message>
        <source>DSR 线状态变化</source>
        <translation>DSR line changed</translation>
    </message>
    <message>
        <source>Ring Indicator 变化</source>
        <translation>Ring Indicator changed</translation>
    </message>
    <message>
        <source>收到 RThreshold # of chars</source>
        <translation>RThreshold # of chars received</translation>
    </message>
    <message>
        <source>传输缓冲区有 Sthreshold 个字符</source>
        <translation>Transmit buffer holds Sthreshold characters</translation>
    </message>
    <message>
        <source>输入数据流中发现 EOF 字符</source>
        <translation>EOF character found in the input stream</translation>
    </message>
    <message>
        <source>%1   %2第: %3位</source>
        <translation>%1   %2 byte %3</translation>
    </message>
    <message>
        <source>开始执行[&amp;S]</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>停止执行[&amp;N]</source>
        <translation>S&amp;top</translation>
    </message>
    <message>
        <source>请您先保存当前通讯，再执行！</source>
        <translation>Please save the current communication before running it!</translation>
    </message>
    <message>
        <source>您输入的数据不完整，请检查输入完整后重新执行！</source>
        <translation>The data you entered is incomplete. Please complete it and run again!</translation>
    </message>
    <message>
        <source>通讯类型无效</source>
        <translation>Invalid communication kind</translation>
    </message>
    <message>
        <source>发送幀的定义已损坏（字节值或字节数超出范围），无法执行！</source>
        <translation>The send frame is damaged (a byte value or byte count is out of range) and cannot be run!</translation>
    </message>
    <message>
        <source>发送幀没有任何字节，无法执行！</source>
        <translation>The send frame has no bytes and cannot be run!</translation>
    </message>
    <message>
        <source>接收幀的定义已损坏（字节数超出范围），无法执行！</source>
        <translation>The receive frame is damaged (a byte count is out of range) and cannot be run!</translation>
    </message>
    <message>
        <source>接收幀没有任何字节，无法执行！</source>
        <translation>The receive frame has no bytes and cannot be run!</translation>
    </message>
    <message>
        <source>超过最大接收数据时间，请检查您的发送程序，继续吗？</source>
        <translation>Receive time limit exceeded. Please check your sending program. Continue?</translation>
    </message>
    <message>
        <source>打开串口失败：%1</source>
        <translation>Could not open the port: %1</translation>
    </message>
    <message>
        <source>串口设备已断开：%1</source>
        <translation>The port&apos;s device was disconnected: %1</translation>
    </message>
    <message>
        <source>向串口发送数据失败</source>
        <translation>Could not send data to the port</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>起始位</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>校验和</source>
        <translation>Checksum</translation>
    </message>
    <message>
        <source>结束位</source>
        <translation>End</translation>
    </message>
    <message>
        <source>第%1幀</source>
        <translation>Frame %1</translation>
    </message>
    <message numerus="yes">
        <source>%n幀</source>
        <translation>
            <numerusform>%n frame</numerusform>
            <numerusform>%n frames</numerusform>
        </translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>正确：%1  错误：%2</source>
        <translation>Good: %1  Bad: %2</translation>
    </message>
    <message>
        <source>发送：%1  接收：%2  执行时间：%3</source>
        <translation>Sent: %1  Received: %2  Run time: %3</translation>
    </message>
</context>
<context>
    <name>TerminalText</name>
    <message>
        <source>“%1”含有非十六进制字符“%2”，只能输入 0-9、A-F 和空格</source>
        <translation>&quot;%1&quot; has the non-hexadecimal character &quot;%2&quot;; only 0-9, A-F and blanks may be typed</translation>
    </message>
    <message>
        <source>“%1”中的“%2”不是整字节，每个字节写两位十六进制数</source>
        <translation>&quot;%2&quot; in &quot;%1&quot; is not a whole byte; write each byte as two hexadecimal digits</translation>
    </message>
    <message>
        <source>没有要发送的字节</source>
        <translation>No bytes to send</translation>
    </message>
    <message>
        <source>打不开文件“%1”：%2</source>
        <translation>Cannot open the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>文件“%1”太大，一次最多发送 %2 字节</source>
        <translation>The file &quot;%1&quot; is too large; at most %2 bytes are sent at once</translation>
    </message>
    <message>
        <source>文件“%1”是空的，没有要发送的字节</source>
        <translation>The file &quot;%1&quot; is empty; there are no bytes to send</translation>
    </message>
</context>
<context>
    <name>TimedLog</name>
    <message>
        <source>开始于 %1</source>
        <translation>Started %1</translation>
    </message>
    <message>
        <source>较早的 %1 条记录超出保留上限，未保存</source>
        <translation>%1 earlier records went beyond the number kept and are not saved</translation>
    </message>
    <message>
        <source>时间(秒) 方向 字节(十六进制)</source>
        <translation>time(s) direction bytes(hex)</translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message>
        <source>发送文件</source>
        <translation>Send File</translation>
    </message>
    <message>
        <source>发送进程:</source>
        <translation>Sending:</translation>
    </message>
    <message>
        <source>发送幀数:</source>
        <translation>Sent:</translation>
    </message>
    <message>
        <source>接收文件</source>
        <translation>Receive File</translation>
    </message>
    <message>
        <source>接收进程:</source>
        <translation>Receiving:</translation>
    </message>
    <message>
        <source>接收幀数:</source>
        <translation>Received:</translation>
    </message>
    <message>
        <source>文件名称:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>文件大小:</source>
        <translation>File size:</translation>
    </message>
    <message>
        <source>%1个字节</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1幀</source>
        <translation>%1 frames</translation>
    </message>
    <message>
        <source>幀 %1/%2  %3%</source>
        <translation>Frame %1/%2  %3%</translation>
    </message>
    <message>
        <source>传输速度: %1字节/秒  剩余时间: %2</source>
        <translation>Speed: %1 bytes/s  Time left: %2</translation>
    </message>
    <message>
        <source>SHA-256（写入）: %1</source>
        <translation>SHA-256 (written): %1</translation>
    </message>
    <message>
        <source>SHA-256（读出）: %1</source>
        <translation>SHA-256 (read): %1</translation>
    </message>
    <message>
        <source>保存位置: %1</source>
        <translation>Saved to: %1</translation>
    </message>
    <message>
        <source>未完成的数据保存在: %1</source>
        <translation>The incomplete data is kept in: %1</translation>
    </message>
    <message>
        <source>通讯超时，失败！！！</source>
        <translation>Communication timed out, failed!!!</translation>
    </message>
    <message>
        <source>文件%1发送完毕!!!</source>
        <translation>File %1 sent!!!</translation>
    </message>
    <message>
        <source>文件%1用户中断发送!!!</source>
        <translation>File %1: sending stopped by the user!!!</translation>
    </message>
    <message>
        <source>文件%1接收完毕!!!</source>
        <translation>File %1 received!!!</translation>
    </message>
    <message>
        <source>文件%1用户中断接收!!!</source>
        <translation>File %1: receiving stopped by the user!!!</translation>
    </message>
    <message>
        <source>文件大小为%1个字节，超过了可以发送的%2个字节，无法发送！</source>
        <translation>The file has %1 bytes, more than the %2 bytes that can be sent; it cannot be sent!</translation>
    </message>
    <message>
        <source>文件名称只能由英文字母、数字、空格和英文标点组成，请将文件改名后再发送！</source>
        <translation>A file name may hold only English letters, digits, blanks and English punctuation; rename the file and send it again!</translation>
    </message>
    <message>
        <source>无法读取要发送的文件！</source>
        <translation>Cannot read the file to send!</translation>
    </message>
    <message>
        <source>读取文件失败，发送中止！</source>
        <translation>Reading the file failed; sending stopped!</translation>
    </message>
    <message>
        <source>文件在发送过程中变短了，发送中止！</source>
        <translation>The file became shorter while it was sent; sending stopped!</translation>
    </message>
    <message>
        <source>串口设备已断开，传输中止！</source>
        <translation>The serial device was disconnected; the transfer stopped!</translation>
    </message>
    <message>
        <source>串口写入失败，传输中止！</source>
        <translation>Writing to the port failed; the transfer stopped!</translation>
    </message>
    <message>
        <source>写入文件失败，接收中止！</source>
        <translation>Writing the file failed; receiving stopped!</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>The file does not exist: %1</translation>
    </message>
    <message>
        <source>文件夹不存在：%1</source>
        <translation>The folder does not exist: %1</translation>
    </message>
    <message>
        <source>选择文件</source>
        <translation>Choose File</translation>
    </message>
    <message>
        <source>结束发送</source>
        <translation>Stop Sending</translation>
    </message>
    <message>
        <source>结束接收</source>
        <translation>Stop Receiving</translation>
    </message>
    <message>
        <source>退出[&amp;X]</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>打开/另存为[通讯]</source>
        <translation>Open/Save As [Communication]</translation>
    </message>
    <message>
        <source> 所有文件(*.*)</source>
        <translation> All files(*.*)</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>最可能的设置: </source>
        <translation>Most likely settings: </translation>
    </message>
    <message>
        <source>无法区分，可能的设置: </source>
        <translation>Cannot tell apart, possible settings: </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>无法判断: 收到的数据都像错误设置下的乱码，设备的设置可能不在候选之中</source>
        <translation>Cannot tell: everything received looks like the garbage of wrong settings; the device&apos;s settings may not be among the candidates</translation>
    </message>
    <message>
        <source>无法判断: 该串口无法报告线路差错，错误的设置无从排除</source>
        <translation>Cannot tell: this port cannot report line errors, so wrong settings could not be ruled out</translation>
    </message>
    <message>
        <source>没有收到数据的设置</source>
        <translation>No settings received any data</translation>
    </message>
</context>
<context>
    <name>comm::DocumentWindow</name>
    <message>
        <source>一直循环</source>
        <translation>Repeat forever</translation>
    </message>
    <message>
        <source>循环次数</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>延迟时间</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>不延迟</source>
        <translation>No delay</translation>
    </message>
    <message>
        <source>不提示错误,直到收到数据</source>
        <translation>No error, wait for data</translation>
    </message>
    <message>
        <source>等待</source>
        <translation>Wait</translation>
    </message>
    <message>
        <source>3.循环通讯</source>
        <translation>3.Repeat</translation>
    </message>
    <message>
        <source>4.延迟</source>
        <translation>4.Delay</translation>
    </message>
    <message>
        <source>5.接收最长等待时间</source>
        <translation>5.Longest receive wait</translation>
    </message>
    <message>
        <source>次</source>
        <translation>times</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>ms后提</source>
        <translation>ms, then</translation>
    </message>
    <message>
        <source>示错误</source>
        <translation> fail</translation>
    </message>
    <message>
        <source>通讯基础信息</source>
        <translation>Communication basics</translation>
    </message>
    <message>
        <source>更改设置</source>
        <translation>Change settings</translation>
    </message>
    <message>
        <source>2.串口设置:%1</source>
        <translation>2.Port settings:%1</translation>
    </message>
</context>
<context>
    <name>comm::ExecutionWindow</name>
    <message>
        <source>通讯执行窗口</source>
        <translation>Execution Window</translation>
    </message>
    <message>
        <source>发送窗口</source>
        <translation>Send pane</translation>
    </message>
    <message>
        <source>接收窗口</source>
        <translation>Receive pane</translation>
    </message>
    <message>
        <source>提示窗口</source>
        <translation>Hints</translation>
    </message>
    <message>
        <source>执行时间：</source>
        <translation>Run time:</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>保存日志</source>
        <translation>Save Log</translation>
    </message>
    <message>
        <source>把本次执行收发的每一幀连同时间（毫秒）保存为文本</source>
        <translation>Save every frame sent and received in this run, with its time (ms), as text</translation>
    </message>
    <message>
        <source>1、当您的通讯是第一种或者第
三种类型时，您必须先执行下
位机的接收数据程序段，再执
行本微机程序，即点击本窗体
的开始执行按钮。
2、当您的通讯是第二种或者第
三四种类型时，您必须先执行
本微机程序，再执行下微机的
发送数据程序段。
3、为了防止您通讯的数据丢失
请您先运行接收数据端的程序
再运行发送数据的端的程序，
请您千万注意程序运行顺序，
否则可能会出现错误。
4、当程序在进行数据通讯时，
请您务必不要试图关闭通讯执
行窗口。
5、在断开通讯时，请您先停止
微机段程序，即先点击停止执
行按钮。停止程序通讯执行，
否则可能会出现错误。
</source>
        <translation>1. When your communication is of the first or third kind, start the receiving part of the device&apos;s program first, then this PC program, that is, click Start in this window.
2. When your communication is of the second, third or fourth kind, start this PC program first, then the sending part of the device&apos;s program.
3. So that no data of your communication is lost, start the program of the receiving side first, then the program of the sending side. Mind the order in which the programs start, or errors may occur.
4. While the program is communicating, do not try to close the execution window.
5. To end the communication, first stop the PC program, that is, click Stop first to end the run, or errors may occur.
</translation>
    </message>
    <message>
        <source>执行日志.log</source>
        <translation>run-log.log</translation>
    </message>
</context>
<context>
    <name>comm::FramePanel</name>
    <message>
        <source>起始符</source>
        <translation>Start bytes</translation>
    </message>
    <message>
        <source>校验符</source>
        <translation>Checksum bytes</translation>
    </message>
    <message>
        <source>结束符</source>
        <translation>End bytes</translation>
    </message>
    <message>
        <source>ASC字符</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>十六进制</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Data bytes</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>ASC字符(1位)</source>
        <translation>ASCII (1)</translation>
    </message>
    <message>
        <source>十六进制(2位)</source>
        <translation>Hex (2)</translation>
    </message>
    <message>
        <source>微机发送数据幀格式</source>
        <translation>PC send frame</translation>
    </message>
    <message>
        <source>微机接收数据幀格式</source>
        <translation>PC receive frame</translation>
    </message>
    <message>
        <source>计算校验</source>
        <translation>Checksum</translation>
    </message>
    <message>
        <source>由数据位计算校验和，写入校验位</source>
        <translation>Compute the checksum of the data bytes and write it into the checksum bytes</translation>
    </message>
    <message>
        <source>不指定校验</source>
        <translation>No named checksum</translation>
    </message>
    <message>
        <source>(%1位)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>校验: %1</source>
        <translation>Checksum: %1</translation>
    </message>
</context>
<context>
    <name>comm::MainWindow</name>
    <message>
        <source>打开/另存为[通讯]</source>
        <translation>Open/Save As [Communication]</translation>
    </message>
    <message>
        <source>通讯 %1</source>
        <translation>Communication %1</translation>
    </message>
    <message>
        <source>通讯: %1</source>
        <translation>Communication: %1</translation>
    </message>
    <message>
        <source>通讯[&amp;C]</source>
        <translation>&amp;Communication</translation>
    </message>
    <message>
        <source>新建通讯[&amp;N]</source>
        <translation>&amp;New Communication</translation>
    </message>
    <message>
        <source>打开通讯[&amp;O]...</source>
        <translation>&amp;Open Communication...</translation>
    </message>
    <message>
        <source>执行通讯[&amp;R]</source>
        <translation>&amp;Run Communication</translation>
    </message>
    <message>
        <source>关闭通讯[&amp;C]</source>
        <translation>&amp;Close Communication</translation>
    </message>
    <message>
        <source>保存通讯[&amp;S]</source>
        <translation>&amp;Save Communication</translation>
    </message>
    <message>
        <source>通讯另存为...</source>
        <translation>Save Communication As...</translation>
    </message>
    <message>
        <source>保存幀数据</source>
        <translation>Save Frame Data</translation>
    </message>
    <message>
        <source>打印通讯[&amp;P]</source>
        <translation>&amp;Print Communication</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Print Setup</translation>
    </message>
    <message>
        <source>退出[&amp;X]</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>监听[&amp;L]</source>
        <translation>&amp;Monitor</translation>
    </message>
    <message>
        <source>监听活动串口</source>
        <translation>Monitor Active Port</translation>
    </message>
    <message>
        <source>自动识别设置</source>
        <translation>Identify Settings</translation>
    </message>
    <message>
        <source>终端</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>文件[&amp;F]</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>发送文件</source>
        <translation>Send File</translation>
    </message>
    <message>
        <source>接收文件</source>
        <translation>Receive File</translation>
    </message>
    <message>
        <source>设置[&amp;O]</source>
        <translation>Set&amp;up</translation>
    </message>
    <message>
        <source>串口对应设备...</source>
        <translation>Serial Port Devices...</translation>
    </message>
    <message>
        <source>窗口[&amp;W]</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>水平平铺[&amp;H]</source>
        <translation>Tile &amp;Horizontally</translation>
    </message>
    <message>
        <source>垂直平铺[&amp;V]</source>
        <translation>Tile &amp;Vertically</translation>
    </message>
    <message>
        <source>层叠    [&amp;C]</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>排列图标[&amp;A]</source>
        <translation>&amp;Arrange Icons</translation>
    </message>
    <message>
        <source>帮助[&amp;H]</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>Technical Support</translation>
    </message>
    <message>
        <source>关于系统[&amp;A]</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>新建通讯</source>
        <translation>New Communication</translation>
    </message>
    <message>
        <source>打开通讯</source>
        <translation>Open Communication</translation>
    </message>
    <message>
        <source>保存通讯</source>
        <translation>Save Communication</translation>
    </message>
    <message>
        <source>打印通讯</source>
        <translation>Print Communication</translation>
    </message>
    <message>
        <source>执行通讯</source>
        <translation>Run Communication</translation>
    </message>
    <message>
        <source>监听串口</source>
        <translation>Monitor Port</translation>
    </message>
    <message>
        <source>自动识别串口设置</source>
        <translation>Identify Port Settings</translation>
    </message>
    <message>
        <source>帮助主题</source>
        <translation>Help Topics</translation>
    </message>
    <message>
        <source>关于程序</source>
        <translation>About</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>%1有效</source>
        <translation>%1 active</translation>
    </message>
    <message>
        <source>活动串口: %1</source>
        <translation>Active port: %1</translation>
    </message>
    <message>
        <source>活动串口:%1</source>
        <translation>Active port: %1</translation>
    </message>
    <message>
        <source>通用RS232通讯程序</source>
        <translation>General RS232 Communication Program</translation>
    </message>
    <message>
        <source>是否退出程序？</source>
        <translation>Exit the program?</translation>
    </message>
</context>
<context>
    <name>comm::MonitorWindow</name>
    <message>
        <source>监听活动串口</source>
        <translation>Monitor Active Port</translation>
    </message>
    <message>
        <source>   控制面板   </source>
        <translation>   Control Panel   </translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>背景颜色</source>
        <translation>Background Color</translation>
    </message>
    <message>
        <source>存储数据</source>
        <translation>Store Data</translation>
    </message>
    <message>
        <source>通讯设置</source>
        <translation>Port Settings</translation>
    </message>
    <message>
        <source>导入数据</source>
        <translation>Import Data</translation>
    </message>
    <message>
        <source>保存日志</source>
        <translation>Save Log</translation>
    </message>
    <message>
        <source>把本次监听收到的每一批字节连同时间（毫秒）保存为文本</source>
        <translation>Save every batch of bytes received while monitoring, with its time (milliseconds), as text</translation>
    </message>
    <message>
        <source>十六进制</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>断开后等待设备恢复</source>
        <translation>Wait for the device after a disconnect</translation>
    </message>
    <message>
        <source>设备拔出或断开时不结束监听：等同一设备回来后以相同设置继续接收</source>
        <translation>Do not end monitoring when the device is unplugged or disconnected: when the same device is back, go on receiving with the same settings</translation>
    </message>
    <message>
        <source>监听记录</source>
        <translation>monitor recording</translation>
    </message>
    <message>
        <source>钉在前面</source>
        <translation>Keep on Top</translation>
    </message>
    <message>
        <source>恢复正常</source>
        <translation>Back to Normal</translation>
    </message>
    <message>
        <source>开始监听</source>
        <translation>Start Monitoring</translation>
    </message>
    <message>
        <source>结束监听</source>
        <translation>Stop Monitoring</translation>
    </message>
    <message>
        <source>监听日志.log</source>
        <translation>monitor log.log</translation>
    </message>
</context>
<context>
    <name>comm::PortBindingDialog</name>
    <message>
        <source>自动</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>串口对应设备</source>
        <translation>Serial port devices</translation>
    </message>
    <message>
        <source>选“自动”时，各串口依次对应检测到的设备（主板串口在前）。环境变量 RS232_COM1..4 优先于这里的选择。</source>
        <translation>With Automatic, the ports take the detected devices in turn (the board&apos;s own ports first). The environment variables RS232_COM1..4 take precedence over the choices here.</translation>
    </message>
    <message>
        <source>现在：</source>
        <translation>Now: </translation>
    </message>
</context>
<context>
    <name>comm::ReceiveRulesPanel</name>
    <message>
        <source>检查接收幀</source>
        <translation>Check received frames</translation>
    </message>
    <message>
        <source>把每个收到的幀与接收幀格式比较：输入的字节、校验（命名的校验方法或输入的校验字节）；-1 的字节不比较</source>
        <translation>Compare each received frame with the receive frame: the entered bytes and the checksum (the named checksum or the entered check bytes); bytes of -1 are not compared</translation>
    </message>
    <message>
        <source>静默分幀</source>
        <translation>Frame on quiet gap</translation>
    </message>
    <message>
        <source>线路静默这么多个字符时间即为一幀结束（Modbus RTU 为 3.5）</source>
        <translation>A frame ends when the line has been quiet for this many character times (3.5 for Modbus RTU)</translation>
    </message>
    <message>
        <source> 字符</source>
        <translation> chars</translation>
    </message>
    <message>
        <source>起始位同步</source>
        <translation>Sync on start bytes</translation>
    </message>
    <message>
        <source>丢弃收到的字节，直到与起始位相符</source>
        <translation>Drop received bytes until they match the start bytes</translation>
    </message>
</context>
<context>
    <name>comm::SettingsDialog</name>
    <message>
        <source>通讯设置</source>
        <translation>Communication Settings</translation>
    </message>
    <message>
        <source>通讯端口设置</source>
        <translation>Port settings</translation>
    </message>
    <message>
        <source>波特率：</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>数据位：</source>
        <translation>Data bits:</translation>
    </message>
    <message>
        <source>校验位：</source>
        <translation>Parity:</translation>
    </message>
    <message>
        <source>停止位：</source>
        <translation>Stop bits:</translation>
    </message>
    <message>
        <source>确认[&amp;F]</source>
        <translation>&amp;Confirm</translation>
    </message>
    <message>
        <source>放弃[&amp;X]</source>
        <translation>E&amp;xit</translation>
    </message>
</context>
<context>
    <name>comm::StatusPanels</name>
    <message>
        <source>欢迎使用通用RS232通讯程序</source>
        <translation>Welcome to the General RS232 Communication Program</translation>
    </message>
    <message>
        <source>时间日期:%1 %2</source>
        <translation>Date and time: %1 %2</translation>
    </message>
</context>
<context>
    <name>comm::TerminalWindow</name>
    <message>
        <source>终端</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>串口设置</source>
        <translation>Port settings</translation>
    </message>
    <message>
        <source>可选常用波特率，也可直接输入设备支持的任意波特率</source>
        <translation>Choose a common baud rate, or type any rate the device supports</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>奇</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>偶</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>标记</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>空号</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>发送中断</source>
        <translation>Send Break</translation>
    </message>
    <message>
        <source>让线路保持中断状态 %1 毫秒</source>
        <translation>Holds the line in break for %1 ms</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>流控</source>
        <translation>Flow control</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>十六进制</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>时间戳</source>
        <translation>Timestamps</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>在收到的内容中查找</source>
        <translation>Find in what was received</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>窗口只保留最近 %1 行；要留下全部数据，请开始记录</source>
        <translation>The window keeps only the last %1 lines; to keep all the data, start a recording</translation>
    </message>
    <message>
        <source>终端记录</source>
        <translation>Terminal recording</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>历史</source>
        <translation>History</translation>
    </message>
    <message>
        <source>选用发送过的内容</source>
        <translation>Pick something sent before</translation>
    </message>
    <message>
        <source>无结尾</source>
        <translation>No line end</translation>
    </message>
    <message>
        <source>文本后面加上的行结尾</source>
        <translation>The line end added after the text</translation>
    </message>
    <message>
        <source>不加校验</source>
        <translation>No checksum</translation>
    </message>
    <message>
        <source>在发送的字节后面加上它们的校验</source>
        <translation>Adds the checksum of the bytes sent after them</translation>
    </message>
    <message>
        <source>发送文件...</source>
        <translation>Send File...</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>串口%1（%2）%3 %4</source>
        <translation>Port %1 (%2) %3 %4</translation>
    </message>
    <message>
        <source>已打开</source>
        <translation>open</translation>
    </message>
    <message>
        <source>未打开</source>
        <translation>closed</translation>
    </message>
    <message>
        <source>关闭串口</source>
        <translation>Close Port</translation>
    </message>
    <message>
        <source>打开串口</source>
        <translation>Open Port</translation>
    </message>
    <message>
        <source>发送文件</source>
        <translation>Send File</translation>
    </message>
    <message>
        <source>%1 串口%2 %3</source>
        <translation>%1 Port %2 %3</translation>
    </message>
    <message>
        <source>收到的内容中找不到“%1”</source>
        <translation>&quot;%1&quot; is not in what was received</translation>
    </message>
    <message>
        <source>收到 %1 字节，发送 %2 字节</source>
        <translation>Received %1 bytes, sent %2 bytes</translation>
    </message>
</context>
<context>
    <name>comm::WizardCountsStep</name>
    <message>
        <source>起始字节</source>
        <translation>Start bytes</translation>
    </message>
    <message>
        <source>数据指令字节</source>
        <translation>Data/command bytes</translation>
    </message>
    <message>
        <source>校验和字节</source>
        <translation>Checksum bytes</translation>
    </message>
    <message>
        <source>结束字节</source>
        <translation>End bytes</translation>
    </message>
    <message>
        <source>建立通讯向导步骤二</source>
        <translation>New Communication Wizard, Step 2</translation>
    </message>
    <message>
        <source>上一步[&amp;B]</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>下一步[&amp;N]</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>放弃[&amp;X]</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>幀格式生成器</source>
        <translation>Frame layout</translation>
    </message>
    <message>
        <source>微机发送数据格式[下位机接收数据格式]</source>
        <translation>PC send frame [device receive frame]</translation>
    </message>
    <message>
        <source>微机接收数据格式[下位机发送数据格式]</source>
        <translation>PC receive frame [device send frame]</translation>
    </message>
    <message>
        <source>个</source>
        <translation>bytes</translation>
    </message>
</context>
<context>
    <name>comm::WizardKindStep</name>
    <message>
        <source>建立通讯向导步骤一</source>
        <translation>New Communication Wizard, Step 1</translation>
    </message>
    <message>
        <source>1.微机发送数据至下位机系统</source>
        <translation>1. PC sends data to the device</translation>
    </message>
    <message>
        <source>2.微机接收下位机发送的数据</source>
        <translation>2. PC receives data from the device</translation>
    </message>
    <message>
        <source>下一步[&amp;N]</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>放弃[&amp;X]</source>
        <translation>E&amp;xit</translation>
    </message>
</context>
<context>
    <name>comm::WizardSettingsStep</name>
    <message>
        <source>建立通讯向导步骤三</source>
        <translation>New Communication Wizard, Step 3</translation>
    </message>
    <message>
        <source>通讯端口设置</source>
        <translation>Port settings</translation>
    </message>
    <message>
        <source>波特率：</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>数据位：</source>
        <translation>Data bits:</translation>
    </message>
    <message>
        <source>校验位：</source>
        <translation>Parity:</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>缺省</source>
        <translation>None</translation>
    </message>
    <message>
        <source>停止位：</source>
        <translation>Stop bits:</translation>
    </message>
    <message>
        <source>上一步[&amp;B]</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>完成[&amp;F]</source>
        <translation>&amp;Finish</translation>
    </message>
    <message>
        <source>放弃[&amp;X]</source>
        <translation>E&amp;xit</translation>
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
<context>
    <name>comm::ui::RecordingControl</name>
    <message>
        <source>记录</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>原始字节</source>
        <translation>Raw bytes</translation>
    </message>
    <message>
        <source>时间日志</source>
        <translation>Timed log</translation>
    </message>
    <message>
        <source>原始字节：收到的字节原样写入文件
时间日志：收发的每一批字节连同时间写成文本</source>
        <translation>Raw bytes: the bytes received go into the file as they are
Timed log: every batch of bytes sent or received is written as text with its time</translation>
    </message>
    <message>
        <source>开始记录</source>
        <translation>Start Recording</translation>
    </message>
    <message>
        <source>未记录</source>
        <translation>Not recording</translation>
    </message>
    <message>
        <source>停止记录</source>
        <translation>Stop Recording</translation>
    </message>
    <message>
        <source>记录到 %1</source>
        <translation>Recording to %1</translation>
    </message>
    <message>
        <source>不能记录到“%1”：%2</source>
        <translation>Cannot record to &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>记录已停止，写文件失败：%1</source>
        <translation>Recording stopped; writing the file failed: %1</translation>
    </message>
    <message>
        <source>记录到文件</source>
        <translation>Record to File</translation>
    </message>
</context>
</TS>
