#ifndef DECLAREDMETHODS_H
#define DECLAREDMETHODS_H

#include <QMetaMethod>
#include <QMetaObject>
#include <QStringList>

// The signals and slots a class declares itself, in the order declared, as "signal <signature>",
// "slot <signature>" or "private slot <signature>".
inline QStringList declaredMethods(const QMetaObject &meta)
{
    QStringList methods;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        const char *kind = method.methodType() == QMetaMethod::Signal ? "signal "
            : method.access() == QMetaMethod::Private                 ? "private slot "
                                                                      : "slot ";
        methods.append(QLatin1String(kind) + QString::fromLatin1(method.methodSignature()));
    }
    return methods;
}

#endif // DECLAREDMETHODS_H
