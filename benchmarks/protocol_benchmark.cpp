// Prints how fast the traffic monitor takes lines, how much memory a line costs, and
// how long it takes to encode every payload of a full layout.
#include "layoutencoder.h"
#include "stemeditor.h"
#include "stemtablemodel.h"
#include "trafficmonitor.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <malloc.h>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Large blocks come from mmap and are counted apart from the heap proper.
std::size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void measureTrafficLines()
{
    constexpr int lineCount = 1'000'000;
    // The longest device message: 15 data bytes, 18 bytes in all.
    const QByteArray message = QByteArray::fromHex("DF52000102030405060708090A0B0C0D0E0F");
    const std::size_t heapBefore = heapInUse();
    {
        TrafficMonitor monitor;
        QElapsedTimer timer;
        timer.start();
        for (int line = 0; line < lineCount; ++line)
            monitor.Disp_array(message, u"Rx-"_s);
        const qint64 nanoseconds = timer.nsecsElapsed();
        const std::size_t heapAfter = heapInUse();
        std::printf("traffic monitor: %d lines of %lld bytes, %.3f us a line, %.1f bytes a line\n",
                    lineCount, static_cast<long long>(message.size()),
                    double(nanoseconds) / lineCount / 1000.0,
                    double(heapAfter - heapBefore) / lineCount);
    }
}

void fillFullLayout(StemTableModel &table)
{
    // 16 rows of 8 tracks each on port 1: 128 tracks, every row marked and linked.
    for (int row = 0; row < 16; ++row) {
        QStringList channels;
        for (int channel = 1; channel <= 8; ++channel)
            channels.append(u"Ch%1"_s.arg(row * 8 + channel));
        table.Rowadd(
            u"Stem %1\tS%1\tStem %2\tStem %2\t1\t%3\tObj\t8\t%4\tS.Safe\tPM\tO/P#1\t"_s.arg(row)
                .arg(row + 1)
                .arg(channels.join(u','))
                .arg(row * 8 + 1));
    }
}

qint64 encodeEveryPayload(const StemTableModel &table)
{
    const LayoutEncoder encoder(table);
    qint64 bytes = 0;
    for (int row = 0; row < table.rowCount(); ++row)
        bytes += encoder.tx_stemtracks(row).size();
    for (int column : {StemTableModel::t_vk1, StemTableModel::t_vk2})
        for (int s : {0, 8})
            bytes += encoder.buildstempoint(column, s).size();
    for (const QString &port : {StemEditor::port1(), StemEditor::port2()}) {
        for (const QString &name : encoder.buildstemarray(port))
            bytes += LayoutEncoder::stemNameBytes(name).size();
        for (const QString &name : encoder.buildtrackarray(port))
            bytes += LayoutEncoder::trackNameBytes(name).size();
    }
    for (int column : {StemTableModel::t_ssafe, StemTableModel::t_pmast})
        for (int s : {0, 8, 16})
            bytes += encoder.ss_pm(column, s).size();
    for (int s : {0, 8})
        bytes += encoder.buildlinks(s).size();
    return bytes;
}

void measureLayoutEncoding()
{
    StemTableModel table;
    fillFullLayout(table);
    constexpr int rounds = 1000;
    qint64 bytes = 0;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < rounds; ++round)
        bytes += encodeEveryPayload(table);
    const qint64 nanoseconds = timer.nsecsElapsed();
    std::printf("layout encoding: every payload of a 16-row, 128-track layout (%lld bytes) in "
                "%.1f us\n",
                static_cast<long long>(bytes / rounds), double(nanoseconds) / rounds / 1000.0);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    measureTrafficLines();
    measureLayoutEncoding();
    return 0;
}
