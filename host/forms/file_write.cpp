// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/file_write.h"

#include "host/numbers/fault.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace host {

namespace {

bool markedReadOnly(const QFileInfo &target)
{
    // The file's own bits count too: the system lets the administrator write every file.
    constexpr QFile::Permissions anyWrite
        = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !target.isWritable() || !(target.permissions() & anyWrite);
}

// The system's reason, as the end of a sentence.
QString reason(const QSaveFile &file)
{
    if (file.error() == QFileDevice::ResourceError)
        return "the disk is full";
    QString text = file.errorString();
    // A write cut short says no more than a device that has seen no error.
    if (file.error() == QFileDevice::NoError || text.isEmpty() || text == QFile().errorString())
        return "only part of it could be written, the disk may be full";
    if (text.size() > 1 && text[1].isLower())
        text[0] = text[0].toLower();
    return text;
}

} // namespace

void fileNotWritten(const QString &path, const QString &why)
{
    throw Fault(Fault::Kind::File,
                ("The file \"" + path + "\" could not be written: " + why + ".").toStdString());
}

void writeWholeFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.isDir())
        fileNotWritten(path, "it is a folder");
    if (target.exists() && markedReadOnly(target))
        fileNotWritten(path, "it is read-only");
    if (!target.absoluteDir().exists())
        fileNotWritten(path,
                       "the folder \"" + QDir::toNativeSeparators(target.absolutePath())
                           + "\" does not exist");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fileNotWritten(path, reason(file));
    // The size on the disk is checked too: a write cut short by a limit on file sizes ends
    // without an error of its own.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
        const QString why = reason(file);
        file.cancelWriting();
        fileNotWritten(path, why);
    }
    if (!file.commit())
        fileNotWritten(path, reason(file));
}

} // namespace host
