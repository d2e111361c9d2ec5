#include "sound/soundlibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace {

const QString EmbeddedSounds = QStringLiteral(":/wav/");
const QString VoiceFolderName = QStringLiteral("voice");

} // namespace

SoundLibrary::SoundLibrary()
    : m_numberFolder(EmbeddedSounds)
{
}

SoundLibrary::SoundLibrary(QString numberFolder, QStringList voiceFolders)
    : m_numberFolder(std::move(numberFolder))
    , m_voiceFolders(std::move(voiceFolders))
{
}

std::vector<SoundLibrary::Source> SoundLibrary::sources(Sound sound) const
{
    const std::optional<int> number = Sounds::numberSpoken(sound);
    if (!number)
        return {{EmbeddedSounds + Sounds::fileName(sound)}};
    std::vector<Source> found;
    for (const QString &folder : m_voiceFolders)
        found.push_back({QDir(folder).filePath(recordingFileName(*number)), true});
    found.push_back({m_numberFolder + Sounds::fileName(sound)});
    return found;
}

QString SoundLibrary::recordingFileName(int number)
{
    return QStringLiteral("%1.wav").arg(number);
}

bool SoundLibrary::hasRecording(Sound sound) const
{
    const std::vector<Source> all = sources(sound);
    return std::any_of(all.cbegin(), all.cend(),
                       [](const Source &source) { return source.recording && QFileInfo(source.path).isFile(); });
}

std::vector<Sound> SoundLibrary::recordedNumbers() const
{
    std::vector<Sound> recorded;
    for (int number = Sounds::FirstNumber; number <= Sounds::LastNumber; ++number) {
        if (hasRecording(Sounds::spokenNumber(number)))
            recorded.push_back(Sounds::spokenNumber(number));
    }
    return recorded;
}

std::optional<QByteArray> SoundLibrary::read(const Source &source)
{
    QFile file(source.path);
    if (source.recording) {
        const QFileInfo info(file);
        if (!info.isFile() || info.size() == 0 || info.size() > MaxRecordingBytes)
            return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // A file that grew since it was looked at is still read only to the limit.
    QByteArray bytes = source.recording ? file.read(MaxRecordingBytes + 1) : file.readAll();
    if (source.recording && bytes.size() > MaxRecordingBytes)
        return std::nullopt;
    return bytes;
}

QStringList SoundLibrary::voiceFolders(const QString &dataFolder, const QString &programFolder)
{
    QStringList folders;
    for (const QString &base : {dataFolder, programFolder}) {
        if (!base.isEmpty())
            folders << QDir(base).filePath(VoiceFolderName);
    }
    folders.removeDuplicates();
    return folders;
}
