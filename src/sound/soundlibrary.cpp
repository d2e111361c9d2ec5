#include "sound/soundlibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace {

constexpr int FirstNumberSound = 101;
constexpr int LastNumberSound = 110;
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

std::vector<SoundLibrary::Source> SoundLibrary::sources(int id) const
{
    if (id < FirstNumberSound || id > LastNumberSound)
        return {{EmbeddedSounds + QString::number(id)}};
    std::vector<Source> found;
    for (const QString &folder : m_voiceFolders)
        found.push_back({QDir(folder).filePath(QStringLiteral("%1.wav").arg(id - 100)), true});
    found.push_back({m_numberFolder + QString::number(id)});
    return found;
}

bool SoundLibrary::hasRecording(int id) const
{
    const std::vector<Source> all = sources(id);
    return std::any_of(all.cbegin(), all.cend(),
                       [](const Source &source) { return source.recording && QFileInfo(source.path).isFile(); });
}

std::vector<int> SoundLibrary::recordedIds() const
{
    std::vector<int> ids;
    for (int id = FirstNumberSound; id <= LastNumberSound; ++id) {
        if (hasRecording(id))
            ids.push_back(id);
    }
    return ids;
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
