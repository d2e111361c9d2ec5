#pragma once

#include "sound/sound.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Where the bytes of each sound come from: the embedded sounds, with the
// spoken numbers in the game's language, and in front of each number a
// parent's own recording of it when there is one.
class SoundLibrary
{
public:
    // A recording is taken only up to these limits; past them (or when it
    // is missing, unreadable or no sound) the embedded number is heard.
    static constexpr qint64 MaxRecordingBytes = 2 * 1024 * 1024;
    static constexpr int MaxRecordingMs = 5000;

    struct Source
    {
        QString path;
        bool recording = false; // a file of the player's, held to the limits
    };

    // The design's sounds and no recordings.
    SoundLibrary();
    // numberFolder is where the embedded numbers lie (see Languages); the
    // voice folders are searched in order for 1.wav to 10.wav.
    SoundLibrary(QString numberFolder, QStringList voiceFolders);

    // Where to look for a sound, the first choice first.
    std::vector<Source> sources(Sound sound) const;
    // Whether a recording of the number is there to be tried; a quick look,
    // nothing is read.
    bool hasRecording(Sound sound) const;
    std::vector<Sound> recordedNumbers() const;
    // A recording of the number n in a voice folder.
    static QString recordingFileName(int number);

    // The whole file, or nothing when it cannot be taken: not a plain file
    // (a pipe would never end), unreadable, empty or too large. Embedded
    // sounds are read whatever their size.
    static std::optional<QByteArray> read(const Source &source);

    // The voice folders of a game: the player's data folder, then the
    // program's own folder for a copy carried on a stick.
    static QStringList voiceFolders(const QString &dataFolder, const QString &programFolder);

private:
    QString m_numberFolder;
    QStringList m_voiceFolders;
};
