// The real CUPS adapter against the private test print server: what reaches
// the printer is read back from the PDFs the queues write.
#include "FakeProgress.h"
#include "FakePrompts.h"
#include "Fixtures.h"
#include "ModalDriver.h"
#include "PdfReading.h"
#include "PrintFixtures.h"
#include "SequenceRandom.h"
#include "TestPrinter.h"
#include "TestServices.h"

#include "app/UnitMain.h"
#include "app/adapters/CupsPrintService.h"
#include "app/preview/UnitFrmPrintPreview.h"
#include "card/CommandGuard.h"
#include "print/CallList.h"
#include "print/CardPrintJob.h"
#include "print/PrinterList.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <cups/cups.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>

namespace {

struct CardFace
{
    QList<PdfWord> heading;
    QList<PdfWord> numbers;
    bool freeSpace = false;
};

// Splits a page of four cards into its quadrants.
QList<CardFace> fourCards(const PdfPage &page)
{
    QList<CardFace> cards(4);
    for (const PdfWord &w : page.words) {
        const QPointF c = w.box.center();
        const int q = (c.x() > page.size.width() / 2 ? 1 : 0) + (c.y() > page.size.height() / 2 ? 2 : 0);
        bool isNumber = false;
        w.text.toInt(&isNumber);
        if (isNumber)
            cards[q].numbers.append(w);
        else if (w.text == QLatin1String("Free") || w.text == QLatin1String("Space"))
            cards[q].freeSpace = true;
        else
            cards[q].heading.append(w);
    }
    return cards;
}

// The number's column: the heading letter nearest across.
int columnOf(const CardFace &card, const PdfWord &w)
{
    int best = 0;
    for (int j = 1; j < card.heading.size(); ++j)
        if (std::abs(card.heading[j].box.center().x() - w.box.center().x())
            < std::abs(card.heading[best].box.center().x() - w.box.center().x()))
            best = j;
    return best;
}

QString faceKey(const CardFace &card)
{
    QList<PdfWord> sorted = card.numbers;
    std::sort(sorted.begin(), sorted.end(), [](const PdfWord &a, const PdfWord &b) {
        return std::round(a.box.top()) != std::round(b.box.top()) ? a.box.top() < b.box.top()
                                                                  : a.box.left() < b.box.left();
    });
    QStringList l;
    for (const auto &w : sorted)
        l.append(w.text);
    return l.join(QLatin1Char(' '));
}

// A print server that takes every connection and never says a word.
class SilentServer
{
public:
    explicit SilentServer(const QString &path) : m_path(QFile::encodeName(path))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (std::size_t(m_path.size()) >= sizeof address.sun_path)
            return;
        std::copy(m_path.cbegin(), m_path.cend(), address.sun_path);
        m_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (m_fd >= 0
            && (::bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || ::listen(m_fd, 8) != 0))
            close();
    }
    ~SilentServer() { close(); }
    bool listening() const { return m_fd >= 0; }
    // Someone has connected and waits for an answer.
    bool called() const
    {
        pollfd p{m_fd, POLLIN, 0};
        return ::poll(&p, 1, 0) > 0;
    }
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
        ::unlink(m_path.constData());
    }

private:
    QByteArray m_path;
    int m_fd = -1;
};

} // namespace

// QSKIP ends the function it is written in, so this must be the test's own.
#define SKIP_WITHOUT_SERVER()                                                                                          \
    do {                                                                                                               \
        const QString why = TestPrinter::unavailable();                                                                \
        if (!why.isEmpty())                                                                                            \
            QSKIP(qPrintable(why));                                                                                    \
    } while (false)

class TestPrintCups : public QObject
{
    Q_OBJECT

    FakePrompts prompts;
    SequenceRandom random;

    int positionOf(CupsPrintService &service, const QString &queue) { return int(service.printers().indexOf(queue)); }

    // Prints and returns the PDF the queue wrote (removed after the test by cleanup()).
    QString printedPdf(CupsPrintService &service, const QString &queue)
    {
        const int job = service.lastJobId();
        if (job == 0 || !TestPrinter::waitForJob(queue, job))
            return {};
        QString path;
        if (queue == QLatin1String("PDF"))
            path = TestPrinter::cupsPdfFile(job, m_submitted);
        else if (queue == QLatin1String("Letter"))
            path = TestPrinter::letterOutput();
        else
            path = TestPrinter::marginsOutput();
        m_outputs.append(path);
        return path;
    }

