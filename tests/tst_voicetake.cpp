#include "sound/voicetake.h"

#include <QtTest>

#include <vector>

using namespace Qt::StringLiterals;
using Samples = std::vector<std::int16_t>;
// A hum (or silence) `lead` long, a loud tone, the hum again; kept from `from` on, `length` long.
struct Take { int lead, tone, trail, hum, from, length; };
Q_DECLARE_METATYPE(Take)

class tst_VoiceTake : public QObject
{
    Q_OBJECT

private slots:
    // The voice and a margin either side are kept, as far as the take reaches; a hum no louder than
    // silence is cut with it.
    void trimSilence_data()
    {
        constexpr int Margin = VoiceTake::MarginFrames;
        QTest::addColumn<Take>("t");
        QTest::newRow("margins cut by the ends") << Take{100, 10000, 200, 0, 0, 10300};
        QTest::newRow("hum at the silence level") << Take{5000, 10000, 5000, VoiceTake::SilenceLevel, 5000 - Margin, 10000 + 2 * Margin};
        QTest::newRow("hum above it") << Take{5000, 10000, 5000, VoiceTake::SilenceLevel + 1, 0, 20000};
        QTest::newRow("silence only") << Take{5000, 0, 5000, 0, 0, 0};
        QTest::newRow("nothing") << Take{0, 0, 0, 0, 0, 0};
    }

    void trimSilence()
    {
        QFETCH(Take, t);
        Samples take;
        for (int i = 0; i < t.lead + t.tone + t.trail; ++i)
            take.push_back(std::int16_t(i >= t.lead && i < t.lead + t.tone ? (i / 25 % 2 ? 8000 : -8000) : (i % 2 ? t.hum : -t.hum)));
        const Samples kept = VoiceTake::trimSilence(take);
        QCOMPARE(int(kept.size()), t.length);
        QVERIFY(std::equal(kept.cbegin(), kept.cend(), take.cbegin() + t.from));
    }

    // Any take but silence comes out with its peak at -3 dBFS (23198 of 32768) and its shape kept.
    void normalisePeak_data()
    {
        QTest::addColumn<Samples>("samples");
        QTest::addColumn<Samples>("scaled");
        QTest::newRow("full scale") << Samples{32767, -20000, 7} << Samples{23198, -14159, 5};
        QTest::newRow("most negative") << Samples{-32768, 16384} << Samples{-23198, 11599};
        QTest::newRow("one step") << Samples{0, 1, 0} << Samples{0, 23198, 0};
        QTest::newRow("silence") << Samples{0, 0, 0} << Samples{0, 0, 0};
    }

    void normalisePeak()
    {
        QFETCH(Samples, samples);
        QFETCH(Samples, scaled);
        QCOMPARE(VoiceTake::normalisePeak(samples), scaled);
    }

    // A kept recording is RIFF/WAVE, PCM, 16-bit, mono, 22 050 Hz, its samples little-endian as given.
    void waveFile()
    {
        QCOMPARE(VoiceTake::waveFile(Samples{0, 1, -2, 32767, -32768}),
                 "RIFF\x2e\0\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x22\x56\0\0\x44\xac\0\0\2\0\x10\0data\x0a\0\0\0"
                 "\0\0\1\0\xfe\xff\xff\x7f\0\x80"_ba);
    }
};

QTEST_APPLESS_MAIN(tst_VoiceTake)
#include "tst_voicetake.moc"
