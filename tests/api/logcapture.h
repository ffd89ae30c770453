#ifndef LOGCAPTURE_H
#define LOGCAPTURE_H

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Records the lines of the default logging category as (type, text), so the
// tests can compare what the program writes exactly. Create it in initTestCase():
// QtTest installs its own handler when the test starts.
typedef QPair<QtMsgType, QString> LogLine;
typedef QList<LogLine> LogLines;
Q_DECLARE_METATYPE(LogLine)

class LogCapture
{
public:
    LogCapture() { previous = qInstallMessageHandler(&LogCapture::record); }
    ~LogCapture() { qInstallMessageHandler(previous); }

    static LogLines &lines()
    {
        static LogLines recorded;
        return recorded;
    }

private:
    static void record(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (qstrcmp(context.category, "default") == 0)
            lines().append(qMakePair(type, message));
        else if (previous)
            previous(type, context, message);
    }

    static inline QtMessageHandler previous = nullptr;
};

// For comparisons whose failures show the lines: "debug: text", "warning: text".
inline QStringList shown(const LogLines &lines)
{
    QStringList texts;
    for (const LogLine &line : lines) {
        const char *type = line.first == QtDebugMsg ? "debug: "
            : line.first == QtWarningMsg            ? "warning: "
                                                    : "other: ";
        texts.append(QLatin1String(type) + line.second);
    }
    return texts;
}

inline LogLine debugLine(const QString &text)
{
    return qMakePair(QtDebugMsg, text);
}

inline LogLine warningLine(const QString &text)
{
    return qMakePair(QtWarningMsg, text);
}

#endif // LOGCAPTURE_H