    QDateTime m_submitted;
    QStringList m_outputs;

private Q_SLOTS:
    void init()
    {
        prompts.clear();
        m_submitted = QDateTime::currentDateTime();
    }
    void cleanup()
    {
        for (const QString &path : std::as_const(m_outputs))
            if (path.contains(QLatin1String("/PDF/")))
                QFile::remove(path);
        m_outputs.clear();
        TestPrinter::cupsTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QStringLiteral("Gone")});
    }

    void listsTheServersPrintersWithItsDefault()
    {
        SKIP_WITHOUT_SERVER();
        CupsPrintService service;
        const PrinterChoice choice = FillPrinterList(service);
        QCOMPARE(choice.names,
                 (QStringList{QStringLiteral("Letter"), QStringLiteral("Margins"), QStringLiteral("PDF")}));
        QCOMPARE(choice.selected, 2);
    }

    // Each queue's own default paper, and the imageable area its PPD states
    // for it, at the queue's resolution; Qt's printer would start on A4.
    void queueReportsItsPaperMarginsAndResolution_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QSizeF>("paper");      // points
        QTest::addColumn<QMarginsF>("margins"); // points
        QTest::addColumn<int>("dpi");
        QTest::newRow("A4, 18 and 36 points") << "Margins" << QSizeF(595, 842) << QMarginsF(18, 36, 18, 36) << 600;
        QTest::newRow("Letter only, a quarter inch")
            << "Letter" << QSizeF(612, 792) << QMarginsF(18, 18, 18, 18) << 600;
        QTest::newRow("cups-pdf, A4 to the edges") << "PDF" << QSizeF(595, 842) << QMarginsF() << 300;
    }
    void queueReportsItsPaperMarginsAndResolution()
    {
        SKIP_WITHOUT_SERVER();
        QFETCH(QString, queue);
        QFETCH(QSizeF, paper);
        QFETCH(QMarginsF, margins);
        QFETCH(int, dpi);
        CupsPrintService service;
        service.selectPrinter(positionOf(service, queue));
        const PrintableArea area = service.printableArea();
        const auto px = [dpi](double points) { return qRound(points * dpi / 72); };
        QCOMPARE(area.offsetX, px(margins.left()));
        QCOMPARE(area.offsetY, px(margins.top()));
        QCOMPARE(area.width, px(paper.width() - margins.left() - margins.right()));
        QCOMPARE(area.height, px(paper.height() - margins.top() - margins.bottom()));
        const PaperSheet sheet = service.paperSheet();
        QCOMPARE(sheet.width, px(paper.width()));
        QCOMPARE(sheet.height, px(paper.height()));
        QCOMPARE(sheet.dpi, dpi);
        service.abortDoc();
    }

    // What a Letter printer that cannot print the outer quarter inch gets:
    // Letter pages, with every word and every line inside what it prints.
    void letterQueueGetsLetterPagesInsideItsArea_data()
    {
        QTest::addColumn<QString>("job");
        QTest::addColumn<QString>("cards");
        QTest::addColumn<QString>("perPage");
        QTest::addColumn<int>("pages");
        QTest::newRow("four cards a page") << "cards"
                                           << "8"
                                           << "4" << 2;
        QTest::newRow("one card a page") << "cards"
                                         << "2"
                                         << "1" << 2;
        QTest::newRow("two cards a page") << "cards"
                                          << "2"
                                          << "2" << 1;
        QTest::newRow("call list") << "calls"
                                   << "1"
                                   << "1" << 1;
    }
    void letterQueueGetsLetterPagesInsideItsArea()
    {
        SKIP_WITHOUT_SERVER();
        QFETCH(QString, job);
        QFETCH(QString, cards);
        QFETCH(QString, perPage);
        QFETCH(int, pages);
        CupsPrintService service;
        QStringList cells;
        PrintRequest r = numbersRequest(cards, perPage);
        r.printerPosition = positionOf(service, QStringLiteral("Letter"));
        QFile::remove(TestPrinter::letterOutput());
        QVERIFY(runCommand(prompts, [&] {
            if (job == QLatin1String("calls"))
                printCallList(r, {service, prompts, random, nullptr});
            else
                printCards(r, cells, {service, prompts, random, nullptr});
        }));
        const QString pdf = printedPdf(service, QStringLiteral("Letter"));
        QVERIFY(!pdf.isEmpty());
        const QList<PdfPage> read = pdfPages(pdf);
        QCOMPARE(read.size(), pages);

        // A quarter inch in from every edge of 8.5 x 11 inches, in points.
        const QRectF printable(18, 18, 612 - 36, 792 - 36);
        int words = 0;
        for (int p = 0; p < read.size(); ++p) {
            QCOMPARE(read[p].size.width(), 612.0);
            QCOMPARE(read[p].size.height(), 792.0);
            for (const PdfWord &w : read[p].words)
                QVERIFY2(printable.contains(w.box), qPrintable(QStringLiteral("page %1: \"%2\" at %3,%4 - %5,%6")
                                                                   .arg(p + 1)
                                                                   .arg(w.text)
                                                                   .arg(w.box.left())
                                                                   .arg(w.box.top())
                                                                   .arg(w.box.right())
                                                                   .arg(w.box.bottom())));
            words += int(read[p].words.size());
            // At 72 dpi a pixel is a point; a pixel's slack for rounding.
            const QImage image = pdfPageImage(pdf, p + 1, 72);
            QCOMPARE(image.size(), QSize(612, 792));
            const QRect ink = inkBounds(image);
            QVERIFY(!ink.isEmpty());
            QVERIFY2(printable.adjusted(-1, -1, 1, 1).contains(QRectF(ink)),
                     qPrintable(QStringLiteral("page %1: ink at %2,%3 - %4,%5")
                                    .arg(p + 1)
                                    .arg(ink.left())
                                    .arg(ink.top())
                                    .arg(ink.right() + 1)
                                    .arg(ink.bottom() + 1)));
        }
        // Nothing left off the pages: every card's five letters, 24 numbers
        // and "Free Space", or every number called.
        const int expected = job == QLatin1String("calls") ? 75 : cards.toInt() * (5 + 24 + 2);
        QCOMPARE(words, expected);
        // The server logs the paper the job asked for.
        QCOMPARE(TestPrinter::pageLogMedia(QStringLiteral("Letter"), service.lastJobId()), QStringLiteral("Letter"));
    }

    // The preview shows the paper the job is printed on.
    void previewShowsTheQueuesPaper_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("paper");
        QTest::newRow("Letter") << "Letter"
                                << "216 x 279 mm, printable 203 x 267 mm, 600 dpi";
        QTest::newRow("A4 with margins") << "Margins"
                                         << "210 x 297 mm, printable 197 x 272 mm, 600 dpi";
        QTest::newRow("A4 to the edges") << "PDF"
                                         << "210 x 297 mm, printable 210 x 297 mm, 300 dpi";
    }
    void previewShowsTheQueuesPaper()
    {
        SKIP_WITHOUT_SERVER();
        QFETCH(QString, queue);
        QFETCH(QString, paper);
        TestServices fakes;
        CupsPrintService service;
        MainServices services = fakes.services();
        services.printService = &service;
        TFrmMain window(services);
        QTRY_VERIFY(window.CboPrinters->findText(queue) >= 0);
        window.CboPrinters->setCurrentIndex(window.CboPrinters->findText(queue));
        for (const QString &n : numberEntries(1, 75)) {
            window.CboCardStr->setEditText(n);
            window.BtnAddClick();
        }
        fakes.prompts.clear();
        QString shown;
        ModalDriver<TFrmPrintPreview> driver([&shown](TFrmPrintPreview &preview) {
            shown = preview.LblPaper->text();
            preview.reject();
        });
        window.MnuFilePrintPreview->trigger();
        QVERIFY2(driver.found(), qPrintable(fakes.prompts.texts().join(QLatin1Char('\n'))));
        QCOMPARE(shown, paper);
    }

    void eightCardsFourPerPage()
    {
        SKIP_WITHOUT_SERVER();
        CupsPrintService service;
        QStringList cells;
        PrintRequest r = numbersRequest(QStringLiteral("8"), QStringLiteral("4"));
        r.printerPosition = positionOf(service, QStringLiteral("PDF"));
        FakeProgressFactory progress;
        QVERIFY(runCommand(prompts, [&] { printCards(r, cells, {service, prompts, random, &progress}); }));
        QVERIFY(prompts.shown.isEmpty());
        const QString pdf = printedPdf(service, QStringLiteral("PDF"));
        QVERIFY2(!pdf.isEmpty(), "no PDF from cups-pdf");
        const QList<PdfPage> pages = pdfPages(pdf);
        QCOMPARE(pages.size(), 2);
        QSet<QString> faces;
        for (const PdfPage &page : pages) {
            for (const CardFace &card : fourCards(page)) {
                QStringList letters;
                for (const auto &w : card.heading)
                    letters.append(w.text);
                QCOMPARE(letters, (QStringList{"B", "I", "N", "G", "O"}));
                QVERIFY(card.freeSpace);
                QCOMPARE(card.numbers.size(), 24);
                QSet<QString> distinct;
                for (const PdfWord &w : card.numbers) {
                    const int column = columnOf(card, w);
                    const int v = w.text.toInt();
                    QVERIFY2(v >= 15 * column + 1 && v <= 15 * column + 15, qPrintable(w.text));
                    distinct.insert(w.text);
                }
                QCOMPARE(distinct.size(), 24);
                faces.insert(faceKey(card));
            }
        }
        QCOMPARE(faces.size(), 8);
    }

    void callListOfSeventyFiveNumbersOnOnePage()
    {
        SKIP_WITHOUT_SERVER();
        CupsPrintService service;
        PrintRequest r = numbersRequest();
        r.printerPosition = positionOf(service, QStringLiteral("PDF"));
        QVERIFY(runCommand(prompts, [&] { printCallList(r, {service, prompts, random, nullptr}); }));
        const QString pdf = printedPdf(service, QStringLiteral("PDF"));
        QVERIFY2(!pdf.isEmpty(), "no PDF from cups-pdf");
        const QList<PdfPage> pages = pdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        QSet<QString> found;
        for (const auto &w : pages[0].words)
            found.insert(w.text);
        QCOMPARE(found, QSet<QString>(r.words.cbegin(), r.words.cend()));
    }

    void offsetsReachThePrintedGeometry()
    {
        SKIP_WITHOUT_SERVER();
        CupsPrintService service;
        QStringList cells;
        PrintRequest r = numbersRequest(QStringLiteral("4"), QStringLiteral("4"));
        r.printerPosition = positionOf(service, QStringLiteral("Margins"));
        QFile::remove(TestPrinter::marginsOutput());
        QVERIFY(runCommand(prompts, [&] { printCards(r, cells, {service, prompts, random, nullptr}); }));
        const QString pdf = printedPdf(service, QStringLiteral("Margins"));
        QVERIFY(!pdf.isEmpty());
        // The file queue keeps the document as sent; cups-pdf rewrites the title.
        QCOMPARE(pdfTitle(pdf), QStringLiteral("Morvane"));
        const QList<PdfPage> pages = pdfPages(pdf);
        QCOMPARE(pages.size(), 1);

        // The same layout the job used, from the queue's own area.
        service.selectPrinter(r.printerPosition);
        const PrintableArea area = service.printableArea();
        service.abortDoc();
        const CardPageLayout layout = layoutCardPage(4, pageGeometry(area, 1), 5, 6);
        const double pt = 72.0 / 600;
        const CardFace first = fourCards(pages[0]).at(0);
        QCOMPARE(first.heading.size(), 5);
        for (int j = 0; j < 5; ++j) {
            // Each letter centred in its heading cell, four offsets from the paper's edge.
            const double cellLeft = (area.offsetX + layout.slots[0].x + j * layout.cellSide + 1) * pt;
            const double cellTop = (area.offsetY + layout.slots[0].y + 1) * pt;
            const double inner = (layout.cellSide - 1) * pt;
            const QPointF c = first.heading[j].box.center();
            QVERIFY2(std::abs(c.x() - (cellLeft + inner / 2)) < 1.5, qPrintable(QString::number(c.x())));
            QVERIFY2(c.y() > cellTop && c.y() < cellTop + inner, qPrintable(QString::number(c.y())));
        }
        QCOMPARE(layout.slots[0].x, 3 * 150);
        QCOMPARE(layout.slots[0].y, 3 * 300);
    }

    void vanishedQueueIsNotValid()
    {
        SKIP_WITHOUT_SERVER();
        QVERIFY(TestPrinter::cupsTool(QStringLiteral("lpadmin"),
                                      {QStringLiteral("-p"), QStringLiteral("Gone"), QStringLiteral("-E"),
                                       QStringLiteral("-v"), QStringLiteral("file:///dev/null"), QStringLiteral("-m"),
                                       QStringLiteral("raw")}));
        CupsPrintService service;
        const int position = positionOf(service, QStringLiteral("Gone"));
        QVERIFY(position >= 0);
        QVERIFY(TestPrinter::cupsTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QStringLiteral("Gone")}));
        QStringList cells;
        PrintRequest r = numbersRequest();
        r.printerPosition = position;
        QVERIFY(!runCommand(prompts, [&] { printCards(r, cells, {service, prompts, random, nullptr}); }));
        QCOMPARE(prompts.texts(), QStringList{QStringLiteral("Printer selected is not valid.")});
        QCOMPARE(service.lastJobId(), 0);
        QVERIFY(cells.isEmpty());
    }

    // The queue goes, stops taking jobs, or its server goes, while the job is
    // drawn: a vanished queue is not valid; anything else is the printer not
    // taking the job, in CUPS's own words.
    void printerGoingAwayWhileDrawing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("message"); // the start of it
        QTest::newRow("queue deleted") << "delete"
                                       << "Printer selected is not valid.";
        QTest::newRow("queue rejecting jobs") << "reject"
                                              << "The printer could not take the job: ";
        QTest::newRow("server gone") << "server"
                                     << "The printer could not take the job: ";
    }
    void printerGoingAwayWhileDrawing()
    {
        SKIP_WITHOUT_SERVER();
        QFETCH(QString, how);
        QFETCH(QString, message);
        QVERIFY(TestPrinter::cupsTool(QStringLiteral("lpadmin"),
                                      {QStringLiteral("-p"), QStringLiteral("Gone"), QStringLiteral("-E"),
                                       QStringLiteral("-v"), QStringLiteral("file:///dev/null"), QStringLiteral("-m"),
                                       QStringLiteral("raw")}));
        CupsPrintService service;
        service.selectPrinter(positionOf(service, QStringLiteral("Gone")));
        service.printableArea();
        service.setTitle(QStringLiteral("Morvane"));
        service.canvas().setFontSize(12);
        service.beginDoc();
        service.canvas().textOut(10, 10, QStringLiteral("x"));
        if (how == QLatin1String("delete"))
            QVERIFY(TestPrinter::cupsTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QStringLiteral("Gone")}));
        else if (how == QLatin1String("reject"))
            QVERIFY(TestPrinter::cupsTool(QStringLiteral("cupsreject"), {QStringLiteral("Gone")}));
        else
            cupsSetServer(qPrintable(TestPrinter::serverDir() + QStringLiteral("/no-such.sock")));
        const bool ended = runCommand(prompts, [&] { service.endDoc(); });
        cupsSetServer(nullptr);
        QVERIFY(!ended);
        QCOMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown[0].kind, FakePrompts::Kind::Error);
        const QString text = prompts.shown[0].text;
        qInfo("%s", qPrintable(text));
        QVERIFY2(text.startsWith(message), qPrintable(text));
        // CUPS's own words follow.
        QVERIFY(text.size() > message.size() || !message.endsWith(QLatin1Char(' ')));
        QVERIFY(!service.printing());
        QCOMPARE(service.lastJobId(), 0);
    }

    // A print server that takes the connection and never answers must not
    // hold the window back: the window is built with the list empty, and
    // printing with nothing to select says there is no default.
    void silentServerDoesNotHoldTheWindowBack()
    {
        QTemporaryDir dir;
        const QString socket = dir.filePath(QStringLiteral("silent.sock"));
        SilentServer silent(socket);
        QVERIFY(silent.listening());
        const QByteArray before = qgetenv("CUPS_SERVER");
        qputenv("CUPS_SERVER", QFile::encodeName(socket));
        TestServices fakes;
        CupsPrintService service;
        MainServices services = fakes.services();
        services.printService = &service;
        bool answered = false;
        {
            TFrmMain window(services);
            QTRY_VERIFY(silent.called());
            QCOMPARE(window.CboPrinters->count(), 0);
            QVERIFY(service.printers().isEmpty());
            for (const QString &n : numberEntries(1, 24)) {
                window.CboCardStr->setEditText(n);
                window.BtnAddClick();
            }
            fakes.prompts.clear();
            window.MnuFilePrintClick();
            QCOMPARE(fakes.prompts.texts(),
                     QStringList{QStringLiteral("There is no default printer currently selected.")});
            // The server going away ends the wait: the list stays empty.
            service.findPrinters([&answered] { answered = true; });
            silent.close();
            QTRY_VERIFY_WITH_TIMEOUT(answered, 60000);
            QCOMPARE(window.CboPrinters->count(), 0);
        }
        qputenv("CUPS_SERVER", before);
    }

    void windowListsTheServersPrintersWhenItAnswers()
    {
        SKIP_WITHOUT_SERVER();
        TestServices fakes;
        CupsPrintService service;
        MainServices services = fakes.services();
        services.printService = &service;
        TFrmMain window(services);
        QTRY_COMPARE(window.CboPrinters->count(), 3);
        QCOMPARE(window.CboPrinters->currentText(), QStringLiteral("PDF"));
        QVERIFY(fakes.prompts.shown.isEmpty());
    }

    // A full disk under the print file ends the job at the page it struck,
    // and leaves no print file behind. A file-size limit fails the writes as
    // a full disk would, whoever runs the test.
    void fullDiskEndsThePrintWithinAFewPages()
    {
        SKIP_WITHOUT_SERVER();
        QTemporaryDir temp;
        const QByteArray tmpBefore = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        CupsPrintService service;
        QStringList cells;
        PrintRequest r = numbersRequest(QStringLiteral("4000"));
        r.printerPosition = positionOf(service, QStringLiteral("PDF"));
        FakeProgressFactory progress;
        struct rlimit saved
        {
        };
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = 256 * 1024;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
        const bool printed = runCommand(prompts, [&] { printCards(r, cells, {service, prompts, random, &progress}); });
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        qputenv("TMPDIR", tmpBefore);

        QVERIFY(!printed);
        QCOMPARE(prompts.shown.size(), 1);
        QVERIFY2(prompts.shown[0].text.startsWith(QStringLiteral("Cannot write the print file: ")),
                 qPrintable(prompts.shown[0].text));
        const int drawn = progress.started.at(0).updates.isEmpty() ? 0 : progress.started.at(0).updates.last();
        qInfo("%s after %d of 4000 pages", qPrintable(prompts.shown[0].text), drawn);
        QVERIFY(drawn < 400);
        QCOMPARE(service.lastJobId(), 0);
        QVERIFY(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void cancelledJobReachesNoQueue()
    {
        SKIP_WITHOUT_SERVER();
        CupsPrintService service;
        QStringList cells;
        PrintRequest r = numbersRequest(QStringLiteral("10"));
        r.printerPosition = positionOf(service, QStringLiteral("Margins"));
        FakeProgressFactory progress;
        progress.cancelAfterPage = 2;
        QFile::remove(TestPrinter::marginsOutput());
        PrintOutcome outcome = PrintOutcome::Printed;
        QVERIFY(runCommand(prompts, [&] { outcome = printCards(r, cells, {service, prompts, random, &progress}); }));
        QCOMPARE(outcome, PrintOutcome::Cancelled);
        QCOMPARE(service.lastJobId(), 0);
        QVERIFY(!service.printing());
        // Nothing queued: the next job gets the next id after the last real one.
        QVERIFY(!QFile::exists(TestPrinter::marginsOutput()));
    }

    void measuringBeforeTheDocumentMatchesDrawing()
    {
        SKIP_WITHOUT_SERVER();
        CupsPrintService service;
        service.selectPrinter(-1);
        service.printableArea();
        ICanvas &before = service.canvas();
        before.setFontName(QStringLiteral("Arial"));
        before.setFontStyle(FontStyle::Bold);
        before.setFontSize(20);
        const int width = before.textWidth(QStringLiteral("Free Space!"));
        const int height = before.textHeight(QStringLiteral("75"));
        service.beginDoc();
        ICanvas &during = service.canvas();
        QCOMPARE(during.fontSize(), 20);
        QCOMPARE(during.textWidth(QStringLiteral("Free Space!")), width);
        QCOMPARE(during.textHeight(QStringLiteral("75")), height);
        // 20 points at the queue's 300 dpi: a line box of at least 83 pixels.
        QVERIFY(height >= 20 * 300 / 72);
        service.abortDoc();
        QCOMPARE(service.lastJobId(), 0);
    }
};

QTEST_MAIN(TestPrintCups)
#include "tst_printcups.moc"
