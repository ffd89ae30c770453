#include "accessible.h"

#include "pixelratio.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMovie>
#include <QSet>
#include <QShortcut>
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

// A changing line: a notification to screen readers, named by its text.
class AnnouncedLabelAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncedLabelAccessible(AnnouncedLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const AnnouncedLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *announcedLabelAccessible(const QString &className, QObject *object)
{
    AnnouncedLabel *label = qobject_cast<AnnouncedLabel *>(object);
    if (className != QLatin1String("AnnouncedLabel") || !label)
        return nullptr;
    return new AnnouncedLabelAccessible(label);
}

// What names a control on its page: a button's text, a field's buddy label's.
QString controlText(const QWidget *control)
{
    if (const QAbstractButton *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    const QList<QLabel *> labels = control->window()->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (label->buddy() == control)
            return label->text();
    }
    return QString();
}

// The keys a text offers, a letter or digit each: those that begin a word, then the rest.
QList<int> offeredKeys(const QString &text)
{
    QList<int> first;
    QList<int> rest;
    for (int i = 0; i < text.size(); ++i) {
        const char c = text.at(i).toUpper().toLatin1();
        int key = 0;
        if (c >= 'A' && c <= 'Z')
            key = Qt::Key_A + (c - 'A');
        else if (c >= '0' && c <= '9')
            key = Qt::Key_0 + (c - '0');
        if (!key)
            continue;
        const bool beginsWord = i == 0 || !text.at(i - 1).isLetterOrNumber();
        (beginsWord ? first : rest).append(key);
    }
    return first + rest;
}

// The toolkit tells a screen reader of a field's focus only once the field has taken it: a field
// that selects its text as Tab comes in (its caret told for the first time, even in an empty
// field) tells its selection and caret first. Orca takes that caret of a focused field for the
// focus and then does not announce the focus: the field's label and description go unheard.
// So the focus is told as it comes in, before the field's own events; the toolkit's later one
// is for the control that has the focus already, which Orca does not announce again.
class FocusTeller : public QObject
{
public:
    explicit FocusTeller(QWidget *field) : QObject(field) { field->installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Back from a popup of its own the control has had the focus all along.
        if (event->type() == QEvent::FocusIn && QAccessible::isActive() &&
            static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
            QAccessibleEvent focus(watched, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
        return false;
    }
};

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
    new FocusTeller(field);
    return label;
}

QLabel *valueLabel(QLabel *label, const QString &value)
{
    QLabel *valueLabel = new QLabel;
    valueLabel->setTextFormat(Qt::PlainText);
    valueLabel->setText(value);
    // Named by its own text: screen readers put the label of the relation in front of it, and a
    // name that repeated the label had it read twice. Without a text the toolkit would name it
    // by the label: then it stays unlabelled, nameless, and the label is heard once by itself.
    if (!value.isEmpty())
        label->setBuddy(valueLabel);
    return valueLabel;
}

void setDescription(QWidget *control, const QString &text)
{
    if (control->accessibleDescription() != text)
        control->setAccessibleDescription(text);
}

void giveAccessKeys(const QList<QWidget *> &controls)
{
    QSet<int> taken;
    for (QWidget *control : controls) {
        // A page's control that this page does not have, such as a field for a typed WLAN.
        if (!control)
            continue;
        const QList<int> keys = offeredKeys(controlText(control));
        const auto free = std::find_if(keys.cbegin(), keys.cend(),
                                       [&taken](int key) { return !taken.contains(key); });
        if (free == keys.cend())
            continue;
        taken.insert(*free);
        const QKeySequence sequence(int(Qt::ALT) | *free);
        if (QAbstractButton *button = qobject_cast<QAbstractButton *>(control)) {
            button->setShortcut(sequence);
            continue;
        }
        // Active while the field's window is, and the field shown and enabled.
        QShortcut *shortcut = new QShortcut(sequence, control);
        QObject::connect(shortcut, &QShortcut::activated, control,
                         [control] { control->setFocus(Qt::ShortcutFocusReason); });
    }
}

AnnouncedLabel::AnnouncedLabel(Urgency urgency, QWidget *parent)
    : QLabel(parent), lineUrgency(urgency)
{
    static const bool factoryInstalled =
        (QAccessible::installFactory(announcedLabelAccessible), true);
    Q_UNUSED(factoryInstalled)
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

void AnnouncedLabel::setText(const QString &text)
{
    if (text == QLabel::text())
        return;
    QLabel::setText(text);
    // The toolkit has told of a new name, which screen readers read for the focused control only.
    if (isVisible())
        announce(true);
}

// The toolkit tells that the line shows, right after this, also when it shows with its page.
void AnnouncedLabel::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    announce(false);
}

void AnnouncedLabel::announce(bool tellShowing)
{
    if (text().isEmpty())
        return;
    if (tellShowing) {
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
    if (lineUrgency == Urgency::Urgent) {
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}
