#include "logtext.h"

#include <QChar>
#include <QDebug>
#include <QJsonArray>
#include <QJsonObject>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

namespace {

// Assigned after Unicode 13, the version of Qt 5.15's character tables.
bool newerThanQt5(uint codePoint)
{
    return QChar::unicodeVersion(codePoint) > QChar::Unicode_13_0;
}

// QDebug's escape of a character it cannot print: \uXXXX, or \UXXXXXXXX beyond the BMP.
QString escaped(uint codePoint)
{
    const bool wide = codePoint > 0xffff;
    return QLatin1String(wide ? "\\U" : "\\u") +
        QString::number(codePoint, 16).toUpper().rightJustified(wide ? 8 : 4, QLatin1Char('0'));
}

// QDebug's own escaping of a stretch of text, without the quotation marks around it.
QString escapedByQDebug(const QString &text)
{
    QString quoted;
    QDebug(&quoted).nospace() << text;
    return quoted.mid(1, quoted.size() - 2);
}

QJsonValue withDoubles(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Double:
        return QJsonValue(value.toDouble());
    case QJsonValue::Array: {
        QJsonArray array;
        for (const QJsonValue &element : value.toArray())
            array.append(withDoubles(element));
        return array;
    }
    case QJsonValue::Object: {
        const QJsonObject object = value.toObject();
        QJsonObject copy;
        for (auto it = object.begin(); it != object.end(); ++it)
            copy.insert(it.key(), withDoubles(it.value()));
        return copy;
    }
    default:
        return value;
    }
}

QMutex hiddenMutex;
QStringList hiddenPasswords; // one entry for each HiddenPassword alive

// The password as the content of a JSON string; it holds no control character, which neither a
// name nor a password may hold.
QString inJsonString(QString password)
{
    password.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    password.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return password;
}

} // namespace

QString passwordMask(const QString &password)
{
    return password.isEmpty() ? QString() : QStringLiteral("********");
}

HiddenPassword::HiddenPassword(const QString &password) : password(password)
{
    if (password.isEmpty())
        return;
    const QMutexLocker locker(&hiddenMutex);
    hiddenPasswords.append(password);
}

HiddenPassword::~HiddenPassword()
{
    if (password.isEmpty())
        return;
    const QMutexLocker locker(&hiddenMutex);
    hiddenPasswords.removeOne(password);
}

QString hidePasswords(const QString &text)
{
    const QMutexLocker locker(&hiddenMutex);
    QString hidden = text;
    for (const QString &password : qAsConst(hiddenPasswords)) {
        hidden.replace(password, passwordMask(password));
        hidden.replace(inJsonString(password), passwordMask(password));
    }
    return hidden;
}

QJsonValue hidePasswords(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::String:
        return hidePasswords(value.toString());
    case QJsonValue::Array: {
        QJsonArray array;
        for (const QJsonValue &element : value.toArray())
            array.append(hidePasswords(element));
        return array;
    }
    case QJsonValue::Object: {
        const QJsonObject object = value.toObject();
        QJsonObject copy;
        for (auto it = object.begin(); it != object.end(); ++it)
            copy.insert(hidePasswords(it.key()), hidePasswords(it.value()));
        return copy;
    }
    default:
        return value;
    }
}

QString quotedLogText(const QString &text)
{
    QString quoted(QLatin1Char('"'));
    int start = 0; // of the stretch that QDebug escapes alike in Qt 5.15 and Qt 6
    for (int i = 0; i < text.size(); ++i) {
        uint codePoint = text.at(i).unicode();
        const bool pair = QChar::isHighSurrogate(codePoint) && i + 1 < text.size() &&
            text.at(i + 1).isLowSurrogate();
        if (pair)
            codePoint = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
        if (newerThanQt5(codePoint)) {
            quoted += escapedByQDebug(text.mid(start, i - start)) + escaped(codePoint);
            start = i + (pair ? 2 : 1);
        }
        if (pair)
            ++i;
    }
    return quoted + escapedByQDebug(text.mid(start)) + QLatin1Char('"');
}

QDebug operator<<(QDebug debug, const LogText &value)
{
    QDebugStateSaver saver(debug);
    debug.noquote() << quotedLogText(hidePasswords(value.text));
    return debug;
}

QDebug operator<<(QDebug debug, const LogJson &value)
{
    QDebugStateSaver saver(debug);
    switch (value.value.type()) {
    case QJsonValue::Double:
        debug.nospace() << "QJsonValue(double, " << value.value.toDouble() << ')';
        break;
    case QJsonValue::String:
        debug.nospace() << "QJsonValue(string, " << LogText(value.value.toString()) << ')';
        break;
    default:
        debug << withDoubles(hidePasswords(value.value));
    }
    return debug;
}
