#include "accessibilityevents.h"
#include "accessible.h"
#include "networkstart.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <QVBoxLayout>

#include <chrono>

namespace {

const QAccessible::Event Shown = QAccessible::ObjectShow;
const QAccessible::Event Alert = QAccessible::Alert;

// How long the toolkit may take to find the AT-SPI bus.
std::chrono::milliseconds activationTimeout { 10000 };

} // namespace

// What screen readers are told beyond what the toolkit tells them: the pages' changing lines,
// descriptions that follow the user's typing, values labelled by their labels, access keys. What
// the platform's bridge makes of it is the AT-SPI walk's part.
class tst_Accessible : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void announcedLabel_data();
    void announcedLabel();
    void descriptionChanges_data();
    void descriptionChanges();
    void fieldHeardAtFocus();
    void valueLabelName_data();
    void valueLabelName();
    void accessKeys_data();
    void accessKeys();
};

// The toolkit turns accessibility on once it has found the AT-SPI bus, from its event loop.
void tst_Accessible::initTestCase()
{
    // As the program starts: the bridge is there all the same.
    avoidBearerManagement();
    if (QTest::qWaitFor([] { return QAccessible::isActive(); }, int(activationTimeout.count())))
        return;
    if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        QFAIL("accessibility did not come on in the AT-SPI session");
    QSKIP("accessibility is off: run on a display with the AT-SPI bus (atspi_session.py)");
}

void tst_Accessible::announcedLabel_data()
{
    // Steps on a line in a group on a shown window: "text:T", "show", "hide" (the line),
    // "group:show", "group:hide". What screen readers are told of it, with the line's name then:
    // that it shows (from the toolkit when it becomes visible, from the line when its text
    // changes while shown), and alerts.
    QTest::addColumn<bool>("urgent");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("told");

    QTest::newRow("shown with its text")
        << false << QStringList({ "text:Waiting", "show" }) << QStringList({ "shown: Waiting" });
    QTest::newRow("shown with its group")
        << false << QStringList({ "group:hide", "text:Waiting", "show", "group:show" })
        << QStringList({ "shown: Waiting" });
    QTest::newRow("changed while shown")
        << false << QStringList({ "text:Waiting", "show", "text:Back" })
        << QStringList({ "shown: Waiting", "shown: Back" });
    QTest::newRow("the same text again")
        << false << QStringList({ "text:Waiting", "show", "text:Waiting" })
        << QStringList({ "shown: Waiting" });
    QTest::newRow("emptied while shown")
        << false << QStringList({ "text:Waiting", "show", "text:" })
        << QStringList({ "shown: Waiting" });
    QTest::newRow("changed while hidden, heard as it shows")
        << false << QStringList({ "text:Waiting", "show", "hide", "text:Back", "show" })
        << QStringList({ "shown: Waiting", "shown: Back" });
    QTest::newRow("changed while its group is hidden")
        << false
        << QStringList(
               { "text:Waiting", "show", "group:hide", "text:Back", "text:Gone", "group:show" })
        << QStringList({ "shown: Waiting", "shown: Gone" });
    QTest::newRow("urgent, shown") << true << QStringList({ "text:Gone", "show" })
                                   << QStringList({ "alert: Gone", "shown: Gone" });
    QTest::newRow("urgent, shown with its group")
        << true << QStringList({ "group:hide", "text:Gone", "show", "group:show" })
        << QStringList({ "alert: Gone", "shown: Gone" });
    QTest::newRow("urgent, changed while shown")
        << true << QStringList({ "text:Gone", "show", "text:Silent", "text:Silent" })
        << QStringList({ "alert: Gone", "shown: Gone", "shown: Silent", "alert: Silent" });
    QTest::newRow("urgent, emptied while shown")
        << true << QStringList({ "text:Gone", "show", "text:" })
        << QStringList({ "alert: Gone", "shown: Gone" });
}

