#ifndef LISTCOMMAND_H
#define LISTCOMMAND_H

#include "command.h"
#include "speakerclient.h"

class Report;

// `list`: the speakers announced now, each resolved, with --details also asked what it is; when
// there are none, why not.
class ListCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("list"); }
    int run(QTextStream &out, QTextStream &err, SignalWatch &signalWatch) override;

    bool details = false;

protected:
    QList<QCommandLineOption> ownOptions() const override;
    QStringList usage() const override;
    QString description() const override;
    QString examples() const override;
    bool read(const QCommandLineParser &parser, const QStringList &positional,
              QString *error) override;

private:
    struct Row
    {
        BonjourRecord record;
        bool done = false;
        Look look;
    };

    void askSpeakers(const Listing &listing);
    void explainEmptyList();
    void showSpeaker(int index, const Look &look);
    void end(int code);

    Report *report = nullptr;
    NetworkClient *client = nullptr;
    QList<Row> rows;
    int unanswered = 0;
};

#endif // LISTCOMMAND_H
