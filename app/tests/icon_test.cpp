// The application icon: 32 x 32, sixteen standard colours, opaque, on olive,
// with a magenta and red monogram; the Windows icon, the picture the windows
// carry and the PNGs of the desktop are the same picture.
#include <QtGui/QImage>
#include <QtGui/QImageReader>
#include <QtTest/QtTest>

#include "icons/trimvale.xpm"

class IconTest : public QObject
{
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
    void windowsIconHasOneEntryOfSixteenColours();
    void largerRenderingIsTheSamePicture();
    void windowIconIsTheSamePicture();
};

namespace {

QImage load(const QString &file)
{
    QImageReader reader(file);
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

// The sixteen colours of the standard Windows palette.
QList<QRgb> standardPalette()
{
    QList<QRgb> colours;
    for (int r : {0, 128})
        for (int g : {0, 128})
            for (int b : {0, 128})
                colours << qRgb(r, g, b);
    colours.removeAll(qRgb(128, 128, 128)); // mid grey is the bright black
    colours << qRgb(192, 192, 192) << qRgb(128, 128, 128);
    for (int r : {0, 255})
        for (int g : {0, 255})
            for (int b : {0, 255})
                if (r || g || b)
                    colours << qRgb(r, g, b);
    return colours;
}

} // namespace

void IconTest::pictures_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("png") << QStringLiteral(TRIMVALE_ICON_DIR "/trimvale-32.png");
    QTest::newRow("ico") << QStringLiteral(TRIMVALE_ICON_DIR "/trimvale.ico");
}

void IconTest::pictures()
{
    QFETCH(QString, file);
    const QImage image = load(file);
    QCOMPARE(image.size(), QSize(32, 32));
    const QList<QRgb> palette = standardPalette();

    QSet<QRgb> used;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb pixel = image.pixel(x, y);
            QCOMPARE(qAlpha(pixel), 255);
            QVERIFY2(palette.contains(pixel | 0xFF000000), qPrintable(QString::number(pixel, 16)));
            used.insert(pixel);
        }
    }
    // Olive all round the edge, magenta and red inside, nothing else.
    for (int i = 0; i < 32; ++i) {
        QCOMPARE(image.pixel(i, 0), qRgb(128, 128, 0));
        QCOMPARE(image.pixel(0, i), qRgb(128, 128, 0));
        QCOMPARE(image.pixel(i, 31), qRgb(128, 128, 0));
        QCOMPARE(image.pixel(31, i), qRgb(128, 128, 0));
    }
    QCOMPARE(used, QSet<QRgb>({qRgb(128, 128, 0), qRgb(255, 0, 255), qRgb(255, 0, 0)}));

    static QImage first;
    if (first.isNull())
        first = image;
    else
        QCOMPARE(image, first);
}

void IconTest::windowsIconHasOneEntryOfSixteenColours()
{
    QFile file(QStringLiteral(TRIMVALE_ICON_DIR "/trimvale.ico"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    QVERIFY(data.size() > 22);
    auto byte = [&data](int at) { return static_cast<unsigned char>(data.at(at)); };
    QCOMPARE(byte(2), 1u);       // an icon
    QCOMPARE(byte(4), 1u);       // one entry
    QCOMPARE(byte(6), 32u);      // width
    QCOMPARE(byte(7), 32u);      // height
    QCOMPARE(byte(8), 16u);      // colours
    QCOMPARE(byte(12), 4u);      // bits a pixel
    QCOMPARE(byte(22 + 14), 4u); // the bitmap's own bit count
}

void IconTest::largerRenderingIsTheSamePicture()
{
    const QImage small = load(QStringLiteral(TRIMVALE_ICON_DIR "/trimvale-32.png"));
    const QImage large = load(QStringLiteral(TRIMVALE_ICON_DIR "/trimvale-128.png"));
    QCOMPARE(large.size(), QSize(128, 128));
    QCOMPARE(large.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation), small);
}

void IconTest::windowIconIsTheSamePicture()
{
    const QImage window = QImage(trimvale_xpm).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(window, load(QStringLiteral(TRIMVALE_ICON_DIR "/trimvale-32.png")));
}

QTEST_GUILESS_MAIN(IconTest)
#include "icon_test.moc"
