#ifndef ACCESSIBILITYEVENTS_H
#define ACCESSIBILITYEVENTS_H

// The accessibility events that the program hands to the platform's screen reader bridge,
// caught in place of the bridge while an object of this class lives (one at a time).

#include <QAccessible>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class AccessibilityEvents
{
public:
    struct Event
    {
        QPointer<QObject> object;
        QAccessible::Event type;
        QString name;        // the object's accessible name when the event was sent
        QString description; // and its description
    };

    AccessibilityEvents()
    {
        current = this;
        QAccessible::installUpdateHandler(&note);
    }
    ~AccessibilityEvents()
    {
        QAccessible::installUpdateHandler(nullptr);
        current = nullptr;
    }
    AccessibilityEvents(const AccessibilityEvents &) = delete;
    AccessibilityEvents &operator=(const AccessibilityEvents &) = delete;

    // The events of OBJECT among TYPES (all when empty), in the order sent.
    QList<Event> of(const QObject *object, const QList<QAccessible::Event> &types = {}) const
    {
        QList<Event> found;
        for (const Event &event : events) {
            if (event.object == object && (types.isEmpty() || types.contains(event.type)))
                found.append(event);
        }
        return found;
    }

    // Their types alone.
    QList<QAccessible::Event> typesOf(const QObject *object,
                                      const QList<QAccessible::Event> &types = {}) const
    {
        QList<QAccessible::Event> found;
        const QList<Event> list = of(object, types);
        for (const Event &event : list)
            found.append(event.type);
        return found;
    }

    QList<Event> events;

private:
    static void note(QAccessibleEvent *event)
    {
        if (!current)
            return;
        const QAccessibleInterface *iface = event->accessibleInterface();
        current->events.append({ event->object(), event->type(),
                                 iface ? iface->text(QAccessible::Name) : QString(),
                                 iface ? iface->text(QAccessible::Description) : QString() });
    }

    static inline AccessibilityEvents *current = nullptr;
};

#endif // ACCESSIBILITYEVENTS_H
