#pragma once

#include <QStringList>

// One function per comm-cli command; each gets the arguments after the command's name and
// returns the process exit status.
namespace cli {

struct Command {
    const char* name;
    const char* usage;
    int (*run)(const QStringList& args);
};

int show(const QStringList& args);
int make(const QStringList& args);
int run(const QStringList& args);
int monitor(const QStringList& args);
int dax(const QStringList& args);
int send(const QStringList& args);
int receive(const QStringList& args);

}  // namespace cli
