#include <QtTest>

#include <windows.h>

using namespace Qt::StringLiterals;

// The program file's version record and icon, read back the way Explorer's
// Properties page reads them.
class tst_VersionRecord : public QObject
{
    Q_OBJECT

    QByteArray m_record;

    QString value(const char *name) const
    {
        wchar_t *text = nullptr;
        UINT length = 0;
        const QString path = QStringLiteral("\\StringFileInfo\\040904b0\\%1").arg(QLatin1String(name));
        if (!VerQueryValueW(m_record.constData(), reinterpret_cast<LPCWSTR>(path.utf16()),
                            reinterpret_cast<void **>(&text), &length) ||
            length == 0)
            return QString();
        return QString::fromWCharArray(text, int(length) - 1);
    }

private slots:
    void initTestCase()
    {
        const QString program = QStringLiteral(THORNAX_PROGRAM_PATH);
        const auto *path = reinterpret_cast<LPCWSTR>(program.utf16());
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
        QVERIFY2(size > 0, "the program file has no version record");
        m_record.resize(size);
        QVERIFY(GetFileVersionInfoW(path, 0, size, m_record.data()));
    }

    void namesAndVersionsReadAsDesigned_data()
    {
        QTest::addColumn<QString>("expected");
        QTest::newRow("ProductName") << u"Thornax Windows Trainer"_s;
        QTest::newRow("CompanyName") << u"Thornax Studios"_s;
        QTest::newRow("FileVersion") << u"1.00.0002"_s;
        QTest::newRow("ProductVersion") << u"1.00.0002"_s;
    }
    void namesAndVersionsReadAsDesigned()
    {
        QFETCH(QString, expected);
        QCOMPARE(value(QTest::currentDataTag()), expected);
    }

    void numericVersionIsOneZeroZeroTwo()
    {
        VS_FIXEDFILEINFO *fixed = nullptr;
        UINT length = 0;
        QVERIFY(VerQueryValueW(m_record.constData(), L"\\", reinterpret_cast<void **>(&fixed),
                               &length));
        QCOMPARE(fixed->dwFileVersionMS, DWORD(MAKELONG(0, 1)));
        QCOMPARE(fixed->dwFileVersionLS, DWORD(MAKELONG(2, 0)));
    }

    void carriesTheProgramIcon()
    {
        const QString program = QStringLiteral(THORNAX_PROGRAM_PATH);
        QCOMPARE(ExtractIconExW(reinterpret_cast<LPCWSTR>(program.utf16()), -1, nullptr, nullptr, 0),
                 UINT(1));
    }
};

QTEST_GUILESS_MAIN(tst_VersionRecord)
#include "tst_versionrecord.moc"
