#pragma once
// Pictures of the windows for a person to look at: saved into the folder named by
// BRIMBELO_TOUR_DIR, and not at all without it.

#include <QDir>
#include <QImage>
#include <QTest>

inline void SaveForTheTour(const QImage &image, const QString &name)
{
    const QString folder = qEnvironmentVariable("BRIMBELO_TOUR_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QVERIFY(image.save(QDir(folder).filePath(name + QStringLiteral(".png"))));
}
