#include "unitsimoptions.h"

#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace {

struct OptionReader
{
    QCommandLineParser &parser;
    QString &error;

    bool has(const QString &name) const { return parser.isSet(name); }

    std::optional<quint16> port(const QString &name) const
    {
        bool ok = false;
        const uint value = parser.value(name).toUInt(&ok);
        if (!ok || value < 1 || value > 65535) {
            error =
                u"--%1 takes a port from 1 to 65535, not \"%2\""_s.arg(name, parser.value(name));
            return std::nullopt;
        }
        return quint16(value);
    }

    std::optional<int> count(const QString &name, int lowest) const
    {
        bool ok = false;
        const int value = parser.value(name).toInt(&ok);
        if (!ok || value < lowest) {
            error = u"--%1 takes a whole number of at least %2, not \"%3\""_s.arg(
                name, QString::number(lowest), parser.value(name));
            return std::nullopt;
        }
        return value;
    }

    std::optional<QHostAddress> address(const QString &name) const
    {
        QHostAddress address;
        if (!address.setAddress(parser.value(name)) ||
            address.protocol() != QAbstractSocket::IPv4Protocol) {
            error = u"--%1 takes an IPv4 address, not \"%2\""_s.arg(name, parser.value(name));
            return std::nullopt;
        }
        return address;
    }
};

std::optional<QByteArray> macAddress(QString text)
{
    text.remove(u' ').remove(u':');
    if (text.size() != 12)
        return std::nullopt;
    for (const QChar character : text) {
        if (!QStringLiteral("0123456789abcdefABCDEF").contains(character))
            return std::nullopt;
    }
    return QByteArray::fromHex(text.toLatin1());
}

} // namespace

UnitSimOptions UnitSimOptions::parse(const QStringList &arguments)
{
    UnitSimOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"A simulated VK-1/VK-2/VE-3 unit: answers discovery, addressed commands and device "
        "messages the way the units do, and keeps the layout written to it."_s);
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Show this help and exit."_s);
    parser.addOptions({
        help,
        {u"bind"_s, u"Local IPv4 address of the unit (default: all addresses)."_s, u"address"_s},
        {u"discovery-port"_s, u"Port the unit hears management datagrams on (10004)."_s, u"n"_s},
        {u"reply-port"_s, u"The computer's management port for discovery replies (10008)."_s,
         u"n"_s},
        {u"link-port"_s, u"RS-422 link port, reported in hexadecimal (10006 = 2716)."_s, u"n"_s},
        {u"role"_s, u"M for a master (default), S for a slave."_s, u"M|S"_s},
        {u"mac"_s, u"MAC address: six hexadecimal pairs, blanks or colons allowed."_s, u"hex"_s},
        {u"unit-name"_s, u"Unit name reported in discovery."_s, u"text"_s},
        {u"device"_s, u"Device name reported in discovery (VK-2)."_s, u"text"_s},
        {u"build-date"_s, u"Build date reported in discovery."_s, u"text"_s},
        {u"format"_s, u"Format code reported in discovery (1)."_s, u"text"_s},
        {u"drop"_s, u"Drop this fraction (0 to 1) of link replies at random."_s, u"fraction"_s},
        {u"seed"_s, u"Seed of the random drops, so that runs repeat (1)."_s, u"n"_s},
        {u"drop-nth"_s, u"Drop the reply to the Nth link message."_s, u"n"_s},
        {u"duplicate"_s, u"Send every reply twice."_s},
        {u"delay-ms"_s, u"Delay every reply by this many milliseconds."_s, u"n"_s},
        {u"silent-after"_s, u"Answer nothing after N link messages."_s, u"n"_s},
        {u"serial"_s, u"Also serve a serial line on a pseudo-terminal; its path is printed."_s},
        {u"slave-bind"_s,
         u"Run a second unit of the other role on this address in the same process."_s,
         u"address"_s},
    });
    options.helpText = parser.helpText();

    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    if (parser.isSet(help)) {
        options.help = true;
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.error = u"unexpected argument \"%1\""_s.arg(parser.positionalArguments().first());
        return options;
    }

    OptionReader read{parser, options.error};
    UnitConfig &unit = options.unit;
    if (read.has(u"bind"_s)) {
        const auto address = read.address(u"bind"_s);
        if (!address)
            return options;
        unit.bindAddress = *address;
    }
    for (const auto &[name, target] :
         {std::pair{u"discovery-port"_s, &unit.discoveryPort},
          std::pair{u"reply-port"_s, &unit.replyPort}, std::pair{u"link-port"_s, &unit.linkPort}}) {
        if (!read.has(name))
            continue;
        const auto port = read.port(name);
        if (!port)
            return options;
        *target = *port;
    }
    if (read.has(u"role"_s)) {
        const QString role = parser.value(u"role"_s).toUpper();
        if (role != u"M"_s && role != u"S"_s) {
            options.error = u"--role takes M or S, not \"%1\""_s.arg(parser.value(u"role"_s));
            return options;
        }
        unit.master = role == u"M"_s;
    }
    if (read.has(u"mac"_s)) {
        const auto mac = macAddress(parser.value(u"mac"_s));
        if (!mac) {
            options.error =
                u"--mac takes six hexadecimal pairs, not \"%1\""_s.arg(parser.value(u"mac"_s));
            return options;
        }
        unit.mac = *mac;
    }
    for (const auto &[name, target] :
         {std::pair{u"unit-name"_s, &unit.unitName}, std::pair{u"device"_s, &unit.device},
          std::pair{u"build-date"_s, &unit.buildDate}, std::pair{u"format"_s, &unit.formatCode}}) {
        if (read.has(name))
            *target = parser.value(name);
    }
    if (read.has(u"drop"_s)) {
        bool ok = false;
        const double fraction = parser.value(u"drop"_s).toDouble(&ok);
        if (!ok || fraction < 0 || fraction > 1) {
            options.error =
                u"--drop takes a fraction from 0 to 1, not \"%1\""_s.arg(parser.value(u"drop"_s));
            return options;
        }
        unit.faults.dropFraction = fraction;
    }
    if (read.has(u"seed"_s)) {
        const auto seed = read.count(u"seed"_s, 0);
        if (!seed)
            return options;
        unit.faults.seed = quint32(*seed);
    }
    for (const auto &[name, lowest, target] :
         {std::tuple{u"drop-nth"_s, 1, &unit.faults.dropNth},
          std::tuple{u"delay-ms"_s, 0, &unit.faults.delayMs},
          std::tuple{u"silent-after"_s, 1, &unit.faults.silentAfter}}) {
        if (!read.has(name))
            continue;
        const auto value = read.count(name, lowest);
        if (!value)
            return options;
        *target = *value;
    }
    unit.faults.duplicate = parser.isSet(u"duplicate"_s);
    options.serial = parser.isSet(u"serial"_s);

    if (read.has(u"slave-bind"_s)) {
        const auto address = read.address(u"slave-bind"_s);
        if (!address)
            return options;
        if (*address == unit.bindAddress) {
            options.error = u"--slave-bind needs an address of its own, not the one of --bind"_s;
            return options;
        }
        UnitConfig second = unit;
        second.bindAddress = *address;
        second.master = !unit.master;
        second.mac[5] = char(quint8(second.mac[5]) + 1);
        second.unitName = unit.unitName + (second.master ? u"-M"_s : u"-S"_s);
        options.secondUnit = second;
    }
    return options;
}
