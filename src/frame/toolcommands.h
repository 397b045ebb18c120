#pragma once

namespace comm {

class MainWindow;

// The commands that open a window of another part of the program, each modal over the main
// window. Menu item and toolbar key in the comment; the menu and the toolbar run the same one.
void NewCommand(MainWindow& window);           // NewComm, t1
void RunCommand(MainWindow& window);           // RunComm, t5
void PrintCommand(MainWindow& window);         // PrintComm, t4
void PrintSetupCommand(MainWindow& window);    // PrintSetup
void MonitorCommand(MainWindow& window);       // listencomm, t14
void IdentifyCommand(MainWindow& window);      // autoSee, t17
void TerminalCommand(MainWindow& window);      // terminal, t18
void SendFileCommand(MainWindow& window);      // sendfile, t15
void ReceiveFileCommand(MainWindow& window);   // receivefile, t16
void HelpContentsCommand(MainWindow& window);  // nr, t10
void SupportCommand(MainWindow& window);       // jscc, t11
void AboutCommand(MainWindow& window);         // About, t12
void PortBindingCommand(MainWindow& window);   // bindPorts

}  // namespace comm
