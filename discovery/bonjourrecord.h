#ifndef BONJOURRECORD_H
#define BONJOURRECORD_H

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

Q_DECLARE_METATYPE(BonjourRecord)

#endif // BONJOURRECORD_H
