// What real files and real users throw at the program: hostile settings,
// documents that are not documents, huge lists, a printer that goes away.
#include "FakeProgress.h"
#include "FileHelpers.h"
#include "Fixtures.h"
#include "PdfReading.h"
#include "TestPrinter.h"
#include "TestServices.h"
#include "app/CardPaintBox.h"
#include "app/UnitMain.h"
#include "app/adapters/CupsPrintService.h"
#include "app/adapters/PdfFilePrintService.h"
#include "card/CommandGuard.h"
#include "docs/Folders.h"
#include "print/CallList.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>

namespace {

// A literal's bytes, embedded NULs included.
template <std::size_t N>
QByteArray bytesOf(const char (&literal)[N])
{
    return QByteArray(literal, qsizetype(N - 1));
}

QByteArray randomBytes(int size, quint32 seed)
{
    QByteArray b(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i) {
        seed = seed * 1664525u + 1013904223u;
        b[i] = char(seed >> 24);
    }
    return b;
}

} // namespace

class TestHardening : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestServices> fakes;

    std::unique_ptr<TFrmMain> makeWindow() { return std::make_unique<TFrmMain>(fakes->services()); }

    // The sample card paints, whatever the state; a hang would time the test out.
    static void paints(TFrmMain &w)
    {
        const QImage image = w.PB->grab().toImage();
        QCOMPARE(image.size(), QSize(441, 313));
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setApplicationName(QStringLiteral("Morvane")); }
    void init() { fakes = std::make_unique<TestServices>(); }
    void cleanup()
    {
        QFile::remove(OptionsFilePath());
        fakes.reset();
    }

    void hostileSettings_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("cardSize");
        QTest::addColumn<QString>("heading");
        const QByteArray big(1000 * 1000, 'x');
        QTest::newRow("largest size") << QByteArray("[Options]\nFontSize=2147483647\n") << 2147483647 << 1 << "BINGO";
        QTest::newRow("hex largest") << QByteArray("[Options]\nFontSize=0x7FFFFFFF\n") << 2147483647 << 1 << "BINGO";
        QTest::newRow("negative size") << QByteArray("[Options]\nFontSize=-5\n") << 20 << 1 << "BINGO";
        QTest::newRow("overflowing size") << QByteArray("[Options]\nFontSize=99999999999\n") << 20 << 1 << "BINGO";
        QTest::newRow("card size 99") << QByteArray("[Options]\nCardSize=99\n") << 20 << -1 << "BINGO";
        QTest::newRow("1 MB heading") << QByteArray("[Options]\nTxtHeading=" + big + "\n") << 20 << 1
                                      << QString(2047, QLatin1Char('x'));
        QTest::newRow("garbage") << randomBytes(65536, 7) << 20 << 1 << "BINGO";
        QTest::newRow("NUL bytes") << bytesOf("[Options]\0\nFontSize=3\0"
                                              "0\n")
                                   << 20 << 1 << "BINGO";
        QTest::newRow("duplicates, first wins")
            << QByteArray("[options]\nTxtHeading=FIRST\ntxtheading=SECOND\n[Options]\nTxtHeading=THIRD\nCardSize=0\n")
            << 20 << 1 << "FIRST";
    }
    void hostileSettings()
    {
        QFETCH(QByteArray, ini);
        QFETCH(int, fontSize);
        QFETCH(int, cardSize);
        QFETCH(QString, heading);
        writeBytes(OptionsFilePath(), ini);
        auto w = makeWindow();
        QCOMPARE(w->CardFontSize, fontSize);
        QCOMPARE(w->CboCardSize->currentIndex(), cardSize);
        QCOMPARE(w->TxtHeading->text(), heading);
        for (int i = 1; i <= 30; ++i) {
            w->CboCardStr->setEditText(QStringLiteral("entry %1").arg(i));
            w->BtnAddClick();
        }
        paints(*w);
        QVERIFY(fakes->prompts.shown.isEmpty());
    }

    void documentsThatAreNot_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message"); // empty: it loads
        QTest::newRow("folder") << "folder"
                                << "File access denied.";
        QTest::newRow("fifo") << "fifo"
                              << "File access denied.";
        QTest::newRow("device") << "device"
                                << "File access denied.";
        QTest::newRow("random bytes") << "random"
                                      << "";
        QTest::newRow("NUL and invalid UTF-8") << "nul"
                                               << "";
        QTest::newRow("one 10 MiB line") << "longline"
                                         << "";
        QTest::newRow("50 MiB, 1.7 million entries")
            << "big"
            << "The card list has more than 1,000,000 entries, the most Morvane can open.";
    }
    void documentsThatAreNot()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("list.mrv"));
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("device")) {
            path = QStringLiteral("/dev/zero");
        } else if (kind == QLatin1String("random")) {
            writeBytes(path, randomBytes(1 << 20, 99));
        } else if (kind == QLatin1String("nul")) {
            writeBytes(path, bytesOf("a\0b\r\n\xff\xfe\xc3(\r\n\0\0\0\r\nok\r\n"));
        } else if (kind == QLatin1String("longline")) {
            writeBytes(path, QByteArray(10 * 1024 * 1024, 'w') + " tail");
        } else if (kind == QLatin1String("big")) {
            QByteArray line("a fairly ordinary bingo entry\r\n");
            writeBytes(path, line.repeated(50 * 1024 * 1024 / line.size()));
        }
        auto w = makeWindow();
        fakes->prompts.files.enqueue(path);
        w->MnuFileOpenClick();
        const QStringList errors = [&] {
            QStringList l;
            for (const auto &s : fakes->prompts.shown)
                if (s.kind == FakePrompts::Kind::Error)
                    l.append(s.text);
            return l;
        }();
        if (message.isEmpty()) {
            QVERIFY2(errors.isEmpty(), qPrintable(errors.join(' ')));
            QVERIFY(w->words().count() > 0);
            QCOMPARE(w->CurrentFileName, path);
        } else {
            QCOMPARE(errors, QStringList{message});
            QCOMPARE(w->words().count(), 0);
        }
        paints(*w);
        // Still usable afterwards.
        w->CboCardStr->setEditText(QStringLiteral("after"));
        w->BtnAddClick();
        QVERIFY(w->words().countExact(QStringLiteral("after")) == 1);
    }

    // Many more entries than fit one column: more, narrower columns, one page,
    // every entry inside the printable area, legible and clear of the others.
    void callListOfFourThousandFitsItsPage()
    {
        PrintRequest r;
        r.settings = CardSettings{};
        for (int i = 0; i < 4000; ++i)
            r.words.append(QStringLiteral("call %1").arg(i));
        FakePrintService &service = fakes->printService;
        QVERIFY(runCommand(fakes->prompts, [&] { printCallList(r, {service, fakes->prompts, fakes->random}); }));
        QCOMPARE(service.documents.size(), 1);
        QCOMPARE(service.documents[0].size(), 1);
        const auto &texts = service.documents[0][0].texts;
        QCOMPARE(texts.size(), 4000);
        // 160,000 pixels of 40-pixel lines over 5,400: 30 columns of 130.
        const int columnWidth = (4800 - 2 * 450) / 30;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            const auto &t = texts[i];
            QVERIFY(t.x >= 0 && t.y >= 0 && t.y + 2 * t.size <= service.area.height);
            QCOMPARE((t.x - 450) % columnWidth, 0);
            QVERIFY(t.size >= 6);
            // The fake's widths: a point per character; clear of the next column.
            QVERIFY(int(t.text.size()) * t.size <= columnWidth);
            if (i > 0 && texts[i - 1].x == t.x)
                QVERIFY(t.y >= texts[i - 1].y + 2 * texts[i - 1].size);
        }
    }

    // Ten thousand entries cannot stand legibly on one A4 page: refused before
    // the document, and no file is left.
    void callListOfTenThousandIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("calls.pdf"));
        PdfFilePrintService service(path, QPageSize(QPageSize::A4));
        PrintRequest r;
        for (int i = 0; i < 10000; ++i)
            r.words.append(QString::number(i));
        QVERIFY(!runCommand(fakes->prompts, [&] { printCallList(r, {service, fakes->prompts, fakes->random}); }));
        QCOMPARE(fakes->prompts.shown.size(), 1);
        QVERIFY2(fakes->prompts.shown[0].text.startsWith(
                     QStringLiteral("The call list is too long to print on one page: 10000 entries need ")),
                 qPrintable(fakes->prompts.shown[0].text));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    // The queue is deleted while a 200-page job is being drawn: the job stops
    // within a few pages as the printer is not valid, and the program, its
    // list and its settings come through untouched.
    void printerVanishesMidJob()
    {
        const QString why = TestPrinter::unavailable();
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
        QVERIFY(TestPrinter::cupsTool(QStringLiteral("lpadmin"),
                                      {"-p", "Doomed", "-E", "-v", "file:///dev/null", "-m", "raw"}));
        CupsPrintService cups;
        MainServices services = fakes->services();
        services.printService = &cups;
        bool deleted = false;
        fakes->progress.onUpdate = [&](int done) {
            if (done == 100 && !deleted)
                deleted = TestPrinter::cupsTool(QStringLiteral("lpadmin"), {"-x", "Doomed"});
        };
        TFrmMain w(services);
        for (const QString &n : numberEntries(1, 75)) {
            w.CboCardStr->setEditText(n);
            w.BtnAddClick();
        }
        w.ListModified = false;
        QTRY_VERIFY(w.CboPrinters->count() > 0);
        const int doomed = w.CboPrinters->findText(QStringLiteral("Doomed"));
        QVERIFY(doomed >= 0);
        w.CboPrinters->setCurrentIndex(doomed);
        w.EdtCardNum->setValue(800);
        w.CboCardsPerPage->setCurrentIndex(2);
        fakes->prompts.clear();
        w.MnuFilePrintClick();
        QVERIFY(deleted);
        QCOMPARE(fakes->prompts.texts(), QStringList{QStringLiteral("Printer selected is not valid.")});
        // Found out while drawing, not after the whole job.
        const int drawn = fakes->progress.started.at(0).updates.last();
        qInfo("stopped after %d of 200 pages", drawn);
        QVERIFY(drawn <= 100 + CupsPrintService::QueueCheckPages);
        QCOMPARE(w.words().count(), 75);
        QVERIFY(!w.ListModified);
        QVERIFY(!QFile::exists(OptionsFilePath()));
        // Usable afterwards: the default printer still prints.
        fakes->prompts.clear();
        w.CboPrinters->setCurrentIndex(w.CboPrinters->findText(QStringLiteral("PDF")));
        w.EdtCardNum->setValue(1);
        w.MnuFilePrintClick();
        QCOMPARE(fakes->prompts.count(FakePrompts::Kind::Error), 0);
        paints(w);
    }
};

QTEST_MAIN(TestHardening)
#include "tst_hardening.moc"
