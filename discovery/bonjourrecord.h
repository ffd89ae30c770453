#ifndef BONJOURRECORD_H
#define BONJOURRECORD_H

#include <QHash>
#include <QList>
#include <QMetaType>
#include <QString>

// One advertised service instance, i.e. one speaker as a browse reply names it.
class BonjourRecord
{
public:
    BonjourRecord() = default;
    BonjourRecord(const QString &name, const QString &regType, const QString &domain)
        : instanceName(name), serviceType(regType), domain(domain)
    {
    }
    // From the UTF-8 strings of a DNS-SD reply; a null pointer gives a null string.
    BonjourRecord(const char *name, const char *regType, const char *domain)
        : instanceName(fromReply(name)), serviceType(fromReply(regType)), domain(fromReply(domain))
    {
    }

    bool operator==(const BonjourRecord &other) const
    {
        return instanceName == other.instanceName && serviceType == other.serviceType &&
            domain == other.domain;
    }
    bool operator!=(const BonjourRecord &other) const { return !(*this == other); }

    QString instanceName;
    QString serviceType;
    QString domain;

private:
    static QString fromReply(const char *text)
    {
        return text ? QString::fromUtf8(text) : QString();
    }
};

// For sets and maps of records (the browser counts announcements per record).
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
inline size_t qHash(const BonjourRecord &record, size_t seed = 0)
#else
inline uint qHash(const BonjourRecord &record, uint seed = 0)
#endif
{
    return qHash(record.instanceName, seed) ^ qHash(record.serviceType, seed + 1) ^
        qHash(record.domain, seed + 2);
}

Q_DECLARE_METATYPE(BonjourRecord)

#endif // BONJOURRECORD_H
