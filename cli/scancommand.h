#ifndef SCANCOMMAND_H
#define SCANCOMMAND_H

#include "command.h"
#include "speakerargument.h"

// `scan SPEAKER`: the WLANs one speaker sees.
class ScanCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("scan"); }
    int run(QTextStream &out, QTextStream &err, SignalWatch &signalWatch) override;

    SpeakerArgument speaker;

protected:
    QList<QCommandLineOption> ownOptions() const override { return {}; }
    QStringList usage() const override;
    QString description() const override;
    QString examples() const override;
    bool read(const QCommandLineParser &parser, const QStringList &positional,
              QString *error) override;
};

#endif // SCANCOMMAND_H