// Each text a line shows is told once, as it shows; an urgent one is an alert too.
void tst_Accessible::announcedLabel()
{
    QFETCH(bool, urgent);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, told);

    QWidget window;
    QWidget *group = new QWidget(&window);
    AnnouncedLabel *line = new AnnouncedLabel(urgent ? Urgency::Urgent : Urgency::Polite, group);
    line->hide();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    AccessibilityEvents events;
    for (const QString &step : qAsConst(steps)) {
        if (step.startsWith(QLatin1String("text:")))
            line->setText(step.mid(5));
        else if (step == QLatin1String("show"))
            line->show();
        else if (step == QLatin1String("hide"))
            line->hide();
        else
            group->setVisible(step == QLatin1String("group:show"));
    }
    QStringList heard;
    const QList<AccessibilityEvents::Event> list = events.of(line, { Shown, Alert });
    for (const AccessibilityEvents::Event &event : list)
        heard.append(QLatin1String(event.type == Shown ? "shown: " : "alert: ") + event.name);
    QCOMPARE(heard, told);
}

void tst_Accessible::descriptionChanges_data()
{
    QTest::addColumn<QStringList>("descriptions"); // set one after the other
    QTest::addColumn<int>("told");

    QTest::newRow("one") << QStringList({ "Too short" }) << 1;
    QTest::newRow("the same again") << QStringList({ "Too short", "Too short" }) << 1;
    QTest::newRow("another, then none")
        << QStringList({ "Too short", "Too short", "Too long", "" }) << 3;
    QTest::newRow("none, as it was") << QStringList({ "" }) << 0;
}

// A description that follows the user's typing is told once per new text: the toolkit tells every
// one set.
void tst_Accessible::descriptionChanges()
{
    QFETCH(QStringList, descriptions);
    QFETCH(int, told);

    QLineEdit field;
    AccessibilityEvents events;
    for (const QString &description : qAsConst(descriptions))
        setDescription(&field, description);
    QCOMPARE(events.typesOf(&field, { QAccessible::DescriptionChanged }).size(), told);
    QCOMPARE(field.accessibleDescription(), descriptions.last());
}

// Tab into an empty field: its focus is told before anything else of it, with its label and
// description; a screen reader that hears its caret first takes that for the focus.
void tst_Accessible::fieldHeardAtFocus()
{
    QWidget page;
    QVBoxLayout *layout = new QVBoxLayout(&page);
    QLineEdit *nameEdit = new QLineEdit(QStringLiteral("Ovix"));
    QLineEdit *passwordEdit = new QLineEdit;
    for (QLineEdit *field : { nameEdit, passwordEdit }) {
        layout->addWidget(fieldLabel(field == nameEdit ? "Name:" : "Passwd:", field));
        layout->addWidget(field);
    }
    setDescription(passwordEdit, QStringLiteral("Too short"));
    page.show();
    // No window manager activates it.
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    nameEdit->setFocus();

    AccessibilityEvents events;
    QTest::keyClick(nameEdit, Qt::Key_Tab);
    QVERIFY(passwordEdit->hasFocus());
    const QList<AccessibilityEvents::Event> told = events.of(passwordEdit);
    QVERIFY(!told.isEmpty());
    QCOMPARE(told.first().type, QAccessible::Focus);
    QCOMPARE(told.first().name, QStringLiteral("Passwd:"));
    QCOMPARE(told.first().description, QStringLiteral("Too short"));
}

void tst_Accessible::valueLabelName_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("value");

    QTest::newRow("model") << "Model:"
                           << "Ovix";
    QTest::newRow("German") << "Modell:"
                            << "Ovix One";
    QTest::newRow("markup, as it is") << "WLAN:"
                                      << "<b>Hausnetz</b>";
    QTest::newRow("an ampersand, as it is") << "WLAN:"
                                            << "Tom & Jerry";
    QTest::newRow("nothing told") << "Vers:" << QString();
}

