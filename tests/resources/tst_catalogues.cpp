#include "startup.h"

#include <QFile>
#include <QLocale>
#include <QSet>
#include <QTranslator>
#include <QtEndian>
#include <QtTest>

#include <iterator>

namespace {

struct Entry
{
    const char *context;
    const char *source;
    const char *english;
    const char *german;
};

// What the pages look up and what each catalogue must answer, byte for byte
// (UTF-8).
const Entry entries[] = {
    { "Client", "<< Back", "< Back", "< Zurück" },
    { "Client", "VANTIR Ovix Configurator", "VANTIR Ovix Configurator",
      "VANTIR Ovix Konfigurator" },
    { "Client", "Available VANTIR Speakers", "Available VANTIR Speakers",
      "Verfügbare VANTIR Lautsprecher" },
    { "Client", "Next >>", "Next >", "Weiter >" },
    { "Client", "Quit", "Quit", "Beenden" },
    { "Client", "The Speakers and your\ndevice have to be in\nthe same WLAN!",
      "The Speakers and your\ndevice have to be in\nthe same WLAN!",
      "Die Lautsprecher und\nIhr Mobilgerät müssen\nim selben WLAN sein!\n" },
    { "Client_Settings", "<< Back", "< Back", "< Zurück" },
    { "Client_Settings", "VANTIR Ovix", "VANTIR Ovix", "VANTIR Ovix" },
    { "Client_Settings", "Clicking on SAVE will reboot your\nVANTIR Ovix-Speakers!",
      "Clicking on SAVE will reboot your\nVANTIR Ovix-Speakers!",
      "Klicken auf OK lässt Ihre\nVANTIR Ovixs neu starten!" },
    { "Client_Settings", "IP Addr:", "IP Addr:", "IP Addr:" },
    { "Client_Settings", "Info", "Info", "Info" },
    { "Client_Settings", "Model:", "Model:", "Modell:" },
    { "Client_Settings", "Name:", "Name:", "Name:" },
    { "Client_Settings", "OK", "OK", "OK" },
    { "Client_Settings", "Passwd:", "Passwd:", "Passwd:" },
    { "Client_Settings", "SAVE", "SAVE", "OK" },
    { "Client_Settings", "Speaker WLAN Settings", "Speaker WLAN Settings", "WLAN Einstellungen" },
    { "Client_Settings", "Success",
      "Success!\n\nYour VANTIR Speakers are booting\nand will be available in a minute...",
      "Erfolg!\nIhr VANTIR Lautsprecher starten neu\nund sind in einer Minute "
      "verfügbar...\n" },
    { "Client_Settings", "Vers:", "Vers:", "Vers:" },
    { "Client_Settings", "WLAN:", "WLAN:", "WLAN:" },
    { "Client_WLANs", "<< Back", "< Back", "< Zurück" },
    { "Client_WLANs", "Info", "Info", "Info" },
    { "Client_WLANs", "Next >>", "Next >", "Weiter >" },
    { "Client_WLANs", "No Speakers found", "No Speakers found", "Keine Lautsprecher gefunden" },
    { "Client_WLANs", "Please select your private WLAN\n  ", "Please select your private WLAN",
      "Bitte wählen Sie Ihr privates WLAN" },
    { "Client_WLANs", "Reset!", "Reset!", "Reset!" },
    { "Client_WLANs", "SSID", "WLAN", "WLAN" },
    { "Client_WLANs", "Select WLAN", "Select WLAN", "WLAN auswählen" },
    { "Client_WLANs", "Sig", "Sig", "Sig" },
};

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

quint32 readLength(const QByteArray &data, int &pos, bool &ok)
{
    if (pos + 4 > data.size()) {
        ok = false;
        return 0;
    }
    const quint32 value = qFromBigEndian<quint32>(data.constData() + pos);
    pos += 4;
    return value;
}

QByteArray readBytes(const QByteArray &data, int &pos, bool &ok)
{
    const quint32 length = readLength(data, pos, ok);
    if (!ok || length > quint32(data.size() - pos)) {
        ok = false;
        return QByteArray();
    }
    const QByteArray bytes = data.mid(pos, int(length));
    pos += int(length);
    return bytes;
}

// Walks the .qm file's sections and decodes every message of its message section.
// Sets ok to false on anything this reader does not understand.
QList<StoredMessage> readMessages(const QByteArray &file, bool &ok)
{
    static const uchar magic[16] = { 0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                     0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd };
    QList<StoredMessage> messages;
    ok = file.startsWith(QByteArray::fromRawData(reinterpret_cast<const char *>(magic), 16));
    int pos = 16;
    QByteArray section;
    while (ok && pos < file.size()) {
        const uchar tag = uchar(file.at(pos++));
        const QByteArray block = readBytes(file, pos, ok);
        if (tag == 0x69) // messages
            section = block;
    }
    if (!ok || section.isEmpty()) {
        ok = false;
        return messages;
    }

    pos = 0;
    StoredMessage message;
    while (ok && pos < section.size()) {
        const uchar tag = uchar(section.at(pos++));
        switch (tag) {
        case 1: // end of message
            messages.append(message);
            message = StoredMessage();
            break;
        case 3: { // translation, UTF-16 big endian
            const QByteArray utf16 = readBytes(section, pos, ok);
            QString text(utf16.size() / 2, Qt::Uninitialized);
            for (int i = 0; i < text.size(); ++i)
                text[i] = QChar(qFromBigEndian<quint16>(utf16.constData() + 2 * i));
            message.translations.append(text);
            break;
        }
        case 6:
            message.source = readBytes(section, pos, ok);
            break;
        case 7:
            message.context = readBytes(section, pos, ok);
            break;
        case 8:
            message.comment = readBytes(section, pos, ok);
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

    // The same answer through the application, the way the pages ask.
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCOMPARE(QCoreApplication::translate(context.constData(), source.constData()), translation);
    QCoreApplication::removeTranslator(&translator);
}

void tst_Catalogues::holdsNothingElse_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("en");
    QTest::newRow("de") << QStringLiteral("de");
}

void tst_Catalogues::holdsNothingElse()
{
    QFETCH(QString, language);

    QFile file(cataloguePath(language));
    QVERIFY(file.open(QIODevice::ReadOnly));
    bool ok = false;
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
        QCOMPARE(message.translations, QStringList(expectedTranslation(*match, language)));
    }
}

void tst_Catalogues::loadCatalogue_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("language");

