#ifndef MESSAGELOG_H
#define MESSAGELOG_H

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Records every message of the toolkit's message channel while it lives, so that tests can check
// log lines exactly. Each line is recorded as "<type>: <text>", e.g. "warning:
// bonjourBrowseReply()".
class MessageLog
{
public:
    MessageLog()
    {
        current = this;
        previous = qInstallMessageHandler(record);
    }
    ~MessageLog()
    {
        qInstallMessageHandler(previous);
        current = nullptr;
    }

    QStringList lines() const { return recorded; }
    void clear() { recorded.clear(); }

    static QStringList warnings(const QStringList &texts)
    {
        QStringList result;
        for (const QString &text : texts)
            result.append(QLatin1String("warning: ") + text);
        return result;
    }

private:
    static void record(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (!current)
            return;
        const char *name = "other";
        switch (type) {
        case QtDebugMsg:
            name = "debug";
            break;
        case QtInfoMsg:
            name = "info";
            break;
        case QtWarningMsg:
            name = "warning";
            break;
        case QtCriticalMsg:
            name = "critical";
            break;
        case QtFatalMsg:
            name = "fatal";
            break;
        }
        // The discovery classes log without any source context.
        const bool hasContext = context.file || context.line || context.function;
        current->recorded.append(QLatin1String(name) + QLatin1String(hasContext ? "+context" : "") +
                                 QLatin1String(": ") + text);
    }

    static inline MessageLog *current = nullptr;
    QtMessageHandler previous = nullptr;
    QStringList recorded;
};

#endif // MESSAGELOG_H
