#include "game/bitmaps.h"
#include "game/gamerules.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// The numbers the art generator lists as `NAME = [1, 2, 3]` on a line of their own.
static QList<int> generatorList(const QString &name)
{
    QFile source(QStringLiteral(KOBU_ART_GENERATOR));
    const QRegularExpression line(u"^"_s + name + uR"( = \[([-\d, ]*)\]$)"_s, QRegularExpression::MultilineOption);
    const QString text = source.open(QIODevice::ReadOnly) ? QString::fromUtf8(source.readAll()) : QString();
    QList<int> values;
    for (auto lines = line.globalMatch(text); lines.hasNext();)
        for (const QString &value : lines.next().captured(1).split(u',', Qt::SkipEmptyParts))
            values.append(value.trimmed().toInt());
    return values;
}

class tst_Assets : public QObject
{
    Q_OBJECT

private slots:
    // The seats the game paints monkeys at are those the art generator drew the train's windows for.
    void seatsAsDrawn()
    {
        QCOMPARE(generatorList(u"SEAT_X"_s), QList<int>(GameRules::seatX.begin(), GameRules::seatX.begin() + GameRules::Seats));
        QCOMPARE(generatorList(u"SEAT_Y"_s), QList<int>(GameRules::seatY.begin(), GameRules::seatY.begin() + GameRules::Seats));
    }

    void pictures_data()
    {
        QTest::addColumn<int>("scale");
        for (int scale = 1; scale <= LargestPictureScale; ++scale)
            QTest::addRow("%dx", scale) << scale;
    }

    // Every picture is exactly its scale times the design's; each head looks out of a white window, the coupling
    // gap shows the background, and the mask lets the train show through only where the monkey is black.
    void pictures()
    {
        QFETCH(int, scale);
        const Bitmaps design = loadBitmaps(), detailed = loadBitmaps(bitmapFolder(scale));
        QVERIFY(design.size() == 10 && detailed.size() == 10);
        for (const auto &[number, picture] : design)
            QCOMPARE(detailed.at(number).size(), picture.size() * scale);
        const QImage &train = detailed.at(Picture::Train), &mask = detailed.at(Picture::MonkeyMask),
                     &monkey = detailed.at(Picture::Monkey);
        for (int seat = 0; seat < GameRules::Seats; ++seat)
            for (int y = (GameRules::seatY[seat] + 8) * scale; y <= (GameRules::seatY[seat] + 30) * scale; ++y)
                for (int x = (GameRules::seatX[seat] + 6) * scale; x <= (GameRules::seatX[seat] + 28) * scale; ++x)
                    QCOMPARE(train.pixel(x, y), qRgb(255, 255, 255));
        for (int y = 0; y < train.height(); ++y)
            for (int x = 399 * scale; x < 406 * scale; ++x)
                QCOMPARE(train.pixel(x, y), qRgb(1, 176, 59));
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x)
                QVERIFY(mask.pixel(x, y) == qRgb(0, 0, 0)
                        || (mask.pixel(x, y) == qRgb(255, 255, 255) && monkey.pixel(x, y) == qRgb(0, 0, 0)));
    }
};

QTEST_MAIN(tst_Assets)
#include "tst_assets.moc"
