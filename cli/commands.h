#pragma once

#include <QStringList>

// Every comm-cli command, one line each: the function that runs it (in a file of its own, named
// after it) and its usage after "comm-cli ". A new command is its file and its line here.
#define COMM_CLI_COMMANDS(X)                                                      \
    X(show, "show FILE.Txl")                                                      \
    X(make, "make FILE.json FILE.Txl [--no-values]")                              \
    X(run,                                                                        \
      "run FILE.Txl --port N|PATH [--on-timeout ask|continue|stop] [--check]"     \
      " [--gap-chars N] [--sync] [--json]")                                       \
    X(monitor,                                                                    \
      "monitor --port N|PATH [--settings 9600,O,8,1] [--bytes N] [--quiet-ms MS]" \
      " [--out FILE.Dax] [--record FILE] [--flow none|rtscts|xonxoff]"            \
      " [--dtr on|off] [--rts on|off] [--ascii] [--json] [--reconnect]")          \
    X(dax, "dax FILE.Dax [--ascii]")                                              \
    X(send, "send FILE --port N|PATH [--json]")                                   \
    X(receive, "receive --port N|PATH [--dir DIR] [--json]")                      \
    X(identify, "identify --port N|PATH [--listen-ms MS] [--all] [--json]")       \
    X(ports, "ports [--json]")

namespace cli {

// What a command returns for arguments it cannot take: the tool then prints that command's usage
// and exits with status 2.
constexpr int kUsage = -1;

// Keeps which argument is wrong and why for the line after the usage, then returns kUsage.
int BadArguments(const QString& reason);
QString BadArgumentsReason();

// Each command gets the arguments after its name and returns the exit status (or kUsage).
#define COMM_CLI_DECLARE(name, usage) int name(const QStringList& args);
COMM_CLI_COMMANDS(COMM_CLI_DECLARE)
#undef COMM_CLI_DECLARE

}  // namespace cli
