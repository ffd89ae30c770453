#include "catalogueentries.h"
#include "startup.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QtEndian>
#include <QtTest>

#include <iterator>

namespace {

const char *const languages[] = { "en", "de", "es", "fr", "it", "nl", "pl" };

// The %1, %2, ... of a text, sorted.
QStringList placeholders(const QString &text)
{
    QStringList found;
    QRegularExpressionMatchIterator match =
        QRegularExpression(QStringLiteral("%\\d+")).globalMatch(text);
    while (match.hasNext())
        found.append(match.next().captured());
    found.sort();
    return found;
}

// A text's lines, "x" for one with words and "-" for a blank one.
QString lineShape(const QString &text)
{
    QString shape;
    for (const QString &line : text.split(QLatin1Char('\n')))
        shape += line.trimmed().isEmpty() ? QLatin1Char('-') : QLatin1Char('x');
    return shape;
}

QString expectedTranslation(const Entry &entry, const QString &language)
{
    return QString::fromUtf8(language == QLatin1String("de") ? entry.german : entry.english);
}

QString cataloguePath(const QString &language)
{
    return QStringLiteral(":/translations/VANTIR_") + language + QStringLiteral(".qm");
}

// One message of a compiled catalogue as stored in its message section.
struct StoredMessage
{
    QByteArray context;
    QByteArray source;
    QByteArray comment;
    QStringList translations;
};

// One length-prefixed block (32-bit big-endian length); sets ok to false past the end.
QByteArray readBlock(const QByteArray &data, int &pos, bool &ok)
{
    const quint32 length = pos + 4 <= data.size() ? qFromBigEndian<quint32>(data.constData() + pos)
                                                  : quint32(data.size());
    ok = ok && length <= quint32(data.size() - pos - 4);
    pos += 4 + int(length);
    return ok ? data.mid(pos - int(length), int(length)) : QByteArray();
}

// Decodes every message of the .qm file's message section (tag 0x69). Sets ok to false on
// anything this reader does not understand.
QList<StoredMessage> readMessages(const QByteArray &file, bool &ok)
{
    static const char magic[] = "\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd";
    ok = file.startsWith(QByteArray(magic, 16));
    QByteArray section;
    for (int pos = 16; ok && pos < file.size();) {
        const char tag = file.at(pos++);
        const QByteArray block = readBlock(file, pos, ok);
        if (tag == 0x69)
            section = block;
    }
    ok = ok && !section.isEmpty();

    QList<StoredMessage> messages;
    StoredMessage message;
    for (int pos = 0; ok && pos < section.size();) {
        switch (section.at(pos++)) {
        case 1: // end of message
            messages.append(message);
            message = StoredMessage();
            break;
        case 3: { // translation, UTF-16 big endian
            const QByteArray utf16 = readBlock(section, pos, ok);
            QString text(utf16.size() / 2, Qt::Uninitialized);
            for (int i = 0; i < text.size(); ++i)
                text[i] = QChar(qFromBigEndian<quint16>(utf16.constData() + 2 * i));
            message.translations.append(text);
            break;
        }
        case 6:
            message.source = readBlock(section, pos, ok);
            break;
        case 7:
            message.context = readBlock(section, pos, ok);
            break;
        case 8:
            message.comment = readBlock(section, pos, ok);
            break;
        default:
            ok = false;
        }
    }
    return messages;
}

} // namespace

class tst_Catalogues : public QObject
{
    Q_OBJECT

private slots:
    void translates_data();
    void translates();
    void holdsNothingElse_data();
    void holdsNothingElse();
    void loadCatalogue_data();
    void loadCatalogue();
};

void tst_Catalogues::translates_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("context");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("translation");

    for (const char *language : { "en", "de" }) {
        for (const Entry &entry : entries) {
            const QByteArray name = QByteArray(language) + ' ' + entry.context + ' ' +
                QByteArray(entry.source).replace('\n', "\\n");
            QTest::newRow(name.constData())
                << QString::fromLatin1(language) << QByteArray(entry.context)
                << QByteArray(entry.source) << expectedTranslation(entry, QLatin1String(language));
        }
    }
}

void tst_Catalogues::translates()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, context);
    QFETCH(QByteArray, source);
    QFETCH(QString, translation);

    QTranslator translator;
    QVERIFY(translator.load(cataloguePath(language)));
    QCOMPARE(translator.translate(context.constData(), source.constData()), translation);
}

void tst_Catalogues::holdsNothingElse_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : languages)
        QTest::newRow(language) << QString::fromLatin1(language);
}

void tst_Catalogues::holdsNothingElse()
{
    QFETCH(QString, language);

    QFile file(cataloguePath(language));
    QVERIFY(file.open(QIODevice::ReadOnly));
    bool ok = true;
    const QList<StoredMessage> messages = readMessages(file.readAll(), ok);
    QVERIFY(ok);
    QCOMPARE(messages.size(), int(std::size(entries)));

    QSet<QByteArray> seen;
    for (const StoredMessage &message : messages) {
        const QByteArray key = message.context + '\x1f' + message.source;
        QVERIFY2(!seen.contains(key), key.constData());
        seen.insert(key);
        QVERIFY2(message.comment.isEmpty(), key.constData());
        const Entry *match = nullptr;
        for (const Entry &entry : entries) {
            if (message.context == entry.context && message.source == entry.source)
                match = &entry;
        }
        QVERIFY2(match, key.constData());
        QCOMPARE(message.translations.size(), 1);
        const QString text = message.translations.first();
        if (language == QLatin1String("en") || language == QLatin1String("de")) {
            QCOMPARE(text, expectedTranslation(*match, language));
            continue;
        }
        // The English wording's placeholders, line breaks and access keys.
        const QString english = QString::fromUtf8(match->english);
        QVERIFY2(!text.trimmed().isEmpty(), key.constData());
        QCOMPARE(placeholders(text), placeholders(english));
        QCOMPARE(lineShape(text), lineShape(english));
        QCOMPARE(text.contains(QLatin1Char('&')), english.contains(QLatin1Char('&')));
    }
}

void tst_Catalogues::loadCatalogue_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("language");

    for (const char *name : { "de_DE", "de_AT", "de_CH", "en_US", "en_GB", "es_ES", "es_MX",
                              "fr_FR", "fr_BE", "it_IT", "it_CH", "nl_NL", "nl_BE", "pl_PL" })
        QTest::newRow(name) << QLocale(QString::fromLatin1(name)) << QString::fromLatin1(name, 2);
    // No catalogue fits: English.
    QTest::newRow("ja_JP") << QLocale(QStringLiteral("ja_JP")) << QStringLiteral("en");
    QTest::newRow("C") << QLocale::c() << QStringLiteral("en");
}

void tst_Catalogues::loadCatalogue()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, language);

    QTranslator translator;
    QVERIFY(::loadCatalogue(translator, locale));
    QCOMPARE(translator.filePath(), cataloguePath(language));
}

QTEST_GUILESS_MAIN(tst_Catalogues)

#include "tst_catalogues.moc"
