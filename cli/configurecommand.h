#ifndef CONFIGURECOMMAND_H
#define CONFIGURECOMMAND_H

#include "command.h"
#include "input.h"
#include "plan.h"

#include <chrono>

// `configure`: one speaker, or each line of a plan, put into a WLAN and perhaps renamed, every
// line checked before anything is sent; then the speakers waited for.
class ConfigureCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("configure"); }
    int run(QTextStream &out, QTextStream &err, SignalWatch &signalWatch) override;

    PlanLine line; // without a plan
    QString planFile;
    bool hidden = false;
    bool passwordStdin = false;
    QString passwordFile;
    int jobs = 8;
    bool noWait = false;
    std::chrono::seconds returnWait = defaultReturnWait();
    bool force = false;
    bool dryRun = false;

protected:
    QList<QCommandLineOption> ownOptions() const override;
    QStringList usage() const override;
    QString description() const override;
    QString examples() const override;
    bool read(const QCommandLineParser &parser, const QStringList &positional,
              QString *error) override;

private:
    Input::Result readPlan(QList<PlanLine> *plan, QString *error) const;
    Input::Result readPassword(QString *password, QString *error) const;
};

#endif // CONFIGURECOMMAND_H
