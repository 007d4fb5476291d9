// What the window does as its system does: drives named as the system names
// them, a file in a root folder, and on Windows a read-only file refused and
// the file's attributes kept by a save.
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

#include "document/file_access.h"
#include "document/resolved_path.h"
#include "ui/drive_list.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// The root folder of the drive the test runs on: "Z:/" on Windows, "/" elsewhere.
QString RootOfCurrentDrive() { return QDir(QDir::currentPath()).absolutePath().section(QLatin1Char('/'), 0, 0) + "/"; }

#ifdef Q_OS_WIN
DWORD Attributes(const QString& path) {
    return ::GetFileAttributesW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()));
}
bool SetAttributes(const QString& path, DWORD attributes) {
    return ::SetFileAttributesW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()), attributes);
}
#endif

}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void drivesAreNamedAsTheSystemNamesThem() {
        orvik::DriveList drives;
        QStringList texts;
        for (int i = 0; i < drives.count(); ++i) texts << drives.itemText(i);
#ifdef Q_OS_WIN
        static const QRegularExpression letter(QStringLiteral("^[A-Z]:$"));
        for (const QString& text : texts) QVERIFY2(letter.match(text).hasMatch(), qPrintable(texts.join(", ")));
#else
        QVERIFY2(texts.contains(QStringLiteral("/")), qPrintable(texts.join(", ")));
#endif
    }

    void aFileInARootFolderStaysInIt() {
        const QString root = RootOfCurrentDrive();
        QCOMPARE(orvik::ResolvedPath(root + "a.atr"), root + "a.atr");
    }

    void aReadOnlyFileIsRefusedAndAttributesAreKept() {
#ifndef Q_OS_WIN
        QSKIP("Windows' file attributes");
#else
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("a.atr"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        file.close();

        QVERIFY(SetAttributes(path, FILE_ATTRIBUTE_READONLY));
        const orvik::Status<QString> refused = orvik::WriteWholeFile(path, "new");
        QVERIFY(!refused.Ok());
        QVERIFY2(refused.Why().contains(QStringLiteral("read-only")), qPrintable(refused.Why()));
        QVERIFY(SetAttributes(path, FILE_ATTRIBUTE_NORMAL));
        QFile unchanged(path);
        QVERIFY(unchanged.open(QIODevice::ReadOnly));
        QCOMPARE(unchanged.readAll(), QByteArray("old"));
        unchanged.close();

        QVERIFY(SetAttributes(path, FILE_ATTRIBUTE_HIDDEN));
        QVERIFY(orvik::WriteWholeFile(path, "new").Ok());
        QCOMPARE(Attributes(path) & FILE_ATTRIBUTE_HIDDEN, DWORD(FILE_ATTRIBUTE_HIDDEN));
        SetAttributes(path, FILE_ATTRIBUTE_NORMAL);
#endif
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
