#ifndef MESSAGELOG_H
#define MESSAGELOG_H

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Records every line of the message channel while it lives, as "<type>: <text>" (e.g.
// "warning: bonjourBrowseReply()"), so that tests compare log lines exactly. A line that carries
// file, line or function context is recorded as "<type>+context: <text>". Create it inside a test
// function or in initTestCase(): QtTest installs its own handler when the test starts.
class MessageLog
{
public:
    // passOn: also hand each line to the handler installed before, to read a failure in context.
    explicit MessageLog(bool passOn = false) : passOn(passOn), outer(current)
    {
        current = this;
        previous = qInstallMessageHandler(record);
    }
    ~MessageLog()
    {
        qInstallMessageHandler(previous);
        current = outer;
    }
    MessageLog(const MessageLog &) = delete;
    MessageLog &operator=(const MessageLog &) = delete;

    QStringList lines() const { return recorded; }
    void clear() { recorded.clear(); }

    // The texts of the debug lines, from the first one equal to `first` on if given.
    QStringList debugLines(const QString &first = QString()) const
    {
        QStringList texts;
        for (const QString &line : recorded) {
            if (line.startsWith(QLatin1String("debug: ")))
                texts.append(line.mid(7));
        }
        const int index = first.isNull() ? 0 : texts.indexOf(first);
        return index < 0 ? QStringList() : texts.mid(index);
    }

    static QStringList warnings(const QStringList &texts) { return typed("warning: ", texts); }
    static QStringList debugs(const QStringList &texts) { return typed("debug: ", texts); }

private:
    static QStringList typed(const char *type, const QStringList &texts)
    {
        QStringList result;
        for (const QString &text : texts)
            result.append(QLatin1String(type) + text);
        return result;
    }

    static void record(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        static const char *const names[] = { "debug", "warning", "critical", "fatal", "info" };
        const bool hasContext = context.file || context.line || context.function;
        current->recorded.append(QLatin1String(type <= QtInfoMsg ? names[type] : "other") +
                                 QLatin1String(hasContext ? "+context: " : ": ") + text);
        if (current->passOn && current->previous)
            current->previous(type, context, text);
    }

    static inline MessageLog *current = nullptr;
    const bool passOn;
    MessageLog *const outer;
    QtMessageHandler previous = nullptr;
    QStringList recorded;
};

#endif // MESSAGELOG_H
