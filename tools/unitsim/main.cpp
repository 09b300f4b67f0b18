// vk-unit-sim: a simulated VK unit (or a master/slave pair) for trying and testing
// vk-layout without the hardware.
#include "serialline.h"
#include "simulatedunit.h"
#include "simulatorhost.h"
#include "unitsimoptions.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

int signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    const ssize_t written = ::write(signalPipe[1], &byte, 1);
    (void)written;
}

void printLine(const QString &line)
{
    std::fprintf(stdout, "%s\n", qPrintable(line));
    std::fflush(stdout);
}

void printLayouts(const QList<SimulatedUnit *> &units)
{
    for (SimulatedUnit *unit : units) {
        printLine(u"layout held by [%1] \"%2\":"_s.arg(unit->label(), unit->config().unitName));
        for (const QString &line : unit->layout().summary())
            printLine(u"  "_s + line);
    }
}

const QString commandHelp =
    u"commands: layout | cyclic | status | led A B C | rev | name | help | quit"_s;

// One line typed on standard input.
void runCommand(const QString &line, const QList<SimulatedUnit *> &units)
{
    QStringList words = line.simplified().split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return;
    const QString command = words.takeFirst().toLower();
    if (command == u"layout"_s) {
        printLayouts(units);
    } else if (command == u"quit"_s) {
        QCoreApplication::quit();
    } else if (command == u"help"_s) {
        printLine(commandHelp);
    } else {
        for (SimulatedUnit *unit : units) {
            if (command == u"cyclic"_s)
                unit->sendUnsolicited(SimulatedUnit::cyclicMessage());
            else if (command == u"status"_s)
                unit->sendUnsolicited(SimulatedUnit::statusMessage());
            else if (command == u"led"_s && words.size() == 3)
                unit->sendUnsolicited(SimulatedUnit::ledMessage(
                    quint8(words[0].toUInt(nullptr, 16)), quint8(words[1].toUInt(nullptr, 16)),
                    quint8(words[2].toUInt(nullptr, 16))));
            else if (command == u"rev"_s)
                unit->sendUnsolicited(SimulatedUnit::revisionMessage());
            else if (command == u"name"_s)
                unit->sendUnsolicited(unit->nameMessage());
            else {
                printLine(u"unknown command; "_s + commandHelp);
                return;
            }
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    application.setApplicationName(u"vk-unit-sim"_s);
    const UnitSimOptions options = UnitSimOptions::parse(application.arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "vk-unit-sim: %s\n", qPrintable(options.error));
        return 2;
    }
    if (options.help) {
        std::fputs(qPrintable(options.helpText), stdout);
        return 0;
    }

    SimulatorHost host(options.unit.discoveryPort);
    QObject::connect(&host, &SimulatorHost::logLine, &printLine);
    if (!host.start()) {
        std::fprintf(stderr, "vk-unit-sim: cannot listen on port %u: %s\n",
                     options.unit.discoveryPort, qPrintable(host.errorString()));
        return 1;
    }

    std::vector<std::unique_ptr<SimulatedUnit>> units;
    units.push_back(std::make_unique<SimulatedUnit>(options.unit));
    if (options.secondUnit)
        units.push_back(std::make_unique<SimulatedUnit>(*options.secondUnit));
    QList<SimulatedUnit *> unitList;
    for (const auto &unit : units) {
        QObject::connect(unit.get(), &SimulatedUnit::logLine, &printLine);
        if (!unit->start())
            return 1;
        host.addUnit(unit.get());
        unitList.append(unit.get());
        const UnitConfig &config = unit->config();
        printLine(u"[%1] %2 \"%3\" %4, MAC %5: link port %6 (%7 hex), discovery on port %8, "
                  "replies to port %9"_s
                      .arg(unit->label(), config.device, config.unitName,
                           config.master ? u"master"_s : u"slave"_s,
                           QString::fromLatin1(config.mac.toHex(':').toUpper()))
                      .arg(config.linkPort)
                      .arg(QString::number(config.linkPort, 16).toUpper())
                      .arg(config.discoveryPort)
                      .arg(config.replyPort));
    }

    SerialLine serial;
    if (options.serial) {
        if (!serial.open()) {
            std::fprintf(stderr, "vk-unit-sim: no pseudo-terminal: %s\n",
                         qPrintable(serial.errorString()));
            return 1;
        }
        unitList.first()->attachSerial(&serial);
        printLine(u"serial line: %1"_s.arg(serial.path()));
    }

    if (::pipe(signalPipe) == 0) {
        std::signal(SIGINT, onTerminationSignal);
        std::signal(SIGTERM, onTerminationSignal);
    }
    QSocketNotifier stopNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&stopNotifier, &QSocketNotifier::activated, &application,
                     &QCoreApplication::quit);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &application, [&] {
        char buffer[256];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer - 1);
        if (count <= 0) {
            // Standard input closed (run in the background): only signals stop us now.
            input.setEnabled(false);
            return;
        }
        for (const QString &line : QString::fromLocal8Bit(buffer, count).split(u'\n'))
            runCommand(line, unitList);
    });
    printLine(u"running; "_s + commandHelp + u"; Ctrl+C ends"_s);

    const int status = application.exec();
    printLayouts(unitList);
    return status;
}
