#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <QSet>
#include <QtTest>

class tst_Pictures : public QObject
{
    Q_OBJECT

private slots:
    void headers_data();
    void headers();
    void busyAnimation_data();
    void busyAnimation();
    void windowIcon_data();
    void windowIcon();
    void storedUncompressed_data();
    void storedUncompressed();
};

void tst_Pictures::headers_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("colourType"); // from the PNG header: 2 is RGB, 6 is RGBA
    QTest::addColumn<int>("width");

    for (int width : { 640, 1280 }) {
        const QString size = QString::number(width);
        QTest::addRow("speaker list %d", width)
            << QStringLiteral(":/GRAFX/Palette_%1px.png").arg(size) << 2 << width;
        QTest::addRow("WLAN selection %d", width)
            << QStringLiteral(":/GRAFX/Funk_%1px.png").arg(size) << 6 << width;
        QTest::addRow("settings %d", width)
            << QStringLiteral(":/GRAFX/Ovix_%1px.png").arg(size) << 6 << width;
    }
}

void tst_Pictures::headers()
{
    QFETCH(QString, path);
    QFETCH(int, colourType);
    QFETCH(int, width);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(26);
    QVERIFY(head.startsWith("\x89PNG\r\n\x1a\n"));
    QCOMPARE(head.mid(12, 4), QByteArray("IHDR"));
    QCOMPARE(int(uchar(head.at(24))), 8); // bits per channel
    QCOMPARE(int(uchar(head.at(25))), colourType);

    const QImage image(path);
    QCOMPARE(image.size(), QSize(width, 289 * width / 640));
    QCOMPARE(image.hasAlphaChannel(), colourType == 6);
    QCOMPARE(image.format(), colourType == 6 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

void tst_Pictures::busyAnimation_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    QTest::newRow("1x") << QStringLiteral(":/GRAFX/ajax-loader.gif") << 32;
    QTest::newRow("2x") << QStringLiteral(":/GRAFX/ajax-loader@2x.gif") << 64;
}

void tst_Pictures::busyAnimation()
{
    QFETCH(QString, path);
    QFETCH(int, size);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(6), QByteArray("GIF89a"));
    file.close();

    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("gif"));
    QVERIFY(reader.supportsAnimation());
    QCOMPARE(reader.size(), QSize(size, size));
    QCOMPARE(reader.imageCount(), 12);
    QCOMPARE(reader.loopCount(), -1); // forever

    QSet<QRgb> colours;
    QList<QImage> frames;
    for (int frame = 0; frame < 12; ++frame) {
        QImage image;
        QVERIFY2(reader.read(&image), qPrintable(reader.errorString()));
        QCOMPARE(reader.nextImageDelay(), 100);
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        // Transparent round the symbol, including the centre of the ring.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size - 1, size - 1)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 0);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                QVERIFY(qAlpha(pixel) == 0 || qAlpha(pixel) == 255);
                colours.insert(qAlpha(pixel) ? pixel : 0);
            }
        }
        for (const QImage &earlier : qAsConst(frames))
            QVERIFY(earlier != image);
        frames.append(image);
    }
    QVERIFY(!reader.canRead());
    QVERIFY2(colours.size() <= 16, QByteArray::number(colours.size()).constData());
}

namespace {

// The sizes at which the package installs the program's icon.
QList<int> installedIconSizes()
{
    QList<int> sizes;
    for (const QString &size : QStringLiteral(VANTIR_ICON_SIZES).split(QLatin1Char(',')))
        sizes.append(size.toInt());
    return sizes;
}

} // namespace

void tst_Pictures::windowIcon_data()
{
    QTest::addColumn<int>("size");
    for (int size : installedIconSizes())
        QTest::addRow("%d", size) << size;
}

// The windows' icon is the one that the package installs for the desktop entry, byte for byte.
void tst_Pictures::windowIcon()
{
    QFETCH(int, size);
    const QString name = QStringLiteral("Icon_%1px.png").arg(size);
    QFile compiledIn(QStringLiteral(":/GRAFX/") + name);
    QFile installed(QStringLiteral(VANTIR_GRAFX_DIR "/") + name);
    QVERIFY(compiledIn.open(QIODevice::ReadOnly));
    QVERIFY(installed.open(QIODevice::ReadOnly));
    QCOMPARE(compiledIn.readAll(), installed.readAll());

    const QImage image(compiledIn.fileName());
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    // Transparent round the drawing, as a desktop shows an icon on any background.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
}

void tst_Pictures::storedUncompressed_data()
{
    QTest::addColumn<QString>("path");

    for (const char *path :
         { ":/GRAFX/Palette_640px.png", ":/GRAFX/Funk_640px.png", ":/GRAFX/Ovix_640px.png",
           ":/GRAFX/ajax-loader.gif", ":/GRAFX/Palette_1280px.png", ":/GRAFX/Funk_1280px.png",
           ":/GRAFX/Ovix_1280px.png", ":/GRAFX/ajax-loader@2x.gif", ":/translations/VANTIR_de.qm",
           ":/translations/VANTIR_en.qm" })
        QTest::newRow(path) << QString::fromLatin1(path);
    for (int size : installedIconSizes())
        QTest::addRow(":/GRAFX/Icon_%dpx.png", size)
            << QStringLiteral(":/GRAFX/Icon_%1px.png").arg(size);
}

void tst_Pictures::storedUncompressed()
{
    QFETCH(QString, path);

    const QResource resource(path);
    QVERIFY(resource.isValid());
    QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
    QVERIFY(resource.size() > 0);
    QCOMPARE(resource.uncompressedSize(), resource.size());
}

QTEST_MAIN(tst_Pictures)

#include "tst_pictures.moc"
