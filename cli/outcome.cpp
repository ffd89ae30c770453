#include "outcome.h"

int exitCode(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Success:
        return 0;
    case Outcome::Usage:
        return 2;
    case Outcome::NotFound:
        return 3;
    case Outcome::Unavailable:
        return 4;
    case Outcome::Refused:
        return 5;
    case Outcome::NoAnswer:
        return 6;
    case Outcome::NotBack:
        return 7;
    case Outcome::KeptOldName:
        return 8;
    case Outcome::NotSent:
        return 9;
    }
    return 1;
}

QString outcomeWord(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Success:
        return QStringLiteral("ok");
    case Outcome::Usage:
        return QStringLiteral("usage");
    case Outcome::NotFound:
        return QStringLiteral("not-found");
    case Outcome::Unavailable:
        return QStringLiteral("dnssd-unavailable");
    case Outcome::Refused:
        return QStringLiteral("refused");
    case Outcome::NoAnswer:
        return QStringLiteral("no-answer");
    case Outcome::NotBack:
        return QStringLiteral("not-back");
    case Outcome::KeptOldName:
        return QStringLiteral("kept-old-name");
    case Outcome::NotSent:
        return QStringLiteral("not-sent");
    }
    return QString();
}
