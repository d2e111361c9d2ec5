#include "sound/voicetake.h"

#include <QtTest>

#include <vector>

namespace {

// Silence (or a hum at the given level), a loud square tone, silence again.
std::vector<std::int16_t> take(int lead, int tone, int trail, int hum = 0)
{
    std::vector<std::int16_t> samples;
    const auto add = [&samples](int frames, auto sample) {
        for (int i = 0; i < frames; ++i)
            samples.push_back(std::int16_t(sample(i)));
    };
    add(lead, [hum](int i) { return i % 2 ? hum : -hum; });
    add(tone, [](int i) { return i / 25 % 2 ? 8000 : -8000; });
    add(trail, [hum](int i) { return i % 2 ? hum : -hum; });
    return samples;
}

quint32 field(const QByteArray &wave, int offset, int size)
{
    return size == 2 ? qFromLittleEndian<quint16>(wave.constData() + offset)
                     : qFromLittleEndian<quint32>(wave.constData() + offset);
}

} // namespace

class tst_VoiceTake : public QObject
{
    Q_OBJECT

private slots:
    // The voice and a margin either side are kept, as far as the take reaches; a hum no louder than
    // silence is cut with it.
    void trimSilence_data()
    {
        constexpr int Margin = VoiceTake::MarginFrames;
        QTest::addColumn<int>("lead");
        QTest::addColumn<int>("tone");
        QTest::addColumn<int>("trail");
        QTest::addColumn<int>("hum");
        QTest::addColumn<int>("from"); // where the kept part starts in the take
        QTest::addColumn<int>("length");
        QTest::newRow("between silences") << 5000 << 10000 << 5000 << 0 << 5000 - Margin << 10000 + 2 * Margin;
        QTest::newRow("from the first sample") << 0 << 10000 << 5000 << 0 << 0 << 10000 + Margin;
        QTest::newRow("to the last sample") << 5000 << 10000 << 0 << 0 << 5000 - Margin << 10000 + Margin;
        QTest::newRow("margins cut by the ends") << 100 << 10000 << 200 << 0 << 0 << 10300;
        QTest::newRow("hum at the silence level") << 5000 << 10000 << 5000 << VoiceTake::SilenceLevel << 5000 - Margin
                                                  << 10000 + 2 * Margin;
        QTest::newRow("hum above it") << 5000 << 10000 << 5000 << VoiceTake::SilenceLevel + 1 << 0 << 20000;
        QTest::newRow("silence only") << 5000 << 0 << 5000 << 0 << 0 << 0;
        QTest::newRow("nothing") << 0 << 0 << 0 << 0 << 0 << 0;
    }

    void trimSilence()
    {
        QFETCH(int, lead);
        QFETCH(int, tone);
        QFETCH(int, trail);
        QFETCH(int, hum);
        QFETCH(int, from);
        QFETCH(int, length);
        const std::vector<std::int16_t> samples = take(lead, tone, trail, hum);
        const std::vector<std::int16_t> kept = VoiceTake::trimSilence(samples);
        QCOMPARE(int(kept.size()), length);
        QVERIFY(std::equal(kept.cbegin(), kept.cend(), samples.cbegin() + from));
    }

    // Any take but silence comes out with its peak at -3 dBFS and its shape kept.
    void normalisePeak_data()
    {
        QTest::addColumn<std::vector<std::int16_t>>("samples");
        QTest::addColumn<double>("peak"); // dBFS after
        QTest::newRow("quiet") << std::vector<std::int16_t>{0, 100, -1000, 500} << -3.0;
        QTest::newRow("full scale") << std::vector<std::int16_t>{32767, -20000, 7} << -3.0;
        QTest::newRow("most negative") << std::vector<std::int16_t>{-32768, 16384} << -3.0;
        QTest::newRow("one step") << std::vector<std::int16_t>{0, 1, 0} << -3.0;
        QTest::newRow("silence") << std::vector<std::int16_t>{0, 0, 0} << -qInf();
    }

    void normalisePeak()
    {
        QFETCH(std::vector<std::int16_t>, samples);
        QFETCH(double, peak);
        const std::vector<std::int16_t> scaled = VoiceTake::normalisePeak(samples);
        QCOMPARE(scaled.size(), samples.size());
        QVERIFY2(qAbs(VoiceTake::peakDbfs(scaled) - peak) < 0.001 || (qIsInf(peak) && qIsInf(VoiceTake::peakDbfs(scaled))),
                 qPrintable(QString::number(VoiceTake::peakDbfs(scaled))));
        int loudest = 0;
        for (const std::int16_t sample : samples)
            loudest = qMax(loudest, qAbs(int(sample)));
        const double gain = loudest == 0 ? 1.0 : 32768 * std::pow(10.0, -3.0 / 20) / loudest;
        for (std::size_t i = 0; i < samples.size(); ++i)
            QVERIFY(qAbs(scaled[i] - samples[i] * gain) <= 0.5);
    }

    // A kept recording is RIFF/WAVE, PCM, 16-bit, mono, 22 050 Hz, its samples little-endian as given.
    void waveFile()
    {
        const std::vector<std::int16_t> samples{0, 1, -2, 32767, -32768};
        const QByteArray wave = VoiceTake::waveFile(samples);
        QCOMPARE(wave.size(), 44 + 10);
        QCOMPARE(wave.left(4) + wave.mid(8, 8) + wave.mid(36, 4), "RIFFWAVEfmt data");
        const QList<quint32> header{field(wave, 4, 4),  field(wave, 16, 4), field(wave, 20, 2), field(wave, 22, 2),
                                    field(wave, 24, 4), field(wave, 28, 4), field(wave, 32, 2), field(wave, 34, 2),
                                    field(wave, 40, 4)};
        QCOMPARE(header, (QList<quint32>{46, 16, 1, 1, 22050, 44100, 2, 16, 10}));
        for (int i = 0; i < int(samples.size()); ++i)
            QCOMPARE(qint16(field(wave, 44 + 2 * i, 2)), samples[i]);
    }
};

QTEST_APPLESS_MAIN(tst_VoiceTake)
#include "tst_voicetake.moc"