    QTest::newRow("de_DE") << QLocale(QStringLiteral("de_DE")) << QStringLiteral("de");
    QTest::newRow("de_AT") << QLocale(QStringLiteral("de_AT")) << QStringLiteral("de");
    QTest::newRow("de_CH") << QLocale(QStringLiteral("de_CH")) << QStringLiteral("de");
    QTest::newRow("en_US") << QLocale(QStringLiteral("en_US")) << QStringLiteral("en");
    QTest::newRow("en_GB") << QLocale(QStringLiteral("en_GB")) << QStringLiteral("en");
    QTest::newRow("fr_FR") << QLocale(QStringLiteral("fr_FR")) << QString();
    QTest::newRow("C") << QLocale::c() << QString();
}

void tst_Catalogues::loadCatalogue()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, language);

    QTranslator translator;
    QCOMPARE(::loadCatalogue(translator, locale), !language.isEmpty());
    if (language.isEmpty()) {
        QVERIFY(translator.isEmpty());
        QVERIFY(translator.translate("Client", "Next >>").isNull());
        return;
    }
    QCOMPARE(translator.filePath(), cataloguePath(language));
    QCOMPARE(translator.translate("Client_Settings", "SAVE"),
             language == QLatin1String("de") ? QStringLiteral("OK") : QStringLiteral("SAVE"));
    QCOMPARE(translator.translate("Client_WLANs", "SSID"), QStringLiteral("WLAN"));
}

QTEST_GUILESS_MAIN(tst_Catalogues)

#include "tst_catalogues.moc"
