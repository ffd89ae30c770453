#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include "command.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// The arguments of vantir-speakers: --help or --version, or a command and what it takes.
class CommandLine
{
public:
    enum Action { Run, Help, Version, Error };

    CommandLine();

    // arguments: as the application has them, the program's name first.
    Action parse(const QStringList &arguments);

    Command *command() const { return chosen; }
    QString error() const { return message; }
    // The chosen command's help, or the program's.
    QString helpText() const;

private:
    std::vector<std::unique_ptr<Command>> commands;
    Command *chosen = nullptr;
    QString message;
};

#endif // COMMANDLINE_H
