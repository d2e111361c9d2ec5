#pragma once

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

// The whole file; nothing from a pipe, which would block.
inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Left over, it is ten seconds old: not in the middle of being made.
inline bool writeFile(const QString &path, const QByteArray &bytes, bool leftOver = false)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
        && (!leftOver || file.setFileTime(QDateTime::currentDateTime().addSecs(-10), QFileDevice::FileModificationTime));
}
