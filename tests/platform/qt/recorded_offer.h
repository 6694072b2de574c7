#pragma once

#include <QByteArray>
#include <QFile>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace nimbrel {

// A real program's offer as tests/data/offers records it: targets in the owner's order, and the
// bytes of each that was answered (nullopt for one refused or not recorded).
struct RecordedOffer {
    std::vector<std::string> targets;
    std::map<std::string, std::optional<std::string>, std::less<>> values;
};

inline RecordedOffer recordedOffer(const char *name)
{
    RecordedOffer offer;
    QFile file(QStringLiteral(NIMBREL_OFFERS_DIR "/%1.offer").arg(QString::fromUtf8(name)));
    file.open(QIODevice::ReadOnly);
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (line.startsWith('#') || fields.size() != 2)
            continue;
        offer.targets.push_back(fields[0].toStdString());
        offer.values[offer.targets.back()] =
            fields[1].startsWith("base64:") ? std::optional(QByteArray::fromBase64(fields[1].mid(7)).toStdString())
                                            : std::nullopt;
    }
    return offer;
}

} // namespace nimbrel
