// Times reading a day's document of the hymn library into a QTextDocument,
// as the day loader does on every change of day, and the other directions.

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdio>
#include <cstdlib>

namespace {

template <typename F>
double microsecondsPerCall(int calls, F &&f)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        f();
    return timer.nsecsElapsed() / 1000.0 / calls;
}

} // namespace

int main(int argc, char **argv)
{
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QFile file(QStringLiteral(RICHTEXT_BENCH_DOCUMENT));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot open %s\n", RICHTEXT_BENCH_DOCUMENT);
        return 1;
    }
    QByteArray rtf = file.readAll();
    rtf.truncate(rtf.indexOf('\0'));

    QTextDocument doc;
    const int calls = 2000;
    for (int i = 0; i < 50; ++i)   // warm up fonts and allocators
        richtext::readRtf(rtf, &doc);
    const double read = microsecondsPerCall(calls, [&] { richtext::readRtf(rtf, &doc); });
    const double fresh = microsecondsPerCall(calls, [&] {
        QTextDocument d;
        richtext::readRtf(rtf, &d);
    });
    const double plain = microsecondsPerCall(calls, [&] { (void)richtext::rtfToPlainText(rtf); });
    const double write = microsecondsPerCall(calls, [&] { (void)richtext::writeRtf(doc); });

    std::printf("hymn document: %lld bytes, %d paragraphs\n", static_cast<long long>(rtf.size()), doc.blockCount());
    std::printf("read into a reused QTextDocument: %.1f us per document\n", read);
    std::printf("read into a new QTextDocument:    %.1f us per document\n", fresh);
    std::printf("read as plain text:               %.1f us per document\n", plain);
    std::printf("write the document as RTF:        %.1f us per document\n", write);

    // Large documents from elsewhere must read in time proportional to their size.
    struct Large {
        const char *name;
        QByteArray unit;
        int count;
    };
    const Large large[] = {
        {"bullet paragraphs", R"({\pntext\'B7\tab}{\*\pn\pnlvlblt}An item of a long list\par )", 20000},
        {"format changes in one paragraph", R"(\b x\b0 y)", 100000},
        {"empty paragraphs", R"(\par )", 100000},
    };
    for (const Large &l : large) {
        QByteArray big = "{\\rtf1 ";
        for (int i = 0; i < l.count; ++i)
            big += l.unit;
        big += '}';
        const double us = microsecondsPerCall(1, [&] {
            QTextDocument d;
            richtext::readRtf(big, &d);
        });
        std::printf("%d %s (%lld KB): %.0f ms\n", l.count, l.name, static_cast<long long>(big.size() / 1024), us / 1000);
    }
    return 0;
}
