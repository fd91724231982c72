#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace pipwick {

// Things that may stand where the program expects a file, none of them a file to read: a reader
// that opened one the plain way would wait for ever or read gigabytes.
constexpr qint64 kTwoGigabytes = qint64{2} << 30;

inline void MakeFifo(const QString& path) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path), 0600), 0) << path.toStdString();
}

inline bool IsFifo(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path), &status) == 0 && S_ISFIFO(status.st_mode);
}

inline void MakeFolder(const QString& path) {
    ASSERT_TRUE(QDir().mkpath(path));
}

// Two gigabytes of nothing: a sparse file that takes no room on the disk.
inline void MakeTwoGigabytes(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kTwoGigabytes));
}

inline bool HasTwoGigabytes(const QString& path) {
    return QFileInfo(path).size() == kTwoGigabytes;
}

}  // namespace pipwick
