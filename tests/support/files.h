#pragma once
// Whole files read and written in one call.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace testsupport {

// The content of a file; empty when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Makes bytes the content of the file at path and gives path back.
inline QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    EXPECT_EQ(f.write(bytes), bytes.size()) << path.toStdString();
    return path;
}

} // namespace testsupport
