#include "accessible.h"

#include "pixelratio.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QMovie>
#include <QString>

namespace {

// A label that plays an animation: busy while it is shown and the animation runs,
// which the toolkit's own label does not report. A page may hide the label and
// leave the animation running.
class AnimationAccessible : public QAccessibleWidget
{
public:
    explicit AnimationAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::Animation)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const QLabel *label = static_cast<QLabel *>(widget());
        state.busy =
            label->isVisible() && label->movie() && label->movie()->state() == QMovie::Running;
        return state;
    }
};

QAccessibleInterface *animationAccessible(const QString &className, QObject *object)
{
    QLabel *label = qobject_cast<QLabel *>(object);
    if (className != QLatin1String("QLabel") || !label || !label->movie())
        return nullptr;
    return new AnimationAccessible(label);
}

} // namespace

QLabel *busyAnimationLabel(const QString &name, QWidget *parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(animationAccessible), true);
    Q_UNUSED(factoryInstalled)

    QLabel *label = new QLabel(parent);
    // "@2x" tells the toolkit's reader that the frames are drawn at twice the size.
    const QString file = devicePixelRatio() > 1.0 ? QStringLiteral(":/GRAFX/ajax-loader@2x.gif")
                                                  : QStringLiteral(":/GRAFX/ajax-loader.gif");
    // Before anything asks for the label's accessible interface, which is kept.
    label->setMovie(new QMovie(file, QByteArray(), label));
    label->setAccessibleName(name);
    QObject::connect(label->movie(), &QMovie::stateChanged, label, [label] {
        QAccessible::State changed;
        changed.busy = true;
        QAccessibleStateChangeEvent event(label, changed);
        QAccessible::updateAccessibility(&event);
    });
    return label;
}

QLabel *fieldLabel(const QString &text, QWidget *field)
{
    QLabel *label = new QLabel(text);
    label->setBuddy(field);
    return label;
}