// A value is named by its own text and labelled by its label: a screen reader reads the label
// once, in front of it; an empty one is not labelled, lest it be named by the label. It is shown
// as it came.
void tst_Accessible::valueLabelName()
{
    QFETCH(QString, label);
    QFETCH(QString, value);

    QWidget page;
    QLabel *labelLabel = new QLabel(label, &page);
    QLabel *shown = valueLabel(labelLabel, value);
    shown->setParent(&page);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(shown);
    QCOMPARE(accessible->text(QAccessible::Name), value);
    const auto labels = accessible->relations(QAccessible::Label);
    QCOMPARE(labels.size(), value.isEmpty() ? 0 : 1);
    if (!labels.isEmpty())
        QCOMPARE(labels.first().first->object(), labelLabel);
    QCOMPARE(shown->text(), value);
    QCOMPARE(shown->textFormat(), Qt::PlainText);
}

void tst_Accessible::accessKeys_data()
{
    // The controls in the order given: "button:TEXT" or "field:LABEL"; each one's key ("" for
    // none).
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<QStringList>("keys");

    QTest::newRow("the first letters")
        << QStringList({ "button:Next >", "button:Quit", "button:< Back" })
        << QStringList({ "Alt+N", "Alt+Q", "Alt+B" });
    QTest::newRow("earlier controls choose first")
        << QStringList({ "button:Weiter >", "button:Beenden", "button:< Zurück" })
        << QStringList({ "Alt+W", "Alt+B", "Alt+Z" });
    QTest::newRow("a word's first letter before another's second")
        << QStringList({ "button:SAVE", "button:Show password" })
        << QStringList({ "Alt+S", "Alt+P" });
    QTest::newRow("a letter inside the word when the words' are taken")
        << QStringList({ "button:Next >", "button:New name" }) << QStringList({ "Alt+N", "Alt+E" });
    QTest::newRow("fields by their labels")
        << QStringList({ "button:SAVE", "button:< Back", "field:Name:", "field:Passwd:" })
        << QStringList({ "Alt+S", "Alt+B", "Alt+N", "Alt+P" });
    QTest::newRow("letters outside A to Z left out")
        << QStringList({ "button:Übernehmen", "button:Öffnen" })
        << QStringList({ "Alt+B", "Alt+F" });
    QTest::newRow("digits") << QStringList({ "button:2.4 GHz", "button:5 GHz" })
                            << QStringList({ "Alt+2", "Alt+5" });
    QTest::newRow("no letter left")
        << QStringList({ "button:OK", "button:Ok", "field:", "button:…" })
        << QStringList({ "Alt+O", "Alt+K", "", "" });
}

// Each control's access key, a letter of its text in the page's language, none shared.
void tst_Accessible::accessKeys()
{
    QFETCH(QStringList, controls);
    QFETCH(QStringList, keys);

    QWidget page;
    QVBoxLayout *layout = new QVBoxLayout(&page);
    QList<QWidget *> given;
    for (const QString &control : qAsConst(controls)) {
        const QString text = control.mid(control.indexOf(QLatin1Char(':')) + 1);
        if (control.startsWith(QLatin1String("button:"))) {
            given.append(new QPushButton(text));
        } else {
            given.append(new QLineEdit);
            layout->addWidget(fieldLabel(text, given.last()));
        }
        layout->addWidget(given.last());
    }
    giveAccessKeys(given);

    QStringList shownKeys;
    for (QWidget *control : qAsConst(given)) {
        if (const QAbstractButton *button = qobject_cast<QAbstractButton *>(control)) {
            shownKeys.append(button->shortcut().toString());
            continue;
        }
        const QList<QShortcut *> shortcuts = control->findChildren<QShortcut *>();
        QVERIFY(shortcuts.size() <= 1);
        shownKeys.append(shortcuts.isEmpty() ? QString() : shortcuts.first()->key().toString());
    }
    QCOMPARE(shownKeys, keys);
}

QTEST_MAIN(tst_Accessible)
#include "tst_accessible.moc"
